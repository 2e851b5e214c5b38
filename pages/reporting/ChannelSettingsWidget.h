#pragma once

#include "pages/reporting/DirectionRecords.h"

#include <QBitArray>
#include <QPointer>
#include <QWidget>

class BitfieldWidget;
class ChannelSettings;
class ContentAwareLineEdit;
class FlowTimeEdit;
class HostEdit;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QStandardItemModel;
class SpinBoxWithValidator;
class UserModel;

// The form of one notification channel. It keeps no copy: every field change goes
// straight into the bound channel block.
class ChannelSettingsWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ChannelSettingsWidget(QWidget *parent = nullptr);
    ~ChannelSettingsWidget() override;

    void setChannel(quint8 directionIndex, ChannelSettings *channel);
    void setTypeEnabled(bool enabled);
    // The same for a channel being shown: the control follows, the channel keeps its type.
    void showTypeEnabled(bool enabled);
    void updateIpTypeRows();
    void resetIpFields();
    int typeIndex() const;
    void setSurGardHidden(bool hidden);
    bool isSurGardHidden() const { return m_surGardHidden; }
    bool isTypeRowEnabled(int row) const;

    static const QString DefaultKey;

public slots:
    void updateUserInfo(int userId);
    void onTypeChanged(int row);
    void onChangeUserIndex(int row);
    void onPhoneNumberEdited(const QString &text);
    void onFillUserCombo();

signals:
    void typeChanged(channelGSMType_t type);
    void blockDC09Items();

private:
    void buildWidgets();
    void connectFields();
    QWidget *addSection(const QString &name, int row);
    void setSectionsEnabled(bool enabled);
    void setPhoneText(quint8 type, const QString &text);
    bool applyPhoneNumber(const QString &text, ContentAwareLineEdit *edit);
    void onTestHoursChanged(const QBitArray &bits);
    void onNetworkChannelChanged(int row);
    void onScheduleChanged(int row);
    void countIpChannel(quint8 oldType, quint8 newType);
    void storeType(quint8 type);
    void storeIpFields();
    void showIpTestLabel(quint8 type);
    void setIpRowsEnabled(bool enabled);
    ContentAwareLineEdit *phoneEdit(quint8 type) const;

    const int m_networkBase = 1;
    int m_directionIndex = -1;
    QStandardItemModel *m_typeModel = nullptr;
    ChannelSettings *m_channel = nullptr;
    QPointer<UserModel> m_userModel;
    bool m_surGardHidden = false;
    bool m_showing = false;

    QLabel *m_lblType = nullptr;
    QComboBox *m_cbType = nullptr;
    QWidget *m_top = nullptr;
    QLabel *m_userLabel = nullptr;
    QComboBox *m_cbUserList = nullptr;
    QWidget *m_userSms = nullptr;
    QWidget *m_quenorSms = nullptr;
    QWidget *m_dc09 = nullptr;
    QWidget *m_phoneCall = nullptr;
    QWidget *m_timeoutRow = nullptr;
    ContentAwareLineEdit *m_leUserSms = nullptr;
    QComboBox *m_cbLanguage = nullptr;
    QCheckBox *m_cbSendTime = nullptr;
    QCheckBox *m_cbSendDate = nullptr;
    ContentAwareLineEdit *m_leQuenor = nullptr;
    HostEdit *m_leAddress = nullptr;
    SpinBoxWithValidator *m_sbPort = nullptr;
    QComboBox *m_cbNetwork = nullptr;
    SpinBoxWithValidator *m_sbAnswerTimeout = nullptr;
    QGroupBox *m_gbEncryption = nullptr;
    QLineEdit *m_leKey = nullptr;
    ContentAwareLineEdit *m_lePhoneCall = nullptr;
    QSpinBox *m_sbRetries = nullptr;
    FlowTimeEdit *m_teTimeoutOnError = nullptr;
    QGroupBox *m_gbTesting = nullptr;
    QComboBox *m_cbTestWhen = nullptr;
    QComboBox *m_cbTestType = nullptr;
    QLabel *m_lblDc09TestType = nullptr;
    QComboBox *m_cbTestSchedule = nullptr;
    QLabel *m_lblTestingInterval = nullptr;
    FlowTimeEdit *m_teTestingInterval = nullptr;
    BitfieldWidget *m_bfTestDays = nullptr;
    BitfieldWidget *m_bfTestHours = nullptr;
};
