#pragma once

#include "exchange/DataFileReader.h"

#include <QString>

namespace exchange {

// The line to blame and why, in the athlete's language: "Line 13: -60 is outside what Runvella
// can keep, 0 to 2147483647". A long value is named by its beginning.
QString DamageText(const DataFileReader::Damage &damage);

} // namespace exchange
