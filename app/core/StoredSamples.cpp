#include "core/StoredSamples.h"

#include <string>

namespace {

using platform::db::Statement;

std::string kindCondition(std::optional<SampleKind> kind) {
    return kind ? std::string(" and ") + SampleKindCondition(*kind) : std::string();
}

std::optional<double> optionalDouble(const Statement &row, int column) {
    if (row.isNull(column))
        return std::nullopt;
    return row.columnDouble(column);
}

std::string selectedColumns(const SampleColumns &columns) {
    std::string names;
    const auto add = [&](bool wanted, const char *name) {
        if (!wanted)
            return;
        if (!names.empty())
            names += ", ";
        names += name;
    };
    add(columns.seconds, "cum_duration");
    add(columns.dataType, "data_type");
    add(columns.hr, "Hr");
    add(columns.speed, "Speed");
    add(columns.distance, "cum_distance");
    add(columns.altitude, "Altitude");
    add(columns.latitude, "Lat");
    add(columns.longitude, "Long");
    add(columns.acqStatus, "ACQStatus");
    add(columns.headings, "TrueHeading, MagHeading");
    return names;
}

// Reads the row's columns in the order selectedColumns names them.
void fill(StoredSample &sample, const Statement &row, const SampleColumns &columns) {
    int column = 0;
    if (columns.seconds)
        sample.seconds = row.columnDouble(column++);
    if (columns.dataType)
        sample.dataType = static_cast<int>(row.columnInt64(column++));
    if (columns.hr)
        sample.hr = row.columnDouble(column++);
    if (columns.speed)
        sample.speed = row.columnDouble(column++);
    if (columns.distance)
        sample.distance = row.columnDouble(column++);
    if (columns.altitude)
        sample.altitude = optionalDouble(row, column++);
    if (columns.latitude)
        sample.latitude = optionalDouble(row, column++);
    if (columns.longitude)
        sample.longitude = optionalDouble(row, column++);
    if (columns.acqStatus)
        sample.acqStatus = static_cast<int>(row.columnInt64(column++));
    if (columns.headings) {
        sample.trueHeading = row.columnDouble(column++);
        sample.magHeading = row.columnDouble(column++);
    }
}

} // namespace

const char *SampleKindCondition(SampleKind kind) {
    if (kind == SampleKind::HeartRate)
        return "data_type = 0";
    if (kind == SampleKind::Gps)
        return "data_type = 2";
    return "data_type <> 0";
}

bool HasSamples(SessionKey key, std::optional<SampleKind> kind) {
    auto sample =
        gConn.prepare("select 1 from sessiondata where session_prkey = ?" + kindCondition(kind) + " limit 1");
    sample.bind(1, key);
    return sample.step();
}

std::optional<int> FirstSampleDataType(SessionKey key, std::optional<SampleKind> kind) {
    auto sample = gConn.prepare("select data_type from sessiondata where session_prkey = ?" +
                                kindCondition(kind) + " order by cum_duration, prkey limit 1");
    sample.bind(1, key);
    if (!sample.step() || sample.isNull(0))
        return std::nullopt;
    return static_cast<int>(sample.columnInt64(0));
}

void ReadSamples(platform::db::Connection &connection, SessionKey key, std::optional<SampleKind> kind,
                 const SampleColumns &columns, const std::function<void(const StoredSample &)> &each) {
    auto rows = connection.prepare("select " + selectedColumns(columns) +
                                   " from sessiondata where session_prkey = ?" + kindCondition(kind) +
                                   " order by cum_duration, prkey");
    rows.bind(1, key);
    // One sample for every row: what is not asked for keeps its default throughout.
    StoredSample sample;
    while (rows.step()) {
        fill(sample, rows, columns);
        each(sample);
    }
}
