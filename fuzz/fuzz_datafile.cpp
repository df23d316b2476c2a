// Input: the bytes of a file offered for import. Whatever they hold, the reader must stay within
// its input and either refuse the file or give an activity that the writer writes as a file the
// reader takes back with the same start, the same numbers and the same number of samples, and
// that the writer then writes byte for byte again: nothing it wrote was read otherwise. Read a
// few bytes at a time, as large files are, the file must read as it does whole. A difference
// stops the run as a crash.

#include "exchange/DataFileReader.h"
#include "exchange/DataFileWriter.h"

#include <QBuffer>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

void require(bool condition) {
    if (!condition)
        __builtin_trap();
}

// The file keeps 15 significant digits.
bool alike(const std::optional<double> &a, const std::optional<double> &b) {
    if (!a || !b)
        return a.has_value() == b.has_value();
    return *a == *b || std::fabs(*a - *b) <= 1e-12 * std::max(std::fabs(*a), std::fabs(*b));
}

QByteArray written(const DataFile::Activity &activity) {
    return DataFileWriter::DataFileBytes(activity, {.dateOrderPattern = "mm/dd/yyyy"});
}

// A line without its key leaves its text empty, which the writer writes as an empty value and
// the reader reads as the value's default: the file is compared with the defaults in place.
DataFile::Activity withDefaults(DataFile::Activity activity, const DataFileReader::Context &context) {
    DataFile::Session &session = activity.session;
    if (session.distanceUnit.isEmpty())
        session.distanceUnit = context.primaryUnit;
    if (session.description.value_or(QString()).isEmpty())
        session.description = QStringLiteral("Imported Activity");
    return activity;
}

void checkRewrite(const DataFile::Activity &read, const DataFileReader::Context &context) {
    const QByteArray file = written(withDefaults(read, context));
    const auto again = DataFileReader::ParseDataFile(file, context);
    require(again.outcome == DataFileReader::Outcome::Read);
    require(written(again.activity) == file);
    const DataFile::Session &first = read.session;
    const DataFile::Session &second = again.activity.session;
    require(second.start == first.start);
    require(second.fromDataRecorder == first.fromDataRecorder);
    for (const auto member :
         {&DataFile::Session::sportId, &DataFile::Session::distance, &DataFile::Session::duration,
          &DataFile::Session::sessionType, &DataFile::Session::maxHr, &DataFile::Session::maxSpeed,
          &DataFile::Session::avgHr, &DataFile::Session::avgSpeed})
        require(alike(first.*member, second.*member));
    for (int zone = 0; zone < 5; ++zone)
        require(alike(first.timeInZone[zone], second.timeInZone[zone]));
    const std::size_t kept = first.fromDataRecorder.value_or(false) ? read.samples.size() : 0;
    require(again.activity.samples.size() == kept);
    for (std::size_t i = 0; i < kept; ++i) {
        require(alike(read.samples[i].duration, again.activity.samples[i].duration));
        require(alike(read.samples[i].hr, again.activity.samples[i].hr));
    }
}

void checkPieces(const QByteArray &bytes, const DataFileReader::Context &context,
                 const DataFileReader::Result &whole) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    std::vector<DataFile::Sample> samples;
    const auto pieces = DataFileReader::ReadDataFile(
        buffer, context,
        {.session = [](const DataFile::Session &) {},
         .sample = [&samples](const DataFile::Sample &sample) { samples.push_back(sample); }},
        1 + bytes.size() % 7);
    require(pieces.outcome == whole.outcome && pieces.damage == whole.damage &&
            pieces.problem == whole.problem);
    require(samples.size() == whole.activity.samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i)
        require(alike(samples[i].duration, whole.activity.samples[i].duration));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QDateTime now(QDate(2026, 3, 9), QTime(10, 11, 12));
    for (const char separator : {'.', ','}) {
        const DataFileReader::Context context{
            .primarySport = 1, .primaryUnit = "km", .decimalSeparator = QLatin1Char(separator), .now = now};
        const auto result = DataFileReader::ParseDataFile(bytes, context);
        checkPieces(bytes, context, result);
        if (result.outcome == DataFileReader::Outcome::Read)
            checkRewrite(result.activity, context);
    }
    return 0;
}
