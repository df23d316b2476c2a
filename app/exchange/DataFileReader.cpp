#include "exchange/DataFileReader.h"

#include "core/Numbers.h"
#include "core/modHelpersValidation.h"
#include "exchange/DataFileLines.h"
#include "platform/WallClock.h"

#include <QBuffer>
#include <QLocale>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace DataFileReader {
namespace {

using DataFile::Sample;
using DataFile::Session;

// Ends the reading of a damaged file; the line being read is to blame unless another is named.
struct Damaged {
    int reason;
    QStringList values = {};
    std::optional<std::int64_t> line = {};
};

constexpr int kEndsBeforeTheLine = 1901;
constexpr int kNotANumber = 1902;
constexpr int kOutsideWhatIsKept = 1903;
constexpr int kOutOfRange = 1904;
constexpr int kStartWithoutVersion = 1905;
constexpr int kNotADate = 1906;
constexpr int kNotPartOfADate = 1907;
constexpr int kNoRecorderFlag = 1908;
constexpr int kTooFewValues = 1909;
constexpr int kTooFewGpsValues = 1910;
constexpr int kOutsideTheRange = 1921;
constexpr int kLineTooLong = 1923;
constexpr int kBelongsOnLine = 1924;
constexpr int kRowWithoutRecorded = 1925;
constexpr int kNotWhole = 1926;
constexpr int kRowInPlaceOfHeader = 1927;

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

constexpr int kFirstZoneLine = 21;
const QLatin1String kZoneKeys[] = {QLatin1String("timezone1="), QLatin1String("timezone2="),
                                   QLatin1String("timezone3="), QLatin1String("timezone4="),
                                   QLatin1String("timezone5=")};
constexpr int kRecordedLine = 27;
// Each line's key as the writer writes it, by number, up to the recorded section's heading: a
// line that holds another line's key has moved, and so has every line after it.
const char *const kKeyOfLine[kRecordedLine + 1] = {
    nullptr,         nullptr,         nullptr,
    "version=",      "Sessiondate=",  "sportName=",
    "sportID=",      "distanceunit=", "avgspeedunit=",
    "maxspeedunit=", "avgpaceunits=", "maxpaceunits=",
    "distance=",     "duration=",     "description=",
    "sessionType=",  "maxHR=",        "maxSpeed=",
    "avgHR=",        "avgSpeed=",     "fromDataRecorder=",
    "TimeZone1=",    "TimeZone2=",    "TimeZone3=",
    "TimeZone4=",    "TimeZone5=",    nullptr,
    "[recorded]",
};
const QLatin1String kRecordedHeading(kKeyOfLine[kRecordedLine]);
constexpr int kSampleFields = 5;
constexpr int kGpsSampleFields = 11;
// The date of a start that the file does not give.
const QDate kZeroDate(1899, 12, 30);

// What becomes of a fraction: kept; rounded, in heart rates and zone times that a database may
// hold with one; refused, where the writer writes whole numbers only.
enum class Fraction { Kept, Rounded, Refused };

// The values a field takes: what the windows that show and edit it accept, and what the recorder
// gives. A rounded field is compared once rounded.
struct Range {
    double lowest;
    double largest;
    Fraction fraction = Fraction::Kept;
};

// A duration in seconds, as long as an activity entered by hand may be.
constexpr Range kDuration{0, std::numeric_limits<std::int32_t>::max()};
// The entry window's distance and speed boxes.
constexpr Range kDecimalBox{0, modHelpers::kLargestDecimal};
constexpr Range kHeartRate{0, modHelpers::kLargestHeartRate, Fraction::Rounded};
// A time in a zone whose hours the zone's hours box takes, with the minutes and seconds beyond.
constexpr Range kZoneTime{0, (modHelpers::kZoneBoxLimit + 1) * 3600.0 - 1, Fraction::Rounded};
// A sample's time, heart rate, speed and distance: what the program keeps of them, speed and
// distance in single precision, whose range is named in round figures.
constexpr Range kSampleTime = kDuration;
constexpr Range kSampleHeartRate{0, std::numeric_limits<std::int32_t>::max(), Fraction::Refused};
constexpr Range kSampleFigure{0, 3.4e38};
constexpr Range kSampleKind{DataFile::kHeartRateSample, DataFile::kGpsSample, Fraction::Refused};
constexpr Range kLatitude{-90, 90};
constexpr Range kLongitude{-180, 180};
// Feet, as the recorder's 16-bit altitude holds them.
constexpr Range kAltitude{std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()};
// The recorder's fix state: 0 none to 3 a good fix.
constexpr Range kAcquisitionStatus{0, 3, Fraction::Refused};
// Degrees, as the recorder's heading byte gives them: two degrees a step.
constexpr Range kHeading{0, 2 * 255};

QString limitText(double limit) {
    return QString::number(limit, 'g', QLocale::FloatingPointShortest);
}

// The lines of the session section by number, then the lines after them one by one.
class Lines {
public:
    explicit Lines(DataFileLines &file) : file_(file) {}

