#include "AnalysisFixture.h"

#include "analysis/CourseSamples.h"
#include "analysis/ListRoom.h"
#include "analysis/ReportList.h"
#include "analysis/TrackPlot.h"
#include "analysis/frmPlotTrack.h"
#include "analysis/frmStats.h"
#include "analysis/frmTabularData2.h"
#include "common/ScriptedDialogs.h"
#include "sessionview/SessionGraphTitles.h"

#include <QAccessible>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

using analysis::ListWidths;

TEST(WholeColumnsWidth, EndsTheViewAtTheEdgeOfAColumn) {
    QTableWidget list(3, 4);
    for (const auto &[column, width] : {std::pair{0, 100}, {1, 150}, {2, 200}, {3, 120}})
        list.setColumnWidth(column, width);
    const int edges = 2 * list.frameWidth();
    const int tall = analysis::HeightForRows(list, 10);
    const struct {
        const char *name;
        ListWidths widths;
        int width;
    } cases[] = {
        {"every column shows at the designed width", {300, 600, 900}, 600},
        {"the screen has room for every column", {300, 400, 900}, 570 + edges},
        {"the widest that shows whole columns", {200, 400, 500}, 450 + edges},
        {"narrower than designed to show whole columns", {200, 400, 440}, 250 + edges},
        {"no column edge between the narrowest and the widest", {300, 400, 440}, 440},
    };
    for (const auto &c : cases)
        EXPECT_EQ(analysis::WholeColumnsWidth(list, tall, c.widths), c.width) << c.name;

    // Rows beyond the view bring a vertical scroll bar, which takes its width from the columns.
    const int bar =
        analysis::WholeColumnsWidth(list, analysis::HeightForRows(list, 2), {200, 400, 900}) - (570 + edges);
    EXPECT_GT(bar, 0);
    EXPECT_LT(bar, 40);
}

TEST(FitColumnsToEntries, WidensAColumnToItsLongestEntryInAnyRowUpToTheRoomGiven) {
    QTableWidget list;
    analysis::PrepareReportList(&list, true);
    analysis::SetColumns(&list, {"A", "B", "C"}, {40, 200, 40});
    for (int row = 0; row < 1200; ++row)
        analysis::AddRow(&list, {"short", "short", "short"});
    const QString longest = "the longest entry, in the last row";
    analysis::AddRow(&list, {longest, "x", QString(400, 'W')});

    analysis::FitColumnsToEntries(&list, 300);
    EXPECT_GT(list.columnWidth(0), list.fontMetrics().horizontalAdvance(longest));
    EXPECT_EQ(list.columnWidth(1), 200) << "never narrower than it was";
    EXPECT_EQ(list.columnWidth(2), 300) << "no wider than the room given";
}

struct ListWindow {
    const char *name;
    std::function<std::unique_ptr<QWidget>()> open;
    std::function<QTableWidget *(QWidget &)> list;
    QStringList names; // for screen readers, in English and in German
    std::function<QPushButton *(QWidget &)> ok;
};

class ListRoomTest : public AnalysisFixture {
protected:
    void SetUp() override {
        AnalysisFixture::SetUp();
        gPrimaryUnit = "km";
        gCurrentSessionKey = addGpsActivity(20, 100); // 10 miles: more rows than the lists show
    }
    void TearDown() override {
        gLanguageOffset = 0;
        AnalysisFixture::TearDown();
    }

    template <typename Window, typename Control>
    static std::function<Control *(QWidget &)> controlOf(Control *Window::*control) {
        return [control](QWidget &window) { return static_cast<Window &>(window).*control; };
    }

