#include "journal/PowerStatusPanel.h"

#include "app/EventNames.h"
#include "app/Overmind.h"
#include "journal/PowerPanelTexts.h"
#include "journal/PowerStatus.h"
#include "journal/PowerSupplyFields.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

using namespace PowerPanelTexts;
using PowerSupplyFields::codeAt;
using PowerSupplyFields::floatAt;

PowerStatusPanel::PowerStatusPanel(QWidget *parent) : QWidget(parent)
{
    if (Overmind *overmind = Overmind::instance())
        connect(overmind, &Overmind::connected, this, &PowerStatusPanel::onConnected);
}

void PowerStatusPanel::setReadings(const QVector<Reading> &readings, const QString &invalid)
{
    m_readings = readings;
    m_invalid = invalid;
}

void PowerStatusPanel::setViewingTexts(const QStringList &kept, const QStringList &unknownNames,
                                       const QString &unknown)
{
    m_kept = kept;
    m_unknownNames = unknownNames;
    m_unknown = unknown;
}

std::pair<QGroupBox *, QGridLayout *>
PowerStatusPanel::addGroup(QWidget *owner, const QString &title, const char *name)
{
    auto *group = new QGroupBox(title, owner);
    group->setObjectName(QLatin1String(name));
    auto *grid = new QGridLayout(group);
    grid->setVerticalSpacing(2);
    return std::make_pair(group, grid);
}

void PowerStatusPanel::addPair(QGroupBox *group, QGridLayout *grid, int row, int column,
                               const QString &caption, const char *name, const QString &initial)
{
    m_labels.insert(QLatin1String(name),
                    PowerPanelTexts::addPair(group, grid, row, column, caption, name, initial));
}

void PowerStatusPanel::addMainSourceLine(QGroupBox *group, QGridLayout *grid,
                                         const QString &initial)
{
    QLabel *source = valueLabel(group, "lblMainPowerSource", initial);
    m_labels.insert(QStringLiteral("lblMainPowerSource"), source);
    grid->addWidget(source, 0, 0, 1, 2);
}

QLabel *PowerStatusPanel::label(const char *name) const
{
    return m_labels.value(QLatin1String(name));
}

void PowerStatusPanel::setPowerStatus(PowerStatus *status)
{
    if (m_status)
        disconnect(m_status, nullptr, this, nullptr);
    m_status = status;
    if (status)
        connect(status, &PowerStatus::statusUpdated, this, &PowerStatusPanel::statusUpdated);
}

PowerStatus *PowerStatusPanel::powerStatus() const
{
    return m_status;
}

QString PowerStatusPanel::readingText(const Reading &reading) const
{
    const quint8 *bytes = m_status->sourceBytes(reading.source);
    if (reading.shown == Shown::Event)
        return powerEventName(codeAt(bytes, reading.at));
    float value = floatAt(bytes, reading.at);
    if (reading.shown == Shown::WholePercent)
        return QStringLiteral("%1%").arg(wholePercent(value));
    if (reading.shown == Shown::PositiveNumber && !(value > 0.0f))
        value = 0.0f;
    return reading.pattern.arg(fixed(value * reading.scale, reading.decimals));
}

void PowerStatusPanel::statusUpdated()
{
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->isViewingMode()) {
        onConnected();
        return;
    }
    if (!m_status)
        return;
    for (const Reading &reading : qAsConst(m_readings))
        label(reading.label)->setText(readingText(reading));
    label("lblMainPowerSource")
        ->setText(mainSourceLine(m_status->mainSourceText(), m_status->mainSourceVoltage()));
    label("lblTemperature")->setText(temperatureText(m_status->temperature(), m_invalid));
    if (m_status->hasSyncTime())
        label("lblTimeSync")->setText(timeText(m_status->syncDateTime()));
}

void PowerStatusPanel::onConnected()
{
    Overmind *overmind = Overmind::instance();
    if (!overmind || !overmind->isViewingMode())
        return;
    for (auto it = m_labels.cbegin(); it != m_labels.cend(); ++it) {
        if (m_unknownNames.contains(it.key()))
            it.value()->setText(m_unknown);
        else if (!m_kept.contains(it.key()))
            it.value()->clear();
    }
}
