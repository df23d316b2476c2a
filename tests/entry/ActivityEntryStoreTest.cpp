#include "entry/ActivityEntryStore.h"
#include "common/TimeZoneScope.h"
#include "core/LocaleScope.h"
#include "transfer/ActivityFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace ActivityEntryStore;

const QDate kDay(2026, 3, 14);

Form filledForm() {
    Form form;
    form.day = kDay;
    form.start = QTime(7, 45, 10);
    form.sport = 1;
    form.distance = "0";
    form.distanceUnit = "km";
    form.description = "Hill repeats";
    form.hours = "1";
    form.minutes = "2";
    form.seconds = "3";
    return form;
}

class ActivityEntryStoreTest : public ActivityFixture {
protected:
    SessionKey lastKey() { return gConn.lastInsertId(); }

    bool isNull(SessionKey key, const char *name) {
        auto query = gConn.prepare(std::string("select ") + name + " is null from sessions where prkey = ?");
        query.bind(1, key);
        EXPECT_TRUE(query.step());
        return query.columnInt64(0) != 0;
    }
    SessionKey insert(const Form &form) {
        InsertActivity(ReadForm(form, false));
        return lastKey();
    }
};

TEST_F(ActivityEntryStoreTest, ANewActivityStoresTheBoxesAsAnActivityEnteredByHand) {
    Form form = filledForm();
    form.zoneHours[1] = "2";
    form.zoneMinutes[1] = "30";
    form.zoneHours[0] = "1.5";
    form.averageHeartRate = "-140"; // pasted negative numbers are stored as their absolute value
    form.maximumSpeed = "12.5";
    form.averageSpeedUnits = 1;
    form.bestPaceUnits = 2;
    const SessionKey key = insert(form);

    EXPECT_EQ(column(key, "session_type"), 99);
    EXPECT_EQ(column(key, "fromDataRecorder"), 0);
    EXPECT_EQ(column(key, "Sport"), 1);
    EXPECT_EQ(column(key, "Distance"), 0);
    EXPECT_EQ(textOf(key, "distance_unit"), "km");
    EXPECT_EQ(textOf(key, "Description"), "Hill repeats");
    EXPECT_EQ(textOf(key, "session_date"), "2026-03-14");
    EXPECT_EQ(textOf(key, "Session_datetime"), "2026-03-14 07:45:10");
    EXPECT_EQ(column(key, "Duration"), 3723);
    EXPECT_EQ(column(key, "time_zone1"), 5400);
    EXPECT_EQ(column(key, "time_zone2"), 9000);
    EXPECT_TRUE(isNull(key, "time_zone3"));
    EXPECT_EQ(column(key, "avg_HR"), 140);
    EXPECT_TRUE(isNull(key, "max_HR"));
    EXPECT_TRUE(isNull(key, "avg_speed"));
    EXPECT_EQ(column(key, "max_speed"), 12.5);
    EXPECT_EQ(column(key, "avg_Speed_Units"), 1);
    EXPECT_EQ(column(key, "max_Speed_Units"), 0);
    EXPECT_EQ(column(key, "avg_pace_units"), 0);
    EXPECT_EQ(column(key, "max_pace_units"), 2);
}

// 2:30 does not exist where the clocks go forward at 2:00: the start is the moment after the gap.
TEST_F(ActivityEntryStoreTest, AStartTheLocalClockSkipsIsStoredAsTheMomentAfterTheGap) {
    const testing::TimeZoneScope berlin("Europe/Berlin");
    Form form = filledForm();
    form.day = QDate(2026, 3, 29);
    form.start = QTime(2, 30);
    EXPECT_EQ(textOf(insert(form), "Session_datetime"), "2026-03-29 03:30:00");
}

TEST_F(ActivityEntryStoreTest, DurationsAndZonesReadEachBoxOnItsOwn) {
    const struct {
        const char *hours;
        const char *minutes;
        const char *seconds;
        std::int32_t duration;
    } durations[] = {
        {"", "", "", 0},    {"1", "2", "3", 3723}, {"-1", "", "", 3600},
        {"x", "1", "", 60}, {"0.5", "", "", 0},    {"1.5", "", "", 7200},
    };
    for (const auto &c : durations) {
        Form form = filledForm();
        form.hours = c.hours;
        form.minutes = c.minutes;
        form.seconds = c.seconds;
        EXPECT_EQ(ReadForm(form, false).duration, c.duration)
            << c.hours << ":" << c.minutes << ":" << c.seconds;
    }

    const struct {
        const char *hours;
        const char *minutes;
        std::optional<double> added;
        std::optional<double> edited;
    } zones[] = {
        {"", "", std::nullopt, 0}, {"2", "30", 9000, 9000},     {"", "75", 4500, 4500},
        {"1.5", "", 5400, 5400},   {"x", "y", std::nullopt, 0}, {"-1", "", 3600, 3600},
    };
    for (const auto &c : zones) {
        Form form = filledForm();
        form.zoneHours[2] = c.hours;
        form.zoneMinutes[2] = c.minutes;
        EXPECT_EQ(ReadForm(form, false).zones[2], c.added) << c.hours << ":" << c.minutes;
        EXPECT_EQ(ReadForm(form, true).zones[2], c.edited) << c.hours << ":" << c.minutes;
    }
}

