#pragma once

#include "radio/OutputRecords.h"

#include <QByteArray>
#include <memory>

class Overmind;

// The controller with the simulated installation's partitions and radio devices in its
// model, as the output forms find them at run time; no device link.
class InstalledController
{
public:
    explicit InstalledController(bool withDevices = true);
    ~InstalledController();
    Overmind &overmind() { return *m_overmind; }

private:
    std::unique_ptr<Overmind> m_overmind;
};

// A mode block whose every byte differs, so a byte taken from the wrong place shows.
s_OutputModeSett patternedBlock(quint16 mode);

template <typename Record> QByteArray bytesOf(const Record &record, int from, int count)
{
    return QByteArray(reinterpret_cast<const char *>(&record) + from, count);
}
