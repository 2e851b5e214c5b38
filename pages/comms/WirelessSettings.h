#pragma once

#include "app/Storable.h"
#include "link/Records.h"
#include "link/SettingsBlocks.h"

#include <QObject>

// The communicator's radio channel: channel group, working channel, automatic change,
// best-channel mode, enrolment time and connection interval, with the radio status.
class WirelessSettings : public QObject, public Storable
{
    Q_OBJECT
public:
    static constexpr quint8 NoBestChannel = 255;
    static constexpr int GroupCount = 4;

    explicit WirelessSettings(Protocol *protocol, QObject *parent = nullptr);
    ~WirelessSettings() override;

    void writeToDevice() override;
    QJsonValue toJson() const override;
    bool fromJson(const QJsonValue &value, int formatVersion) override;
    QString jsonKey() const override { return QStringLiteral("Wireless"); }

    void resetToDefaults();

    // A stored channel outside the device's channel count reads, and is kept, as 0.
    quint8 channel();
    void setChannel(quint8 channel);
    bool autoSwitch() const;
    void setAutoSwitch(bool on);
    quint8 channelGroup() const;
    void setChannelGroup(quint8 group);
    quint16 configEnableTime() const;
    void setConfigEnableTime(quint16 seconds);
    // The period within which a radio device must report, in seconds.
    quint16 connectionInterval() const;
    void setConnectionInterval(quint16 seconds);
    int useBestChannel() const;
    void setUseBestChannel(bool on);
    quint8 bestChannel() const;
    void setBestChannel(quint8 channel);
    quint8 currentChannel() const;

    const s_ExtMemDataWireless &data() const { return m_data; }
    // The channels a group offers, counted from 0; empty for an unknown group.
    static QList<int> groupChannels(int group);

signals:
    void readSettings();
    void settingsUpdated();
    void statusUpdated();
    void takeDelayUpdated(quint16 value);
    void useBestChannelOn();

public slots:
    void settings(const s_ExtMemDataWireless &block);
    void onWirelessStatusUpdated(const s_WirelessStatus &status);

private:
    quint8 *bytes() { return reinterpret_cast<quint8 *>(&m_data); }
    const quint8 *bytes() const { return reinterpret_cast<const quint8 *>(&m_data); }
    static int radioChannelCount();
    void readVersion2(const QJsonObject &section);
    void readVersion1(const QJsonObject &section);
    bool readChannel(const QJsonValue &value, const QString &key);
    void readWord(const QJsonValue &value, const QString &key, int offset);

    s_ExtMemDataWireless m_data;
    s_WirelessStatus m_status;
};
