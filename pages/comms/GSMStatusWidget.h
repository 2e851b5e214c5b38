#pragma once

#include "link/Records.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;

// The GSM module status panel: power, active SIM card, IMEI and per card the operator,
// balance, network and GPRS state and signal level; it makes a card active, asks for a
// balance and opens the test SMS dialog.
class QTimer;

class GSMStatusWidget : public QWidget
{
    Q_OBJECT
public:
    explicit GSMStatusWidget(QWidget *parent = nullptr);

    // A test SMS needs a powered modem as well as the caller's permission.
    void setTestSmsEnabled(bool enabled);

    static QString networkStateText(int code);
    static QString gprsStateText(int code);
    static QString technologyText(int code);
    static QString signalPicture(qint8 level);
    static QString signalText(qint8 level);

public slots:
    void onConnect();
    void onDisconnect();
    void sendRequest();
    void gsmStatus(const GSMStatus_t &status);
    void gsmStatusOld(const GSMStatusOld_t &status);
    void updateSimCard(int in_index, const s_GSMSimCard &cardStatus);
    void updateSimCardOld(int cardIndex, const s_GSMSimCardOld &cardStatus);
    void showTestSMSDialog();
    void setActiveSim(int index);

private:
    struct SimLabels
    {
        QGroupBox *group = nullptr;
        QLabel *operatorName = nullptr;
        QLabel *balanceCaption = nullptr;
        QLabel *balance = nullptr;
        QLabel *network = nullptr;
        QLabel *gprs = nullptr;
        QLabel *signal = nullptr;
        QLabel *level = nullptr;
        QPushButton *setActive = nullptr;
        QPushButton *requestBalance = nullptr;
    };

    void setupUi();
    QGroupBox *makeModuleGroup();
    QGroupBox *makeSimGroup(int sim);
    bool isPowered() const;
    void showPower(bool on);
    void showRadioState(SimLabels &sim, int network, int technology, int gprs, qint8 level);
    void showBalance(SimLabels &sim, bool expenses, const QString &balance,
                     const QString &operatorName);
    void requestSimStatus(int sim);
    static int firmwareVersion();

    QTimer *m_firstRequest = nullptr;
    QLabel *m_power = nullptr;
    QLabel *m_active = nullptr;
    QLabel *m_imeiTitle = nullptr;
    QLabel *m_imei = nullptr;
    QPushButton *m_copyImei = nullptr;
    QPushButton *m_testSms = nullptr;
    SimLabels m_sims[2];
};
