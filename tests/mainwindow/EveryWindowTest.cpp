#include "MainWindowFixture.h"
#include "analysis/AnalysisFixture.h"
#include "analysis/CourseSamples.h"
#include "analysis/TrackPlot.h"
#include "analysis/frmPlotTrack.h"
#include "analysis/frmStats.h"
#include "analysis/frmTabularData2.h"
#include "charts/ChartFrame.h"
#include "charts/ShownTexts.h"
#include "core/LocaleScope.h"
#include "core/frmAbout.h"
#include "core/modLocalisation.h"
#include "entry/AddWorkout.h"
#include "entry/frmDailyData.h"
#include "exchange/frmExport.h"
#include "exchange/frmImportProgress.h"
#include "exchange/frmTrenloSync.h"
#include "mainwindow/Form1.h"
#include "preferences/frmActivityList.h"
#include "preferences/frmOptions.h"
#include "preferences/frmRecomputeTimeInZones.h"
#include "preferences/frmWizard1.h"
#include "preferences/frmWizard3.h"
#include "startup/frmSplash.h"
#include "transfer/TransferState.h"
#include "transfer/frmActivitySummary.h"
#include "transfer/frmAskSplice.h"
#include "transfer/frmLowBatt.h"
#include "transfer/frmMerge1.h"
#include "transfer/frmNoUniqueData.h"
#include "transfer/frmRedGreen.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCalendarWidget>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextDocumentFragment>
#include <QTreeView>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace {

// A caption as it shows: accelerator marks gone, "&&" an ampersand.
QString shown(QString text) {
    return text.replace("&&", QString(QChar(1))).remove('&').replace(QChar(1), '&');
}

// A text as compared with the table's: without accelerators, colons and ellipses.
QString bare(const QString &text) {
    QString plain = shown(text).trimmed();
    while (plain.endsWith(':') || plain.endsWith('.'))
        plain.chop(1);
    return plain.trimmed();
}

// The table's English texts that the language gives words of its own.
std::set<QString> englishTranslatedIn(int offset) {
    std::set<QString> texts;
    for (int id = 1000; id < 2000; ++id) {
        const auto english = modLocalisation::FindString(id);
        const auto translated = modLocalisation::FindString(id + offset);
        if (english && translated && bare(*english) != bare(*translated) && !bare(*english).isEmpty())
            texts.insert(bare(*english));
    }
    return texts;
}

// Collects what does not show whole or shows English, one line per fault.
class Inspection {
public:
    Inspection(QWidget &window, int offset) : window_(window), english_(englishTranslatedIn(offset)) {}

    void inspectVisibleControls() {
        for (QWidget *control : window_.findChildren<QWidget *>()) {
            if (!control->isVisibleTo(&window_) || control->window() != &window_)
                continue;
            inspectName(*control);
            if (auto *label = qobject_cast<QLabel *>(control))
                inspect(*label);
            else if (auto *button = qobject_cast<QAbstractButton *>(control))
                inspect(*button);
            else if (auto *frame = qobject_cast<QGroupBox *>(control))
                text(*frame, frame->title(), frame->minimumSizeHint().width() <= frame->width());
            else if (auto *tabs = qobject_cast<QTabBar *>(control))
                inspect(*tabs);
            else if (auto *list = qobject_cast<QComboBox *>(control))
                inspect(*list);
            else if (auto *headings = qobject_cast<QHeaderView *>(control))
                inspect(*headings);
            else if (auto *lines = qobject_cast<QTreeView *>(control))
                inspect(*lines);
            else if (auto *chart = qobject_cast<QChartView *>(control))
                inspect(*chart);
            else if (auto *calendar = qobject_cast<QCalendarWidget *>(control))
                inspect(*calendar);
        }
        text(window_, window_.windowTitle(), true);
    }

    std::set<std::string> faults;

private:
    // The low-battery notice's OK button keeps the text it was designed with in every language.
    bool keepsDesignedText(const QWidget &control) const {
        return window_.inherits("frmLowBatt") && control.objectName() == "cmdOK";
    }

