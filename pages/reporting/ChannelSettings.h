#pragma once

#include "pages/reporting/DirectionRecords.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTime>
#include <QUrl>

// Reads and writes one channel block in place; the block belongs to a direction record.
class ChannelSettings : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxTestTimes = 8;

    explicit ChannelSettings(s_channelGSMsett *block = nullptr, QObject *parent = nullptr);

    bool isBound() const { return m_block != nullptr; }
    const s_channelGSMsett *block() const { return m_block; }

    quint8 type() const { return m_block->type; }
    void setType(quint8 type);
    quint8 userId() const { return m_block->channelUserId; }
    void setUserId(quint8 id) { m_block->channelUserId = id; }

    // The number held for that type: empty for none, "+" in front from four digits on.
    QString phoneNumber(quint8 type) const;
    bool setPhoneNumber(const QString &text);
    bool setPhoneNumberValue(quint64 value);
    bool hasPhoneNumber() const { return !phoneNumber(type()).isEmpty(); }
    // The stored value of the number of the channel's own type.
    quint64 phoneNumberValue(quint8 type) const;

    int dialAttempts() const;
    bool setDialAttempts(int attempts);

    bool language() const { return m_block->userSms.options & 0x01; }
    bool setLanguage(bool english);
    bool sendTime() const { return m_block->userSms.options & 0x02; }
    bool setSendTime(bool on);
    bool sendDate() const { return m_block->userSms.options & 0x04; }
    bool setSendDate(bool on);

    QString host() const;
    QUrl hostUrl() const;
    // The address as the file keeps it: a host name with its port, an IPv4 address alone.
    QString hostText() const;
    void setHost(const QString &host, quint16 port);
    quint16 port() const { return m_block->dc09.port; }
    void setPort(quint16 port) { m_block->dc09.port = port; }
    quint32 receiver() const { return m_block->dc09.receiver; }
    void setReceiver(quint32 receiver) { m_block->dc09.receiver = receiver; }
    QByteArray encryptionKey() const;
    void setEncryptionKey(const QByteArray &key);
    quint8 linkChannel() const { return m_block->dc09.linkChannel; }
    void setLinkChannel(quint8 channel) { m_block->dc09.linkChannel = channel; }
    quint8 sendAttempts() const { return m_block->dc09.sendAttempts; }
    void setSendAttempts(quint8 attempts) { m_block->dc09.sendAttempts = attempts; }
    quint8 answerWaitTimeout() const { return m_block->dc09.answerTimeout; }
    void setAnswerWaitTimeout(quint8 seconds) { m_block->dc09.answerTimeout = seconds; }
    bool holdConnected() const { return option(Dc09Option::HoldConnected); }
    void setHoldConnected(bool on) { setOption(Dc09Option::HoldConnected, on); }
    bool useDns() const { return option(Dc09Option::HostName); }
    void setUseDns(bool on) { setOption(Dc09Option::HostName, on); }
    bool timestamp() const { return option(Dc09Option::Timestamp); }
    void setTimestamp(bool on) { setOption(Dc09Option::Timestamp, on); }
    bool encrypt() const { return option(Dc09Option::Encrypt); }
    void setEncrypt(bool on) { setOption(Dc09Option::Encrypt, on); }

    QTime timeoutOnError() const { return timeOfDay(m_block->timeoutOnError); }
    void setTimeoutOnError(const QTime &time) { m_block->timeoutOnError = secondsOf(time); }
    bool testEnabled() const { return m_block->test.options & 0x01; }
    void setTestEnabled(bool on);
    bool channelsTestMode() const { return m_block->test.testWhen != 0; }
    void setChannelsTestMode(bool onlyActive) { m_block->test.testWhen = onlyActive ? 1 : 0; }
    bool testPeriodMode() const { return m_block->test.periodMode != 0; }
    void setTestPeriodMode(bool schedule) { m_block->test.periodMode = schedule ? 1 : 0; }
    quint8 testType() const { return m_block->test.testType; }
    void setTestType(quint8 type) { m_block->test.testType = type; }
    QTime testInterval() const { return timeOfDay(m_block->test.interval); }
    void setTestInterval(const QTime &time) { m_block->test.interval = secondsOf(time); }
    quint8 testWeekDays() const { return m_block->test.weekDays; }
    void setTestWeekDays(quint8 days) { m_block->test.weekDays = days; }
    QList<QTime> testTimes() const;
    QList<quint16> testTimeMinutes() const;
    void setTestTimes(const QList<QTime> &times);
    void setTestTimeMinutes(const QList<quint16> &minutes);
    quint8 taskType() const { return m_block->test.taskType; }
    int maxTestTimes() const { return MaxTestTimes; }

    static QTime timeOfDay(quint32 seconds);
    static quint32 secondsOf(const QTime &time);
    // An 11-digit number beginning with 8 is the national form of 7...
    static quint64 internationalForm(quint64 value);

public slots:
    void setDataPointer(s_channelGSMsett *block) { m_block = block; }

private:
    bool option(quint8 bit) const { return m_block->dc09.options & bit; }
    void setOption(quint8 bit, bool on);
    bool setSmsOption(quint8 bit, bool on, const char *refusal);
    static int phoneOffset(quint8 type);

    s_channelGSMsett *m_block = nullptr; // not owned
};
