#pragma once

#include <QByteArray>
#include <memory>

// One data record of a firmware container: an address, a length byte and the data bytes
// that run to the end of the record.
class Block
{
public:
    using SPtr = std::shared_ptr<Block>;

    virtual ~Block() = default;
    virtual quint8 checksum(const QByteArray &bytes) const = 0;
    virtual void appendByte(quint8 byte) { m_data.append(char(byte)); }
    virtual void prependByte(quint8 byte) { m_data.prepend(char(byte)); }
    virtual const QByteArray &data() const { return m_data; }
    virtual quint32 address() const { return m_address; }
    virtual int dataSize() const { return m_data.size(); }
    virtual bool isValid() const { return m_valid; }
    virtual QByteArray serialize() const = 0;
    virtual void setAddress(quint32 address) { m_address = quint16(address); }
    virtual int version() const = 0;

protected:
    // A record too short for its address and length byte stays invalid.
    Block(const QByteArray &line, int headerSize);

    QByteArray m_line;
    QByteArray m_data;
    quint16 m_address = 0xFFFF;
    quint8 m_length = 0;
    bool m_valid = false;
};

// A record with a 16-bit address.
class BlockV1 : public Block
{
public:
    explicit BlockV1(const QByteArray &line);

    quint8 checksum(const QByteArray &bytes) const override;
    QByteArray serialize() const override;
    int version() const override { return 0; }
};

// A record with a 32-bit address.
class BlockV2 : public Block
{
public:
    explicit BlockV2(const QByteArray &line);

    quint8 checksum(const QByteArray &bytes) const override;
    quint32 address() const override { return m_address32; }
    QByteArray serialize() const override;
    void setAddress(quint32 address) override { m_address32 = address; }
    int version() const override { return 1; }

private:
    quint32 m_address32 = 0;
};
