#include "common/ActivityBuilder.h"
#include "core/DatabaseFixture.h"
#include "core/ImageControls.h"
#include "core/clsLayout.h"
#include "core/modRegistry.h"
#include "mainwindow/WindowPicture.h"
#include "mainwindow/frmMain.h"

#include <QCalendarWidget>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QScopedValueRollback>
#include <QStyleOptionComboBox>
#include <QToolBar>
#include <QTreeWidget>

#include <map>

namespace {

using namespace AnchorFlags;

// A control's place: its rectangle in the area below the menu bar and its distances to the
// window's right and bottom edges (the menu bar's height counts in the bottom one).
struct Place {
    QRect rect;
    int rightMargin;
    int bottomMargin;
};

Place placeIn(const QMainWindow &window, const QWidget *control) {
    const QRect rect(control->mapTo(window.centralWidget(), QPoint(0, 0)), control->size());
    return {rect, window.width() - rect.x() - rect.width(), window.height() - rect.y() - rect.height()};
}

std::string nameOf(const QWidget *control) {
    const QVariant index = control->property("Index");
    std::string name = control->objectName().toStdString();
    if (index.isValid())
        name += '(' + index.toString().toStdString() + ')';
    return name;
}

class frmMainLayoutTest : public DatabaseFixture {
protected:
    // Every control of the window with the anchor it must follow; 0 keeps its designed place.
    std::vector<std::pair<QWidget *, int>> expectedAnchors() const {
        const frmMain &w = window;
        return {{w.TChart3, F},          {w.lblNote, F},         {w.ListView1, L | R | T},
                {w.Combo3, L | R | B},   {w.Label3, R | T},      {w.Combo2, R | T},
                {w.resImage[3], R | T},  {w.resImage[4], R | T}, {w.resImagePlot, R | B},
                {w.resImage[5], R | B},  {w.resImage[6], R | B}, {w.Toolbar2, L | B},
                {w.Combo1, T},           {w.resSummary, T},      {w.lblGraphRight1, R},
                {w.lblGraphRight2, R},   {w.cmbGraph2, R},       {w.Label1, B},
                {w.GraphLabel, W},       {w.MonthView1, 0},      {w.lblSelectGraph, 0},
                {w.cmbGraph1, 0},        {w.lblGraphLeft1, 0},   {w.lblGraphLeft2, 0},
                {w.resImage[0], 0},      {w.resImage[1], 0},     {w.resImage[2], 0},
                {w.ImgInternational, 0}, {w.lblInternational, 0}};
    }

    std::map<QWidget *, Place> placesNow() const {
        std::map<QWidget *, Place> places;
        for (const auto &[control, anchor] : expectedAnchors())
            places[control] = placeIn(window, control);
        return places;
    }

    // Compares every control's place with its designed one after the window grew by `grown`.
    void expectAnchoredPlaces(const std::map<QWidget *, Place> &designed, QSize grown) const {
        for (const auto &[control, anchor] : expectedAnchors()) {
            const Place was = designed.at(control);
            const Place now = placeIn(window, control);
            SCOPED_TRACE(nameOf(control));
            if (anchor & R) {
                EXPECT_EQ(now.rightMargin, was.rightMargin);
            }
            if ((anchor & L) || !(anchor & R)) {
                EXPECT_EQ(now.rect.x(), was.rect.x());
            }
            if (anchor & W) {
                const double scale = double(window.width()) / (window.width() - grown.width());
                EXPECT_EQ(now.rect.width(), qRound(was.rect.width() * scale));
            } else if ((anchor & H) != H && control != window.Combo1) { // it grows to its entries
                EXPECT_EQ(now.rect.width(), was.rect.width());
            }
            if (anchor & B) {
                EXPECT_EQ(now.bottomMargin, was.bottomMargin);
            }
            if ((anchor & T) || !(anchor & B)) {
                EXPECT_EQ(now.rect.y(), was.rect.y());
            }
            if ((anchor & V) != V) {
                EXPECT_EQ(now.rect.height(), was.rect.height());
            }
        }
    }

    // No two of the controls on screen cover each other.
    void expectNoOverlap() const {
        std::vector<QWidget *> shown;
        for (const auto &[control, anchor] : expectedAnchors()) {
            if (control->isVisibleTo(&window))
                shown.push_back(control);
        }
        for (std::size_t first = 0; first < shown.size(); ++first) {
            for (std::size_t second = first + 1; second < shown.size(); ++second)
                EXPECT_FALSE(
                    placeIn(window, shown[first]).rect.intersects(placeIn(window, shown[second]).rect))
                    << nameOf(shown[first]) << " and " << nameOf(shown[second]);
        }
    }

    // The pane as one activity's graph shows it: a speed activity with a few samples.
    void showSessionView() {
        std::vector<testing::SampleRow> samples;
        for (int i = 0; i < 5; ++i)
            samples.push_back({.time = i * 3.57, .type = 1, .speed = 6.0 + i, .distance = i * 0.01});
        const auto key = testing::ActivityBuilder()
                             .start("2026-03-09 17:00:00")
                             .type(1)
                             .duration(30)
                             .unit("mi")
                             .samples(samples)
                             .store(gConn);
        window.ReloadGraphSelection(key);
        window.showSessionGraph(key);
        window.resImagePlot->show();
        window.resSummary->show();
    }

