#pragma once

#include <QList>
#include <QWidget>

class QListWidget;

// Window choosing through which repeater the communicator reaches one radio device.
class SelectRetranslator : public QWidget
{
    Q_OBJECT
public:
    // Targets of the repeater command besides a device id.
    static constexpr quint16 ResetPriority = 255;
    static constexpr quint16 Communicator = 254;

    explicit SelectRetranslator(quint16 sensorId, QWidget *parent = nullptr);

    quint16 sensorId() const { return m_sensorId; }
    QListWidget *list() const { return m_list; }
    QList<quint16> targets() const { return m_targets; }

public slots:
    void pbOkClicked();

private:
    quint16 m_sensorId;
    QList<quint16> m_targets;
    QListWidget *m_list = nullptr;
};
