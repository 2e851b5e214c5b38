#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class SimCommunicator;

// The users of the large simulated installation and the device's handling of user
// commands: a write (0x79) is stored and echoed as 0x2F (built in), a deletion (0x98)
// forgets the user without an answer.
class SimUsers
{
public:
    struct User
    {
        int id;
        QString name;
        QString login;
        QString password;
        quint64 phone;
        quint64 smsPassword; // all ones: none
        quint8 flags;
        quint8 callGroup;
        quint16 smsGroups;
        quint32 partitions;
    };

    static constexpr quint8 ReadOperation = 0x2F;
    static constexpr quint8 DeleteOperation = 0x98;
    static constexpr quint64 NoSmsPassword = ~quint64(0);

    static const QList<User> &users();
    // A sealed 512-byte record of the user, laid out field by field.
    static QByteArray record(const User &user);
    static void install(SimCommunicator &communicator);
    // Sends the user's record with a CRC that does not match.
    static void sendBroken(SimCommunicator &communicator, int id);
    // The text of a record field, up to its first zero byte.
    static QString fieldText(const QByteArray &record, int at, int size);
    static quint64 word64(const QByteArray &record, int at);
};
