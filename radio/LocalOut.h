#pragma once

#include "radio/OutputRecords.h"
#include "radio/Sensor.h"

// One of the communicator's two wired outputs, listed and saved like a radio device.
class LocalOut : public Sensor
{
    Q_OBJECT
public:
    // Outputs 0 and 1 are shown as 158 and 159.
    static constexpr int FirstDisplayNumber = 158;

    explicit LocalOut(int index, QObject *parent = nullptr);
    ~LocalOut() override;

    int index() const { return m_index; }
    s_ExtMemDataOutput *outputData() { return &m_output; }
    const s_OutputStatus &outputStatus() const { return m_outputStatus; }
    void setData(const s_ExtMemDataOutput *block);
    void setStatus(const s_OutputStatus *status);
    static QString currentEventText(quint16 code);
    static QString faultStateText(quint16 code);

    QString typeName() const override;
    QString displayName() const override;
    bool setName(const QString &name) override;
    bool isInTouch() const override;
    bool isEnabled() const override;
    QString toolTip() const override;
    SensorProperty properties() const override;
    SensorProperty &propertyTree() override { return m_outputRoot; }

    void writeToDevice() override;
    QJsonValue toJson() const override;
    bool fromJson(const QJsonValue &value, int formatVersion) override;
    QString jsonKey() const override;
    QString refusalName() const override { return jsonKey(); }

private:
    void buildOutputTree();
    void openSettingsDialog();
    static void storeName(s_ExtMemDataOutput &block, const QString &name);
    static QStringList modeCaptions();
    bool readVersion1(const QJsonObject &file, s_ExtMemDataOutput &block);
    void readVersion2(const QJsonObject &object, s_ExtMemDataOutput &block);

    int m_index;
    s_ExtMemDataOutput m_output;
    s_OutputStatus m_outputStatus;
    SensorProperty m_outputRoot;
};
