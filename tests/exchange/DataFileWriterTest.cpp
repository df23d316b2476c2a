#include "exchange/DataFileWriter.h"
#include "ExchangeFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace exchangetest;
using DataFileWriter::DataFileBytes;
using DataFileWriter::FileNumber;

const DataFileWriter::Options kUs{.dateOrderPattern = "mm/dd/yyyy"};

QStringList lines(const QByteArray &bytes) {
    QStringList all = QString::fromLatin1(bytes).split("\r\n");
    EXPECT_EQ(all.takeLast(), "") << "the last line ends with CR LF too";
    return all;
}

TEST(DataFileWriter, HandEnteredActivityIsTheSessionSectionAlone) {
    DataFile::Activity activity = handEntered();
    activity.samples = heartRateOnly().samples; // samples of an activity entered by hand stay out

    EXPECT_EQ(lines(DataFileBytes(activity, kUs)), QStringList({"[Runvella Data File]",
                                                                "[session data]",
                                                                "version=1.2_mm/dd/yyyy",
                                                                "Sessiondate=8/5/2026 07:03:09",
                                                                "sportName=General",
                                                                "sportID=1",
                                                                "distanceunit=km",
                                                                "avgspeedunit=1",
                                                                "maxspeedunit=1",
                                                                "avgpaceunits=1",
                                                                "maxpaceunits=1",
                                                                "distance=12.5",
                                                                "duration=3600",
                                                                "description=Easy run",
                                                                "sessionType=99",
                                                                "maxHR=150",
                                                                "maxSpeed=9.25",
                                                                "avgHR=140",
                                                                "avgSpeed=8",
                                                                "fromDataRecorder=False",
                                                                "TimeZone1=600",
                                                                "TimeZone2=1200",
                                                                "TimeZone3=0",
                                                                "TimeZone4=0",
                                                                "TimeZone5=0"}));
}

TEST(DataFileWriter, RecordedActivityWithoutSamplesEndsAfterTheSessionSection) {
    DataFile::Activity activity = heartRateOnly();
    activity.samples.clear();
    EXPECT_EQ(lines(DataFileBytes(activity, kUs)).size(), 25);
}

TEST(DataFileWriter, HeartRateActivityHasTheShortHeader) {
    const QStringList written = lines(DataFileBytes(heartRateOnly(), kUs));
    EXPECT_EQ(
        written.mid(24),
        QStringList({"TimeZone5=0", "", "[recorded]", "duration(s),hr,speed(mph),distance(mi),data_flag",
                     R"("0","120","0","0","0")", R"("2","121","0","0","0")", R"("4","125","0","0","0")"}));
}

TEST(DataFileWriter, GpsActivityHasTheLongHeaderWithHeartRateRowsFirst) {
    const QStringList written = lines(DataFileBytes(joinedGps(), kUs));
    EXPECT_EQ(written.mid(27),
              QStringList({"duration(s),hr,speed(mph),distance(mi),data_flag,longitude,latitude,"
                           "altitude,acqstatus,trueheading,magheading",
                           R"("0","130","0","0","0","0","0","0","0","0","0")",
                           R"("2","131","0","0","0","0","0","0","0","0","0")",
                           R"("0","0","6.1","0.006","2","-73.5","45.5","1000","3","90","80")",
                           R"("3.57","0","6.3","0.012","2","-73.4999","45.5001","1000","3","90","80")",
                           R"("7.14","0","6.2","0.018","2","-73.4998","45.5002","1000","3","90","80")"}));
}

TEST(DataFileWriter, BasicDataWritesGpsSamplesAsSpeedSamplesWithoutPositions) {
    for (const bool withHeartRate : {true, false}) {
        DataFile::Activity activity = joinedGps();
        if (!withHeartRate)
            activity.samples.erase(activity.samples.begin(), activity.samples.begin() + 2);
        DataFileWriter::Options basic = kUs;
        basic.basicDataOnly = true;
        const QStringList written = lines(DataFileBytes(activity, basic));
        EXPECT_EQ(written[27], "duration(s),hr,speed(mph),distance(mi),data_flag");
        EXPECT_EQ(written.last(), R"("7.14","0","6.2","0.018","1")");
    }
}

TEST(DataFileWriter, GpsSamplesWithoutFixStateGetTheShortHeader) {
    DataFile::Activity activity = joinedGps();
    activity.samples[2].acqStatus.reset();
    EXPECT_EQ(lines(DataFileBytes(activity, kUs))[27], "duration(s),hr,speed(mph),distance(mi),data_flag");
}