    // Whether the file has line number n, counted from 1.
    bool has(int n) {
        current_ = n;
        while (static_cast<int>(numbered_.size()) < n) {
            const auto line = read();
            if (!line)
                return false;
            numbered_.push_back(line->toString());
        }
        return true;
    }

    const QString &at(int n) {
        if (!has(n))
            throw Damaged{kEndsBeforeTheLine};
        return numbered_[n - 1];
    }

    // The value of line n when the line holds its key: the text between the first and the second
    // "=", or all of the text after the first one.
    std::optional<QString> value(int n, QLatin1String key, bool wholeRest = false) {
        expectInPlace(n);
        const QString &line = at(n);
        if (!line.contains(key, Qt::CaseInsensitive))
            return std::nullopt;
        const QString rest = line.mid(line.indexOf(QLatin1Char('=')) + 1);
        return wholeRest ? rest : rest.section(QLatin1Char('='), 0, 0);
    }

    // Refuses line n when it lacks its own key and holds another line's: a line was added or lost
    // above it, and each value from there on would be read from the wrong line. A line that lacks
    // its key without holding another's is passed over.
    void expectInPlace(int n) {
        const QString &line = at(n);
        const auto holds = [&line](int keyLine) {
            return kKeyOfLine[keyLine] &&
                   line.contains(QLatin1String(kKeyOfLine[keyLine]), Qt::CaseInsensitive);
        };
        if (holds(n))
            return;
        for (int other = 1; other <= kRecordedLine; ++other)
            if (holds(other))
                throw Damaged{kBelongsOnLine,
                              {QString::fromLatin1(kKeyOfLine[other]), QString::number(other)}};
    }

    // From the line after the last one read on, as DataFileLines::endLinesAtAnyBreak.
    void endLinesAtAnyBreak() { file_.endLinesAtAnyBreak(); }

    // The line after the last one read, valid until the next call.
    std::optional<QStringView> next() {
        const auto line = read();
        if (line)
            current_ = lastNumber_;
        return line;
    }

    // The number of the line asked for last: the one that a damage is found in.
    std::int64_t current() const { return current_; }

private:
    std::optional<QStringView> read() {
        try {
            const auto line = file_.next();
            if (line)
                ++lastNumber_;
            return line;
        } catch (const DataFileLines::LineTooLong &) {
            throw Damaged{kLineTooLong, {QString::number(DataFileLines::kLongestLine)}, lastNumber_ + 1};
        }
    }

    DataFileLines &file_;
    std::vector<QString> numbered_;
    std::int64_t lastNumber_ = 0;
    std::int64_t current_ = 0;
};

class Reader {
public:
    Reader(Lines &lines, const Context &context, const Receiver &receiver)
        : lines_(lines), context_(context), receiver_(receiver) {}

