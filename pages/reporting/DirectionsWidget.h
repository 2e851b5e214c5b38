#pragma once

#include <QPointer>
#include <QWidget>

class DirectionSettings;

// The event-reporting directions page.
class DirectionsWidget : public QWidget
{
    Q_OBJECT
public:
    explicit DirectionsWidget(QWidget *parent = nullptr);

    // Null detaches the page from its directions.
    void setSettings(DirectionSettings *settings);
    DirectionSettings *settings() const;
    // Whether the direction shown may be left.
    bool confirmLeave(int direction, int channel);
    void setSurGardHidden(bool hidden);
    bool isSurGardHidden() const { return m_surGardHidden; }

private:
    QPointer<DirectionSettings> m_settings;
    bool m_surGardHidden = false;
};
