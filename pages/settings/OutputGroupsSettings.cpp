#include "pages/settings/OutputGroupsSettings.h"

#include "app/Logger.h"
#include "app/MainWindow.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/settings/SettingsFields.h"

#include <QDebug>
#include <QJsonArray>
#include <QPointer>
#include <QTimer>

using namespace SettingsFields;

namespace {
constexpr int ResetLockMs = 2000;
} // namespace

OutputGroupsSettings::OutputGroupsSettings(Protocol *protocol, QObject *parent)
    : QObject(parent), Storable(protocol), m_groups(GroupCount)
{
    for (s_ExtMemDataOutGroup &group : m_groups) {
        std::memset(&group, 0, sizeof(group));
        seal(reinterpret_cast<quint8 *>(&group));
    }
    if (Overmind *overmind = Overmind::instance())
        overmind->setOutputGroupCount(GroupCount);
}

void OutputGroupsSettings::setName(int group, const QString &name)
{
    if (group < 0 || group >= GroupCount)
        return;
    auto *block = reinterpret_cast<quint8 *>(&m_groups[group]);
    block[VersionOffset] = 1;
    block[VersionOffset + 1] = 1;
    zero(block, 92, 159);
    const QByteArray bytes =
        fittedText(this, name, NameSize - 1, QStringLiteral("Name of output group %1").arg(group));
    zero(block, 0, NameSize - 1);
    std::memcpy(block, bytes.constData(), size_t(bytes.size()));
    putDword(block, NameSize, crc32Stm(block, NameSize));
    putDword(block, CrcOffset, crc32Stm(block, CrcOffset));
    if (Overmind *overmind = Overmind::instance())
        overmind->setOutputGroupName(group, QString::fromUtf8(bytes));
}

QString OutputGroupsSettings::name(int group) const
{
    if (group < 0 || group >= GroupCount)
        return QString();
    return text(reinterpret_cast<const quint8 *>(&m_groups.at(group)), NameSize);
}

void OutputGroupsSettings::requestGroup(int group)
{
    if (group < 0 || group >= GroupCount || !protocol())
        return;
    protocol()->sendToDevice(_MenuConfigReadOutGroup, quint16(group),
                             reinterpret_cast<const quint8 *>(&m_groups.at(group)),
                             int(sizeof(s_ExtMemDataOutGroup)));
}

void OutputGroupsSettings::writeToDevice()
{
    logDebug(this, QStringLiteral("Saving settings"));
    if (!protocol())
        return;
    for (int group = 0; group < GroupCount; ++group)
        protocol()->sendToDevice(_MenuConfigWriteOutGroup, quint16(group),
                                 reinterpret_cast<const quint8 *>(&m_groups.at(group)),
                                 int(sizeof(s_ExtMemDataOutGroup)));
}

// The page takes group records only while it is open; the group the device kept comes back
// here also when it is not.
void OutputGroupsSettings::onWriteRefused(const WriteRefusal &refusal)
{
    const int group = refusal.id;
    if (refusal.operation != _MenuConfigWriteOutGroup || group >= GroupCount || !protocol())
        return;
    auto *answer = new QObject(this);
    connect(protocol(), &Protocol::outGroupSettings, answer,
            [this, answer, group](int index, const s_ExtMemDataOutGroup &record) {
                if (index != group)
                    return;
                answer->deleteLater();
                m_groups[group] = record;
                setName(group, name(group)); // the controller's copy of the name too
                emit settingsUpdated();
            });
    requestGroup(group);
}

QJsonValue OutputGroupsSettings::toJson() const
{
    QJsonArray groups;
    for (int group = 0; group < GroupCount; ++group) {
        const auto *block = reinterpret_cast<const quint8 *>(&m_groups.at(group));
        groups.append(QJsonObject{
            {QStringLiteral("id"), group},
            {QStringLiteral("name"), name(group)},
            {QStringLiteral("used"), 1},
            {QStringLiteral("settingsVersion"), settingsVersionToJson(word(block, VersionOffset))},
        });
    }
    return groups;
}

bool OutputGroupsSettings::fromJson(const QJsonValue &value, int /*formatVersion*/)
{
    if (!value.isArray()) {
        logWarning(this, QStringLiteral("Section \"OutputGroups\" is not an array, nothing read"));
        return false;
    }
    const QJsonArray groups = value.toArray();
    for (const QJsonValue &element : groups) {
        const QJsonObject group = element.toObject();
        const qint64 id = integer(group.value(QStringLiteral("id")));
        if (id < 0 || id >= GroupCount)
            continue;
        setName(int(id), group.value(QStringLiteral("name")).toString());
    }
    emit settingsUpdated();
    Overmind *overmind = Overmind::instance();
    if (!overmind || !overmind->isViewingMode())
        store();
    qDebug() << QStringLiteral("%1 output groups added from JSON").arg(GroupCount);
    return true;
}

void OutputGroupsSettings::resetToDefault()
{
    const auto answer =
        MessageBoxU::question(tr("Are you sure you want to reset the settings?"),
                              tr("Reset settings"), QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    logDebug(this, QStringLiteral("Reset object settings to default"));
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->mainWindow()) {
        QPointer<MainWindow> window = overmind->mainWindow();
        window->setEnabled(false);
        // Owned by the window, not by this object: a replaced object still gives it back.
        QTimer::singleShot(ResetLockMs, window, [window] {
            if (window)
                window->setEnabled(true);
        });
    }
    for (int group = 0; group < GroupCount; ++group)
        setName(group, QString());
    // The page shows what was written, so a later save does not bring the old names back.
    emit settingsUpdated();
    store();
}
