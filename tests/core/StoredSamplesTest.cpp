#include "core/StoredSamples.h"
#include "DatabaseFixture.h"

#include <QString>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;
using platform::db::Null;

class StoredSamplesTest : public DatabaseFixture {
protected:
    void SetUp() override {
        DatabaseFixture::SetUp();
        // Stored out of time order; the speed and GPS samples at 3 s share their time.
        add(4, 0, 150.4, Null{}, Null{}, Null{}, Null{}, Null{}, Null{}, Null{});
        add(1, 2, Null{}, 6, 0.1, 120, 45.1, -73.2, 3, 90);
        add(0, 0, Null{}, Null{}, Null{}, Null{}, Null{}, Null{}, Null{}, Null{});
        add(3, 1, Null{}, 5, 0.2, Null{}, Null{}, Null{}, Null{}, Null{});
        add(3, 2, Null{}, 7, 0.25, 130, 45.2, -73.3, 2, 95);
        add(2, Null{}, 99, Null{}, Null{}, Null{}, Null{}, Null{}, Null{}, Null{});
        gConn
            .prepare(
                "insert into sessiondata (session_prkey, cum_duration, data_type, Hr) values (2, 1, 0, 80)")
            .execute();
    }

    template <typename... Values> void add(const Values &...values) {
        gConn
            .prepare(
                "insert into sessiondata (session_prkey, cum_duration, data_type, Hr, Speed, cum_distance, "
                "Altitude, Lat, Long, ACQStatus, TrueHeading) values (1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
            .bindAll(values...)
            .execute();
    }

    static std::string text(const std::optional<double> &value) {
        return value ? QString::number(*value).toStdString() : "-";
    }

    Texts read(std::optional<SampleKind> kind, const SampleColumns &columns) {
        Texts samples;
        ReadSamples(gConn, 1, kind, columns, [&](const StoredSample &s) {
            samples.push_back(QStringLiteral("%1 %2 %3 %4 %5 ")
                                  .arg(s.seconds)
                                  .arg(s.dataType)
                                  .arg(s.hr)
                                  .arg(s.speed)
                                  .arg(s.distance)
                                  .toStdString() +
                              text(s.altitude) + ' ' + text(s.latitude) + ' ' + text(s.longitude) + ' ' +
                              std::to_string(s.acqStatus) + ' ' +
                              QString::number(s.trueHeading).toStdString());
        });
        return samples;
    }
};

// Each text: seconds, data_type, hr, speed, distance, altitude, latitude, longitude, status, heading.
TEST_F(StoredSamplesTest, ReadsTheSamplesOfAKindInTimeOrderWithTheAskedForColumnsOnly) {
    const struct {
        const char *name;
        std::optional<SampleKind> kind;
        SampleColumns columns;
        Texts samples;
    } cases[] = {
        {"every kind; a missing data_type reads 0",
         std::nullopt,
         {.seconds = true, .dataType = true, .hr = true},
         {"0 0 0 0 0 - - - 0 0", "1 2 0 0 0 - - - 0 0", "2 0 99 0 0 - - - 0 0", "3 1 0 0 0 - - - 0 0",
          "3 2 0 0 0 - - - 0 0", "4 0 150.4 0 0 - - - 0 0"}},
        {"heart rate; a missing rate reads 0",
         SampleKind::HeartRate,
         {.seconds = true, .hr = true},
         {"0 0 0 0 0 - - - 0 0", "4 0 150.4 0 0 - - - 0 0"}},
        {"speed and GPS; a missing altitude or position is none",
         SampleKind::Speed,
         {.speed = true, .distance = true, .altitude = true, .latitude = true, .longitude = true},
         {"0 0 0 6 0.1 120 45.1 -73.2 0 0", "0 0 0 5 0.2 - - - 0 0", "0 0 0 7 0.25 130 45.2 -73.3 0 0"}},
        {"GPS only",
         SampleKind::Gps,
         {.seconds = true, .acqStatus = true, .headings = true},
         {"1 0 0 0 0 - - - 3 90", "3 0 0 0 0 - - - 2 95"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(read(c.kind, c.columns), c.samples);
    }
}

} // namespace