    Session read() {
        Session session;
        readVersion();
        readStart(session);
        readFields(session);
        const bool recorded = hasRecordedSection();
        receiver_.session(session);
        if (recorded)
            readSamples();
        return session;
    }

private:
    // Samples pass through here by the million: the text is read in place, without a copy.
    double decimal(QStringView text) const {
        const QStringView notation = text.trimmed();
        ascii_.resize(notation.size());
        char *ascii = ascii_.data();
        for (const QChar c : notation) {
            if (c == context_.decimalSeparator)
                *ascii++ = '.';
            else
                *ascii++ = c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '?';
        }
        const char *begin = ascii_.data();
        const char *end = begin + ascii_.size();
        if (begin != end && *begin == '+')
            ++begin;
        double value = 0;
        const auto [stop, error] = std::from_chars(begin, end, value);
        if (begin != end && error == std::errc::result_out_of_range && stop == end)
            return beyondDouble(begin, end);
        if (begin == end || error != std::errc() || stop != end || !std::isfinite(value))
            throw Damaged{kNotANumber, {text.toString()}};
        return value;
    }

    // A number too large for a double is infinite, so that no range takes it; one too close to 0
    // is 0, as a double rounds it.
    static double beyondDouble(const char *begin, const char *end) {
        return QLocale::c().toDouble(QString::fromLatin1(begin, end - begin));
    }

    // The value of a field in its range; refused, with its text as the file wrote it, outside.
    double number(QStringView text, const Range &range) const {
        const double parsed = decimal(text);
        if (range.fraction == Fraction::Refused && std::trunc(parsed) != parsed)
            refuseFraction(text);
        const double value = range.fraction == Fraction::Rounded ? Numbers::roundHalfEven(parsed) : parsed;
        if (!(value >= range.lowest && value <= range.largest))
            refuse(text, range);
        return value;
    }

    [[noreturn]] static void refuseFraction(QStringView text) {
        throw Damaged{kNotWhole, {text.trimmed().toString()}};
    }

    [[noreturn]] static void refuse(QStringView text, const Range &range) {
        const QString written = text.trimmed().toString();
        if (range.lowest == 0)
            throw Damaged{kOutsideWhatIsKept, {written, limitText(range.largest)}};
        throw Damaged{kOutsideTheRange, {written, limitText(range.lowest), limitText(range.largest)}};
    }

    double whole(QStringView text) const {
        const double value = decimal(text);
        if (std::trunc(value) != value)
            refuseFraction(text);
        if (value < std::numeric_limits<std::int32_t>::min() ||
            value > std::numeric_limits<std::int32_t>::max())
            throw Damaged{kOutOfRange, {text.toString()}};
        return value;
    }

    // A whole number of the session section: its default when the value is empty, its initial
    // value when the line lacks its key.
    double whole(int line, QLatin1String key, double whenEmpty, double whenMissing = 0) const {
        const auto text = lines_.value(line, key);
        if (!text)
            return whenMissing;
        return text->isEmpty() ? whenEmpty : whole(*text);
    }

    // A figure of the session section, refused outside its range: its default when the value is
    // empty, 0 when the line lacks its key.
    double figure(int line, QLatin1String key, double whenEmpty, const Range &range) const {
        const auto text = lines_.value(line, key);
        if (!text)
            return 0;
        return text->isEmpty() ? whenEmpty : number(*text, range);
    }

    // Version 1.1 tells the order of the start's date by the first letter of its pattern; the
    // others always write month, day, year.
    void readVersion() {
        const auto value = lines_.value(3, QLatin1String("version="));
        if (!value)
            return;
        order_ = DateOrder::MonthDayYear;
        if (!value->contains(QLatin1String("1.1")) || value->size() <= 4)
            return;
        const QChar first = value->at(4).toLower();
        if (first == QLatin1Char('d'))
            order_ = DateOrder::DayMonthYear;
        else if (first == QLatin1Char('y'))
            order_ = DateOrder::YearMonthDay;
    }

