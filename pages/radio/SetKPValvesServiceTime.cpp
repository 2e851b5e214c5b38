#include "pages/radio/SetKPValvesServiceTime.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace {
SetKPValvesServiceTime::Clock &serviceClock()
{
    static SetKPValvesServiceTime::Clock current;
    return current;
}

int serviceDay(quint32 serviceTime)
{
    return int((serviceTime >> 16) & 0xFF);
}

int serviceMinute(quint32 serviceTime)
{
    return int(serviceTime & 0xFFFF);
}

// The day of the month after today's; invalid when that month lacks it.
QDate inFollowingMonth(const QDate &today, int day)
{
    const QDate first = QDate(today.year(), today.month(), 1).addMonths(1);
    return QDate(first.year(), first.month(), day);
}
} // namespace

QDate nextServiceDate(quint32 serviceTime, const QDateTime &now)
{
    const QDate today = now.date();
    const int day = serviceDay(serviceTime);
    const int minute = serviceMinute(serviceTime);
    if (day > today.day())
        return QDate(today.year(), today.month(), day);
    if (day == today.day()) {
        const int nowMinute = now.time().hour() * 60 + now.time().minute();
        if (nowMinute <= minute)
            return today;
    }
    return inFollowingMonth(today, day);
}

QDate nextServiceDate(quint32 serviceTime)
{
    return nextServiceDate(serviceTime, SetKPValvesServiceTime::now());
}

QTime serviceTimeOfDay(quint32 serviceTime)
{
    return QTime(0, 0).addSecs(serviceMinute(serviceTime) * 60);
}

QDateTime SetKPValvesServiceTime::now()
{
    return serviceClock() ? serviceClock()() : QDateTime::currentDateTime();
}

void SetKPValvesServiceTime::setClock(Clock clock)
{
    serviceClock() = std::move(clock);
}

SetKPValvesServiceTime::SetKPValvesServiceTime(Sensor::SPtr device, quint32 serviceTime,
                                               QWidget *parent)
    : QWidget(parent), m_device(std::move(device)), m_serviceTime(serviceTime)
{
    setObjectName(QStringLiteral("SetKPValvesServiceTime"));
    setWindowTitle(tr("Service time"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    resize(300, 122);

    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout"));
    auto *heading = new QLabel(tr("Input new service time"), this);
    heading->setObjectName(QStringLiteral("label_3"));
    grid->addWidget(heading, 0, 0);
    m_editor = new QDateTimeEdit(this);
    m_editor->setObjectName(QStringLiteral("dateTimeEdit"));
    m_editor->setCalendarPopup(true);
    m_editor->calendarWidget()->setGridVisible(true);
    m_editor->calendarWidget()->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    grid->addWidget(m_editor, 1, 0);

    auto *row = new QHBoxLayout;
    row->setObjectName(QStringLiteral("horizontalLayout"));
    auto *dayLabel = new QLabel(tr("Day:"), this);
    dayLabel->setObjectName(QStringLiteral("label"));
    m_day = new QSpinBox(this);
    m_day->setObjectName(QStringLiteral("sbDay"));
    m_day->setEnabled(false);
    m_day->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_day->setRange(1, 31);
    auto *minuteLabel = new QLabel(tr("Minutes:"), this);
    minuteLabel->setObjectName(QStringLiteral("label_2"));
    m_minutes = new QSpinBox(this);
    m_minutes->setObjectName(QStringLiteral("sbMinutes"));
    m_minutes->setEnabled(false);
    m_minutes->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_minutes->setMaximum(86400);
    row->addWidget(dayLabel);
    row->addWidget(m_day);
    row->addWidget(minuteLabel);
    row->addWidget(m_minutes);
    grid->addLayout(row, 2, 0);
    grid->addItem(new QSpacerItem(53, 20, QSizePolicy::Minimum, QSizePolicy::Expanding), 4, 0);
    m_apply = new QPushButton(tr("Apply"), this);
    m_apply->setObjectName(QStringLiteral("pbApply"));
    m_apply->setMinimumWidth(120);
    grid->addWidget(m_apply, 5, 0, Qt::AlignRight);

    const QDateTime current = now();
    m_editor->setMinimumDate(current.date());
    m_editor->setMinimumTime(current.time());
    m_editor->setMaximumDate(current.date().addMonths(1));
    const QDate next = nextServiceDate(serviceTime, current);
    if (next.isValid())
        m_editor->setDateTime(QDateTime(next, serviceTimeOfDay(serviceTime)));
    else
        m_editor->setDateTime(m_editor->minimumDateTime());
    m_shown = m_editor->dateTime();
    m_day->setValue(serviceDay(serviceTime));
    m_minutes->setValue(serviceMinute(serviceTime));

    connect(m_apply, &QPushButton::clicked, this, &SetKPValvesServiceTime::apply);
    m_apply->setFocus();
}

void SetKPValvesServiceTime::apply()
{
    if (m_device) {
        const QDateTime chosen = m_editor->dateTime();
        // An untouched editor may show a substitute moment; the stored one stays.
        if (chosen != m_shown) {
            const quint32 day = quint32(chosen.date().day());
            const quint32 minute = quint32(chosen.time().hour() * 60 + chosen.time().minute());
            m_device->setServiceTime((m_serviceTime & 0xFF000000u) | (day << 16) | minute);
        }
        m_device->writeToDevice();
    }
    close();
}
