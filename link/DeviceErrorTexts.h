#pragma once

#include "link/ProtocolTypes.h"

#include <QString>

// The text of a device error code from the fixed table, or an empty text when
// the table has no entry for it.
QString deviceErrorText(e_m_err code);