    static std::vector<ListWindow> windows() {
        return {
            {"track plot",
             [] { return std::make_unique<frmPlotTrack>(); },
             controlOf(&frmPlotTrack::lstStats),
             {"Marker Statistics", "Markierungsstatistik"},
             controlOf(&frmPlotTrack::cmdOK)},
            {"course statistics",
             [] { return std::make_unique<frmStats>(); },
             controlOf(&frmStats::lstStats),
             {"Marker Statistics", "Markierungsstatistik"},
             controlOf(&frmStats::cmdOK)},
            {"table viewer",
             [] {
                 // The widest table of an activity's graph: a joined activity with positions.
                 gGraphTable = {sessionview::TableHeadings(20, true, gPrimaryUnit)};
                 for (int line = 0; line < 30; ++line)
                     gGraphTable << "00:00:02\t0.006\t5.6\t10:44\t67.7\t0\t132";
                 return std::make_unique<frmTabularData2>();
             },
             controlOf(&frmTabularData2::lstTabData),
             {"Tabular Data", "Tabellendaten"},
             controlOf(&frmTabularData2::Command1)},
            {"table of the track's samples",
             [] {
                 gGraphTable = analysis::TrackTableLines(analysis::ReadCourseSamples(gCurrentSessionKey),
                                                         gPrimaryUnit, gUseSmoothing);
                 return std::make_unique<frmTabularData2>();
             },
             controlOf(&frmTabularData2::lstTabData),
             {"Tabular Data", "Tabellendaten"},
             controlOf(&frmTabularData2::Command1)},
        };
    }

    static void showLaidOut(QWidget &window) {
        window.show();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QApplication::processEvents();
    }

    testing::ScriptedDialogs dialogs;
};

TEST_F(ListRoomTest, EachListOpensWithSixRowsAndTheHeadingsItShowsAndEveryEntryWholeInEveryLanguage) {
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    for (const int offset : {0, 1000, 2000, 3000, 4000}) {
        gLanguageOffset = offset;
        for (const ListWindow &opened : windows()) {
            SCOPED_TRACE(std::string(opened.name) + " in language " + std::to_string(offset));
            const std::unique_ptr<QWidget> window = opened.open();
            showLaidOut(*window);
            const QTableWidget &list = *opened.list(*window);
            EXPECT_LE(window->frameGeometry().width(), screen.width());
            EXPECT_LE(window->frameGeometry().height(), screen.height());
            EXPECT_GE(list.viewport()->height(), 6 * list.verticalHeader()->defaultSectionSize());

            const QHeaderView &headings = *list.horizontalHeader();
            const int view = list.viewport()->width();
            EXPECT_GE(headings.sectionSize(0), headings.sectionSizeHint(0));
            for (int column = 0; column < headings.count(); ++column) {
                const int left = headings.sectionViewportPosition(column);
                const QString heading = list.horizontalHeaderItem(column)->text();
                if (left < view) {
                    EXPECT_LE(left + headings.sectionSize(column), view) << heading.toStdString();
                    EXPECT_LE(headings.sectionSizeHint(column), headings.sectionSize(column))
                        << heading.toStdString();
                }
                EXPECT_LE(static_cast<const QAbstractItemView &>(list).sizeHintForColumn(column),
                          headings.sectionSize(column))
                    << heading.toStdString();
            }
        }
    }
}

TEST_F(ListRoomTest, EachListIsNamedAfterWhatItHoldsInTheChosenLanguage) {
    for (const int language : {0, 1}) {
        gLanguageOffset = 3000 * language;
        for (const ListWindow &opened : windows()) {
            const std::unique_ptr<QWidget> window = opened.open();
            QAccessibleInterface *list = QAccessible::queryAccessibleInterface(opened.list(*window));
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(list->text(QAccessible::Name), opened.names[language]) << opened.name;
        }
    }
}

// Tab and Shift+Tab leave the list for the other controls, as in any dialog, and Tab comes round to
// OK and back to the list.
TEST_F(ListRoomTest, TabLeavesEachListAndComesRoundByOk) {
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(QApplication::focusWidget(), &event);
        return QApplication::focusWidget();
    };
    for (const ListWindow &opened : windows()) {
        SCOPED_TRACE(opened.name);
        const std::unique_ptr<QWidget> window = opened.open();
        showLaidOut(*window);
        QApplication::setActiveWindow(window.get());
        QTableWidget *list = opened.list(*window);
        list->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), list);
        EXPECT_NE(press(Qt::Key_Backtab, Qt::ShiftModifier), list);

        list->setFocus();
        std::vector<QWidget *> reached{press(Qt::Key_Tab, Qt::NoModifier)};
        while (reached.back() != list && reached.size() < 20)
            reached.push_back(press(Qt::Key_Tab, Qt::NoModifier));
        EXPECT_EQ(reached.back(), list);
        EXPECT_EQ(std::count(reached.begin(), reached.end(), opened.ok(*window)), 1);
    }
}

} // namespace