    void readStart(Session &session) const {
        const auto value = lines_.value(4, QLatin1String("sessiondate="));
        if (!value)
            session.start = QDateTime(kZeroDate, QTime(0, 0));
        else if (value->trimmed().isEmpty())
            session.start = context_.now;
        else
            session.start = parseStart(*value);
    }

    QDateTime parseStart(const QString &value) const {
        if (!order_)
            throw Damaged{kStartWithoutVersion};
        QStringList pieces = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QString dayText = pieces.takeFirst();
        dayText.replace(QLatin1Char('-'), QLatin1Char('/')).replace(QLatin1Char('.'), QLatin1Char('/'));
        const QStringList parts = dayText.split(QLatin1Char('/'));
        if (parts.size() != 3)
            throw Damaged{kNotADate, {value}};
        const int first = datePart(parts[0]);
        const int second = datePart(parts[1]);
        const int third = datePart(parts[2]);
        QDate day;
        switch (*order_) {
        case DateOrder::MonthDayYear:
            day = QDate(year(third, parts[2]), first, second);
            break;
        case DateOrder::DayMonthYear:
            day = QDate(year(third, parts[2]), second, first);
            break;
        case DateOrder::YearMonthDay:
            day = QDate(year(first, parts[0]), second, third);
            break;
        }
        const QTime time =
            parseTime(pieces.join(QLatin1Char(' ')).trimmed().replace(QLatin1Char('.'), QLatin1Char(':')));
        if (!day.isValid() || !time.isValid())
            throw Damaged{kNotADate, {value}};
        return platform::clock::atWallClock(day, time);
    }

    static int datePart(const QString &text) {
        bool ok = false;
        const int value = text.toInt(&ok);
        if (!ok || value < 0 || text.size() > 4)
            throw Damaged{kNotPartOfADate, {text}};
        return value;
    }

    // A year of one or two digits lies between 1930 and 2029.
    static int year(int value, const QString &text) {
        if (text.size() > 2)
            return value;
        return value < 30 ? 2000 + value : 1900 + value;
    }

    static QTime parseTime(QString text) {
        if (text.isEmpty())
            return QTime(0, 0);
        int hourShift = -1; // none: a 24-hour clock
        for (const auto &[suffix, shift] :
             {std::pair{QLatin1String("AM"), 0}, std::pair{QLatin1String("PM"), 12}})
            if (text.endsWith(suffix, Qt::CaseInsensitive)) {
                text = text.chopped(2).trimmed();
                hourShift = shift;
            }
        const QStringList parts = text.split(QLatin1Char(':'));
        if (parts.size() < 2 || parts.size() > 3)
            return QTime();
        bool ok[3] = {true, true, true};
        int hour = parts[0].toInt(&ok[0]);
        const int minute = parts[1].toInt(&ok[1]);
        const int second = parts.size() == 3 ? parts[2].toInt(&ok[2]) : 0;
        if (!ok[0] || !ok[1] || !ok[2])
            return QTime();
        if (hourShift >= 0) {
            if (hour < 1 || hour > 12)
                return QTime();
            hour = hour % 12 + hourShift;
        }
        return QTime(hour, minute, second);
    }

    void readFields(Session &session) const {
        lines_.at(5); // the sport's name: the number names the sport
        session.sportId = whole(6, QLatin1String("sportid="), context_.primarySport);
        const auto unit = lines_.value(7, QLatin1String("distanceunit="));
        session.distanceUnit = unit && unit->isEmpty() ? context_.primaryUnit : unit.value_or(QString());
        const double unitCode = primaryUnitCode();
        session.avgSpeedUnits = whole(8, QLatin1String("avgspeedunit="), unitCode, unitCode);
        session.maxSpeedUnits = whole(9, QLatin1String("maxspeedunit="), unitCode, unitCode);
        session.avgPaceUnits = whole(10, QLatin1String("avgpaceunits="), unitCode, unitCode);
        session.maxPaceUnits = whole(11, QLatin1String("maxpaceunits="), unitCode, unitCode);
        session.distance = figure(12, QLatin1String("distance="), 0, kDecimalBox);
        session.duration = figure(13, QLatin1String("duration="), 60, kDuration);
        session.description = description();
        session.sessionType = whole(15, QLatin1String("sessiontype="), 99);
        session.maxHr = figure(16, QLatin1String("maxhr="), 0, kHeartRate);
        session.maxSpeed = figure(17, QLatin1String("maxspeed="), 0, kDecimalBox);
        session.avgHr = figure(18, QLatin1String("avghr="), 0, kHeartRate);
        session.avgSpeed = figure(19, QLatin1String("avgspeed="), 0, kDecimalBox);
        session.fromDataRecorder = fromDataRecorder();
        for (int zone = 0; zone < 5; ++zone)
            session.timeInZone[zone] = figure(kFirstZoneLine + zone, kZoneKeys[zone], 0, kZoneTime);
    }

