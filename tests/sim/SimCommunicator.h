#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <functional>

class SimBus;
class SimDevice;

// The device's side of the protocol, attached to a SimDevice: it answers the host's
// commands the way the communicator does. Records are held per (read operation,
// identifier); settings-block writes are checked, stored and echoed as the matching read
// answer; error answers and scripted answer streams can be ordered; every command the
// host sent is recorded.
class SimCommunicator : public QObject
{
    Q_OBJECT
public:
    // Codes of the device's error answers this simulator gives.
    static constexpr quint16 ErrCrc = 67;
    static constexpr quint16 ErrParameter = 78;
    static constexpr quint16 ErrWrongLogin = 75;
    static constexpr quint16 ErrSettingsVersion = 102;
    static constexpr quint16 ErrMemoryEmpty = 104;

    SimCommunicator(SimBus *bus, SimDevice *device, QObject *parent = nullptr);
    ~SimCommunicator() override;

    // ---- records the device holds ----
    // Stored as given and sent as the payload of the read answer.
    void setRecord(quint8 readOperation, quint16 id, const QByteArray &record);
    QByteArray record(quint8 readOperation, quint16 id) const;
    bool hasRecord(quint8 readOperation, quint16 id) const;
    void removeRecord(quint8 readOperation, quint16 id);
    // Forgets every record but the main unit's firmware information.
    void clearRecords();
    // Fills in the version bytes (both 1) and the CRC-32 trailer of a settings block.
    static QByteArray sealBlock(QByteArray block);
    // A sealed settings block with recognisable contents.
    static QByteArray makeBlock(int size, int seed);

    void setCredentials(const QString &login, const QString &password, quint8 userId,
                        quint8 accessLevel);

    // ---- answers on demand ----
    // The next `times` commands of this operation get the error answer 0xF0 with this code
    // and are not carried out.
    void failNext(quint8 operation, quint16 code, int times = 1);
    // Every command of this operation gets exactly these messages as its answer,
    // replacing the built-in handling ([type][id LE][payload] each).
    void script(quint8 operation, const QList<QByteArray> &answers);
    void send(const QByteArray &message);
    // Commands a subsystem simulator handles itself; it returns false to leave one here.
    using Handler = std::function<bool(quint8 operation, quint16 id, const QByteArray &payload)>;
    void setExtraHandler(Handler handler) { m_extraHandler = std::move(handler); }
    static QByteArray message(quint8 type, quint16 id, const QByteArray &payload = QByteArray());
    static QByteArray errorAnswer(quint8 operation, quint16 code, quint16 id);

    // How long the device stays away after a reboot command.
    void setRebootDowntime(int milliseconds) { m_rebootDowntime = milliseconds; }
    SimDevice *device() const { return m_device; }
    int reboots() const { return m_reboots; }

    // ---- what the host sent ----
    QList<QByteArray> commands() const { return m_commands; }
    QList<QByteArray> commandsOf(quint8 operation) const;
    void clearCommands() { m_commands.clear(); }

signals:
    void commandReceived(const QByteArray &command);
    void rebooted();

private:
    using Key = QPair<quint8, quint16>;

    void onCommand(const QByteArray &command);
    bool handleBuiltIn(quint8 operation, quint16 id, const QByteArray &payload);
    void answerRead(quint8 readOperation, quint16 id);
    void handleLogin(const QByteArray &payload);
    void handleWrite(quint8 writeOperation, quint16 id, const QByteArray &payload);
    void handleReadAll();
    void handleReboot(quint16 id);

    SimBus *m_bus;
    SimDevice *m_device;
    QHash<Key, QByteArray> m_records;
    QList<Key> m_recordOrder;
    QHash<quint8, QPair<quint16, int>> m_failures;
    QHash<quint8, QList<QByteArray>> m_scripts;
    QList<QByteArray> m_commands;
    QString m_login = QStringLiteral("admin");
    QString m_password = QStringLiteral("admin");
    quint8 m_userId = 0;
    quint8 m_accessLevel = 3;
    Handler m_extraHandler;
    int m_rebootDowntime = 200;
    int m_reboots = 0;
};
