#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>

class SimCommunicator;

// The communicator's firmware side: version readout of its parts (0x34), flash erase (0xC2),
// firmware writes (0xBF), installs and radio-device updates (0xC0) with their reports
// (0xC3), and the stop (0xC1). Written images are kept for tests to compare.
class SimFirmware : public QObject
{
    Q_OBJECT
public:
    // Device type, hardware and firmware versions of the simulated parts.
    static constexpr quint16 CoreType = 8;
    static constexpr quint16 BootloaderType = 46;
    static constexpr quint16 RadioType = 37;
    static constexpr quint16 Hardware = 0x0201;
    static constexpr quint16 CoreVersion = 0x0104;
    // The radio device the simulated firmware files fit: id 18, type 24, hardware 1.2.
    static constexpr quint16 RadioDeviceId = 18;
    static constexpr quint16 RadioDeviceType = 24;
    static constexpr quint16 RadioDeviceHardware = 0x0102;

    explicit SimFirmware(SimCommunicator &communicator, QObject *parent = nullptr);
    ~SimFirmware() override;

    // An 88-byte firmware information record as the device answers 0x34.
    static QByteArray partInfo(quint16 deviceType, quint16 hardware, quint16 version, quint16 build,
                               quint32 buildTime = 1767225600);
    // Writes a few containers that fit the simulated device into the folder.
    static QStringList writeFittingContainers(const QString &folder);

    QByteArray written(quint16 firmwareId) const { return m_written.value(firmwareId); }
    int erases(quint16 firmwareId) const { return m_erases.value(firmwareId); }
    int installs(quint16 updateId) const { return m_installs.value(updateId); }

    // ---- faults ----
    // The erase answer carries this code (0: erased).
    void setEraseCode(quint16 code) { m_eraseCode = code; }
    // Installs of the main device report failure (state 3).
    void setInstallFails(bool fails) { m_installFails = fails; }
    // The version a part reports after its install (identifier of its readout).
    void setInstalledVersion(quint16 readId, quint16 version) { m_nextVersions[readId] = version; }
    // A radio device's final report (100 %) comes twice.
    void setRepeatsFinalReport(bool repeats) { m_repeatsFinalReport = repeats; }
    // Written radio-device firmware is stored but not reported as identifier 13.
    void setKeepsHeldFirmware(bool keeps) { m_keepsHeldFirmware = keeps; }
    // How many radio-device updates (0xC0, identifier 9) each device number was given.
    int radioUpdates(quint16 number) const { return m_radioUpdates.value(number); }

private:
    bool handle(quint8 operation, quint16 id, const QByteArray &payload);
    void erase(quint16 id);
    void write(quint16 id, const QByteArray &payload);
    void install(quint16 id, const QByteArray &payload);
    void updateRadioDevice(quint16 number);
    void report(quint8 state, quint16 progress, quint16 device);
    void bumpVersion(quint16 readId);

    SimCommunicator &m_communicator;
    QHash<quint16, QByteArray> m_written;
    QHash<quint16, int> m_erases;
    QHash<quint16, int> m_installs;
    QHash<quint16, quint16> m_nextVersions;
    quint16 m_eraseCode = 0;
    bool m_installFails = false;
    bool m_repeatsFinalReport = false;
    bool m_keepsHeldFirmware = false;
    QHash<quint16, int> m_radioUpdates;
    bool m_stopped = false;
};
