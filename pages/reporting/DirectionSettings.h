#pragma once

#include "app/Storable.h"

#include <QByteArray>
#include <QHash>
#include <QJsonArray>
#include <QObject>

// The event-reporting directions: one 1536-byte record per direction index.
class DirectionSettings : public QObject, public Storable
{
    Q_OBJECT
public:
    explicit DirectionSettings(Protocol *protocol, QObject *parent = nullptr)
        : QObject(parent), Storable(protocol)
    {
    }
    QString jsonKey() const override { return QStringLiteral("Directions"); }
    void writeToDevice() override {}
    QJsonValue toJson() const override { return QJsonArray(); }
    bool fromJson(const QJsonValue &value, int) override { return value.isArray(); }

    QHash<int, QByteArray> directions() const { return m_directions; }
    void setDirections(const QHash<int, QByteArray> &directions) { m_directions = directions; }
    QString directionName(int index) const { return tr("Direction %1").arg(index + 1); }

signals:
    void settingsUpdated();

private:
    QHash<int, QByteArray> m_directions;
};
