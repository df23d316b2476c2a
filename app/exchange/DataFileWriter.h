#pragma once

#include "exchange/DataFile.h"

#include <QByteArray>
#include <QString>

// The program's own data file of one activity, as bytes: key=value lines in a fixed order (the
// reader finds each key by its line), then for a recorded activity its samples, one quoted
// row each. Lines end with CR LF; numbers use "." whatever the locale.
namespace DataFileWriter {

struct Options {
    QString dateOrderPattern;   // the system's short-date order ("mm/dd/yyyy"), for information only
    bool basicDataOnly = false; // GPS samples go out as speed samples, without positions
};

// The number without grouping and without trailing zeros, "." as its decimal mark, to 15
// significant digits: 12.5, 3, -0.1275.
QString FileNumber(double value);

// The samples are written in the order given: the database's (data type, time) order.
QByteArray DataFileBytes(const DataFile::Activity &activity, const Options &options);

} // namespace DataFileWriter
