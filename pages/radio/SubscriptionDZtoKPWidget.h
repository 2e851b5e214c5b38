#pragma once

#include "radio/Sensor.h"

#include <QByteArray>
#include <QList>
#include <QWidget>

class QCheckBox;
class QGridLayout;

// Window choosing the leak detectors (and the wired loop in a water zone) whose alarms
// make a valve controller close its valves.
class SubscriptionDZtoKPWidget : public QWidget
{
    Q_OBJECT
public:
    // The wired loop's bit in the detector mask.
    static constexpr int LoopBit = 125;

    SubscriptionDZtoKPWidget(Sensor::SPtr device, const QByteArray &mask,
                             QWidget *parent = nullptr);

    QList<QCheckBox *> boxes() const { return m_boxes; }

public slots:
    void acceptUsedSensors();

private:
    void addDetector(int id, const QString &name);

    Sensor::SPtr m_device;
    QByteArray m_mask;
    QList<int> m_ids;
    QList<QCheckBox *> m_boxes;
    QGridLayout *m_list = nullptr;
};
