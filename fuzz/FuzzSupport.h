#pragma once

#include "link/Crc.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QList>
#include <QStringList>
#include <QVector>

#include <cstddef>
#include <cstdint>

class MainWindow;
class Overmind;
class Protocol;
class RadioSession;
class SimCommunicator;

// What the fuzz targets share: the application they run in, the program logged in to the
// simulated communicator, device answers sealed the way the device seals them, and the
// configuration file's sections.
namespace Fuzz {

// The application of a standalone target: offscreen, settings in a test location, quiet
// logs, every modal box answered by declining. Created once.
void startApplication();
// A controller with an empty device description and no link, created once after the
// application; `withModels` also creates its settings objects and models.
Overmind *bareController(bool withModels = false);

// Reads the input front to back; past its end every read gives zeros.
class Input
{
public:
    Input(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    void fill(void *target, size_t length);
    quint8 byte();
    quint16 word();
    QByteArray bytes(size_t length);
    QByteArray rest();
    bool atEnd() const { return m_at >= m_size; }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_at = 0;
};

// The program as it runs: started against the simulated communicator with its realistic
// configuration, logged in and with the settings read, so every answer reaches the objects
// and pages that own it through the program's own wiring. Created once.
class Program
{
public:
    static Program &instance();

    Overmind *overmind() const;
    MainWindow *window() const;
    Protocol *protocol() const;
    SimCommunicator &device() const;

    // Hands one device message to the protocol, then lets what it caused run.
    void feed(const QByteArray &message);
    void settle();
    // Logs in again when an input ended the login (the device's logout answer), so the next
    // input meets the program logged in as every other input does.
    void restoreLogin();
    // What the device sent while the program logged in and read the settings.
    const QList<QByteArray> &startupMessages() const { return m_startupMessages; }

private:
    Program();
    RadioSession *m_session = nullptr;
    QList<QByteArray> m_startupMessages;
};

// Writes a record's CRC-32 over every byte before it, as the device does.
template <typename Record> void sealRecord(Record &record)
{
    record.crc32 = crc32Stm(&record, quint32(offsetof(Record, crc32)));
}

// A device message: [operation][identifier, little endian][payload].
QByteArray message(quint8 operation, quint16 id, const QByteArray &payload);
// Pads a message's payload to the size of the record its operation carries and writes the
// record's CRCs, as the device does; messages of other operations stay as they are.
QByteArray sealed(const QByteArray &message);

// An input of answer targets is a stream of answers, each
//   [choice][identifier, 2 bytes LE][length, 2 bytes LE][payload of that length]
// where the choice picks one of the target's operations (low 7 bits) and, with bit 7 set,
// leaves the answer unsealed.
QList<QByteArray> answers(const uint8_t *data, size_t size, const QVector<quint8> &operations);
// The stream bytes of one message for a target's operations (for seeds).
QByteArray encodeAnswer(const QByteArray &message, const QVector<quint8> &operations);
// Feeds every answer of the input to the running program.
void feedAnswers(const uint8_t *data, size_t size, const QVector<quint8> &operations);

// A configuration-file section of a document: the value under `key` when the document is
// an object holding it, otherwise the whole document (an input that is one section).
QJsonValue section(const QJsonDocument &document, const QString &key);
QJsonDocument document(const uint8_t *data, size_t size);

// The operations each answer target feeds, by target name (without "fuzz_").
const QVector<quint8> &operationsOf(const QString &target);
QStringList answerTargets();

} // namespace Fuzz
