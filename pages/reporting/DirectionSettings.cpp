#include "pages/reporting/DirectionSettings.h"

#include "app/Overmind.h"
#include "link/Crc.h"
#include "link/Protocol.h"
#include "pages/reporting/DirectionJson.h"
#include "pages/reporting/EventSupportTables.h"

#include <QDebug>
#include <cstring>

namespace {
constexpr int ChannelCount = 3;

int deviceDirectionCount()
{
    Overmind *overmind = Overmind::instance();
    return overmind ? overmind->deviceInfo().directionCount() : 0;
}

bool isViewingMode()
{
    Overmind *overmind = Overmind::instance();
    return overmind && overmind->isViewingMode();
}

s_ExtMemDataGSMDirection zeroRecord()
{
    s_ExtMemDataGSMDirection record;
    std::memset(&record, 0, sizeof(record));
    return record;
}

template <typename T> bool reportFilter(T current, T base, const char *message)
{
    if (current == base)
        return false;
    qWarning() << "Temp=" << current << ", base=" << base;
    qWarning() << message;
    return true;
}

bool bytesDiffer(const void *a, const void *b, size_t from, size_t to)
{
    return std::memcmp(static_cast<const char *>(a) + from, static_cast<const char *>(b) + from,
                       to - from + 1) != 0;
}

bool sameReceiver(const s_channelGSMsett &a, const s_channelGSMsett &b, bool withKey)
{
    const channelGSMGPRSDC9_t &x = a.dc09;
    const channelGSMGPRSDC9_t &y = b.dc09;
    const bool hostName = x.options & Dc09Option::HostName;
    if (hostName != bool(y.options & Dc09Option::HostName))
        return false;
    if (y.port != 0 && x.port != y.port)
        return false;
    const size_t addressBytes = hostName ? sizeof(x.address) : 4;
    if (std::memcmp(x.address, y.address, addressBytes) != 0)
        return false;
    if (withKey && std::memcmp(x.key, y.key, sizeof(x.key)) != 0)
        return false;
    return (x.options & Dc09Option::Timestamp) == (y.options & Dc09Option::Timestamp) &&
           x.receiver == y.receiver && x.compared108 == y.compared108 &&
           x.linkChannel == y.linkChannel &&
           (x.options & Dc09Option::Encrypt) == (y.options & Dc09Option::Encrypt);
}
} // namespace

DirectionSettings::DirectionSettings(Protocol *protocol, QObject *parent)
    : QObject(parent), Storable(protocol), m_current(zeroRecord())
{
    m_current.compatibleVersion = 1;
    m_current.criticalVersion = 1;
    if (protocol)
        connect(protocol, &Protocol::directionSettings, this, &DirectionSettings::updateSettings,
                Qt::UniqueConnection);
}

DirectionSettings::~DirectionSettings() = default;

bool DirectionSettings::isValidIndex(int index)
{
    return index >= 0 && index <= deviceDirectionCount();
}

void DirectionSettings::seal(s_ExtMemDataGSMDirection &record)
{
    record.reserved = 0;
    record.end = 0;
    record.compatibleVersion = 1;
    record.criticalVersion = 1;
    record.crc32 = crc32Stm(&record, s_ExtMemDataGSMDirection::crcOffset);
}

QString DirectionSettings::nameOf(const s_ExtMemDataGSMDirection &record)
{
    const auto *bytes = reinterpret_cast<const char *>(record.name);
    const void *zero = std::memchr(bytes, 0, sizeof(record.name));
    const int length =
        zero ? int(static_cast<const char *>(zero) - bytes) : int(sizeof(record.name));
    return QString::fromUtf8(bytes, length);
}

void DirectionSettings::putName(s_ExtMemDataGSMDirection &record, const QString &name)
{
    constexpr int room = s_ExtMemDataGSMDirection::nameSize - 1;
    QString fitting = name;
    while (fitting.toUtf8().size() > room) {
        // Never split a surrogate pair.
        int cut = fitting.size() - 1;
        if (cut > 0 && fitting.at(cut).isLowSurrogate())
            --cut;
        fitting.truncate(cut);
    }
    const QByteArray bytes = fitting.toUtf8();
    std::memset(record.name, 0, sizeof(record.name));
    std::memcpy(record.name, bytes.constData(), size_t(bytes.size()));
    record.crc32Name = crc32Stm(record.name, sizeof(record.name));
}

