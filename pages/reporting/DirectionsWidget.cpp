#include "pages/reporting/DirectionsWidget.h"

#include "pages/reporting/DirectionSettings.h"

DirectionsWidget::DirectionsWidget(QWidget *parent) : QWidget(parent) {}

void DirectionsWidget::setSettings(DirectionSettings *settings)
{
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    m_settings = settings;
}

DirectionSettings *DirectionsWidget::settings() const
{
    return m_settings;
}

bool DirectionsWidget::confirmLeave(int direction, int channel)
{
    Q_UNUSED(direction)
    Q_UNUSED(channel)
    // No direction editor is open on this page, so there is nothing to lose.
    return true;
}

void DirectionsWidget::setSurGardHidden(bool hidden)
{
    m_surGardHidden = hidden;
}