TEST_F(ActivityEntryStoreTest, ADurationBeyondTheStoredRangeIsAnOverflow) {
    Form form = filledForm();
    form.hours = "600000";
    EXPECT_THROW(ReadForm(form, false), DurationOverflow);
    form.hours = "";
    form.seconds = "3e9";
    EXPECT_THROW(ReadForm(form, true), DurationOverflow);
}

TEST_F(ActivityEntryStoreTest, NumbersAreReadInTheUsersLocaleInBothModes) {
    const LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    Form form = filledForm();
    form.distance = "12,5";
    form.maximumSpeed = "12,5";
    form.peakHeartRate = "150";
    const SessionKey key = insert(form);
    EXPECT_EQ(column(key, "Distance"), 12.5);
    EXPECT_EQ(column(key, "max_speed"), 12.5);

    form.averageSpeed = "-7,25";
    ASSERT_TRUE(UpdateActivity(key, ReadForm(form, true)));
    EXPECT_EQ(column(key, "avg_speed"), 7.25);
    EXPECT_EQ(column(key, "max_speed"), 12.5);
    EXPECT_EQ(column(key, "max_HR"), 150);
}

TEST_F(ActivityEntryStoreTest, AnEditWritesZeroForEmptyFiguresAndKeepsTheDistanceOfAnEmptyBox) {
    Form form = filledForm();
    form.distance = "5.5";
    form.averageHeartRate = "140";
    const SessionKey key = insert(form);
    EXPECT_TRUE(isNull(key, "time_zone3"));

    form.distance = "";
    form.averageHeartRate = "";
    form.day = QDate(2026, 3, 20);
    form.start = QTime(18, 0, 5);
    const auto previousDay = UpdateActivity(key, ReadForm(form, true));

    EXPECT_EQ(previousDay, kDay);
    EXPECT_EQ(column(key, "Distance"), 5.5);
    for (const char *zeroed : {"avg_HR", "time_zone3", "max_speed"}) {
        EXPECT_FALSE(isNull(key, zeroed)) << zeroed;
        EXPECT_EQ(column(key, zeroed), 0) << zeroed;
    }
    EXPECT_EQ(column(key, "session_type"), 99);
    EXPECT_EQ(textOf(key, "session_date"), "2026-03-20");
    EXPECT_EQ(textOf(key, "Session_datetime"), "2026-03-20 18:00:05");
}

TEST_F(ActivityEntryStoreTest, AnEditWritesItsChangedFieldsAloneAndReadsNothingElse) {
    const SessionKey key = addActivity(5, 3723.6, 5.5, "km");
    gConn.prepare("update sessions set time_zone2 = 62, avg_speed = null where prkey = ?")
        .bind(1, key)
        .execute();
    Form form = filledForm();
    form.hours = "600000"; // a duration kept as stored is never read
    form.zoneMinutes[1] = "3";
    form.averageHeartRate = "141";
    const Fields changed{Field::Zone2, Field::AverageHeartRate};
    const auto previousDay = UpdateActivity(key, ReadForm(form, true, changed), changed);

    EXPECT_EQ(previousDay, QDate(2026, 3, 9));
    EXPECT_EQ(column(key, "time_zone2"), 180);
    EXPECT_EQ(column(key, "avg_HR"), 141);
    EXPECT_EQ(column(key, "Duration"), 3723.6);
    EXPECT_EQ(column(key, "Distance"), 5.5);
    EXPECT_TRUE(isNull(key, "avg_speed"));
    EXPECT_EQ(column(key, "max_HR"), 150);
    EXPECT_EQ(textOf(key, "Session_datetime"), "2026-03-09 07:00:00");
    EXPECT_EQ(UpdateActivity(key, ReadForm(form, true, {}), {}), QDate(2026, 3, 9));
}

TEST_F(ActivityEntryStoreTest, AnEditOfAVanishedActivityWritesNothing) {
    const SessionKey key = insert(filledForm());
    gConn.prepare("delete from sessions where prkey = ?").bind(1, key).execute();
    EXPECT_FALSE(UpdateActivity(key, ReadForm(filledForm(), true)));
    EXPECT_EQ(activityCount(), 0);
}