    std::string nameOf(const QWidget &control) const {
        QString path =
            control.objectName().isEmpty() ? control.metaObject()->className() : control.objectName();
        for (const QWidget *up = control.parentWidget(); up && up != &window_; up = up->parentWidget())
            if (!up->objectName().isEmpty() && !up->objectName().startsWith("qt_"))
                path = up->objectName() + '/' + path;
        return path.toStdString();
    }

    void text(const QWidget &control, const QString &caption, bool whole, const char *what = "") {
        if (caption.trimmed().isEmpty())
            return;
        const std::string where = nameOf(control) + what + " \"" + caption.toStdString() + "\"";
        if (!whole)
            faults.insert(where + " is cut off");
        if (english_.count(bare(caption)) && !keepsDesignedText(control))
            faults.insert(where + " is English");
    }

    int widest(const QFontMetrics &metrics, const QString &caption) const {
        int width = 0;
        for (const QString &line : shown(caption).split('\n'))
            width = std::max(width, metrics.horizontalAdvance(line));
        return width;
    }

    void inspect(const QLabel &label) {
        if (label.text().isEmpty() || !label.pixmap().isNull())
            return;
        const bool whole = label.wordWrap() ? label.heightForWidth(label.width()) <= label.height() &&
                                                  label.minimumSizeHint().width() <= label.width()
                                            : label.sizeHint().width() <= label.width() &&
                                                  label.sizeHint().height() <= label.height() + 2;
        text(label, label.text(), whole);
        static const QRegularExpression accelerator("&[^&\\s]");
        if (!label.buddy() && label.textFormat() != Qt::RichText &&
            QString(label.text()).remove("&&").contains(accelerator))
            faults.insert(nameOf(label) + " shows the ampersand of \"" + label.text().toStdString() + "\"");
    }

    void inspect(const QAbstractButton &button) {
        QStyleOptionButton option;
        option.initFrom(&button);
        option.text = button.text();
        option.icon = button.icon();
        option.iconSize = button.iconSize();
        QStyle::SubElement contents = QStyle::SE_PushButtonContents;
        if (qobject_cast<const QCheckBox *>(&button))
            contents = QStyle::SE_CheckBoxContents;
        else if (qobject_cast<const QRadioButton *>(&button))
            contents = QStyle::SE_RadioButtonContents;
        else if (!qobject_cast<const QPushButton *>(&button))
            return;
        const QRect room = button.style()->subElementRect(contents, &option, &button);
        const int iconWidth = button.icon().isNull() ? 0 : button.iconSize().width() + 4;
        const int lines = int(button.text().count('\n')) + 1;
        text(button, button.text(),
             widest(button.fontMetrics(), button.text()) + iconWidth <= room.width() &&
                 lines * button.fontMetrics().lineSpacing() <= room.height() + 2);
    }

