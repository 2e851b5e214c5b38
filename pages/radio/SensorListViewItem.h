#pragma once

#include "radio/Sensor.h"

#include <QColor>
#include <QObject>
#include <QStandardItem>

// One row of the radio device list: the device, its picture, its card colour and its
// tooltip.
class SensorListViewItem : public QObject, public QStandardItem
{
    Q_OBJECT
public:
    // Role of the row's device key (see SensorItemModel::sensorKey).
    static constexpr int DeviceKeyRole = Qt::UserRole;

    explicit SensorListViewItem(Sensor::SPtr device);

    Sensor::SPtr sensor() const { return m_device; }
    QVariant data(int role = Qt::UserRole + 1) const override;

    static QString picturePath(int deviceType);
    // The card colour while connected; invalid when the card keeps its plain look.
    QColor cardColour() const;

public slots:
    void statusUpdated();

private:
    struct Colours
    {
        bool red = false;
        bool yellow = false;
        bool grey = false;
    };

    bool isLocalOut() const;
    QString toolTipText() const;
    QString socketToolTip() const;
    QString toolTipTable() const;
    QString extraRows() const;
    QString mainBatteryText() const;
    void stateColours(Colours &colours) const;
    void typeStateColours(Colours &colours) const;

    Sensor::SPtr m_device;
};
