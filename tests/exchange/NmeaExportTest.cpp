#include "exchange/NmeaExport.h"
#include "ExchangeFixture.h"
#include "common/TimeZoneScope.h"
#include "core/GpsDistance.h"
#include "exchange/ExchangeFiles.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

using namespace exchangetest;

using testing::TimeZoneScope;

class NmeaExport : public ExchangeFixture {
protected:
    QString path(const char *name) const { return QDir(home.path()).filePath(name); }

    QStringList exported(SessionKey key) {
        exchange::ExportNmeaFile(key, path("track.txt"));
        QStringList lines = QString::fromLatin1(contents(path("track.txt"))).split("\r\n");
        lines.removeLast();
        return lines;
    }

    SessionKey gpsActivityAt(const char *start) {
        DataFile::Activity activity = joinedGps();
        activity.session.start = QDateTime::fromString(start, "yyyy-MM-dd HH:mm:ss");
        return store(activity);
    }
};

TEST_F(NmeaExport, TimeIsUtcByTheOffsetInForceAtTheStart) {
    const TimeZoneScope newYork("America/New_York");
    const struct {
        const char *start;
        const char *firstTime;
    } cases[] = {
        {"2026-01-15 09:00:00", "140000.00"}, // winter: five hours behind UTC
        {"2026-07-15 09:00:00", "130000.00"}, // summer: four hours
        {"2026-12-31 20:00:00", "010000.00"}, // into the next day in UTC
    };
    for (const auto &c : cases) {
        const QStringList lines = exported(gpsActivityAt(c.start));
        ASSERT_EQ(lines.size(), 7) << c.start;
        EXPECT_EQ(lines[0].section(',', 1, 1), c.firstTime) << c.start;
        EXPECT_EQ(lines[3].section(',', 1, 1), QString(c.firstTime).replace(4, 2, "04")) << "3.57 s later";
    }
    EXPECT_EQ(exported(gpsActivityAt("2026-12-31 20:00:00"))[2].section(',', 9, 9), "010127");
}

TEST_F(NmeaExport, AZoneWithoutDaylightTimeKeepsItsBias) {
    const TimeZoneScope fixed("EST5");
    EXPECT_EQ(exchange::UtcStart(QDateTime(QDate(2026, 7, 15), QTime(9, 0))),
              QDateTime(QDate(2026, 7, 15), QTime(14, 0), Qt::UTC));
    EXPECT_EQ(exported(gpsActivityAt("2026-07-15 09:00:00"))[3].section(',', 1, 1), "140004.00");
}

TEST_F(NmeaExport, ActivitiesWithoutGpsSamplesGiveAnEmptyFile) {
    for (const auto &activity : {handEntered(), heartRateOnly()})
        EXPECT_TRUE(exported(store(activity)).isEmpty());
    DataFile::Activity notRecorded = joinedGps();
    notRecorded.session.fromDataRecorder = false;
    EXPECT_TRUE(exported(store(notRecorded)).isEmpty());
}

TEST_F(NmeaExport, AnActivityThatDoesNotExistWritesNoFile) {
    EXPECT_THROW(exchange::ExportNmeaFile(42, path("none.txt")), exchange::ExchangeError);
    EXPECT_FALSE(QFileInfo::exists(path("none.txt")));
}

struct TrackPoint {
    double latitude = 0;
    double longitude = 0;
    double elevation = 0;
    QDateTime time;
};

std::vector<TrackPoint> readGpx(const QByteArray &gpx) {
    std::vector<TrackPoint> points;
    QXmlStreamReader xml(gpx);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("trkpt"))
            points.push_back({.latitude = xml.attributes().value("lat").toDouble(),
                              .longitude = xml.attributes().value("lon").toDouble(),
                              .elevation = 0,
                              .time = {}});
        else if (xml.name() == QLatin1String("ele") && !points.empty())
            points.back().elevation = xml.readElementText().toDouble();
        else if (xml.name() == QLatin1String("time") && !points.empty())
            points.back().time = QDateTime::fromString(xml.readElementText(), Qt::ISODate);
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return points;
}

TEST_F(NmeaExport, GpsBabelReadsTheTrackAsStored) {
    const QString gpsbabel = QStandardPaths::findExecutable("gpsbabel");
    ASSERT_FALSE(gpsbabel.isEmpty()) << "GPSBabel is missing: scripts/setup installs it";
    const TimeZoneScope berlin("Europe/Berlin");
    DataFile::Activity activity = joinedGps();
    activity.session.start = QDateTime(QDate(2026, 7, 15), QTime(23, 59, 50));
    const double latitudes[] = {52.5163, -33.8688, 0.0001, 45.5002};
    const double longitudes[] = {13.3777, 151.2093, -0.0001, -73.4998};
    const double altitudes[] = {112, 3, -10, 1640.4};
    activity.samples.resize(2);
    for (int i = 0; i < 4; ++i) {
        DataFile::Sample sample = gps(3.57 * i, 5 + i, 0.01 * i, latitudes[i], longitudes[i]);
        sample.altitude = altitudes[i];
        activity.samples.push_back(sample);
    }
    exchange::ExportNmeaFile(store(activity), path("track.txt"));

    QProcess babel;
    babel.start(gpsbabel, {"-i", "nmea", "-f", path("track.txt"), "-o", "gpx", "-F", path("track.gpx")});
    ASSERT_TRUE(babel.waitForFinished(60000));
    ASSERT_EQ(babel.exitCode(), 0) << babel.readAllStandardError().toStdString();

    const std::vector<TrackPoint> points = readGpx(contents(path("track.gpx")));
    ASSERT_EQ(points.size(), 4u);
    const QDateTime utcStart(QDate(2026, 7, 15), QTime(21, 59, 50), Qt::UTC); // summer time: two hours
    const int seconds[] = {0, 4, 7, 11};
    for (int i = 0; i < 4; ++i) {
        EXPECT_LT(GpsDistance(latitudes[i], longitudes[i], points[i].latitude, points[i].longitude), 0.0002)
            << "point " << i;
        EXPECT_NEAR(points[i].elevation, altitudes[i] / 3.28, 0.005) << "point " << i;
        EXPECT_EQ(points[i].time, utcStart.addSecs(seconds[i])) << "point " << i;
    }
}

} // namespace
