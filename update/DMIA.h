#pragma once

#include "update/Block.h"
#include "update/DmiaException.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVersionNumber>
#include <memory>

class QIODevice;

// One firmware container (".dmia"): its description, its raw header, its data lines as
// stored and the image its address blocks assemble. Built only by the reader, read-only
// afterwards.
class DMIA
{
public:
    using SPtr = std::shared_ptr<DMIA>;

    static constexpr quint16 WebType = 59;
    // No image may span more: a broken address must not make the reader allocate gigabytes.
    static constexpr quint32 MaxImageSize = 32u * 1024 * 1024;
    static constexpr int HeaderSize = 24;

    // Reads one container; throws dmia_exception or a subclass.
    static SPtr read(const QString &path, bool keepDescrambledLines);
    // Reads every container of a file, in file order.
    static QList<SPtr> readAll(const QString &path, bool keepDescrambledLines);

    quint8 deviceType() const { return quint8(m_deviceType & 0xFF); }
    quint16 fullDeviceType() const { return m_deviceType; }
    QVersionNumber hardwareVersion() const { return versionOf(m_hardwareVersion); }
    QVersionNumber firmwareVersion() const { return versionOf(m_firmwareVersion); }
    QDate buildDate() const { return m_buildTime.date(); }
    QTime buildTime() const { return m_buildTime.time(); }
    QString name() const { return m_name; }
    QList<QByteArray> lines() const { return m_lines; }
    QByteArray header() const { return m_header; }
    QList<Block::SPtr> blocks() const { return m_blocks; }
    quint32 lowestAddress() const { return m_lowestAddress; }
    quint32 highestAddress() const { return m_highestAddress; }
    bool isWeb() const { return m_deviceType == WebType; }

    // The assembled image: every byte from the lowest to the highest address, gaps 0xFF.
    QByteArray image;

private:
    DMIA() = default;
    static QVersionNumber versionOf(quint16 word) { return QVersionNumber(word >> 8, word & 0xFF); }
    static QString deviceName(const QString &deviceLine);
    static void checkHeader(const QByteArray &header);
    void readHeader(const QByteArray &header, const QString &deviceLine);
    void readLines(QIODevice &file, bool keepDescrambledLines, const QString &deviceLine);
    void addBlock(const QByteArray &plain);
    void assembleImage();

    QString m_name;
    quint16 m_deviceType = 0;
    quint16 m_hardwareVersion = 0;
    quint16 m_firmwareVersion = 0;
    QDateTime m_buildTime;
    QList<Block::SPtr> m_blocks;
    QList<QByteArray> m_lines;
    QByteArray m_header;
    quint32 m_lowestAddress = 0x7FFFFFFF;
    quint32 m_highestAddress = 0;
    bool m_wideAddresses = false;
};

using pDMIA = DMIA::SPtr;
Q_DECLARE_METATYPE(pDMIA)

// The firmware target name the online service knows for a device type code.
QString firmwareTypeName(unsigned int code);