QString DirectionSettings::defaultName(int index, bool padded)
{
    return padded ? tr("Direction #%1").arg(index + 1, 2, 10, QLatin1Char('0'))
                  : tr("Direction #%1").arg(index + 1);
}

s_ExtMemDataGSMDirection &DirectionSettings::stored(int index)
{
    auto it = m_directions.find(index);
    if (it == m_directions.end())
        it = m_directions.insert(index, zeroRecord());
    return *it;
}

s_ExtMemDataGSMDirection DirectionSettings::held(int index) const
{
    return m_directions.value(index, zeroRecord());
}

QString DirectionSettings::currentName() const
{
    const QString name = nameOf(m_current);
    return name.isEmpty() ? defaultName(m_currentIndex, false) : name;
}

QString DirectionSettings::directionName(int index) const
{
    if (index == m_currentIndex)
        return currentName();
    if (!isValidIndex(index))
        return QString();
    const QString name = nameOf(m_directions.value(index, zeroRecord()));
    return name.isEmpty() ? defaultName(index, false) : name;
}

bool DirectionSettings::setName(const QString &text)
{
    if (m_directions.isEmpty())
        return false;
    putName(m_current, text.isEmpty() ? defaultName(m_currentIndex, true) : text);
    return true;
}

ChannelSettings *DirectionSettings::channel(int i) const
{
    return i >= 0 && i < m_channels.size() ? m_channels.at(i) : nullptr;
}

void DirectionSettings::bindChannels()
{
    for (int i = 0; i < m_channels.size() && i < ChannelCount; ++i)
        m_channels.at(i)->setDataPointer(&m_current.settings.channels[i]);
}

void DirectionSettings::updateSettings(quint8 index, const s_ExtMemDataGSMDirection &record)
{
    if (!isValidIndex(index))
        return;
    s_ExtMemDataGSMDirection &block = stored(index);
    block = record;
    block.compatibleVersion = 1;
    block.criticalVersion = 1;
    emit settingsUpdated(index, block);
}

void DirectionSettings::setDataPointer(quint8 index)
{
    m_currentIndex = index;
    if (m_directions.isEmpty() || !isValidIndex(index))
        return;
    m_current = held(index);
    while (m_channels.size() < ChannelCount)
        m_channels.append(new ChannelSettings(nullptr, this));
    bindChannels();
}

void DirectionSettings::cancelSettings()
{
    m_current = held(m_currentIndex);
    emit settingsUpdated(m_currentIndex, m_current);
}

void DirectionSettings::commitCurrent()
{
    seal(m_current);
    if (isValidIndex(m_currentIndex))
        stored(m_currentIndex) = m_current;
}

void DirectionSettings::send(quint8 index, const s_ExtMemDataGSMDirection &record)
{
    const Protocol::SenderScope scope = refusalsComeHere();
    if (Protocol *link = protocol())
        link->writeDirection(index, record, m_writeFlag != 0);
}

void DirectionSettings::writeToDevice()
{
    seal(m_current);
    if (!isValidIndex(m_currentIndex))
        return;
    stored(m_currentIndex) = m_current;
    if (isViewingMode())
        storeToFile();
    bindChannels();
    send(m_currentIndex, m_current);
    m_writeFlag = 0;
    emit settingsUpdated(m_currentIndex, m_current);
}

bool DirectionSettings::storeCurrent()
{
    if (isViewingMode())
        commitCurrent();
    return store();
}

bool DirectionSettings::isValid() const
{
    for (const ChannelSettings *channel : m_channels) {
        const quint8 type = channel->type();
        if (type >= ChannelUserSms && type <= ChannelCall && !channel->hasPhoneNumber())
            return false;
    }
    return true;
}

bool DirectionSettings::channelsDiffer(int i, const s_ExtMemDataGSMDirection &base) const
{
    const s_channelGSMsett &now = m_current.settings.channels[i];
    const s_channelGSMsett &was = base.settings.channels[i];
    const QByteArray number = QByteArray::number(i + 1);
    if (now.channelUserId != was.channelUserId) {
        qWarning().noquote() << QStringLiteral("User (%1) changed. New user id = %2")
                                    .arg(was.channelUserId)
                                    .arg(now.channelUserId);
        return true;
    }
    const char *what = nullptr;
    switch (now.type) {
    case ChannelUserSms:
        what = bytesDiffer(&now, &was, 0, 23) ? "user SMS" : nullptr;
        break;
    case ChannelQuenorSms:
        what = bytesDiffer(&now, &was, 24, 39) ? "quenor3" : nullptr;
        break;
    case ChannelCall:
        what = bytesDiffer(&now, &was, 40, 55) ? "call" : nullptr;
        break;
    case ChannelDc09:
        what = sameReceiver(now, was, true) ? nullptr : "DC9";
        break;
    case ChannelSurGard:
        what = sameReceiver(now, was, false) ? nullptr : "SurGard";
        break;
    default:
        break;
    }
    if (what) {
        qWarning().noquote() << QStringLiteral("Channel %1 %2 settings modified")
                                    .arg(i + 1)
                                    .arg(QLatin1String(what));
        return true;
    }
    const bool testing = (now.test.options | was.test.options) & 0x01;
    if (testing && bytesDiffer(&now, &was, 208, 247)) {
        qWarning().noquote() << QStringLiteral("Channel %1 test settings modified").arg(i + 1);
        return true;
    }
    return false;
}

