#pragma once

#include <QMetaType>
#include <QString>

// The settings of one key as the key dialog hands them over.
struct IButtonSetts
{
    QString id;
    quint32 partitions = 0;
    quint16 accessLaw = 1;
    quint8 userId = 0xFF;
};
Q_DECLARE_TYPEINFO(IButtonSetts, Q_MOVABLE_TYPE);
Q_DECLARE_METATYPE(IButtonSetts)
