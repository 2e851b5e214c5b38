#pragma once

#include "app/Storable.h"

#include <QJsonObject>
#include <QObject>

// One user of the communicator.
class UserSettings : public QObject, public Storable
{
    Q_OBJECT
public:
    UserSettings(Protocol *protocol, quint8 id, QObject *parent = nullptr)
        : QObject(parent), Storable(protocol), m_id(id)
    {
    }
    quint8 id() const { return m_id; }
    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    QString login() const { return m_login; }
    void setLogin(const QString &login) { m_login = login; }
    bool isAdmin() const { return m_admin; }
    void setAdmin(bool admin) { m_admin = admin; }
    // Empty for a number below 100; "+" in front from five digits on.
    QString phoneText() const
    {
        if (m_phone < 100)
            return QString();
        const QString digits = QString::number(m_phone);
        return digits.size() >= 5 ? QLatin1Char('+') + digits : digits;
    }
    void setPhone(quint64 phone) { m_phone = phone; }

    QString jsonKey() const override
    {
        return m_name.isEmpty() ? tr("User #%1").arg(m_id + 1) : m_name;
    }
    void writeToDevice() override {}
    QJsonValue toJson() const override { return QJsonObject(); }
    bool fromJson(const QJsonValue &value, int) override { return value.isObject(); }

private:
    quint8 m_id;
    QString m_name;
    QString m_login;
    bool m_admin = false;
    quint64 m_phone = 0;
};
