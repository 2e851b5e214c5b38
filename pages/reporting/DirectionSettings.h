#pragma once

#include "app/Storable.h"
#include "pages/reporting/ChannelSettings.h"
#include "pages/reporting/DirectionRecords.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QVector>

// Every direction block of the communicator, one of them current for editing. The only
// writer of direction blocks.
class DirectionSettings : public QObject, public Storable
{
    Q_OBJECT
public:
    using Table = QHash<int, s_ExtMemDataGSMDirection>;

    explicit DirectionSettings(Protocol *protocol, QObject *parent = nullptr);
    ~DirectionSettings() override;

    void writeToDevice() override;
    QJsonValue toJson() const override;
    bool fromJson(const QJsonValue &value, int fileVersion) override;
    QString jsonKey() const override { return QStringLiteral("Directions"); }

    // Saves the current direction; in viewing mode it first enters the table, so the
    // file holds what the form shows.
    bool storeCurrent();

    quint8 currentIndex() const { return m_currentIndex; }
    QString currentName() const;
    QString directionName(int index) const;
    bool setName(const QString &text);
    const s_ExtMemDataGSMDirection &currentRecord() const { return m_current; }
    eventFilter_t eventFilter() const { return m_current.settings.filter; }
    void setEventFilter(const eventFilter_t &filter) { m_current.settings.filter = filter; }
    ChannelSettings *channel(int i) const;
    Table directions() const { return m_directions; }
    void setDirections(const Table &directions) { m_directions = directions; }
    void bindChannels();
    bool isValid() const;
    bool isModified() const;
    void resetSettings();
    quint8 writeFlag() const { return m_writeFlag; }

    bool isPartitionEventSupported(int n) const;
    bool isZoneEventSupported(int n) const;
    bool isPowerEventSupported(int n) const;
    bool isSystemEventSupported(int n) const;
    bool isOutEventSupported(int n) const;
    bool isEventSupported(int group, int n) const;
    void pruneEventFilter();

    // Indexes 0 to the device's direction count; the last is the managing user's block.
    static bool isValidIndex(int index);
    static void seal(s_ExtMemDataGSMDirection &record);
    static QString nameOf(const s_ExtMemDataGSMDirection &record);
    // The name field keeps 63 bytes and a zero; longer texts are cut between characters.
    static void putName(s_ExtMemDataGSMDirection &record, const QString &name);
    static QString defaultName(int index, bool padded);

    bool m_invalid = false;

signals:
    void settingsUpdated(quint8 index, const s_ExtMemDataGSMDirection &record);
    void loadingStarted();
    void loadingFinished();

public slots:
    void updateSettings(quint8 index, const s_ExtMemDataGSMDirection &record);
    void setDataPointer(quint8 index);
    void cancelSettings();

private:
    s_ExtMemDataGSMDirection &stored(int index);
    // The held block, or a zero one without holding it: looking at a direction adds none.
    s_ExtMemDataGSMDirection held(int index) const;
    void commitCurrent();
    bool channelsDiffer(int i, const s_ExtMemDataGSMDirection &base) const;
    bool readDirection(const QJsonObject &object, int fileVersion);
    void reportRefused(const QString &text);
    void send(quint8 index, const s_ExtMemDataGSMDirection &record);

    quint8 m_currentIndex = 0;
    s_ExtMemDataGSMDirection m_current;
    Table m_directions;
    QVector<ChannelSettings *> m_channels;
    quint8 m_writeFlag = 0;
};
