#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"

class QComboBox;

// Panel of the key fob (device type 11). So far it only lets the user choose the fob's
// owner, which the dialog insists on before saving.
class SensorKeychainSettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorKeychainSettingsWidget(QWidget *parent = nullptr);

    bool isUserSelected() const;

public slots:
    void saveSettings() override;
    void updateWidget() override;

private:
    QComboBox *m_user;
};
