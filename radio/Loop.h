#pragma once

#include "radio/LoopRecords.h"
#include "radio/Sensor.h"

// The communicator's own wired zone, shown among the radio devices as device type 9.
class Loop : public Sensor
{
    Q_OBJECT
public:
    // Number shown for the loop whatever its id, and its id in configuration files.
    static constexpr int DisplayNumber = 126;
    static constexpr int JsonId = 125;

    explicit Loop(const s_FullLoopData *report, QObject *parent = nullptr);
    ~Loop() override;

    void setFullData(const s_FullLoopData *report);
    void setData(const s_ExtMemDataLoop *block);
    void setStatus(const s_LoopStatus *status);
    QString resistanceText() const;

    const s_ExtMemDataLoop &loopData() const { return m_loopSettings; }
    const s_LoopStatus &loopStatus() const { return m_loopStatus; }

    int type() const override;
    QString typeName() const override;
    bool bellEnabled() const override;
    void setBellEnabled(bool enabled) override;
    QString displayName() const override;
    bool setName(const QString &name) override;
    quint16 zoneType() const override;
    void setZoneType(quint16 zoneType) override;
    bool isInTouch() const override;
    uchar partition() const override;
    void setPartition(uchar partition) override;
    bool isEnabled() const override;
    void setEnabled(bool enabled) override;
    bool isAlarm() const override;
    QString toolTip() const override;
    quint16 stateCode() const override;
    QString stateText() const override;

    void writeToDevice() override;
    QJsonValue toJson() const override;
    bool fromJson(const QJsonValue &value, int formatVersion) override;
    QString jsonKey() const override;

protected:
    void buildPropertyTree() override;

private:
    void takeReport(const s_FullLoopData *report);
    void storeName(const QByteArray &utf8);
    void setFlag(quint8 flag, bool on);
    static QList<int> zoneChoices();

    s_ExtMemDataLoop m_loopSettings;
    s_LoopStatus m_loopStatus;
};
