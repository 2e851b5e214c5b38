#pragma once

#include "pages/reporting/DirectionRecords.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>

class ChannelSettings;

// One direction of the "Directions" file section: written in the layout of file version 2,
// read in the layouts of versions 1 and 2. Every value read is checked against its field;
// the first one that does not fit fails the whole direction.
class DirectionJson
{
    Q_DECLARE_TR_FUNCTIONS(DirectionJson)
public:
    explicit DirectionJson(int fileVersion) : m_version(fileVersion) {}

    static QJsonObject toJson(int index, const s_ExtMemDataGSMDirection &record);

    int index(const QJsonObject &direction);
    // Fills the block's name, filter, critical version and channels from the object.
    bool read(const QJsonObject &direction, int index, s_ExtMemDataGSMDirection &block);
    bool ok() const { return m_badKey.isEmpty(); }
    QString badKey() const { return m_badKey; }

private:
    static QJsonObject channelToJson(const s_channelGSMsett &block, int position);
    static QJsonObject settingsToJson(const ChannelSettings &channel);
    static QJsonObject testToJson(const ChannelSettings &channel);
    static QJsonObject filterToJson(const eventFilter_t &filter);

    void readFilter(const QJsonObject &object, eventFilter_t &filter);
    void readChannelV1(const QJsonObject &object, ChannelSettings &channel);
    void readChannelV2(const QJsonObject &object, ChannelSettings &channel);
    void readSettingsV2(const QJsonObject &settings, ChannelSettings &channel);
    void readTestV2(const QJsonObject &test, ChannelSettings &channel);
    void readTestTimesV1(const QString &text, ChannelSettings &channel);

    quint64 number(const QJsonObject &object, const QString &key, quint64 max);
    // Written as signed 32-bit numbers, so either sign fits.
    quint32 word32(const QJsonObject &object, const QString &key);
    quint64 mask64(const QJsonObject &object, const QString &key);
    QString text(const QJsonObject &object, const QString &key);
    bool boolean(const QJsonObject &object, const QString &key);
    void refuse(const QString &key);

    int m_version;
    QString m_badKey;
};
