#include "exchange/DataFileReader.h"

#include "core/Globals.h"
#include "exchange/DataFileDamage.h"
#include "exchange/DataFileLines.h"

#include <QBuffer>
#include <QScopedValueRollback>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using DataFileReader::Context;
using DataFileReader::Outcome;
using DataFileReader::ParseDataFile;

const QDateTime kNow(QDate(2026, 3, 9), QTime(10, 11, 12));
const Context kContext{.primarySport = 3, .primaryUnit = "km", .decimalSeparator = '.', .now = kNow};

// The session section of a file as the program writes it; lines can be replaced by number.
QStringList sessionSection(const QString &version = "1.2_mm/dd/yyyy",
                           const QString &start = "8/5/2004 07:03:09") {
    return {"[Runvella Data File]", "[session data]",    "version=" + version, "Sessiondate=" + start,
            "sportName=General",    "sportID=1",         "distanceunit=mi",    "avgspeedunit=0",
            "maxspeedunit=0",       "avgpaceunits=0",    "maxpaceunits=0",     "distance=3.25",
            "duration=1800",        "description=Tempo", "sessionType=20",     "maxHR=171",
            "maxSpeed=9.5",         "avgHR=150",         "avgSpeed=7.25",      "fromDataRecorder=True",
            "TimeZone1=10",         "TimeZone2=20",      "TimeZone3=30",       "TimeZone4=40",
            "TimeZone5=50"};
}

QStringList recorded(const QStringList &rows) {
    return QStringList{"", "[recorded]", "duration(s),hr,speed(mph),distance(mi),data_flag"} + rows;
}

QByteArray bytes(const QStringList &lines, const char *lineEnd = "\r\n") {
    return (lines.join(lineEnd) + lineEnd).toLatin1();
}

std::string why(const DataFileReader::Result &result) {
    return exchange::DamageText(result.damage).toStdString();
}

DataFile::Activity read(const QStringList &lines, const Context &context = kContext) {
    const auto result = ParseDataFile(bytes(lines), context);
    EXPECT_EQ(result.outcome, Outcome::Read) << why(result);
    return result.activity;
}

