#pragma once

#include "app/BaseSettingsWidget.h"
#include "link/Records.h"
#include "pages/comms/GSMSettings.h"

#include <QPointer>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class SimPinDialog;

// The page of the GSM module: its switches and balance threshold, and per SIM card the
// PIN, balance USSD code, APN and its credentials, with the PIN protection buttons.
class GSMSettingsWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit GSMSettingsWidget(QWidget *parent = nullptr);
    ~GSMSettingsWidget() override;

    void setSettings(GSMSettings *settings);
    GSMSettings *settings() const;

    bool hasChanges() override;
    // The save on request: refuses an invalid SIM 1 PIN with a message.
    void saveSettings() override;
    void updateWidget() override;
    bool isLocked() override;

    SimPinDialog *pinDialog() const { return m_pinDialog; }

public slots:
    void onSaveClicked();
    void settingsUpdated();
    void onEnableToggled();
    void connected();
    void disconnected();
    void settingsReset();
    void simPinStatusUpdated(const s_SimcardStatus &status);
    void gsmStatusUpdated(const GSMStatus_t &status);
    void gsmStatusOldUpdated(const GSMStatusOld_t &status);
    void changeSimPin(int sim);
    void saveNewPinCode(int sim, const QString &pin);
    void togglePinCode(int sim, bool on);

private:
    struct SimControls
    {
        QGroupBox *group = nullptr;
        QGroupBox *advanced = nullptr;
        QPushButton *togglePin = nullptr;
        QPushButton *changePin = nullptr;
        QLineEdit *pin = nullptr;
        QLineEdit *ussd = nullptr;
        QLineEdit *apn = nullptr;
        QLineEdit *username = nullptr;
        QLineEdit *password = nullptr;
    };

    void setupUi();
    QWidget *makeMainGroup();
    QGroupBox *makeSimGroup(int sim);
    void setupValidators(SimControls &controls);
    void setAccessibleNames();
    void connectStatusSignals();
    void pinRule(const QString &text);
    void apnRule(QLineEdit *edit);
    void markFit(QLineEdit *edit, GSMSettings::SimField field);
    QLineEdit *fieldEdit(int sim, GSMSettings::SimField field) const;
    QStringList overLongFields() const;
    void save();
    void onToggleClicked(int sim);

    QPointer<GSMSettings> m_settings;
    SimPinDialog *m_pinDialog = nullptr;
    GSMStatusOld_t m_lastOldStatus;
    bool m_hasOldStatus = false;
    int m_lastSimEvent[2] = {-1, -1};
    QWidget *m_mainGroup = nullptr;
    QCheckBox *m_enableGsm = nullptr;
    QCheckBox *m_enableGprs = nullptr;
    QCheckBox *m_enableReserve = nullptr;
    QCheckBox *m_redirectUssd = nullptr;
    QSpinBox *m_threshold = nullptr;
    QCheckBox *m_transmit = nullptr;
    SimControls m_sims[2];
    QPushButton *m_save = nullptr;
    QPushButton *m_reset = nullptr;
};