    double primaryUnitCode() const {
        if (context_.primaryUnit == QLatin1String("km"))
            return 1;
        if (context_.primaryUnit == QLatin1String("nm"))
            return 2;
        return 0;
    }

    // Everything after the first "=", "=" included; "^^" stands for a line break.
    QString description() const {
        const auto text = lines_.value(14, QLatin1String("description="), true);
        if (!text)
            return QString();
        if (text->isEmpty())
            return QStringLiteral("Imported Activity");
        return QString(*text).replace(QLatin1String("^^"), QLatin1String("\r\n"));
    }

    bool fromDataRecorder() const {
        const auto text = lines_.value(20, QLatin1String("fromdatarecorder="));
        if (!text)
            return false;
        const QString value = text->trimmed();
        if (value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (value.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
        if (value.isEmpty())
            throw Damaged{kNoRecorderFlag};
        return whole(value) != 0;
    }

    // Whether samples follow. Nothing else may: the reading would pass over a "[recorded]" line or
    // sample rows anywhere else, and the activity would lose its samples. Only a description holds
    // text with a line break in it: from the end of the session section on every break ends a
    // line, so that rows that a tool appended with other line ends than the file's still read.
    bool hasRecordedSection() const {
        lines_.endLinesAtAnyBreak();
        if (!lines_.has(kRecordedLine - 1))
            return false;
        lines_.expectInPlace(kRecordedLine - 1);
        if (!lines_.has(kRecordedLine))
            return false;
        lines_.expectInPlace(kRecordedLine);
        const QString &heading = lines_.at(kRecordedLine);
        if (heading.contains(kRecordedHeading, Qt::CaseInsensitive)) {
            // The column header is read over: each row's own shape decides.
            if (isSampleRow(lines_.at(kRecordedLine + 1)))
                throw Damaged{kRowInPlaceOfHeader};
            return true;
        }
        for (std::optional<QStringView> line = heading; line; line = lines_.next()) {
            if (line->contains(kRecordedHeading, Qt::CaseInsensitive))
                throw Damaged{kBelongsOnLine, {kRecordedHeading, QString::number(kRecordedLine)}};
            if (isSampleRow(*line))
                throw Damaged{kRowWithoutRecorded};
        }
        return false;
    }

    // Rows of versions 1.1 and 1.2 are quoted; a row saved without its quotes reads the same.
    static QStringView unquoted(QStringView row) {
        if (row.startsWith(QLatin1Char('"')))
            row = row.sliced(1);
        if (row.endsWith(QLatin1Char('"')))
            row.chop(1);
        return row;
    }

    static QStringView separatorOf(QStringView row) {
        static constexpr QStringView quoted = u"\",\"";
        return row.contains(quoted) ? quoted : QStringView(u",");
    }

    bool isSampleRow(QStringView line) const {
        const QStringView row = unquoted(line.trimmed());
        const QStringView separator = separatorOf(row);
        if (row.count(separator) < kSampleFields - 1)
            return false;
        try {
            sample(row, separator);
            return true;
        } catch (const Damaged &) {
            return false;
        }
    }

    void readSamples() {
        QStringView separator;
        while (const auto line = lines_.next()) {
            const QStringView trimmed = line->trimmed();
            if (trimmed.isEmpty())
                continue;
            const QStringView row = unquoted(trimmed);
            if (separator.isEmpty())
                separator = separatorOf(row);
            receiver_.sample(sample(row, separator));
        }
    }

    Sample sample(QStringView row, QStringView separator) const {
        // Fields past the last one read are never looked at.
        std::array<QStringView, kGpsSampleFields> fields;
        int count = 0;
        for (qsizetype from = 0; count < kGpsSampleFields; ++count) {
            const qsizetype end = FindShortText(row, separator, from);
            fields[count] = end < 0 ? row.sliced(from) : row.sliced(from, end - from);
            if (end < 0) {
                ++count;
                break;
            }
            from = end + separator.size();
        }
        if (count < kSampleFields)
            throw Damaged{kTooFewValues};
        Sample sample;
        sample.duration = number(fields[0], kSampleTime);
        sample.hr = number(fields[1], kSampleHeartRate);
        sample.speed = number(fields[2], kSampleFigure);
        sample.distance = number(fields[3], kSampleFigure);
        sample.type = static_cast<int>(number(fields[4], kSampleKind));
        if (sample.type != DataFile::kGpsSample)
            return sample;
        if (count < kGpsSampleFields)
            throw Damaged{kTooFewGpsValues};
        sample.longitude = number(fields[5], kLongitude);
        sample.latitude = number(fields[6], kLatitude);
        sample.altitude = optionalNumber(fields[7], kAltitude);
        sample.acqStatus = optionalNumber(fields[8], kAcquisitionStatus);
        sample.trueHeading = optionalNumber(fields[9], kHeading);
        sample.magHeading = optionalNumber(fields[10], kHeading);
        return sample;
    }

    std::optional<double> optionalNumber(QStringView text, const Range &range) const {
        return text.trimmed().isEmpty() ? std::nullopt : std::optional<double>(number(text, range));
    }

    Lines &lines_;
    const Context &context_;
    const Receiver &receiver_;
    std::optional<DateOrder> order_; // none without a version line
    mutable std::string ascii_;      // a number's text, kept to spare an allocation per number
};

bool isHeading(const QString &line, QLatin1String heading) {
    return line.trimmed().compare(heading, Qt::CaseInsensitive) == 0;
}

// A line too long to be read is no heading either.
bool hasHeadings(Lines &lines) {
    try {
        return lines.has(2) && isHeading(lines.at(1), QLatin1String("[Runvella Data File]")) &&
               isHeading(lines.at(2), QLatin1String("[session data]"));
    } catch (const Damaged &) {
        return false;
    }
}

} // namespace

Result ReadDataFile(QIODevice &device, const Context &context, const Receiver &receiver, qint64 pieceBytes) {
    Result result;
    try {
        DataFileLines file(device, pieceBytes, receiver.pieceRead);
        Lines lines(file);
        if (!hasHeadings(lines)) {
            result.outcome = Outcome::NotDataFile;
            return result;
        }
        try {
            result.activity.session = Reader(lines, context, receiver).read();
            result.outcome = Outcome::Read;
        } catch (const Damaged &damaged) {
            result.outcome = Outcome::Damaged;
            result.damage = {damaged.line.value_or(lines.current()), damaged.reason, damaged.values};
        }
    } catch (const DataFileLines::ReadFailed &failed) {
        result.outcome = Outcome::Unreadable;
        result.problem = failed.reason;
    }
    return result;
}

Result ParseDataFile(const QByteArray &bytes, const Context &context) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    std::vector<Sample> samples;
    Result result = ReadDataFile(buffer, context,
                                 {.session = [](const Session &) {},
                                  .sample = [&samples](const Sample &sample) { samples.push_back(sample); }},
                                 std::max<qint64>(bytes.size(), 1));
    result.activity.samples = std::move(samples);
    return result;
}

} // namespace DataFileReader
