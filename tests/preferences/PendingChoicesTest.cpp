#include "preferences/PendingChoices.h"

#include "common/DatabaseFaults.h"
#include "core/DatabaseFixture.h"
#include "core/modLocalisation.h"
#include "platform/FailureCauses.h"
#include "preferences/Messages.h"

#include <sqlite3.h>

#include <functional>
#include <memory>

namespace {

using namespace preferences;

class PendingChoicesTest : public DatabaseFixture {
protected:
    void SetUp() override {
        DatabaseFixture::SetUp();
        // The main window adds the altitude goal to every database before the goals are shown.
        gConn.executeScript("alter table weeklyData add totalAltitude number");
        gStartOfWeek = "Monday";
    }

    const QDate monday{2003, 1, 6};
};

// Every kind of choice reaches the database, and a choice alone is something to store.
TEST_F(PendingChoicesTest, EachChoiceIsStoredInItsColumn) {
    const struct {
        const char *what;
        std::function<void(PendingChoices &)> choose;
        const char *query;
        double expected;
    } cases[] = {
        {"unit", [](PendingChoices &c) { c.unit = "nm"; }, "select Primary_Unit = 'nm' from preferences", 1},
        {"pace", [](PendingChoices &c) { c.paceRange = std::pair(6, 25); },
         "select Pace_Min * 100 + Pace_Max from preferences", 625},
        {"always clear", [](PendingChoices &c) { c.transferOptions[TransferOption::AlwaysClear] = 1; },
         "select alwaysClearDR from preferences", 1},
        {"clip end", [](PendingChoices &c) { c.transferOptions[TransferOption::ClipEnd] = 1; },
         "select clip_end from preferences", 1},
        {"zone mode", [](PendingChoices &c) { c.zoneMode = ZoneMode::ByHand; },
         "select computeZonesUsing = 'man' from preferences", 1},
        {"age", [](PendingChoices &c) { c.age = 44; }, "select age from person", 44},
        {"maximum", [](PendingChoices &c) { c.maximum = 177; }, "select max_hr from person", 177},
        {"goal",
         [this](PendingChoices &c) {
             c.goals[{monday, Goal::TotalDistance}] = 12.5;
         },
         "select totalDistance from weeklyData where theweek = '2003-01-06'", 12.5},
        {"first day", [](PendingChoices &c) { c.firstDayOfWeek = "Sunday"; },
         "select Start_of_Week = 'Sunday' from preferences", 1},
    };
    for (const auto &c : cases) {
        PendingChoices choices;
        c.choose(choices);
        EXPECT_FALSE(choices.empty()) << c.what;
        StoreChoices(gConn, choices);
        EXPECT_EQ(numbers(c.query), std::vector<double>{c.expected}) << c.what;
    }
    EXPECT_TRUE(PendingChoices{}.empty());
}

// A goal typed while weeks started on Monday, stored with the change to Sunday, ends in the week
// that the change gives the other goals.
TEST_F(PendingChoicesTest, AGoalWaitingWithANewFirstDayMovesWithTheStoredGoals) {
    gConn.executeScript("insert into weeklyData (theweek, time_target) values ('2003-01-13', 3600)");
    PendingChoices choices;
    choices.goals[{monday, Goal::TimeTarget}] = 1800;
    choices.firstDayOfWeek = "Sunday";

    EXPECT_TRUE(StoreChoices(gConn, choices).empty());

    EXPECT_EQ(scalar("select count(*) from weeklyData where theweek = '2003-01-05' and time_target = 1800"),
              1);
    EXPECT_EQ(scalar("select count(*) from weeklyData where theweek = '2003-01-12' and time_target = 3600"),
              1);
}

// The database refuses every new week of goals while this lives.
struct RefusedGoals {
    RefusedGoals() {
        gConn.executeScript("create trigger refuse before insert on weeklyData begin select raise(abort, "
                            "'goals refused'); end");
    }
    ~RefusedGoals() { gConn.executeScript("drop trigger refuse"); }
};

// Whether the database refuses the first write or only a later one, no choice is stored.
TEST_F(PendingChoicesTest, WhenTheDatabaseRefusesAnyChoiceNoneIsStored) {
    const struct {
        const char *what;
        std::function<std::shared_ptr<void>()> refuse;
    } cases[] = {
        {"another program holds every write",
         [] { return std::make_shared<testing::OtherProgramsLock>(platform::paths::databasePath()); }},
        {"the goal, written after the unit, is refused", [] { return std::make_shared<RefusedGoals>(); }},
    };
    PendingChoices choices;
    choices.unit = "km";
    choices.goals[{monday, Goal::TotalDistance}] = 12.5;
    for (const auto &c : cases) {
        {
            const auto refusal = c.refuse();
            EXPECT_THROW(StoreChoices(gConn, choices), platform::db::DbError) << c.what;
        }
        EXPECT_EQ(scalar("select Primary_Unit = 'mi' from preferences"), 1) << c.what;
        EXPECT_EQ(scalar("select count(*) from weeklyData"), 0) << c.what;
    }
}

// Choices that wait are never said to be unchanged: the athlete learns what to mend, where the
// athlete can, and that OK then stores them.
TEST(ChoicesWaitText, NamesWhatToMendAndThatOkStoresTheChoices) {
    modLocalisation::LocalizeFailureCauses();
    const auto text = [](int id) { return modLocalisation::LoadResString(id); };
    const struct {
        int code;
        QString shown;
    } cases[] = {
        {SQLITE_BUSY, text(1490) + '\n' + text(1869) + "\n\nengine's text"},
        {SQLITE_FULL, text(1490) + '\n' + text(1870) + "\n\nengine's text"},
        {SQLITE_READONLY, text(1490) + '\n' + text(1871) + "\n\nengine's text"},
        {SQLITE_CORRUPT, text(1490) + '\n' + text(1872) + '\n' + text(1943) + "\n\nengine's text"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ChoicesWaitText(platform::db::DbError(c.code, "engine's text")), c.shown) << c.code;
    platform::failures::setCauseTexts({});
}

TEST_F(PendingChoicesTest, WaitingGoalsShowInTheirOwnWeekOnly) {
    WeeklyGoals stored;
    stored.timeTarget = 3600;
    stored.timeInZone[2] = 600;
    PendingChoices choices;
    choices.goals[{monday, Goal::TimeInZone3}] = 1200;
    choices.goals[{monday, Goal::TotalAltitude}] = 300;
    choices.goals[{monday.addDays(7), Goal::TimeTarget}] = 60;

    WeeklyGoals expected = stored;
    expected.timeInZone[2] = 1200;
    expected.totalAltitude = 300;
    EXPECT_EQ(WithWaitingGoals(stored, monday, choices), expected);
    EXPECT_EQ(WithWaitingGoals(stored, monday.addDays(-7), choices), stored);
}

} // namespace
