#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

class SimCommunicator;

// The communication side of the simulated communicator: realistic GSM, Ethernet and radio
// channel blocks, the radio and GSM statuses in the layout of the device's firmware, the
// best-channel scan, the noise measurement, balance pop-ups, SIM PIN scenarios, the
// default MAC address and the verification code. Test SMS messages are only recorded.
class SimComms : public QObject
{
    Q_OBJECT
public:
    static constexpr const char *Pin = "1234";
    static constexpr const char *Puk = "12345678";
    static constexpr quint8 BestChannel = 3; // counted from 0, in the first group
    static constexpr quint32 VerifyCode = 48151623;

    // Once per communicator; the communicator owns it.
    static SimComms *install(SimCommunicator &device);
    static SimComms *of(SimCommunicator &device);

    static QByteArray gsmBlock();
    static QByteArray ethernetBlock();
    static QByteArray wirelessBlock();

    void setScanDelayMs(int milliseconds) { m_scanDelayMs = milliseconds; }
    void setNoiseIntervalMs(int milliseconds) { m_noise.setInterval(milliseconds); }
    bool isMeasuringNoise() const { return m_noise.isActive(); }
    int pinTries(int sim) const { return m_sims[sim].pinTries; }
    QString pin(int sim) const { return m_sims[sim].pin; }
    bool pinEnabled(int sim) const { return m_sims[sim].pinEnabled; }
    int activeSim() const { return m_activeSim; }

private:
    struct SimCard
    {
        QString pin = QString::fromLatin1(Pin);
        QString puk = QString::fromLatin1(Puk);
        int pinTries = 3;
        int pukTries = 10;
        bool pinEnabled = true;
    };

    explicit SimComms(SimCommunicator &device);
    void onCommand(const QByteArray &command);
    bool newerLayout() const;
    void refreshRadioStatus();
    void refreshGsmStatus();
    void answerSimControl(const QByteArray &payload);
    void sendSimStatus(quint8 event, int sim);
    void finishScan();
    void sendNoise();

    SimCommunicator &m_device;
    SimCard m_sims[2];
    int m_activeSim = 0;
    int m_scanDelayMs = 3000;
    int m_noiseTick = 0;
    QTimer m_noise;
};
