#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Texts of the event and state codes the communicator reports, shared by the journal,
// the event filter, the partition status and the power panels so a code reads the same
// everywhere. The table texts are the device's own Russian names; only the fallbacks
// are translated.

QString outputControlModeName(const quint8 &code);
// Code 0 means "no event" and gives the empty text.
QString partitionEventName(const quint16 &code);
QString systemEventName(const quint8 &code);
QString powerEventName(const quint16 &code);

// The system-event texts by index, index 0 included, for the journal's own formatter.
const QStringList &systemEventTable();