bool DirectionSettings::isModified() const
{
    if (m_channels.isEmpty() || !isValidIndex(m_currentIndex))
        return false;
    const s_ExtMemDataGSMDirection base = m_directions.value(m_currentIndex, zeroRecord());
    if (std::memcmp(m_current.name, base.name, sizeof(base.name)) != 0) {
        qWarning() << "Direction name changed";
        return true;
    }
    const std::pair<bool, const char *> header[] = {
        {m_current.crc32Name != base.crc32Name, "crc32Name wrong"},
        {m_current.reserved != base.reserved, "reserved changed"},
        {m_current.end != base.end, "end changed"},
        {m_current.criticalVersion != base.criticalVersion, "version changed"},
        {m_current.crc32 != base.crc32, "crc32 changed"},
    };
    for (const auto &check : header) {
        if (check.first) {
            qWarning() << check.second;
            return true;
        }
    }
    const eventFilter_t &now = m_current.settings.filter;
    const eventFilter_t &was = base.settings.filter;
    if (m_current.settings.channels[0].type != ChannelDisabled &&
        (reportFilter(now.partitions, was.partitions, "Partition filter in direction modified") ||
         reportFilter(now.partitionEvents, was.partitionEvents,
                      "Partition event filter in direction modified") ||
         reportFilter(now.zoneEvents, was.zoneEvents, "Zone event filter in direction modified") ||
         reportFilter(now.powerEvents, was.powerEvents,
                      "Power event filter in direction modified") ||
         reportFilter(now.systemEvents, was.systemEvents,
                      "System event filter in direction modified")))
        return true;
    for (int i = 0; i < ChannelCount; ++i) {
        const quint8 type = m_current.settings.channels[i].type;
        if (type != base.settings.channels[i].type) {
            qWarning().noquote() << QStringLiteral("Channel %1 type modified").arg(i + 1);
            return true;
        }
        if (type == ChannelDisabled)
            return false;
        if (channelsDiffer(i, base))
            return true;
    }
    return false;
}

void DirectionSettings::resetSettings()
{
    if (Overmind *overmind = Overmind::instance())
        overmind->ipChannelCounts()[m_currentIndex] = 0;
    if (Protocol *link = protocol())
        link->resetSettings(ResetDirection, m_currentIndex);
}

bool DirectionSettings::isEventSupported(int group, int n) const
{
    for (int i = 0; i < m_channels.size(); ++i) {
        const quint8 type = m_channels.at(i)->type();
        if (i == 0 && (type == ChannelDisabled || type > ChannelSurGard))
            return true;
        const bool outputs = group == EventSupportTables::OutputGroup;
        if (type == ChannelQuenorSms && !EventSupportTables::quenorSupports(group, n))
            return false;
        if (type == ChannelDc09) {
            const bool carried = EventSupportTables::dc09Supports(group, n) &&
                                 (!outputs || EventSupportTables::surGardSupports(group, n));
            if (!carried)
                return false;
            if (outputs && i == 0)
                return true;
        }
        if (type == ChannelSurGard) {
            if (!EventSupportTables::surGardSupports(group, n))
                return false;
            if (outputs && i == 0)
                return true;
        }
    }
    Overmind *overmind = Overmind::instance();
    const int execution = overmind ? overmind->deviceInfo().execution() : 0;
    return EventSupportTables::anyChannelSupports(group, n, execution);
}

bool DirectionSettings::isPartitionEventSupported(int n) const
{
    return isEventSupported(EventSupportTables::PartitionGroup, n);
}

bool DirectionSettings::isZoneEventSupported(int n) const
{
    return isEventSupported(EventSupportTables::ZoneGroup, n);
}

