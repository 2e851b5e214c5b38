#pragma once

#include "pages/radio/SensorPrivateSettingsWidget.h"
#include "radio/OutputRecords.h"

#include <QStringList>
#include <array>

class OutputSettingsWidget;
class QTabWidget;

// Panel of the radio devices that drive outputs: one output-mode editor per output tab.
class SensorRelaySettingsWidget : public SensorPrivateSettingsWidget
{
    Q_OBJECT
public:
    explicit SensorRelaySettingsWidget(QWidget *parent = nullptr);

    void setOutputCaptions(const QString &first, const QString &second);
    void removeSecondOutput(int count);
    void setVolumeVisible(int output, bool visible);
    void addTempMode(int output);
    void addTempHumidityModes(int output);
    void addTempHumidityCOModes(int output);
    void setTactic(const s_EventsOutMode &tactic);

    QTabWidget *tabs() const { return m_tabs; }
    OutputSettingsWidget *editor(int output) const;
    // What the dialog asked of an output (0 or 1).
    bool isVolumeVisible(int output) const;
    QStringList addedModes(int output) const;
    // The output the last tactic went to, -1 before any.
    int lastTacticOutput() const { return m_lastTacticOutput; }

public slots:
    void saveSettings() override;
    void updateWidget() override;

private:
    struct Output
    {
        bool volumeVisible = true;
        QStringList addedModes;
    };
    void addModes(int index, const QStringList &modes);

    QTabWidget *m_tabs;
    OutputSettingsWidget *out1Widget;
    OutputSettingsWidget *out2Widget;
    std::array<Output, 2> m_outputs;
    int m_lastTacticOutput = -1;
};
