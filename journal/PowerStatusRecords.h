#pragma once

#include "app/Overmind.h"
#include "journal/PowerStatus.h"
#include "journal/PowerSupplyFields.h"
#include "link/Protocol.h"

// The variant's answers as their own record type: the last one and one copy per source.
template <class Record> class PowerStatusRecords : public PowerStatus
{
public:
    const Record &last() const { return m_last; }
    const quint8 *lastBytes() const override { return m_last.bytes; }
    const quint8 *sourceBytes(int source) const override { return m_sources.at(source).bytes; }

protected:
    // Follows the protocol's answers of the variant, where there is a protocol.
    PowerStatusRecords(const Layout &layout, void (Protocol::*answered)(const Record &),
                       QObject *parent)
        : PowerStatus(layout, parent), m_sources(layout.sources.size(), Record{})
    {
        Overmind *overmind = Overmind::instance();
        if (overmind && overmind->protocol())
            connect(overmind->protocol(), answered, this, &PowerStatusRecords::receive);
    }

    const Record &source(int index) const { return m_sources.at(index); }

    void receive(const Record &record)
    {
        m_last = record;
        for (int index = 0; index < m_sources.size(); ++index) {
            const Source &source = layout().sources.at(index);
            m_sources[index] = record;
            PowerSupplyFields::clearAbsent(m_sources[index].bytes, source.stateAt, source.absent,
                                           source.upper, source.floats);
        }
        emit statusUpdated();
    }

private:
    Record m_last{};
    QVector<Record> m_sources;
};
