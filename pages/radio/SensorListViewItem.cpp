#include "pages/radio/SensorListViewItem.h"

#include "app/IconCache.h"
#include "app/Overmind.h"
#include "radio/LocalOut.h"
#include "radio/Loop.h"

#include <QIcon>
#include <cstring>

namespace {
constexpr int ItemFlags =
    Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled | Qt::ItemIsEnabled;

bool isViewingMode()
{
    Overmind *overmind = Overmind::instance();
    return overmind && overmind->isViewingMode();
}

bool isOneOf(int value, std::initializer_list<int> values)
{
    for (int candidate : values)
        if (candidate == value)
            return true;
    return false;
}

quint16 wordAt(const quint8 *bytes, int offset)
{
    quint16 word = 0;
    std::memcpy(&word, bytes + offset, sizeof(word));
    return word;
}
} // namespace

SensorListViewItem::SensorListViewItem(Sensor::SPtr device) : m_device(std::move(device))
{
    connect(m_device.get(), &Sensor::statusUpdated, this, &SensorListViewItem::statusUpdated);
    statusUpdated();
    const QString path = isLocalOut() ? QStringLiteral("://images/devices/Tarvo-Korvel.png")
                                      : picturePath(m_device->type());
    setData(IconCache::icon(path), Qt::DecorationRole);
}

QString SensorListViewItem::picturePath(int deviceType)
{
    switch (deviceType) {
    case 2:
    case 5:
        return QStringLiteral("://images/devices/Tarvo-T02.png");
    case 3:
        return QStringLiteral("://images/devices/Tarvo-T03.png");
    case 4:
        return QStringLiteral("://images/devices/Tarvo-T04.png");
    case 6:
        return QStringLiteral("://images/devices/Tarvo-T06.png");
    case 7:
        return QStringLiteral("://images/devices/Tarvo-T07.png");
    case 10:
    case 31:
        return QStringLiteral("://images/devices/Tarvo-T10.png");
    case 11:
        return QStringLiteral("://images/devices/Tarvo-T11.png");
    case 13:
        return QStringLiteral("://images/devices/Tarvo-T13.png");
    case 14:
    case 23:
        return QStringLiteral("://images/devices/Tarvo-T14.png");
    case 15:
        return QStringLiteral("://images/devices/Tarvo-T15.png");
    case 16:
    case 24:
    case 25:
        return QStringLiteral("://images/devices/Tarvo-T16.png");
    case 18:
        return QStringLiteral("://images/devices/Tarvo-T18.png");
    case 19:
    case 56:
        return QStringLiteral("://images/devices/Tarvo-T19.png");
    case 20:
    case 49:
    case 50:
    case 69:
        return QStringLiteral("://images/devices/Tarvo-T20.png");
    case 22:
        return QStringLiteral("://images/devices/Tarvo-T22.png");
    case 26:
        return QStringLiteral("://images/devices/Tarvo-T26.png");
    case 27:
    case 28:
        return QStringLiteral("://images/devices/Tarvo-T27.png");
    case 29:
        return QStringLiteral("://images/devices/Tarvo-T29.png");
    case 30:
    case 51:
        return QStringLiteral("://images/devices/Tarvo-T30.png");
    case 32:
        return QStringLiteral("://images/devices/Tarvo-T32.png");
    case 34:
        return QStringLiteral("://images/devices/Tarvo-T34.png");
    case 53:
        return QStringLiteral("://images/devices/Tarvo-T53.png");
    case 55:
        return QStringLiteral("://images/devices/Tarvo-T55.png");
    case 57:
        return QStringLiteral("://images/devices/Tarvo-T57.png");
    case 66:
        return QStringLiteral("://images/devices/Tarvo-T66.png");
    case 67:
        return QStringLiteral("://images/devices/Tarvo-T67_.png");
    default:
        return QStringLiteral("://images/wireless17.png");
    }
}

bool SensorListViewItem::isLocalOut() const
{
    // The object's class rather than its translated type name: a translation can never
    // make an output look like a radio device.
    return qobject_cast<const LocalOut *>(m_device.get()) != nullptr;
}

void SensorListViewItem::statusUpdated()
{
    setData(m_device->statusToolTip(), Qt::DisplayRole);
    setFlags(Qt::ItemFlags(ItemFlags));
    const QString tip = toolTipText();
    setData(tip, Qt::ToolTipRole);
    setData(tip, Qt::WhatsThisRole);
}

