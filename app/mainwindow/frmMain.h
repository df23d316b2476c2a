#pragma once

#include "core/Globals.h"
#include "core/HTMLHelp.h"
#include "core/clsLayout.h"
#include "mainwindow/MonthView.h"
#include "mainwindow/TimePeriods.h"
#include "platform/Clock.h"
#include "sessionview/SessionPane.h"
#include "summary/SummaryGraphs.h"

#include <QDate>
#include <QMainWindow>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class ImageBox;
class QAction;
class QChartView;
class QComboBox;
class QLabel;
class QMenu;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace platform::localmessage {
class Listener;
}

class frmMain;

// The main window while there is one.
inline frmMain *gMainForm = nullptr;
// The custom period last applied, which the period list's first entry names.
inline QDate gRangeStart;
inline QDate gRangeEnd;

// The program's main window: the calendar and the day's activities on the left, the graph pane
// with its choice lists and image links on the right, and the menus of every command.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // Readies the window before it is first shown. Throws platform::db::DbError when the
    // database cannot be read or written.
    void Form_Load();

    // The day the window takes as today: the periods, the list at load and the compaction at
    // close follow it.
    std::function<QDate()> today = [] { return platform::clock::today(); };

    void TurnOffImageLinks();

    // The graph, period and sport or zone lists (frmMainPeriods.cpp).
    void showMainGraph();
    // Applies the period chosen in Combo2 and redraws; reports its failure itself.
    void ChangeTimePeriod();
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void lblNote_Click();
    // Makes the range the period of the summary graphs and the first entry of the period list,
    // named by the range's days joined by the word of string joiningWordId, and draws it.
    void ApplyCustomPeriod(const TimePeriods::DateRange &range, int joiningWordId);

    // Menus and image links (frmMainCommands.cpp).
    void RunBrowser(const QString &url, std::int16_t showCommand);
    void launchSetupWizard();
    void mnuFileSynchronize_Click();
    void mnuAddActivity_Click();
    void mnuFileImport_Click();
    void mnuExport_Click();
    void mnuNMEAExport_Click();
    void mnuUpload_Click();
    void mnuViewOptions_Click();
    void mnuTargets_Click();
    void mnuMergeSessions_Click();
    void mnuHelpContents_Click();
    void mnuProductPartners_Click();
    // Shows the about window modally and returns when it is closed.
    void mnuHelpAbout_Click();
    void resImage_Click(int index);
    void resImage_MouseDown(int index, Qt::MouseButton button);
    void resImage_MouseUp(int index, Qt::MouseButton button);
    void resImagePlot_Click();
    void resSummary_Click();
    void ImgInternational_Click();

    // The calendar and the list of activities (frmMainActivityList.cpp).
    void DisplayActivity(QDate firstDay, QDate lastDay, std::int16_t line);
    void MonthView1_DateClick();
    void MonthView1_GetDayBold(QDate startDay, int count);
    void ApplyCalendarRange();
    void ListView1_ItemClick();
    void ListView1_DblClick();
    // Enter edits the selected activity, Delete deletes it; true when the key was one of them.
    bool ListView1_KeyDown(int key);
    // Deletes the activity selected in the list after the athlete confirms it.
    void mnuDeleteActivity_Click();
    // The calendar's bold days.
    void MarkActivityDay(QDate startDay, QDate endDay);
    void ClearDayMark(QDate day);

    // One activity's graph (frmMainSessionView.cpp).
    void ReloadGraphSelection(std::int64_t key);
    void showSessionGraph(std::int64_t key);

    // The listener for the recorder's connected message and for later starts of the program.
    void HookMainWindow();
    void UnhookMainWindow();
    bool Hooked = false;

    QMenu *mnuFile;
    QAction *mnuFileSynchronize;
    QAction *mnuFileBar0;
    QAction *mnuAddActivity;
    QAction *mnuDeleteActivity;
    QAction *mnuFileBar00;
    QAction *mnuFileImport;
    QAction *mnuExport;
    QAction *mnuNMEAExport;
    QAction *mnuFileBar000;
    QAction *mnuUpload;
    QAction *mnuFileBar1;
    QAction *mnuFileExit;
    QMenu *mnuView;
    QAction *mnuViewOptions;
    QAction *mnuTargets;
    QAction *mnuMergeSessions;
    QMenu *mnuHelp;
    QAction *mnuHelpContents;
    QAction *mnuProductPartners;
    QAction *mnuHelpBar0;
    QAction *mnuHelpAbout;

    MonthView *MonthView1;
    QTreeWidget *ListView1;
    QLabel *lblInternational;
    ImageBox *ImgInternational;

    QLabel *lblSelectGraph;
    QComboBox *Combo1;
    QLabel *Label3;
    QComboBox *Combo2;
    QLabel *Label1;
    QComboBox *Combo3;
    QLabel *lblGraphLeft1;
    QComboBox *cmbGraph1;
    QLabel *lblGraphLeft2;
    QLabel *lblGraphRight1;
    QComboBox *cmbGraph2;
    QLabel *lblGraphRight2;
    QLabel *GraphLabel;
    QChartView *TChart3;
    QLabel *lblNote;
    QToolBar *Toolbar2;
    ImageBox *resSummary;
    ImageBox *resImagePlot;
    // Each element is named "resImage" and carries its number in the property "Index".
    std::array<ImageBox *, 7> resImage;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The three ways to delete an activity differ in small steps.
    enum class DeleteForm { Key, Menu, ImageLink };

    void buildMenus();
    void connectCommands();
    void connectPeriods();
    void connectActivityList();
    void buildCalendarSide(QWidget *area);
    void buildGraphSide(QWidget *area);
    void Form_Unload();
    void layOut();
    void arrangeChoiceLines();
    void restoreWindowSize();
    void storeWindowSize();
    void showWindowPicture();
    void messageArrived(const QString &message);
    void connectSessionView();
    void cmbGraph1_Click();
    void cmbGraph2_Click();
    void storeGraphChoice(const QComboBox &list, const char *column);
    sessionview::SessionPane sessionPane() const;
    void showMergedActivity(std::int64_t key);

    summary::SummaryPane summaryPane();
    void fillGraphList();
    void fillPeriodList(const QString &rangeEntry);
    void rememberSportOrZone();
    void fillSideList(int graph);
    void drawSummaryGraph(int graph);
    void askCustomPeriod();

    void showActivityColumns();
    void sizeActivityColumns();
    void showNoActivities();
    QTreeWidgetItem *selectedLine() const;
    std::optional<SessionKey> selectedActivity() const;
    void editSelectedActivity();
    void deleteSelectedActivity(DeleteForm form);
    void markDay(QDate day);

    QLabel *picture_ = nullptr; // behind every other control
    int shownPeriodEntry_ = 0;  // the entry of Combo2 whose period the summary graphs show
    bool linkPressed_ = false;
    platform::localmessage::Listener *listener_ = nullptr;
    clsLayout layout_;
    // Unseen labels that name the series lists for screen readers.
    QLabel *leftSeriesName_ = nullptr;
    QLabel *rightSeriesName_ = nullptr;
    // Closes the help windows when the main window closes.
    HTMLHelp help_;
};