    void inspect(const QTabBar &tabs) {
        const int padding = tabs.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &tabs);
        for (int index = 0; index < tabs.count(); ++index) {
            if (!tabs.isTabVisible(index))
                continue;
            const QRect place = tabs.tabRect(index);
            text(tabs, tabs.tabText(index),
                 tabs.rect().contains(place) &&
                     widest(tabs.fontMetrics(), tabs.tabText(index)) + padding <= place.width() + 1,
                 " tab");
        }
    }

    void inspect(QHeaderView &headings) {
        if (headings.orientation() != Qt::Horizontal || !headings.model())
            return;
        for (int column = 0; column < headings.count(); ++column) {
            if (headings.isSectionHidden(column))
                continue;
            const QString heading = headings.model()->headerData(column, Qt::Horizontal).toString();
            const bool stretched = column == headings.count() - 1 && headings.stretchLastSection();
            text(headings, heading,
                 stretched || headings.sectionSizeHint(column) <= headings.sectionSize(column), " heading");
        }
    }

    // The name a screen reader announces. Qt names a drop-down list on Linux by its current entry
    // and leaves its name to the labels that point at it; the frame around a box points at it too,
    // but names the whole group, not the box.
    static QString spokenName(const QWidget &control) {
        QString name;
        if (!qobject_cast<const QComboBox *>(&control))
            name = control.accessibleName();
        QAccessibleInterface *box = QAccessible::queryAccessibleInterface(const_cast<QWidget *>(&control));
        for (const auto &[label, relation] : box->relations(QAccessible::Label))
            if (name.isEmpty() && qobject_cast<const QLabel *>(label->object()))
                name = label->text(QAccessible::Name);
        return name;
    }

    // A box that the athlete fills or chooses in, a list and a calendar are named after what they
    // hold, so that a screen reader does not announce the frame around them, or nothing, instead;
    // and no two of a window share a name. A calendar is read out by the table of its days, which
    // takes its focus.
    void inspectName(const QWidget &control) {
        const bool calendar = qobject_cast<const QCalendarWidget *>(&control);
        const bool box =
            qobject_cast<const QLineEdit *>(&control) || qobject_cast<const QAbstractSpinBox *>(&control) ||
            qobject_cast<const QComboBox *>(&control) || qobject_cast<const QTreeView *>(&control) ||
            qobject_cast<const QListView *>(&control) || qobject_cast<const QProgressBar *>(&control) ||
            calendar;
        const QWidget *up = control.parentWidget();
        if (!box || qobject_cast<const QAbstractSpinBox *>(up) || qobject_cast<const QComboBox *>(up) ||
            (up && qobject_cast<const QCalendarWidget *>(up->parentWidget())))
            return;
        inspectName(control, control);
        if (calendar)
            inspectName(control, *control.focusProxy());
    }

    void inspectName(const QWidget &control, const QWidget &announced) {
        const QString name = spokenName(announced);
        if (name.trimmed().isEmpty()) {
            faults.insert(nameOf(control) + " has no name of its own");
            return;
        }
        text(control, name, true, " name");
        const auto [named, isNew] = names_.try_emplace(name, &control);
        if (!isNew && named->second != &control)
            faults.insert(nameOf(*named->second) + " and " + nameOf(control) + " are both named \"" +
                          name.toStdString() + "\"");
    }

    // Every cell of every line shows its text whole, however far the list has to scroll for it.
    void inspect(QTreeView &lines) { inspectCells(lines, lines, " line"); }

    // The day names and the days show whole in the table of days.
    void inspect(QCalendarWidget &calendar) {
        inspectCells(calendar, *qobject_cast<QTableView *>(calendar.focusProxy()), " day");
    }

    template <typename View> void inspectCells(const QWidget &control, const View &cells, const char *what) {
        const QAbstractItemModel &model = *cells.model();
        for (int line = 0; line < model.rowCount(); ++line) {
            for (int column = 0; column < model.columnCount(); ++column) {
                const QModelIndex cell = model.index(line, column);
                if (cells.isColumnHidden(column) || model.data(cell).toString().isEmpty())
                    continue;
                text(control, model.data(cell).toString(),
                     cells.sizeHintForIndex(cell).width() <= cells.visualRect(cell).width(), what);
            }
        }
    }

    // An entry shows whole in the box, or in the open list with the whole current text as the
    // box's tool tip.
    void inspect(QComboBox &list) {
        QStyleOptionComboBox option;
        option.initFrom(&list);
        option.editable = list.isEditable();
        option.frame = list.hasFrame();
        const int room =
            list.style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list)
                .width() -
            2;
        list.showPopup();
        QAbstractItemView &popup = *list.view();
        const int popupRoom = popup.viewport()->width();
        list.hidePopup();
        for (int entry = 0; entry < list.count(); ++entry) {
            const QString caption = list.itemText(entry);
            const bool inBox = list.fontMetrics().horizontalAdvance(caption) <= room;
            const bool inPopup =
                popup.sizeHintForIndex(list.model()->index(entry, list.modelColumn())).width() <= popupRoom;
            const bool told = entry != list.currentIndex() || list.toolTip() == caption;
            text(list, caption, inBox || (inPopup && told), " entry");
        }
    }

    // Every axis title shows whole on the chart, on one line or two. A graph answers no key, so
    // Tab passes it by rather than stop on silence.
    void inspect(QChartView &view) {
        if (view.focusPolicy() & Qt::TabFocus)
            faults.insert(nameOf(view) + " is a Tab stop that answers no key");
        QChart &chart = *view.chart();
        charts::layOut(chart, chart.size());
        QStringList shownTitles;
        for (const shown::Text &title : shown::titles(chart))
            shownTitles << title.text.simplified();
        for (QAbstractAxis *axis : chart.axes()) {
            if (!axis->isVisible())
                continue;
            const QString title =
                QTextDocumentFragment::fromHtml(axis->titleText()).toPlainText().simplified();
            text(view, title, shownTitles.contains(title), " axis title");
        }
    }

    QWidget &window_;
    std::set<QString> english_;
    std::map<QString, const QWidget *> names_;
};