TEST_F(ActivityEntryStoreTest, ARefusedInsertLeavesNoRow) {
    gConn.executeScript("create trigger refuse after insert on sessions "
                        "begin select raise(abort, 'disk is full'); end");
    EXPECT_THROW(InsertActivity(ReadForm(filledForm(), false)), platform::db::DbError);
    EXPECT_EQ(activityCount(), 0);
}

TEST(ActivityEntryStoreRules, AnEditChangesTheFieldsWhoseBoxesOrListsTheAthleteChanged) {
    Form shown = filledForm();
    shown.averageSpeed = "7.5";
    shown.zoneHours[1] = "0";
    shown.zoneMinutes[1] = "2";
    const struct {
        const char *name;
        std::function<void(Form &)> change;
        Fields changed;
    } cases[] = {
        {"nothing", [](Form &) {}, {}},
        {"spaces around a box", [](Form &f) { f.hours = " 1 "; }, {}},
        {"a zone's minutes", [](Form &f) { f.zoneMinutes[1] = "5"; }, {Field::Zone2}},
        {"a zone typed anew", [](Form &f) { f.zoneHours[4] = "1"; }, {Field::Zone5}},
        {"the seconds", [](Form &f) { f.seconds = "4"; }, {Field::Duration}},
        {"the speed emptied", [](Form &f) { f.averageSpeed.clear(); }, {Field::AverageSpeed}},
        {"the time of day", [](Form &f) { f.start = QTime(8, 0); }, {Field::Start}},
        {"the day", [](Form &f) { f.day = kDay.addDays(1); }, {Field::Day}},
        {"sport and description",
         [](Form &f) {
             f.sport = 2;
             f.description += "!";
         },
         {Field::Sport, Field::Description}},
        {"the distance and its unit",
         [](Form &f) {
             f.distance = "5";
             f.distanceUnit = "mi";
         },
         {Field::Distance, Field::DistanceUnit}},
        {"a unit list", [](Form &f) { f.bestPaceUnits = 2; }, {Field::BestPaceUnits}},
    };
    for (const auto &c : cases) {
        Form now = shown;
        c.change(now);
        EXPECT_EQ(ChangedFields(shown, now), c.changed) << c.name;
    }
}

TEST(ActivityEntryStoreRules, TheSavedDayTurnsBoldWhenItStaysInTheShownMonth) {
    const QDate march14(2026, 3, 14);
    const QDate april2(2026, 4, 2);
    const QDate march1(2026, 3, 1);
    EXPECT_TRUE(MarksDay(false, march14, march1, std::nullopt));
    EXPECT_FALSE(MarksDay(false, april2, march1, std::nullopt));
    EXPECT_FALSE(MarksDay(false, QDate(2025, 3, 14), march1, std::nullopt));
    EXPECT_TRUE(MarksDay(true, march14, april2, QDate(2026, 3, 2)));
    EXPECT_FALSE(MarksDay(true, april2, april2, march14));
    EXPECT_FALSE(MarksDay(true, march14, march1, std::nullopt));
}

TEST_F(ActivityEntryStoreTest, AStoredActivityReadsBackWithItsEmptyValues) {
    const SessionKey recorded = addActivity(5, 3723, 5.1236, "km", "2026-03-09 07:00:00");
    gConn.prepare("update sessions set avg_Speed_Units = 2, max_pace_units = 7 where prkey = ?")
        .bind(1, recorded)
        .execute();
    const auto stored = ReadStored(recorded);
    ASSERT_TRUE(stored);
    EXPECT_TRUE(stored->fromRecorder); // the column's default
    EXPECT_EQ(stored->type, 5);
    EXPECT_EQ(stored->sport, 1);
    EXPECT_EQ(stored->day, QDate(2026, 3, 9));
    EXPECT_EQ(stored->start.time(), QTime(7, 0));
    EXPECT_EQ(stored->duration, 3723);
    EXPECT_EQ(stored->zones[0], 600);
    EXPECT_FALSE(stored->zones[1]);
    EXPECT_EQ(stored->averageSpeedUnits, 2);
    EXPECT_EQ(stored->maximumSpeedUnits, 0);
    EXPECT_EQ(stored->bestPaceUnits, 0); // not a position of the lists
    EXPECT_FALSE(ReadStored(recorded + 1));
}

TEST_F(ActivityEntryStoreTest, ZoneCaptionsShowTheBoundsOrZeroWhenNoZonesAreSet) {
    ZoneCaptions zones = ReadZoneCaptions();
    EXPECT_FALSE(zones.notSet);
    EXPECT_EQ(zones.captions[0], "Z1: 95-113");
    EXPECT_EQ(zones.captions[4], "Z5: 171-190");

    gConn.executeScript("delete from zones");
    zones = ReadZoneCaptions();
    EXPECT_TRUE(zones.notSet);
    EXPECT_EQ(zones.captions[2], "Z3: 0-0");
}

} // namespace
