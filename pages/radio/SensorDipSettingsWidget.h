#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"

class QCheckBox;

// Panel of the smoke detector (device type 5): whether it reports the opening of its case,
// offered from firmware 1.29 on.
class SensorDipSettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorDipSettingsWidget(QWidget *parent = nullptr);

    QCheckBox *caseOpenCheck() const { return m_caseOpen; }

public slots:
    void saveSettings() override;
    void updateWidget() override;

private:
    QCheckBox *m_caseOpen = nullptr;
};
