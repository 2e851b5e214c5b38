#pragma once

#include "app/Storable.h"
#include "link/SettingsBlocks.h"

#include <QJsonObject>
#include <QObject>

// One user of the communicator: its 512-byte record, written to and deleted on the
// device, and its object in the "Users" section of the configuration file.
class UserSettings : public QObject, public Storable
{
    Q_OBJECT
public:
    // Byte offsets inside the record.
    enum Field
    {
        NameAt = 0,
        NameSize = 96,
        LoginAt = 96,
        LoginSize = 64,
        PasswordAt = 160,
        PasswordSize = 64,
        PhoneAt = 224,
        SmsPasswordAt = 232,
        FlagsAt = 240,
        CallGroupAt = 241,
        SmsGroupsAt = 242,
        PartitionsAt = 248,
        CompatibleAt = 506,
        CriticalAt = 507,
        CrcAt = 508
    };
    enum Flag
    {
        AdminFlag = 0x01,
        TakeOnFlag = 0x02,
        TakeOffFlag = 0x04,
        DtmfPasswordFlag = 0x08,
        RedirectFlag = 0x10,
        Quenor3Flag = 0x20,
        RemoteControlFlag = 0x40,
        ExtraNotificationsFlag = 0x80
    };
    static constexpr quint8 NoCallGroup = 255;
    static constexpr quint64 NoSmsPassword = ~quint64(0);

    UserSettings(Protocol *protocol, quint8 id, const s_ExtMemDataUser &record = zeroRecord(),
                 QObject *parent = nullptr);

    static s_ExtMemDataUser zeroRecord();
    // Fills the field with zeros and copies the UTF-8 text, cut at a character boundary
    // so that the last byte stays zero.
    static void copyToCharField(const QString &text, quint8 *field, int size);

    const s_ExtMemDataUser &record() const { return m_record; }
    void setRecord(const s_ExtMemDataUser &record) { m_record = record; }
    quint8 id() const { return m_id; }
    void setId(quint8 id) { m_id = id; }
    bool writeFlag() const { return m_writeFlag; }
    void setWriteFlag(bool flag) { m_writeFlag = flag; }
    void setSettingsVersion(quint8 version);

    QString name() const;
    QString login() const;
    QString password() const;
    bool hasPassword() const;
    QString phoneText() const;
    QString smsPasswordText() const;
    bool hasSmsPassword() const;
    bool isAdmin() const { return flag(AdminFlag); }
    bool canTakeOn() const { return flag(TakeOnFlag); }
    bool canTakeOff() const { return flag(TakeOffFlag); }
    bool redirectOperatorMessages() const { return flag(RedirectFlag); }
    bool isQuenor3() const { return flag(Quenor3Flag); }
    bool allowRemoteControl() const { return flag(RemoteControlFlag); }
    bool allowExtraNotifications() const { return flag(ExtraNotificationsFlag); }
    quint8 callControlGroup() const { return bytes()[CallGroupAt]; }
    quint16 smsControlGroups() const;
    quint32 partitions() const;
    QString keysText() const;
    QString keychainsText() const;

    void setAdmin(bool on) { setFlag(AdminFlag, on); }
    void setCanTakeOn(bool on) { setFlag(TakeOnFlag, on); }
    void setCanTakeOff(bool on) { setFlag(TakeOffFlag, on); }
    void setRedirectOperatorMessages(bool on) { setFlag(RedirectFlag, on); }
    void setQuenor3(bool on) { setFlag(Quenor3Flag, on); }
    void setAllowRemoteControl(bool on) { setFlag(RemoteControlFlag, on); }
    void setAllowExtraNotifications(bool on) { setFlag(ExtraNotificationsFlag, on); }
    void setCallControlGroup(int group);
    void setSmsControlGroups(quint16 mask);
    void setPartitions(quint32 mask);

    // Each returns the UTF-8 bytes still free in its field; 0 means the text was cut.
    int setName(const QString &name);
    int setLogin(const QString &login);
    int setPasswordText(const QString &password);
    // The file form: 64 or more characters are hexadecimal bytes. True for that form.
    bool setPassword(const QString &password);
    bool setPhone(const QString &phone);
    bool setSmsPassword(const QString &smsPassword);

    void writeToDevice() override;
    void deleteFromDevice();
    QJsonValue toJson() const override;
    bool fromJson(const QJsonValue &value, int formatVersion) override;
    QString jsonKey() const override;
    QString refusalName() const override { return jsonKey(); }

private:
    quint8 *bytes() { return reinterpret_cast<quint8 *>(&m_record); }
    const quint8 *bytes() const { return reinterpret_cast<const quint8 *>(&m_record); }
    QString fieldText(int at, int size) const;
    quint64 word64(int at) const;
    void setWord64(int at, quint64 value);
    bool flag(quint8 bit) const { return (bytes()[FlagsAt] & bit) != 0; }
    void setFlag(quint8 bit, bool on);
    void setFlagFromJson(const QJsonObject &object, const char *key, quint8 bit);
    int setTextField(const QString &text, int at, int size);
    void readFormat2(const QJsonObject &object);
    void readFormat1(const QJsonObject &object);

    quint8 m_id;
    s_ExtMemDataUser m_record;
    bool m_writeFlag = false;
};