struct WindowOpener {
    const char *name;
    std::function<std::unique_ptr<QWidget>()> open;
};

class EveryWindowTest : public AnalysisFixture {
protected:
    void SetUp() override {
        AnalysisFixture::SetUp();
        gConn.executeScript("update preferences set Primary_Unit = 'km'");
        gPrimaryUnit = "km";
        gStartOfWeek = "Monday";
        gCurrentGraph.clear();
        activity = addGpsActivity(20);
        gCurrentSessionKey = activity;
        gSpliceKey1 = activity;
        gSpliceKey2 = addGpsActivity(5);
        // An afternoon activity gives the lists of the day their longest date and description.
        const SessionKey afternoon = ActivityBuilder()
                                         .start("2026-03-09 12:17:06")
                                         .type(20)
                                         .duration(4321)
                                         .description("An easy run along the river, then back over the hills")
                                         .store(gConn);
        addTrack(afternoon, 3, 0.1);
    }
    void TearDown() override {
        gLanguageOffset = 0;
        gEditExisting = false;
        gStartOfWeek.clear();
        gExportMode = 1;
        gSpliceKey1 = gSpliceKey2 = 0;
        AnalysisFixture::TearDown();
    }

    static std::unique_ptr<frmMain> mainWindow() {
        auto window = std::make_unique<frmMain>();
        window->today = [] { return QDate(2026, 3, 11); };
        window->Form_Load();
        window->ApplyCustomPeriod({QDate(2026, 12, 1), QDate(2026, 12, 3)}, 1442);
        return window;
    }

    template <typename Window> static WindowOpener opener(const char *name) {
        return {name, [] { return std::make_unique<Window>(); }};
    }

    // A window whose calendar shows the day of the activities.
    template <typename Window> static std::unique_ptr<QWidget> onActivityDay(const QDate &day) {
        auto window = std::make_unique<Window>();
        window->MonthView1->setSelectedDate(day);
        return window;
    }

    std::vector<WindowOpener> openers() {
        const QDate day(2026, 3, 9);
        return {
            {"main window with a custom period", [] { return mainWindow(); }},
            {"main window at its smallest size",
             [] {
                 auto window = mainWindow();
                 window->resize(1, 1);
                 return window;
             }},
            {"main window showing an activity",
             [this] {
                 auto window = mainWindow();
                 window->ReloadGraphSelection(activity);
                 return window;
             }},
            {"main window at its smallest size showing an activity",
             [this] {
                 auto window = mainWindow();
                 window->resize(1, 1);
                 window->ReloadGraphSelection(activity);
                 return window;
             }},
            {"main window at its smallest size showing a graph of a period without data",
             [] {
                 auto window = mainWindow();
                 window->resize(1, 1);
                 window->Combo1->setCurrentIndex(window->Combo1->findData(5));
                 return window;
             }},
            {"splash",
             [] {
                 auto splash = std::make_unique<frmSplash>();
                 splash->Form_Load();
                 return splash;
             }},
            opener<frmAbout>("about"),
            {"custom dates", [day] { return std::make_unique<Form1>(nullptr, day); }},
            {"new activity",
             [] {
                 gEditExisting = false;
                 return std::make_unique<AddWorkout>();
             }},
            {"edited activity",
             [] {
                 gEditExisting = true;
                 return std::make_unique<AddWorkout>();
             }},
            {"daily data", [day] { return std::make_unique<frmDailyData>(day); }},
            opener<frmOptions>("preferences"),
            opener<frmActivityList>("sports"),
            opener<frmWizard1>("wizard"),
            opener<frmWizard3>("wizard's end"),
            opener<frmRecomputeTimeInZones>("recompute"),
            opener<frmStats>("course statistics"),
            opener<frmPlotTrack>("track plot"),
            {"table viewer",
             [] {
                 gGraphTable = analysis::TrackTableLines(analysis::ReadCourseSamples(gCurrentSessionKey),
                                                         gPrimaryUnit, gUseSmoothing);
                 return std::make_unique<frmTabularData2>();
             }},
            {"export",
             [day] {
                 gExportMode = 1;
                 return onActivityDay<frmExport>(day);
             }},
            {"NMEA export",
             [day] {
                 gExportMode = 2;
                 return onActivityDay<frmExport>(day);
             }},
            {"upload",
             [day] {
                 auto upload = std::make_unique<frmTrenloSync>();
                 upload->DTPicker1->setDate(day);
                 return upload;
             }},
            {"merge", [day] { return onActivityDay<frmMerge1>(day); }},
            opener<frmImportProgress>("import progress"),
            opener<frmAskSplice>("splice question"),
            {"activities transferred",
             [this] {
                 auto summary = std::make_unique<frmActivitySummary>();
                 summary->addActivity("9 Mar 2026 07:00 HR & GPS Activity", activity);
                 return summary;
             }},
            opener<frmNoUniqueData>("no unique data"),
            opener<frmRedGreen>("red and green flashes"),
            opener<frmLowBatt>("low battery"),
        };
    }

