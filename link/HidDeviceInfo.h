#pragma once

#include <QMetaType>
#include <QString>

// A value copy of one USB HID enumeration record: what the finder hands to the GUI
// thread, so nothing there points into an enumeration that has been freed.
struct HidDeviceInfo
{
    QString path;
    ushort vendorId = 0;
    ushort productId = 0;
    QString serialNumber;
    bool hasSerialNumber = false;
    ushort releaseNumber = 0;
    QString manufacturer;
    QString product;
    ushort usagePage = 0;
    ushort usage = 0;
    int interfaceNumber = -1;
};
Q_DECLARE_METATYPE(HidDeviceInfo)
