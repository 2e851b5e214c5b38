#pragma once

#include "app/BaseSettingsWidget.h"

#include <QPointer>

class IButtonConfig;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;

// The page of the card-reader LEDs: mode, inversion and the partitions shown.
class IButtonConfigWidget : public BaseSettingsWidget
{
    Q_OBJECT
public:
    explicit IButtonConfigWidget(QWidget *parent = nullptr);

    void setSettings(IButtonConfig *settings);
    IButtonConfig *settings() const;

    bool hasChanges() override;
    void updateWidget() override;
    void saveSettings() override;

public slots:
    void onReady();

private:
    quint32 shownPartitions() const;

    QPointer<IButtonConfig> m_settings;
    QGroupBox *m_group;
    QComboBox *m_mode;
    QCheckBox *m_invert;
    QComboBox *m_partitions;
    QPushButton *m_save;
    QPushButton *m_reset;
    bool m_partitionsReady = false;
};
