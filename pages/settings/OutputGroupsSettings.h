#pragma once

#include "app/Storable.h"
#include "link/SettingsBlocks.h"

#include <QObject>
#include <QVector>

// The 16 named output groups; each name is also published to the controller for the pages
// that refer to groups by number.
class OutputGroupsSettings : public QObject, public Storable
{
    Q_OBJECT
public:
    static constexpr int GroupCount = 16;
    static constexpr int NameSize = 64;

    explicit OutputGroupsSettings(Protocol *protocol, QObject *parent = nullptr);

    void writeToDevice() override;
    QJsonValue toJson() const override;
    bool fromJson(const QJsonValue &value, int formatVersion) override;
    QString jsonKey() const override { return QStringLiteral("OutputGroups"); }

    // Names longer than the field are cut at a character and logged.
    void setName(int group, const QString &name);
    QString name(int group) const;
    void requestGroup(int group);
    const s_ExtMemDataOutGroup &record(int group) const { return m_groups.at(group); }

signals:
    void memEmptyError(const QString &text);
    void settingsUpdated();

public slots:
    void resetToDefault();

protected:
    void onWriteRefused(const WriteRefusal &refusal) override;

private:
    QVector<s_ExtMemDataOutGroup> m_groups;
};