QVariant SensorListViewItem::data(int role) const
{
    if (role == DeviceKeyRole)
        return QVariant::fromValue(quintptr(m_device.get()));
    if (isViewingMode()) {
        if (role == Qt::BackgroundRole)
            return Sensor::GreyColour;
        if (role == Qt::ForegroundRole)
            return QColor(Qt::black);
    } else {
        if (role == Qt::BackgroundRole) {
            const QColor colour = cardColour();
            return colour.isValid() ? QVariant(colour) : QVariant();
        }
        if (role == Qt::ForegroundRole)
            return m_device->isInTouch() ? QColor(Qt::black) : QColor(Qt::lightGray);
    }
    return QStandardItem::data(role);
}

QString SensorListViewItem::toolTipText() const
{
    const Sensor &device = *m_device;
    if (device.type() == 57)
        return socketToolTip();
    if (isLocalOut()) {
        const auto *out = static_cast<const LocalOut *>(m_device.get());
        return tr("<table style=\"width:100%\">"
                  "  <tr>    <td><strong>Type</strong></td>    <td>%1</td>   </tr>"
                  "  <tr>    <td><strong>Number</strong></td>    <td>%2</td>   </tr>"
                  "</table>")
            .arg(device.typeName(), QString::number(out->index() + LocalOut::FirstDisplayNumber));
    }
    if (device.type() == 9) {
        const auto *loop = qobject_cast<const Loop *>(m_device.get());
        return tr("<table style=\"width:100%\">"
                  "  <tr>    <td><strong>Status:</strong></td>    <td>%1</td>   </tr>"
                  "  <tr>    <td><strong>Resistance:</strong></td>    <td align=\"center\">%2</td>"
                  "   </tr>"
                  "</table>")
            .arg(device.stateText(), loop ? loop->resistanceText() : QString());
    }
    return toolTipTable();
}

QString SensorListViewItem::socketToolTip() const
{
    const Sensor &d = *m_device;
    return tr("<table style=\"width:100%\">"
              "  <tr>    <td><strong>Type</strong></td>    <td>%1</td>   </tr>"
              "  <tr>    <td><strong>Serial</strong></td>    <td>%2</td>   </tr>"
              "  <tr>    <td><strong>Firmware</strong></td>    <td>%3</td>   </tr>"
              "  <tr>    <td><strong>Hardware</strong></td>    <td>%4</td>   </tr>"
              "  <tr>    <td><strong>RSSI</strong></td>    <td>%5</td>   </tr>"
              "  <tr>    <td><strong>Status</strong></td>    <td>%6</td>   </tr>"
              "</table>")
        .arg(d.typeName(), d.serialNumberText(), d.firmwareVersionText(), d.hardwareVersionText(),
             d.rssiText(), d.stateText());
}

QString SensorListViewItem::toolTipTable() const
{
    const Sensor &d = *m_device;
    // One pass of arg(): a name or state text holding "%1" stays as it is.
    if (isViewingMode())
        return tr("<table style=\"width:100%\">"
                  "  <tr>    <td><strong>Type</strong></td>    <td>%1</td>   </tr>"
                  "  <tr>    <td><strong>Serial</strong></td>    <td>%2</td>   </tr>"
                  "  <tr>    <td><strong>RSSI</strong></td>    <td>%3</td>   </tr>"
                  "  <tr>    <td><strong>Main bat</strong></td>    <td>%4</td>   </tr>"
                  "%6"
                  "  <tr>    <td><strong>Status</strong></td>    <td>%5</td>   </tr>"
                  "</table>")
            .arg(d.typeName(), d.serialNumberText(), d.rssiText(), mainBatteryText(), d.stateText(),
                 extraRows());
    return tr("<table style=\"width:100%\">"
              "  <tr>    <td><strong>Type</strong></td>    <td>%1</td>   </tr>"
              "  <tr>    <td><strong>Serial</strong></td>    <td>%2</td>   </tr>"
              "  <tr>    <td><strong>Firmware</strong></td>    <td>%3</td>   </tr>"
              "  <tr>    <td><strong>Hardware</strong></td>    <td>%4</td>   </tr>"
              "  <tr>    <td><strong>RSSI</strong></td>    <td>%5</td>   </tr>"
              "  <tr>    <td><strong>Main bat</strong></td>    <td>%6</td>   </tr>"
              "%8"
              "  <tr>    <td><strong>Status</strong></td>    <td>%7</td>   </tr>"
              "</table>")
        .arg(d.typeName(), d.serialNumberText(), d.firmwareVersionText(), d.hardwareVersionText(),
             d.rssiText(), mainBatteryText(), d.stateText(), extraRows());
}