bool DirectionSettings::isPowerEventSupported(int n) const
{
    return isEventSupported(EventSupportTables::PowerGroup, n);
}

bool DirectionSettings::isSystemEventSupported(int n) const
{
    return isEventSupported(EventSupportTables::SystemGroup, n);
}

bool DirectionSettings::isOutEventSupported(int n) const
{
    return isEventSupported(EventSupportTables::OutputGroup, n);
}

void DirectionSettings::pruneEventFilter()
{
    eventFilter_t &filter = m_current.settings.filter;
    auto prune = [this](int group, auto &mask) {
        using Mask = std::remove_reference_t<decltype(mask)>;
        for (int bit = 0; bit < EventSupportTables::bitCount(group); ++bit)
            if (!isEventSupported(group, bit))
                mask &= Mask(~(Mask(1) << bit));
    };
    // The filter is packed: prune copies, then store them.
    quint32 power = filter.powerEvents;
    quint64 partition = filter.partitionEvents;
    quint64 zone = filter.zoneEvents;
    quint32 system = filter.systemEvents;
    quint16 out = filter.outEvents;
    prune(EventSupportTables::PowerGroup, power);
    prune(EventSupportTables::PartitionGroup, partition);
    prune(EventSupportTables::ZoneGroup, zone);
    prune(EventSupportTables::SystemGroup, system);
    prune(EventSupportTables::OutputGroup, out);
    filter.powerEvents = power;
    filter.partitionEvents = partition;
    filter.zoneEvents = zone;
    filter.systemEvents = system;
    filter.outEvents = out;
}

QJsonValue DirectionSettings::toJson() const
{
    QList<int> indexes = m_directions.keys();
    std::sort(indexes.begin(), indexes.end());
    QJsonArray array;
    for (int index : qAsConst(indexes))
        array.append(DirectionJson::toJson(index, m_directions.value(index)));
    return array;
}

bool DirectionSettings::fromJson(const QJsonValue &value, int fileVersion)
{
    if (fileVersion != 1 && !value.isArray()) {
        qWarning() << "Directions: the section is not an array; nothing read";
        return true;
    }
    const QJsonArray array = value.toArray();
    if (array.isEmpty())
        return false;
    if (fileVersion != 1)
        m_writeFlag = 1;
    emit loadingStarted();
    bool allRead = true;
    for (const QJsonValue &element : array)
        if (element.isObject())
            allRead = readDirection(element.toObject(), fileVersion) && allRead;
    // The form edits the current record: it must be the block of the current index.
    setDataPointer(m_currentIndex);
    emit loadingFinished();
    qDebug().noquote() << tr("%1 directions updated from JSON").arg(array.size());
    return allRead;
}

void DirectionSettings::reportRefused(const QString &text)
{
    if (Overmind *overmind = Overmind::instance())
        overmind->reportWriteInProblem(text);
}

bool DirectionSettings::readDirection(const QJsonObject &object, int fileVersion)
{
    DirectionJson reader(fileVersion);
    const int index = reader.index(object);
    if (!reader.ok() || !isValidIndex(index)) {
        qWarning().noquote() << QStringLiteral("Directions: direction index %1 refused")
                                    .arg(object
                                             .value(fileVersion == 1 ? QLatin1String("index")
                                                                     : QLatin1String("id"))
                                             .toVariant()
                                             .toString());
        reportRefused(tr("A direction of the file has a wrong number: it was not written."));
        return false;
    }
    m_currentIndex = quint8(index);
    // Ordinary directions are rebuilt from the file; the managing user's block keeps the
    // bytes the file does not carry.
    s_ExtMemDataGSMDirection block =
        index < deviceDirectionCount() ? zeroRecord() : m_directions.value(index, zeroRecord());
    if (!reader.read(object, index, block)) {
        qWarning().noquote() << QStringLiteral("Directions: direction %1: value of \"%2\" refused")
                                    .arg(index)
                                    .arg(reader.badKey());
        reportRefused(tr("Direction %1: the value of \"%2\" was refused, the direction was not "
                         "written.")
                          .arg(index + 1)
                          .arg(reader.badKey()));
        return false;
    }
    block.compatibleVersion = 1;
    block.crc32 = crc32Stm(&block, s_ExtMemDataGSMDirection::crcOffset);
    s_ExtMemDataGSMDirection &held = stored(index);
    held = block;
    send(quint8(index), held);
    emit settingsUpdated(quint8(index), held);
    return true;
}