TEST(DataFileReader, VersionDecidesTheOrderOfTheStartDate) {
    const struct {
        const char *version;
        const char *start;
        QDateTime expected;
    } cases[] = {
        {"1.2_mm/dd/yyyy", "5/8/2004 07:03:09", {QDate(2004, 5, 8), QTime(7, 3, 9)}},
        {"1.2_dd/mm/yyyy", "5/8/2004 07:03:09", {QDate(2004, 5, 8), QTime(7, 3, 9)}},
        {"1.1_dd/mm/yyyy", "5/8/2004 07:03:09", {QDate(2004, 8, 5), QTime(7, 3, 9)}},
        {"1.1_DD/MM/YYYY", "5/8/2004 07:03:09", {QDate(2004, 8, 5), QTime(7, 3, 9)}},
        {"1.1_mm/dd/yyyy", "5/8/2004 07:03:09", {QDate(2004, 5, 8), QTime(7, 3, 9)}},
        {"1.1_yyyy/mm/dd", "2004-08-05 07:03:09", {QDate(2004, 8, 5), QTime(7, 3, 9)}},
        {"1.1_yyyy/mm/dd", "2004.08.05 07:03:09", {QDate(2004, 8, 5), QTime(7, 3, 9)}},
        {"1.1_?", "5/8/2004 07:03:09", {QDate(2004, 5, 8), QTime(7, 3, 9)}},
        {"1.1", "5/8/2004 07:03:09", {QDate(2004, 5, 8), QTime(7, 3, 9)}},
        {"1.0", "5/8/2004 07:03:09", {QDate(2004, 5, 8), QTime(7, 3, 9)}},
        {"", "5/8/2004 07:03:09", {QDate(2004, 5, 8), QTime(7, 3, 9)}},
        // Times as other systems wrote them.
        {"1.2_mm/dd/yyyy", "5/8/2004 7.03.09", {QDate(2004, 5, 8), QTime(7, 3, 9)}},
        {"1.2_mm/dd/yyyy", "5/8/2004  7:03:09 PM", {QDate(2004, 5, 8), QTime(19, 3, 9)}},
        {"1.2_mm/dd/yyyy", "5/8/2004 12:30 AM", {QDate(2004, 5, 8), QTime(0, 30)}},
        {"1.2_mm/dd/yyyy", "5/8/2004", {QDate(2004, 5, 8), QTime(0, 0)}},
        {"1.2_mm/dd/yyyy", "5/8/04 07:03:09", {QDate(2004, 5, 8), QTime(7, 3, 9)}},
        {"1.2_mm/dd/yyyy", "5/8/98 07:03:09", {QDate(1998, 5, 8), QTime(7, 3, 9)}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(read(sessionSection(c.version, c.start)).session.start, c.expected)
            << c.version << " " << c.start;
}

TEST(DataFileReader, EmptyValuesTakeTheirDefaults) {
    QStringList lines = sessionSection("1.2_mm/dd/yyyy", "");
    for (int line = 5; line < 25; ++line)
        if (line != 19)
            lines[line] = lines[line].section('=', 0, 0) + '=';
    const DataFile::Session session = read(lines).session;

    EXPECT_EQ(session.start, kNow);
    EXPECT_EQ(session.sportId, 3);
    EXPECT_EQ(session.distanceUnit, "km");
    EXPECT_EQ(session.avgSpeedUnits, 1);
    EXPECT_EQ(session.maxSpeedUnits, 1);
    EXPECT_EQ(session.avgPaceUnits, 1);
    EXPECT_EQ(session.maxPaceUnits, 1);
    EXPECT_EQ(session.distance, 0);
    EXPECT_EQ(session.duration, 60);
    EXPECT_EQ(session.description, "Imported Activity");
    EXPECT_EQ(session.sessionType, 99);
    EXPECT_EQ(session.maxHr, 0);
    EXPECT_EQ(session.maxSpeed, 0);
    EXPECT_EQ(session.avgHr, 0);
    EXPECT_EQ(session.avgSpeed, 0);
    for (const auto &zone : session.timeInZone)
        EXPECT_EQ(zone, 0);
}

TEST(DataFileReader, LinesWithoutTheirKeysKeepTheInitialValues) {
    QStringList lines = sessionSection();
    for (int line = 3; line < 25; ++line)
        lines[line] = "something else";
    const DataFile::Session session = read(lines).session;

    EXPECT_EQ(session.start, QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    EXPECT_EQ(session.sportId, 0);
    EXPECT_EQ(session.distanceUnit, "");
    EXPECT_EQ(session.avgSpeedUnits, 1) << "the primary unit's code";
    EXPECT_EQ(session.duration, 0);
    EXPECT_EQ(session.description, "");
    EXPECT_EQ(session.sessionType, 0);
    EXPECT_EQ(session.fromDataRecorder, false);
}

TEST(DataFileReader, ValuesAsWritten) {
    const DataFile::Session session = read(sessionSection()).session;
    EXPECT_EQ(session.sportId, 1);
    EXPECT_EQ(session.distanceUnit, "mi");
    EXPECT_EQ(session.avgSpeedUnits, 0);
    EXPECT_EQ(session.distance, 3.25);
    EXPECT_EQ(session.duration, 1800);
    EXPECT_EQ(session.description, "Tempo");
    EXPECT_EQ(session.sessionType, 20);
    EXPECT_EQ(session.maxHr, 171);
    EXPECT_EQ(session.maxSpeed, 9.5);
    EXPECT_EQ(session.avgHr, 150);
    EXPECT_EQ(session.avgSpeed, 7.25);
    EXPECT_EQ(session.fromDataRecorder, true);
    EXPECT_EQ(session.timeInZone[4], 50);
}

TEST(DataFileReader, DescriptionKeepsEverythingAfterTheKey) {
    const struct {
        const char *line;
        QString description;
    } cases[] = {
        {"description=two^^lines", "two\r\nlines"},
        {"description=a = b == c", "a = b == c"},
        {"Description=^^", "\r\n"},
        {"description=intervals, duration=40 maxHR=180", "intervals, duration=40 maxHR=180"},
    };
    for (const auto &c : cases) {
        QStringList lines = sessionSection();
        lines[13] = c.line;
        EXPECT_EQ(read(lines).session.description, c.description) << c.line;
    }
}

TEST(DataFileReader, DecimalsReadAlikeWhateverTheSystemsSeparator) {
    Context comma = kContext;
    comma.decimalSeparator = ',';
    for (const char *distance : {"distance=12.5", "distance=12,5"}) {
        QStringList lines = sessionSection();
        lines[11] = distance;
        EXPECT_EQ(read(lines, comma).session.distance, 12.5) << distance;
    }
    QStringList lines = sessionSection();
    lines[11] = "distance=12,5";
    EXPECT_EQ(ParseDataFile(bytes(lines), kContext).outcome, Outcome::Damaged)
        << "a comma is no decimal mark where the system uses a point";
}

TEST(DataFileReader, SessionSectionAloneGivesNoSamples) {
    const QStringList section = sessionSection();
    EXPECT_TRUE(read(section).samples.empty());
    EXPECT_TRUE(read(section + QStringList{""}).samples.empty());
    EXPECT_TRUE(read(section + QStringList{"", "", "a note, with a comma"}).samples.empty());
}

TEST(DataFileReader, UnquotedRowsOfVersionOneReadLikeQuotedRows) {
    const auto unquoted = read(sessionSection("1.0", "8/5/2004 07:03:09") +
                               recorded({"600,142,8.3,1.254,0", "602,143,8.4,1.256,1"}))
                              .samples;
    const auto quoted = read(sessionSection() + recorded({R"("600","142","8.3","1.254","0")",
                                                          R"("602","143","8.4","1.256","1")"}))
                            .samples;
    ASSERT_EQ(unquoted.size(), 2u);
    ASSERT_EQ(quoted.size(), 2u);
    for (const auto *samples : {&unquoted, &quoted}) {
        EXPECT_EQ((*samples)[0].duration, 600);
        EXPECT_EQ((*samples)[0].hr, 142);
        EXPECT_EQ((*samples)[0].speed, 8.3);
        EXPECT_EQ((*samples)[0].distance, 1.254);
        EXPECT_EQ((*samples)[0].type, 0);
        EXPECT_FALSE((*samples)[0].latitude);
        EXPECT_EQ((*samples)[1].type, 1);
    }
    // A row that lost its quotes in a spreadsheet keeps all of its digits.
    EXPECT_EQ(read(sessionSection() + recorded({"600,142,8.3,1.254,0"})).samples[0].duration, 600);
}

TEST(DataFileReader, GpsRowsCarryPositionsAndUnderTheShortHeaderAreSpeedSamples) {
    Context comma = kContext;
    comma.decimalSeparator = ',';
    const auto samples =
        read(sessionSection() + recorded({R"("0","0","6.1","0.006","2","-73.5","45.5","12,5","3","","80")",
                                          R"("3.57","0","6.3","0.012","1")"}),
             comma)
            .samples;
    ASSERT_EQ(samples.size(), 2u);
    EXPECT_EQ(samples[0].type, 2);
    EXPECT_EQ(samples[0].longitude, -73.5);
    EXPECT_EQ(samples[0].latitude, 45.5);
    EXPECT_EQ(samples[0].altitude, 12.5);
    EXPECT_EQ(samples[0].acqStatus, 3);
    EXPECT_FALSE(samples[0].trueHeading) << "an empty value is stored empty";
    EXPECT_EQ(samples[0].magHeading, 80);
    EXPECT_EQ(samples[1].type, 1);
    EXPECT_FALSE(samples[1].latitude);
    EXPECT_FALSE(samples[1].altitude);
}

// The file read a few bytes at a time, as a large file is read a piece at a time.
DataFileReader::Result readInPieces(const QByteArray &bytes, qint64 pieceBytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    std::vector<DataFile::Sample> samples;
    auto result = DataFileReader::ReadDataFile(
        buffer, kContext,
        {.session = [](const DataFile::Session &) {},
         .sample = [&samples](const DataFile::Sample &sample) { samples.push_back(sample); }},
        pieceBytes);
    result.activity.samples = samples;
    return result;
}

// The lines with the first one ended as given and each of the others by the next of the ends.
QByteArray withEnds(const QStringList &lines, const QByteArray &first, const QList<QByteArray> &others) {
    QByteArray text = lines[0].toLatin1() + first;
    for (qsizetype line = 1; line < lines.size(); ++line)
        text += lines[line].toLatin1() + others[line % others.size()];
    return text;
}

QStringList withDescription(const QStringList &lines, const QString &description) {
    QStringList described = lines;
    described[13] = "description=" + description;
    return described;
}

// The first line end tells how the file's lines end: in a CR LF file a lone CR or LF is text of
// its line, as a description may hold one; a file put together on several systems leaves no stray
// carriage return in a value.
TEST(DataFileReader, TheFirstLineEndTellsHowLinesEnd) {
    const QStringList rows = {R"("600","142","8.3","1.254","0")", R"("602","143","8.4","1.256","1")"};
    const QStringList lines = sessionSection() + recorded(rows);
    const struct {
        const char *name;
        QByteArray bytes;
        QString description;
    } cases[] = {
        {"CR LF, a lone LF in the description", bytes(withDescription(lines, "one\ntwo")), "one\ntwo"},
        {"CR LF, a lone CR in the description", bytes(withDescription(lines, "one\rtwo")), "one\rtwo"},
        {"CR LF, a description ending in CR", bytes(withDescription(lines, "one\r")), "one\r"},
        {"LF", bytes(lines, "\n"), "Tempo"},
        {"CR", bytes(lines, "\r"), "Tempo"},
        {"LF first, then CR LF", withEnds(lines, "\n", {"\r\n"}), "Tempo"},
        {"LF first, then both", withEnds(lines, "\n", {"\r\n", "\n"}), "Tempo"},
        {"CR first, then all three", withEnds(lines, "\r", {"\r\n", "\n", "\r"}), "Tempo"},
        {"CR LF, then rows in LF", bytes(sessionSection()) + bytes(recorded(rows), "\n"), "Tempo"},
        {"CR LF, a lone LF in the description, then rows in lone CRs",
         bytes(withDescription(sessionSection(), "one\ntwo")) + bytes(recorded(rows), "\r"), "one\ntwo"},
        {"CR LF, then rows in all three",
         bytes(sessionSection()) + withEnds(recorded(rows), "\r\n", {"\n", "\r"}), "Tempo"},
    };
    for (const auto &c : cases) {
        for (const qint64 piece : {qint64{1}, qint64{7}, qint64(c.bytes.size())}) {
            const auto result = readInPieces(c.bytes, piece);
            ASSERT_EQ(result.outcome, Outcome::Read) << c.name << ": " << why(result);
            const DataFile::Session &session = result.activity.session;
            EXPECT_EQ(session.distanceUnit, "mi") << c.name;
            EXPECT_EQ(session.description, c.description) << c.name;
            EXPECT_EQ(session.sessionType, 20) << c.name;
            EXPECT_EQ(session.avgSpeed, 7.25) << c.name;
            EXPECT_EQ(session.fromDataRecorder, true) << c.name;
            EXPECT_EQ(session.timeInZone[4], 50) << c.name;
            ASSERT_EQ(result.activity.samples.size(), 2u) << c.name;
            EXPECT_EQ(result.activity.samples[1].type, DataFile::kSpeedSample) << c.name;
        }
    }
}

TEST(DataFileReader, TextIsWindows1252OrUtf8) {
    QByteArray cp1252 = bytes(sessionSection());
    cp1252.replace("description=Tempo", "description=Caf\xE9 \x80");
    EXPECT_EQ(ParseDataFile(cp1252, kContext).activity.session.description, QString::fromUtf8("Café €"));
    QByteArray utf8 = bytes(sessionSection());
    utf8.replace("description=Tempo", QString::fromUtf8("description=Łódź €").toUtf8());
    EXPECT_EQ(ParseDataFile(utf8, kContext).activity.session.description, QString::fromUtf8("Łódź €"));
    EXPECT_EQ(ParseDataFile(utf8 + "\xC5", kContext).activity.session.description->left(2),
              QString::fromUtf8("Å\u0081"))
        << "a file that ends inside a UTF-8 character is no UTF-8";
}

TEST(DataFileReader, PiecesReadAsTheWholeFileWhereverTheyEnd) {
    const QStringList rows = recorded({R"("600","142","8.3","1.254","0")", R"("602","143","8.4","1.256","1")",
                                       R"("0","0","6.1","0.006","2","-73.5","45.5","12.5","3","","80")"});
    QStringList withFeed = sessionSection() + rows;
    withFeed[13] = "description=one\ntwo";
    QStringList withReturn = sessionSection() + rows;
    withReturn[13] = "description=one\rtwo";
    const auto utf8 = [&rows](const char *bom) {
        return bom + bytes(sessionSection() + rows)
                         .replace("description=Tempo", "description=\xC5\x81\xC3\xB3"
                                                       "d\xC5\xBA");
    };
    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"CR LF", bytes(sessionSection() + rows)},
        {"LF", bytes(sessionSection() + rows, "\n")},
        {"CR", bytes(sessionSection() + rows, "\r")},
        {"LF inside a line of a CR LF file", bytes(withFeed)},
        {"lone CR in a CR LF file", bytes(withReturn)},
        {"LF first, then CR LF", withEnds(sessionSection() + rows, "\n", {"\r\n"})},
        {"CR first, then all three", withEnds(sessionSection() + rows, "\r", {"\r\n", "\n", "\r"})},
        {"no end after the last line", bytes(sessionSection() + rows).chopped(2)},
        {"UTF-8", utf8("")},
        {"UTF-8 with its mark", utf8("\xEF\xBB\xBF")},
        {"Windows-1252", bytes(sessionSection() + rows).replace("description=Tempo", "description=Caf\xE9")},
        {"Windows-1252 ending in a UTF-8 lead byte", bytes(sessionSection() + rows) + "\xC5"},
        {"damaged last row",
         bytes(sessionSection() + rows + QStringList{R"("604","high","8.3","1.254","0")"})},
    };
    for (const auto &c : cases) {
        const auto whole = ParseDataFile(c.bytes, kContext);
        for (const qint64 piece : {1, 2, 3, 7, 64}) {
            const auto pieces = readInPieces(c.bytes, piece);
            const std::string name = std::string(c.name) + ", pieces of " + std::to_string(piece);
            ASSERT_EQ(pieces.outcome, whole.outcome) << name;
            EXPECT_TRUE(pieces.damage == whole.damage) << name;
            EXPECT_EQ(pieces.activity.session.description, whole.activity.session.description) << name;
            EXPECT_EQ(pieces.activity.session.timeInZone[4], whole.activity.session.timeInZone[4]) << name;
            ASSERT_EQ(pieces.activity.samples.size(), whole.activity.samples.size()) << name;
            for (std::size_t i = 0; i < whole.activity.samples.size(); ++i) {
                EXPECT_EQ(pieces.activity.samples[i].duration, whole.activity.samples[i].duration) << name;
                EXPECT_EQ(pieces.activity.samples[i].altitude, whole.activity.samples[i].altitude) << name;
            }
        }
    }
}

// A medium that fails part-way, as an unplugged stick or a bad sector does: it hands out so many
// bytes in all, counting both of the reader's passes, and then fails every read.
class FailingDevice : public QIODevice {
public:
    FailingDevice(const QByteArray &bytes, qint64 bytesBeforeFailure)
        : bytes_(bytes), left_(bytesBeforeFailure) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    qint64 size() const override { return bytes_.size(); }

protected:
    qint64 readData(char *data, qint64 most) override {
        const qint64 count = std::min({most, left_, bytes_.size() - pos()});
        if (count <= 0 && pos() < bytes_.size()) {
            setErrorString("Input/output error");
            return -1;
        }
        std::copy_n(bytes_.constData() + pos(), count, data);
        left_ -= count;
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qint64 left_;
};

TEST(DataFileReader, AFailedReadIsNoEndOfTheFile) {
    QStringList rows;
    for (int i = 0; i < 1000; ++i)
        rows << QStringLiteral(R"("%1","142","8.3","1.254","0")").arg(i * 2);
    const QByteArray file = bytes(sessionSection() + recorded(rows));
    const qint64 size = file.size();
    const struct {
        const char *name;
        qint64 bytesBeforeFailure;
    } cases[] = {
        {"at once", 0},
        {"while the encoding is told", size / 2},
        {"in the session section", size + 100},
        {"after row 10 of 1000", size + file.indexOf(R"("20","142")")},
        {"before the last row", size + size - 10},
    };
    for (const auto &c : cases) {
        FailingDevice device(file, c.bytesBeforeFailure);
        std::size_t samples = 0;
        const auto result =
            DataFileReader::ReadDataFile(device, kContext,
                                         {.session = [](const DataFile::Session &) {},
                                          .sample = [&](const DataFile::Sample &) { ++samples; }},
                                         64);
        EXPECT_EQ(result.outcome, Outcome::Unreadable) << c.name << ", " << samples << " samples";
        EXPECT_EQ(result.problem, "Input/output error") << c.name;
    }
}

TEST(DataFileReader, EveryPieceIsReportedEvenInALineWithoutEnd) {
    const QByteArray endless(1000, 'x');
    QBuffer buffer;
    buffer.setData(endless);
    buffer.open(QIODevice::ReadOnly);
    std::vector<qint64> reported;
    const auto result = DataFileReader::ReadDataFile(
        buffer, kContext,
        {.session = [](const DataFile::Session &) {},
         .sample = [](const DataFile::Sample &) {},
         .pieceRead = [&reported](qint64 bytesRead) { reported.push_back(bytesRead); }},
        300);
    EXPECT_EQ(result.outcome, Outcome::NotDataFile);
    EXPECT_EQ(reported, (std::vector<qint64>{0, 0, 0, 0, 300, 600, 900, 1000}))
        << "none read into lines while the encoding is told, then the bytes read so far";
}

TEST(DataFileReader, DamagedFilesGiveNoActivity) {
    const QStringList section = sessionSection();
    const auto with = [&section](int line, const QString &text) {
        QStringList lines = section;
        lines[line] = text;
        return lines;
    };
    const auto row = [](const char *duration, const char *hr, const char *speed, const char *distance) {
        return QStringLiteral(R"("%1","%2","%3","%4","0")").arg(duration, hr, speed, distance);
    };
    const auto flagged = [](const char *flag) {
        return QStringLiteral(R"("600","142","8.3","1.254","%1")").arg(flag);
    };
    const auto gpsRow = [](const char *longitude, const char *latitude, const char *altitude,
                           const char *acqStatus, const char *trueHeading, const char *magHeading) {
        return QStringLiteral(R"("0","0","6.1","0.006","2","%1","%2","%3","%4","%5","%6")")
            .arg(longitude, latitude, altitude, acqStatus, trueHeading, magHeading);
    };
    const QStringList rows = recorded({row("600", "142", "8.3", "1.254")});
    // The file with the line put in before line n.
    const auto inserted = [&section, &rows](int n, const QString &text) {
        QStringList lines = section + rows;
        lines.insert(n - 1, text);
        return lines;
    };
    const struct {
        const char *name;
        QStringList lines;
        int line; // the line to blame
    } cases[] = {
        {"truncated row", section + recorded({R"("600","142","8.3","1.254","0")", R"("602","143")"}), 30},
        {"GPS row without positions", section + recorded({R"("0","0","6.1","0.006","2")"}), 29},
        {"row with a word", section + recorded({R"("600","high","8.3","1.254","0")"}), 29},
        {"row with an empty value", section + recorded({R"("600","","8.3","1.254","0")"}), 29},
        {"no column header", section + QStringList{"", "[recorded]"}, 28},
        {"ends in the session section", section.mid(0, 12), 13},
        {"start without a version", with(2, "no version here"), 4},
        {"start that is no date", with(3, "Sessiondate=13/40/2004 07:03:09"), 4},
        {"start with two parts", with(3, "Sessiondate=5/2004 07:03:09"), 4},
        {"start at 25 o'clock", with(3, "Sessiondate=5/8/2004 25:03:09"), 4},
        {"number that is a word", with(15, "maxHR=high"), 16},
        {"number too large", with(15, "maxHR=99999999999"), 16},
        {"number that is not finite", with(17, "avgHR=inf"), 18},
        {"empty recorder flag", with(19, "fromDataRecorder="), 20},
        {"recorder flag that is a word", with(19, "fromDataRecorder=maybe"), 20},
        // Figures the program can neither keep nor show.
        {"duration beyond the longest", with(12, "duration=1e300"), 13},
        {"duration one second too long", with(12, "duration=2147483648"), 13},
        {"negative duration", with(12, "duration=-60"), 13},
        {"negative distance", with(11, "distance=-2.5"), 12},
        {"distance beyond single precision", with(11, "distance=3.5e38"), 12},
        {"sample before the start", section + recorded({row("-2", "142", "8.3", "1.254")}), 29},
        {"sample after the longest duration", section + recorded({row("3e9", "142", "8.3", "1.254")}), 29},
        {"negative heart rate", section + recorded({row("600", "-1", "8.3", "1.254")}), 29},
        {"negative speed", section + recorded({row("600", "142", "-8.3", "1.254")}), 29},
        {"speed beyond single precision", section + recorded({row("600", "142", "1e39", "1.254")}), 29},
        {"negative sample distance", section + recorded({row("600", "142", "8.3", "-1.254")}), 29},
        // Figures the windows that show and edit them refuse.
        {"distance beyond the entry box", with(11, "distance=100000"), 12},
        {"distance of 3.0e38", with(11, "distance=3.0e38"), 12},
        {"maximum speed beyond the entry box", with(16, "maxSpeed=99999.5"), 17},
        {"negative maximum speed", with(16, "maxSpeed=-1"), 17},
        {"average speed of 1e300", with(18, "avgSpeed=1e300"), 19},
        {"negative peak heart rate", with(15, "maxHR=-1"), 16},
        {"average heart rate above 300", with(17, "avgHR=301"), 18},
        {"average heart rate of 2^63", with(17, "avgHR=9223372036854775808"), 18},
        {"negative zone time", with(20, "TimeZone1=-10"), 21},
        {"zone time beyond the hours box", with(24, "TimeZone5=1083600"), 25},
        {"unknown data flag", section + recorded({flagged("3")}), 29},
        {"negative data flag", section + recorded({flagged("-1")}), 29},
        {"longitude off the globe", section + recorded({gpsRow("180.5", "45.5", "12", "3", "90", "80")}), 29},
        {"latitude off the globe", section + recorded({gpsRow("-73.5", "-90.5", "12", "3", "90", "80")}), 29},
        {"latitude of 1e300", section + recorded({gpsRow("-73.5", "1e300", "12", "3", "90", "80")}), 29},
        {"altitude beyond 16 bits", section + recorded({gpsRow("-73.5", "45.5", "32768", "3", "90", "80")}),
         29},
        {"negative acquisition status", section + recorded({gpsRow("-73.5", "45.5", "12", "-1", "90", "80")}),
         29},
        {"acquisition status above 3", section + recorded({gpsRow("-73.5", "45.5", "12", "4", "90", "80")}),
         29},
        {"true heading beyond a byte", section + recorded({gpsRow("-73.5", "45.5", "12", "3", "512", "80")}),
         29},
        {"negative magnetic heading", section + recorded({gpsRow("-73.5", "45.5", "12", "3", "90", "-2")}),
         29},
        // Fractions where the writer writes whole numbers only.
        {"data flag of 1.5", section + recorded({flagged("1.5")}), 29},
        {"sample heart rate of 142.5", section + recorded({row("600", "142.5", "8.3", "1.254")}), 29},
        {"acquisition status of 2.5", section + recorded({gpsRow("-73.5", "45.5", "12", "2.5", "90", "80")}),
         29},
        {"sport of 1.5", with(5, "sportID=1.5"), 6},
        {"session type of 20.5", with(14, "sessionType=20.5"), 15},
        // Lines out of their places: each value from there on would be read from the wrong line.
        {"a line added to the session section", inserted(10, "feeling=good"), 11},
        {"a line added before the description", inserted(14, "Tempo"), 15},
        {"a line added after the last zone", inserted(26, "TimeZone5=50"), 26},
        {"a line lost from the session section", section.mid(0, 15) + section.mid(16) + rows, 16},
        {"an empty line added before the samples", inserted(27, ""), 28},
        {"the empty line before the samples lost", section + rows.mid(1), 26},
        {"rows under another heading", section + QStringList{"", "[other]"} + rows.mid(2), 29},
        {"rows without the column header", section + rows.mid(0, 2) + rows.mid(3), 28},
    };
    for (const auto &c : cases) {
        const auto result = ParseDataFile(bytes(c.lines), kContext);
        EXPECT_EQ(result.outcome, Outcome::Damaged) << c.name;
        EXPECT_EQ(result.damage.line, c.line) << c.name << ": " << why(result);
    }
}

TEST(DataFileReader, TheLineToBlameAndWhyReadInTheAthletesLanguage) {
    QStringList negative = sessionSection();
    negative[12] = "duration=-60";
    QStringList word = sessionSection();
    word[15] = "maxHR=high";
    // Values named as the file wrote them, by their beginning when long.
    QStringList tooLong = sessionSection();
    tooLong[12] = "duration=2147483648";
    QStringList tooFar = sessionSection();
    tooFar[11] = "distance=3.0e38";
    const QString manyDigits = "1" + QString(399, '0');
    QStringList tooFast = sessionSection();
    tooFast[15] = "maxHR=" + manyDigits;
    const QStringList offTheGlobe =
        sessionSection() + recorded({R"("0","0","6.1","0.006","2","-73.5","-91","12","3","90","80")"});
    const QStringList tooQuick = sessionSection() + recorded({R"("600","142","1e39","1.254","0")"});
    QStringList longZone = sessionSection();
    longZone[22] = "TimeZone3= 1083600 ";
    QStringList broken = sessionSection();
    broken[15] = "maxHR=1\n7\r1";
    QStringList shifted = sessionSection();
    shifted.insert(13, "Tempo");
    const QStringList halfAKind = sessionSection() + recorded({R"("600","142","8.3","1.254","1.5")"});
    const struct {
        QStringList lines;
        int languageOffset;
        QString problem;
    } cases[] = {
        {negative, 0, "Line 13: -60 is outside what Runvella can keep, 0 to 2147483647"},
        {negative, 3000,
         "Zeile 13: -60 liegt außerhalb dessen, was Runvella speichern kann (0 bis 2147483647)"},
        {word, 0, "Line 16: \"high\" is not a number"},
        {word, 1000, "Ligne 16 : « high » n'est pas un nombre"},
        {broken, 0, "Line 16: \"1\u21B57\u21B51\" is not a number"},
        {tooLong, 0, "Line 13: 2147483648 is outside what Runvella can keep, 0 to 2147483647"},
        {tooFar, 0, "Line 12: 3.0e38 is outside what Runvella can keep, 0 to 99999"},
        {tooFast, 0,
         "Line 16: 10000000000000000000000000000000\u2026 is outside what Runvella can keep, 0 to 300"},
        {tooQuick, 0, "Line 29: 1e39 is outside what Runvella can keep, 0 to 3.4e+38"},
        {offTheGlobe, 0, "Line 29: -91 is outside what Runvella can keep, -90 to 90"},
        {offTheGlobe, 3000, "Zeile 29: -91 liegt außerhalb dessen, was Runvella speichern kann (-90 bis 90)"},
        {longZone, 0, "Line 23: 1083600 is outside what Runvella can keep, 0 to 1083599"},
        {longZone, 4000, "Riga 23: 1083600 è al di fuori di ciò che Runvella può conservare, da 0 a 1083599"},
        {shifted, 0, "Line 15: \"description=\" belongs on line 14"},
        {shifted, 3000, "Zeile 15: „description=“ gehört in Zeile 14"},
        {halfAKind, 0, "Line 29: \"1.5\" is not a whole number"},
    };
    for (const auto &c : cases) {
        const QScopedValueRollback<int> language(gLanguageOffset, c.languageOffset);
        EXPECT_EQ(exchange::DamageText(ParseDataFile(bytes(c.lines), kContext).damage), c.problem);
    }
}

TEST(DataFileReader, FiguresAtTheEdgesOfWhatIsKeptAreRead) {
    QStringList lines = sessionSection();
    lines[11] = "distance=99999";
    lines[12] = "duration=2147483647";
    lines[15] = "maxHR=300";
    lines[16] = "maxSpeed=99999";
    lines[17] = "avgHR=0";
    lines[18] = "avgSpeed=1e-400";
    lines[20] = "TimeZone1=1083599";
    const auto activity =
        read(lines + recorded({R"("0","0","0","0","0")", R"("2147483647","255","3.4e38","3.4e38","1")",
                               R"("5","0","6.1","0.006","2","-73.5","-45.5","-12.5","0","1","2")",
                               R"("6","0","6.1","0.006","2","-180","-90","-32768","0","0","0")",
                               R"("7","0","6.1","0.006","2","180","90","32767","3","510","510")"}));
    EXPECT_EQ(activity.session.distance, 99999);
    EXPECT_EQ(activity.session.duration, 2147483647);
    EXPECT_EQ(activity.session.maxHr, 300);
    EXPECT_EQ(activity.session.maxSpeed, 99999);
    EXPECT_EQ(activity.session.avgSpeed, 0) << "a number too close to 0 for a double is 0";
    EXPECT_EQ(activity.session.timeInZone[0], 1083599) << "300 hours, 59 minutes and 59 seconds";
    ASSERT_EQ(activity.samples.size(), 5u);
    EXPECT_EQ(activity.samples[1].speed, 3.4e38);
    EXPECT_EQ(activity.samples[2].latitude, -45.5) << "positions and heights have signs";
    EXPECT_EQ(activity.samples[2].altitude, -12.5);
    EXPECT_EQ(activity.samples[3].longitude, -180);
    EXPECT_EQ(activity.samples[3].latitude, -90);
    EXPECT_EQ(activity.samples[3].altitude, -32768);
    EXPECT_EQ(activity.samples[4].longitude, 180);
    EXPECT_EQ(activity.samples[4].latitude, 90);
    EXPECT_EQ(activity.samples[4].acqStatus, 3);
    EXPECT_EQ(activity.samples[4].trueHeading, 510) << "the recorder's heading byte, two degrees a step";
}

// No line of a data file comes near a million characters: a longer one is damage, and a file without
// line ends is read no further than that, however large it is.
TEST(DataFileReader, ALineTooLongForADataFileEndsTheReading) {
    const qsizetype longest = DataFileLines::kLongestLine;
    const auto withDescription = [](qsizetype lineLength) {
        QStringList lines = sessionSection();
        lines[13] = "description=" + QString(lineLength - 12, 'x');
        return bytes(lines);
    };
    const QByteArray longRow =
        bytes(sessionSection() + recorded({R"("600","142","8.3","1.254","0")", QString(longest + 1, '"')}));
    for (const qint64 piece : {qint64{4096}, DataFileReader::kReadPieceBytes, qint64{8} * longest}) {
        EXPECT_EQ(readInPieces(withDescription(longest), piece).outcome, Outcome::Read) << piece;
        const auto description = readInPieces(withDescription(longest + 1), piece);
        EXPECT_EQ(description.outcome, Outcome::Damaged) << piece;
        EXPECT_EQ(exchange::DamageText(description.damage),
                  "Line 14: the line is longer than 1048576 characters")
            << piece;
        const auto row = readInPieces(longRow, piece);
        EXPECT_EQ(row.outcome, Outcome::Damaged) << piece;
        EXPECT_EQ(exchange::DamageText(row.damage), "Line 30: the line is longer than 1048576 characters")
            << piece;
        EXPECT_EQ(row.activity.samples.size(), 1u) << piece;
    }

    QBuffer endless;
    endless.setData(QByteArray(4 * longest, 'x'));
    endless.open(QIODevice::ReadOnly);
    qint64 readIntoLines = 0;
    const auto result = DataFileReader::ReadDataFile(
        endless, kContext,
        {.session = [](const DataFile::Session &) {},
         .sample = [](const DataFile::Sample &) {},
         .pieceRead = [&readIntoLines](qint64 bytesRead) { readIntoLines = bytesRead; }},
        DataFileReader::kReadPieceBytes);
    EXPECT_EQ(result.outcome, Outcome::NotDataFile) << "a first line that long is no heading";
    EXPECT_LE(readIntoLines, longest + 2 * DataFileReader::kReadPieceBytes);
}

// A file of long lines read a small piece at a time is searched for line ends about once, not
// again from each line's start with every piece.
TEST(DataFileLines, EachCharacterIsSearchedForALineEndAboutOnce) {
    const QString longLine(300'000, 'x');
    const QStringList expected{longLine, "short", longLine};
    for (const char *lineEnd : {"\r\n", "\n", "\r"}) {
        const QByteArray text = (expected + QStringList{""}).join(lineEnd).toLatin1();
        for (const qint64 piece : {qint64{1000}, DataFileReader::kReadPieceBytes}) {
            QBuffer buffer;
            buffer.setData(text);
            buffer.open(QIODevice::ReadOnly);
            DataFileLines lines(buffer, piece);
            QStringList read;
            while (const auto line = lines.next())
                read << line->toString();
            EXPECT_EQ(read, expected);
            EXPECT_LE(lines.charactersSearched(), text.size() + text.size() / piece + 1)
                << QByteArray(lineEnd).toHex().toStdString() << ", pieces of " << piece;
        }
    }
}

TEST(DataFileReader, FilesWithoutTheTwoHeadingsAreNoDataFiles) {
    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"empty", ""},
        {"text", "Shopping list\r\nbread\r\nmilk\r\n"},
        {"one heading", "[Runvella Data File]\r\n"},
        {"wrong second heading", "[Runvella Data File]\r\n[recorded]\r\n"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ParseDataFile(c.bytes, kContext).outcome, Outcome::NotDataFile) << c.name;
    EXPECT_EQ(ParseDataFile("[RUNVELLA DATA FILE]\r\n[Session Data]\r\n", kContext).outcome, Outcome::Damaged)
        << "headings compare without regard to case; the file then ends too early";
}

} // namespace
