#pragma once

#include "app/BaseSettingsWidget.h"

#include <QPointer>

class EthernetSettings;
class IpV4Edit;
class IpV6Edit;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The page of the network interface: MAC addresses, verification code, host name,
// connection channel, remote management, address mode and the IPv4 and IPv6 addresses.
class EthernetSettingsWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit EthernetSettingsWidget(QWidget *parent = nullptr);

    void setSettings(EthernetSettings *settings);
    EthernetSettings *settings() const;

    bool hasChanges() override;
    void saveSettings() override;
    void updateWidget() override;

    void enableManualFields(bool manual);
    void showVerifyCode(quint32 code);

public slots:
    void onSaveSettings();
    void onRemoteControl(bool checked);
    void updateMAC();
    void onSettingsUpdate();
    void onDefaultMACupdate();
    void onInitWidget();
    void connected();
    void disconnected();
    void onResetSettings();
    void radioButtonClicked();
    void saveRadioButtonSettings();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct AddressField
    {
        QLabel *label;
        QLineEdit *edit;
        bool ipv6;
    };

    void setupUi();
    void setupTopGrid(QWidget *parent);
    void setupAddressGrid(QWidget *parent);
    void setupHints();
    QLabel *hintIcon(const char *name);
    int checkedMode() const;
    void onChannelChanged(int index);
    QStringList invalidAddressFields();
    bool permitted() const;
    void markField(QLineEdit *edit, bool valid);

    QPointer<EthernetSettings> m_settings;
    bool m_changes = false;
    bool m_initialised = false;
    int m_channelOffset = 1;
    QLabel *m_macLabel = nullptr;
    QLineEdit *m_defaultMac = nullptr;
    QLabel *m_changedMacLabel = nullptr;
    QLabel *m_changedMacHint = nullptr;
    QLineEdit *m_changedMac = nullptr;
    QPushButton *m_getVerifyCode = nullptr;
    QLineEdit *m_serverName = nullptr;
    QComboBox *m_channel = nullptr;
    QGroupBox *m_wifi = nullptr;
    QLineEdit *m_wifiName = nullptr;
    QLineEdit *m_wifiPass = nullptr;
    QCheckBox *m_dataSaving = nullptr;
    QCheckBox *m_remote = nullptr;
    QRadioButton *m_automatic = nullptr;
    QLabel *m_asServerLabel = nullptr;
    QRadioButton *m_asServer = nullptr;
    QRadioButton *m_manual = nullptr;
    IpV4Edit *m_ipv4 = nullptr;
    QList<AddressField> m_addressFields; // IPv4 fields first, in saving order
    QPushButton *m_save = nullptr;
    QPushButton *m_reset = nullptr;
};
