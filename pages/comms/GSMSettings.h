#pragma once

#include "app/Storable.h"
#include "link/Records.h"
#include "link/SettingsBlocks.h"

#include <QObject>

// The communicator's GSM module: its switches, the balance notification threshold and,
// per SIM card, APN, APN user name and password, balance USSD code and PIN.
class GSMSettings : public QObject, public Storable
{
    Q_OBJECT
public:
    enum SimField
    {
        Apn,
        Username,
        Password,
        UssdRequest,
        Pin,
    };

    explicit GSMSettings(Protocol *protocol, QObject *parent = nullptr);
    ~GSMSettings() override;

    void writeToDevice() override;
    QJsonValue toJson() const override;
    bool fromJson(const QJsonValue &value, int formatVersion) override;
    QString jsonKey() const override { return QStringLiteral("GSM"); }

    void resetToDefaults();

    bool gsmEnabled() const;
    void setGsmEnabled(bool on);
    bool reserveSim() const;
    void setReserveSim(bool on);
    bool ussdEnabled() const;
    void setUssdEnabled(bool on);
    bool transmitEnabled() const;
    void setTransmitEnabled(bool on);
    bool gprsEnabled() const;
    void setGprsEnabled(bool on);
    qint16 balanceThreshold() const;
    void setBalanceThreshold(qint16 value);

    // SIM 0 or 1. A setter refuses a text whose UTF-8 form and terminating zero do not
    // fit the field, leaving the field as it was.
    QString simText(int sim, SimField field) const;
    bool setSimText(int sim, SimField field, const QString &text);
    static bool fits(SimField field, const QString &text);
    // The largest number of UTF-8 bytes a field's text may have.
    static int maxBytes(SimField field);

    const s_ExtMemDataGSM &data() const { return m_data; }

signals:
    void settingsUpdated();
    void simPinStatusUpdated(const s_SimcardStatus &status);

public slots:
    void settings(const s_ExtMemDataGSM &block);

private:
    quint8 *bytes() { return reinterpret_cast<quint8 *>(&m_data); }
    const quint8 *bytes() const { return reinterpret_cast<const quint8 *>(&m_data); }
    bool switchBit(int bitNumber) const;
    void setSwitchBit(int bitNumber, bool on);
    void readSims(const QJsonValue &sims, const char *ussdKey);
    void readSimText(int sim, SimField field, const QJsonObject &entry, const QString &key);

    s_ExtMemDataGSM m_data;
};