    frmMain window;
};

TEST_F(frmMainLayoutTest, ResizingKeepsEveryControlOnItsAnchors) {
    const auto designed = placesNow();
    window.show();

    window.resize(window.size() + QSize(240, 170));

    expectAnchoredPlaces(designed, QSize(240, 170));
}

TEST_F(frmMainLayoutTest, TheStoredSizeIsLaidOutAtLoadBeforeTheWindowShows) {
    const auto designed = placesNow();
    const QSize design = window.size();
    const auto twips = [this](int pixels) { return pixels * 1440 / window.logicalDpiY(); };
    modRegistry::WriteRegistryValue("HKLM", modRegistry::kProgramKey, "Width", "D",
                                    twips(design.width() + 300));
    modRegistry::WriteRegistryValue("HKLM", modRegistry::kProgramKey, "Height", "D",
                                    twips(design.height() + 200));

    window.Form_Load();

    ASSERT_FALSE(window.isVisible());
    ASSERT_GT(window.width(), design.width() + 250);
    expectAnchoredPlaces(designed, window.size() - design);
}

TEST_F(frmMainLayoutTest, ShrinkingBelowTheDesignedSizeKeepsTheDesignedPlaces) {
    const auto designed = placesNow();
    window.show();
    window.resize(window.size() + QSize(200, 200));

    window.resize(window.size() - QSize(300, 300));

    for (const auto &[control, anchor] : expectedAnchors())
        EXPECT_EQ(placeIn(window, control).rect, designed.at(control).rect) << nameOf(control);
}

TEST_F(frmMainLayoutTest, ControlsOnScreenNeverCoverEachOther) {
    window.Form_Load();
    window.show();
    expectNoOverlap();
    window.resize(window.size() + QSize(400, 300));
    expectNoOverlap();

    showSessionView();
    expectNoOverlap();
    window.resize(window.size() - QSize(400, 300));
    expectNoOverlap();

    // Back to the summary graphs by the period list.
    window.Combo2->setCurrentIndex(window.Combo2->findData(TimePeriods::kLastMonth));
    window.Combo2->setCurrentIndex(window.Combo2->findData(TimePeriods::kThisMonth));
    EXPECT_TRUE(window.Combo1->isVisible());
    EXPECT_FALSE(window.resSummary->isVisible());
    expectNoOverlap();
}

// In every language, at the default size, the series lists show their chosen entries whole with
// nothing covering anything; once the window is wide enough, every list shows every entry whole.
TEST_F(frmMainLayoutTest, TheChoiceListsShowTheirEntriesWholeWhereTheWindowHasRoom) {
    const auto key =
        testing::ActivityBuilder()
            .start("2026-03-09 17:00:00")
            .type(20)
            .samples({{.time = 0, .type = 0, .hr = 120}, {.time = 1, .type = 2, .latitude = 45.5}})
            .store(gConn);
    const auto whole = [](const QComboBox &list, const QString &entry) {
        QStyleOptionComboBox option;
        option.initFrom(&list);
        const QRect room =
            list.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list);
        return list.fontMetrics().horizontalAdvance(entry) <= room.width() - 2;
    };
    for (int offset : {0, 1000, 2000, 3000, 4000}) {
        const QScopedValueRollback language(gLanguageOffset, offset);
        frmMain shown;
        shown.Form_Load();
        shown.show();
        shown.ReloadGraphSelection(key);
        const QWidget *line[] = {shown.lblGraphLeft1,  shown.cmbGraph1,      shown.lblGraphLeft2,
                                 shown.resSummary,     shown.lblGraphRight1, shown.cmbGraph2,
                                 shown.lblGraphRight2, shown.resImage[3]};
        for (std::size_t next = 1; next < std::size(line); ++next)
            EXPECT_LT(line[next - 1]->geometry().right(), line[next]->x()) << offset << nameOf(line[next]);
        for (const QComboBox *list : {shown.cmbGraph1, shown.cmbGraph2})
            EXPECT_TRUE(whole(*list, list->currentText())) << offset << nameOf(list);

        shown.resize(1000, shown.height());
        for (const QComboBox *list : {shown.Combo1, shown.cmbGraph1, shown.cmbGraph2})
            for (int entry = 0; entry < list->count(); ++entry)
                EXPECT_TRUE(whole(*list, list->itemText(entry))) << offset << nameOf(list);
    }
}

TEST_F(frmMainLayoutTest, TheWindowShrinksNoFurtherThanEveryControlStaysWhole) {
    window.Form_Load();
    window.show();
    window.resize(480, 400);

    const QRect area = window.centralWidget()->rect();
    for (const auto &[control, anchor] : expectedAnchors()) {
        if (control->isVisibleTo(&window)) {
            EXPECT_TRUE(area.contains(placeIn(window, control).rect)) << nameOf(control);
        }
    }
}

TEST(WindowPictureTest, CoarseScreensGetTheFirstPictureAndFinerOnesTheSecond) {
    const struct {
        double dotsPerInch;
        int picture;
    } cases[] = {{72, 119}, {96, 119}, {99, 119}, {100, 120}, {120, 120}, {192, 120}, {0, 119}};
    for (const auto &c : cases)
        EXPECT_EQ(WindowPicture::PictureId(c.dotsPerInch), c.picture) << c.dotsPerInch;
}

TEST_F(frmMainLayoutTest, ThePictureLiesBehindTheControlsFromTheTopLeftCorner) {
    window.Form_Load();
    const auto *picture = window.centralWidget()->findChild<QLabel *>("picture");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->geometry(), QRect(0, 0, 10000, 50));
    EXPECT_EQ(window.centralWidget()->children().first(), picture); // lowest of all
}

} // namespace