TEST(DataFileWriter, EmptyValuesOfASampleAreWrittenAsZero) {
    DataFile::Activity activity = joinedGps();
    DataFile::Sample &gpsSample = activity.samples[2];
    gpsSample.duration.reset();
    gpsSample.speed.reset();
    gpsSample.latitude.reset();
    gpsSample.longitude.reset();
    gpsSample.altitude.reset();
    EXPECT_EQ(lines(DataFileBytes(activity, kUs))[30],
              R"("0","0","0","0.006","2","0.0","0.0","","3","90","80")");
}

TEST(DataFileWriter, SampleSpeedAndDistanceRoundHalvesToEven) {
    const struct {
        double speed;
        double distance;
        const char *row;
    } cases[] = {
        {2.25, 0.0625, R"("0","0","2.2","0.062","1")"},
        {8.25, 0.1875, R"("0","0","8.2","0.188","1")"},
        {8.36, 1.0004, R"("0","0","8.4","1","1")"},
        {12.96, 10.9999, R"("0","0","13","11","1")"},
    };
    for (const auto &c : cases) {
        DataFile::Activity activity = heartRateOnly();
        DataFile::Sample speed = heartRate(0, 0);
        speed.type = DataFile::kSpeedSample;
        speed.speed = c.speed;
        speed.distance = c.distance;
        activity.samples = {speed};
        EXPECT_EQ(lines(DataFileBytes(activity, kUs)).last(), c.row) << c.speed << " " << c.distance;
    }
}

TEST(DataFileWriter, StartIsMonthDayYearWithTwoDigitTimes) {
    const struct {
        const char *start;
        const char *line;
    } cases[] = {
        {"2026-08-05 07:03:09", "Sessiondate=8/5/2026 07:03:09"},
        {"2004-12-31 23:59:00", "Sessiondate=12/31/2004 23:59:00"},
        {"2010-01-01 00:00:00", "Sessiondate=1/1/2010 00:00:00"},
    };
    for (const auto &c : cases) {
        DataFile::Activity activity = handEntered();
        activity.session.start = QDateTime::fromString(c.start, "yyyy-MM-dd HH:mm:ss");
        EXPECT_EQ(lines(DataFileBytes(activity, kUs))[3], c.line);
    }
}

TEST(DataFileWriter, EveryLineBreakOfTheDescriptionBecomesTheMarker) {
    const struct {
        QString description;
        const char *line;
    } cases[] = {
        {"two\r\nlines", "description=two^^lines"},
        {"lone\nfeed", "description=lone^^feed"},
        {"lone\rreturn", "description=lone^^return"},
        {"a = b", "description=a = b"},
    };
    for (const auto &c : cases) {
        DataFile::Activity activity = handEntered();
        activity.session.description = c.description;
        const QStringList written = lines(DataFileBytes(activity, kUs));
        ASSERT_EQ(written.size(), 25) << c.line;
        EXPECT_EQ(written[13], c.line);
    }
}

TEST(DataFileWriter, EmptyFieldsHaveEmptyValues) {
    DataFile::Activity activity = handEntered();
    activity.session.distance.reset();
    activity.session.description.reset();
    activity.session.maxSpeed.reset();
    const QStringList written = lines(DataFileBytes(activity, kUs));
    EXPECT_EQ(written[11], "distance=");
    EXPECT_EQ(written[13], "description=");
    EXPECT_EQ(written[16], "maxSpeed=");
}

TEST(DataFileWriter, TextIsWindows1252UnlessItHoldsOtherCharacters) {
    DataFile::Activity activity = handEntered();
    activity.session.description = QString::fromUtf8("Café 5 €");
    EXPECT_TRUE(DataFileBytes(activity, kUs).contains("description=Caf\xE9 5 \x80\r\n"));

    // Nothing is lost to the code page: such a file is UTF-8 throughout.
    activity.session.description = QString::fromUtf8("Łódź €");
    EXPECT_TRUE(DataFileBytes(activity, kUs)
                    .contains("description=\xC5\x81\xC3\xB3"
                              "d\xC5\xBA \xE2\x82\xAC\r\n"));
    // Nor to the reader, which would take the code page's bytes of "Ã©" for the UTF-8 of "é".
    activity.session.description = QString::fromUtf8("Ã©t");
    EXPECT_TRUE(DataFileBytes(activity, kUs).contains("description=\xC3\x83\xC2\xA9t\r\n"));
}

TEST(DataFileWriter, FileNumbersHaveNoGroupingNorTrailingZeros) {
    const struct {
        double value;
        const char *text;
    } cases[] = {
        {12.5, "12.5"},
        {3, "3"},
        {0, "0"},
        {-0.1275, "-0.1275"},
        {1234567.25, "1234567.25"},
        {3.57 * 5, "17.85"},
        {0.00001, "0.00001"},
        {-0.0, "0"},
        {45.5001, "45.5001"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FileNumber(c.value), c.text) << c.value;
}

} // namespace
