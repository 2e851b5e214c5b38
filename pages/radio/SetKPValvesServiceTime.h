#pragma once

#include "radio/Sensor.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QWidget>
#include <functional>

class QDateTimeEdit;
class QPushButton;
class QSpinBox;

// The next service moment of a valve controller's monthly service word (minute of the day
// in the low 16 bits, day of the month in byte 2). A day the month lacks gives no date.
QDate nextServiceDate(quint32 serviceTime);
QDate nextServiceDate(quint32 serviceTime, const QDateTime &now);
QTime serviceTimeOfDay(quint32 serviceTime);

// Window choosing a valve controller's monthly service day and time on a calendar.
class SetKPValvesServiceTime : public QWidget
{
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    SetKPValvesServiceTime(Sensor::SPtr device, quint32 serviceTime, QWidget *parent = nullptr);

    // The current date and time every service computation uses; tests set their own.
    static QDateTime now();
    static void setClock(Clock clock);

    QDateTimeEdit *editor() const { return m_editor; }

private:
    void apply();

    Sensor::SPtr m_device;
    quint32 m_serviceTime;
    QDateTime m_shown;
    QDateTimeEdit *m_editor = nullptr;
    QSpinBox *m_day = nullptr;
    QSpinBox *m_minutes = nullptr;
    QPushButton *m_apply = nullptr;
};