    // Each language under the user's locale, and under its own, which the athlete who speaks it
    // most likely has.
    static std::vector<std::pair<int, QLocale>> languagesAndLocales() {
        const QLocale users;
        std::vector<std::pair<int, QLocale>> shown;
        for (const auto &[offset, own] : {std::pair(0, QLocale(QLocale::English, QLocale::UnitedStates)),
                                          std::pair(1000, QLocale(QLocale::French, QLocale::France)),
                                          std::pair(2000, QLocale(QLocale::Spanish, QLocale::Spain)),
                                          std::pair(3000, QLocale(QLocale::German, QLocale::Germany)),
                                          std::pair(4000, QLocale(QLocale::Italian, QLocale::Italy))})
            shown.insert(shown.end(), {{offset, users}, {offset, own}});
        return shown;
    }

    // Shows the window at its default size with its layouts done, but runs none of its timers.
    static void showLaidOut(QWidget &window) {
        window.show();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }

    testing::ScriptedDialogs dialogs;
    SessionKey activity = 0;
};

TEST_F(EveryWindowTest, ShowsItsTextsWholeInTheChosenLanguageAndFitsTheScreen) {
    for (const auto &[offset, shown] : languagesAndLocales()) {
        gLanguageOffset = offset;
        const LocaleScope locale(shown);
        for (const WindowOpener &opener : openers()) {
            SCOPED_TRACE(std::string(opener.name) + " in language " + std::to_string(offset) +
                         " and locale " + shown.name().toStdString());
            const std::unique_ptr<QWidget> window = opener.open();
            showLaidOut(*window);
            EXPECT_LE(window->frameGeometry().width(), 1024);
            EXPECT_LE(window->frameGeometry().height(), 768);
            Inspection inspection(*window, offset);
            inspection.inspectVisibleControls();
            // Every tab of a tabbed window in turn.
            for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
                for (int tab = 0; tab < tabs->count(); ++tab) {
                    tabs->setCurrentIndex(tab);
                    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
                    inspection.inspectVisibleControls();
                }
            }
            for (const std::string &fault : inspection.faults)
                ADD_FAILURE() << fault;
        }
    }
}

// A screen reader announces each list of activities by what it holds.
TEST_F(EveryWindowTest, ListsOfActivitiesAreNamedAfterWhatTheyHold) {
    const struct {
        const char *window;
        const char *name;
    } lists[] = {
        {"main window with a custom period", "Activities of the chosen days"},
        {"export", "Activities of the chosen day"},
        {"upload", "Activities to upload"},
        {"merge", "Activities of the chosen day"},
    };
    const std::vector<WindowOpener> windows = openers();
    for (const auto &list : lists) {
        SCOPED_TRACE(list.window);
        const auto opener = std::find_if(windows.begin(), windows.end(), [&](const WindowOpener &each) {
            return each.name == std::string(list.window);
        });
        ASSERT_NE(opener, windows.end());
        const std::unique_ptr<QWidget> window = opener->open();
        const auto *lines = window->findChild<QTreeView *>("ListView1");
        ASSERT_NE(lines, nullptr);
        EXPECT_EQ(lines->accessibleName().toStdString(), list.name);
    }
}

} // namespace
