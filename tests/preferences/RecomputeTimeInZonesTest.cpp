#include "AnswerLater.h"
#include "common/ActivityBuilder.h"
#include "core/DatabaseFixture.h"
#include "core/modLocalisation.h"
#include "preferences/TimeInZonesRecompute.h"
#include "preferences/frmRecomputeTimeInZones.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>

namespace {

using preferences::RecomputesTimeInZones;

class RecomputeTimeInZonesTest : public DatabaseFixture {
protected:
    // Activities whose zone times read -1 until they are recomputed (to 0: they have no samples).
    std::vector<SessionKey> addActivities(std::initializer_list<int> types) {
        std::vector<SessionKey> keys;
        for (const int type : types)
            keys.push_back(testing::ActivityBuilder().type(type).zone(1, -1).store(gConn));
        return keys;
    }
    bool recomputed(SessionKey key) {
        auto query = gConn.prepare("select time_zone1 from sessions where prkey = ?");
        query.bind(1, key);
        query.step();
        return query.columnDouble(0) != -1;
    }
    // Runs the window and presses Close once it offers it.
    static void runToTheEndAndClose(frmRecomputeTimeInZones &window) {
        QTimer closeWhenDone;
        QObject::connect(&closeWhenDone, &QTimer::timeout, [&window] {
            if (window.Command1->text() == modLocalisation::LoadResString(1420))
                window.Command1->click();
        });
        closeWhenDone.start(0);
        window.exec();
    }
    int recomputedCount(const std::vector<SessionKey> &keys) {
        return int(
            std::count_if(keys.begin(), keys.end(), [this](SessionKey key) { return recomputed(key); }));
    }
};

TEST(RecomputesTimeInZones, EveryTypeButSpeedAndGpsModesAndHandEntered) {
    const struct {
        int type;
        bool recomputed;
    } cases[] = {{0, true}, {1, false}, {2, true}, {3, true}, {4, true}, {5, false}, {20, true}, {99, false}};
    for (const auto &c : cases)
        EXPECT_EQ(RecomputesTimeInZones(c.type), c.recomputed) << "type " << c.type;
}

TEST_F(RecomputeTimeInZonesTest, TheRunVisitsEveryActivityAndRecomputesOnlyThoseWithZones) {
    const auto keys = addActivities({0, 1, 5, 99, 20});
    preferences::TimeInZonesRecompute run(gConn);
    EXPECT_EQ(run.total(), 5);
    while (!run.finished())
        run.step();
    EXPECT_EQ(run.done(), 5);
    const bool expected[] = {true, false, false, false, true};
    for (std::size_t i = 0; i < keys.size(); ++i)
        EXPECT_EQ(recomputed(keys[i]), expected[i]) << "activity " << i;
}

TEST_F(RecomputeTimeInZonesTest, NoActivitiesSaysSoAndClosesTheWindow) {
    testing::AnswerLater answers;
    frmRecomputeTimeInZones window;
    EXPECT_EQ(window.exec(), QDialog::Rejected);
    EXPECT_EQ(answers.texts, std::vector<QString>{modLocalisation::LoadResString(1716)});
    EXPECT_FALSE(window.isVisible());
}

TEST_F(RecomputeTimeInZonesTest, AFinishedRunShowsFullProgressAndWaitsForClose) {
    const auto keys = addActivities({0, 1, 5, 99, 20, 0});
    frmRecomputeTimeInZones window;
    runToTheEndAndClose(window);

    EXPECT_EQ(window.ProgressBar1->maximum(), 6);
    EXPECT_EQ(window.ProgressBar1->value(), 6);
    EXPECT_EQ(window.Label1->text(), modLocalisation::LoadResString(1715));
    EXPECT_EQ(recomputedCount(keys), 3);
}

// The progress bar is announced by what the window says, from the start of the run to its end.
TEST_F(RecomputeTimeInZonesTest, TheProgressBarIsNamedByTheStatusShownInTheChosenLanguage) {
    addActivities({0});
    const struct {
        int offset;
        const char *running;
        const char *finished;
    } languages[] = {
        {0, "Recalculating Time in Zones for all activities...", "Time in zone data update is complete."},
        {3000, "Zeit in Zonen wird f\u00fcr alle Aktivit\u00e4ten neu berechnet...",
         "Die Aktualisierung der Zeit-in-Zonen-Daten ist abgeschlossen."},
    };
    for (const auto &language : languages) {
        const QScopedValueRollback chosen(gLanguageOffset, language.offset);
        frmRecomputeTimeInZones window;
        const auto name = [&window] {
            return QAccessible::queryAccessibleInterface(window.ProgressBar1)
                ->text(QAccessible::Name)
                .toStdString();
        };
        EXPECT_EQ(name(), language.running);
        runToTheEndAndClose(window);
        EXPECT_EQ(name(), language.finished);
    }
}

TEST_F(RecomputeTimeInZonesTest, CancelStopsAfterTheActivityInHandAndClosesBeforeSayingSo) {
    const auto keys = addActivities({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    frmRecomputeTimeInZones window;
    int whenTheBoxOpened = -1;
    bool windowShownUnderTheBox = true;
    testing::AnswerLater answers([&] {
        whenTheBoxOpened = recomputedCount(keys);
        windowShownUnderTheBox = window.isVisible();
    });
    // The athlete presses Cancel while the run goes on: the click comes from the event loop.
    QObject::connect(window.ProgressBar1, &QProgressBar::valueChanged, [&window](int value) {
        if (value == 3)
            QTimer::singleShot(0, window.Command1, &QPushButton::click);
    });
    EXPECT_EQ(window.exec(), QDialog::Rejected);
    QCoreApplication::processEvents();

    EXPECT_EQ(answers.texts, std::vector<QString>{modLocalisation::LoadResString(1719)});
    EXPECT_FALSE(windowShownUnderTheBox);
    const int done = recomputedCount(keys);
    EXPECT_EQ(done, whenTheBoxOpened) << "nothing ran while the box was open";
    EXPECT_GE(done, 3);
    EXPECT_LT(done, int(keys.size()));
    for (int i = 0; i < int(keys.size()); ++i)
        EXPECT_EQ(recomputed(keys[i]), i < done)
            << "activity " << i << ": a prefix is done, the rest untouched";
}

} // namespace