QString SensorListViewItem::extraRows() const
{
    if (m_device->reservePowerState() == Sensor::ReservePowerState::NOT_SUPPORTED)
        return QString();
    return tr("  <tr>    <td><strong>Reserve bat</strong></td>    <td>%1</td>   </tr>")
        .arg(m_device->reservePowerStateText());
}

QString SensorListViewItem::mainBatteryText() const
{
    if (m_device->supplyVoltage() / 1000.0 < 2.1)
        return tr("0 V");
    return m_device->voltageText();
}

QColor SensorListViewItem::cardColour() const
{
    const Sensor::ColourFlags flags = m_device->colourFlags();
    Colours colours;
    colours.red = flags.red;
    colours.yellow = flags.yellow;
    colours.grey = flags.grey;
    stateColours(colours);
    typeStateColours(colours);
    if (colours.grey)
        return Sensor::GreyColour;
    if (colours.red)
        return Sensor::RedColour;
    if (colours.yellow)
        return Sensor::YellowColour;
    return QColor();
}

void SensorListViewItem::stateColours(Colours &colours) const
{
    const Sensor &d = *m_device;
    const int type = d.type();
    if (!d.isInTouch() || !d.isEnabled())
        colours.grey = true;
    if (d.isAlarm() || d.isFire() || d.isManualFireAlarm())
        colours.red = true;
    if (type == 66 && d.isWaterLeak())
        colours.yellow = true;
    if (d.isCaseOpen()) {
        if (isOneOf(type, {4, 6, 16, 18, 24, 25, 26, 27, 28, 34}))
            colours.red = true;
        else
            colours.yellow = true;
    }
    if (type == 4 && d.isCableBroken())
        colours.red = true;
    if (d.isFault())
        colours.yellow = true;
    if (d.mainPowerState() != Sensor::MainPowerState::OK && !isLocalOut() && type != 9)
        colours.yellow = true;
    if (d.reservePowerState() == Sensor::ReservePowerState::FAIL)
        colours.yellow = true;
}

void SensorListViewItem::typeStateColours(Colours &colours) const
{
    const s_SensorIntData &status = *m_device->statusData();
    const quint8 *live = status.privateData.raw;
    const quint8 *settings = reinterpret_cast<const quint8 *>(m_device->settingsData());
    const quint32 flags = status.flags;
    const auto flag = [flags](int bit) { return ((flags >> bit) & 1u) != 0; };
    switch (m_device->type()) {
    case 3:
    case 67:
        colours.red |= flag(8);
        break;
    case 4: {
        const quint16 loopState = wordAt(live, 4);
        if (wordAt(settings, 122) != 0 && loopState != 3)
            colours.red = true;
        if (live[6] == 0)
            colours.red = true;
        if ((settings[120] & 1) && live[6] == 3)
            colours.red = true;
        if (flag(17) && live[6] == 3)
            colours.red = true;
        if (loopState == 1 || loopState == 2 || loopState == 4) {
            colours.red = true;
            colours.yellow = true;
        }
        if (loopState == 5)
            colours.red = true;
        break;
    }
    case 5:
        colours.red |= flag(5);
        break;
    case 6:
    case 18:
    case 26:
        colours.red |= live[2] == 2;
        colours.yellow |= live[2] == 3;
        break;
    case 13:
        colours.yellow |= live[36] != 0 || live[37] != 0;
        break;
    case 14:
        colours.red |= wordAt(settings, 98) == 6 && wordAt(live, 36) == 2;
        break;
    case 16:
    case 24:
        colours.red |= live[0] == 1 || (live[1] >= 1 && live[1] <= 3);
        break;
    case 27:
    case 28:
        for (int shift = 0; shift < 6; shift += 2) {
            const int field = (live[1] >> shift) & 3;
            colours.red |= field == 2;
            colours.yellow |= field == 3;
        }
        break;
    case 29:
    case 53:
    case 55:
        colours.red |= flag(16);
        break;
    case 30:
        colours.yellow |= live[5] != 1 || live[4] == 0 || live[4] == 1;
        break;
    case 66:
        colours.yellow |= live[32] <= 2;
        break;
    default:
        break;
    }
}
