#pragma once

#include "core/HTMLHelp.h"
#include "core/clsLayout.h"
#include "sessionview/SessionPane.h"

#include <QDate>
#include <QMainWindow>

#include <array>
#include <cstdint>

class ImageBox;
class QAction;
class QCalendarWidget;
class QChartView;
class QComboBox;
class QLabel;
class QMenu;
class QToolBar;
class QTreeWidget;

namespace platform::localmessage {
class Listener;
}

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

    void launchSetupWizard();
    void showMainGraph();
    void ChangeTimePeriod();
    void TurnOffImageLinks();
    void mnuFileSynchronize_Click();
    // Deletes the activity selected in the list after the athlete confirms it.
    void mnuDeleteActivity_Click();
    void mnuMergeSessions_Click();
    void mnuHelpContents_Click();
    // Shows the about window modally and returns when it is closed.
    void mnuHelpAbout_Click();

    // The day's activities and one activity's graph (frmMainSessionView.cpp).
    void DisplayActivity(QDate firstDay, QDate lastDay, std::int16_t line);
    void ReloadGraphSelection(std::int64_t key);
    void showSessionGraph(std::int64_t key);
    // The calendar's bold days (frmMainSessionView.cpp).
    void MarkActivityDay(QDate startDay, QDate endDay);
    void ClearDayMark(QDate day);

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

    QCalendarWidget *MonthView1;
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

private:
    void buildMenus();
    void buildCalendarSide(QWidget *area);
    void buildGraphSide(QWidget *area);
    void Form_Unload();
    void restoreWindowSize();
    void storeWindowSize();
    void messageArrived(const QString &message);
    void connectSessionView();
    void cmbGraph1_Click();
    void cmbGraph2_Click();
    void storeGraphChoice(const QComboBox &list, const char *column);
    sessionview::SessionPane sessionPane() const;
    void showMergedActivity(std::int64_t key);

    platform::localmessage::Listener *listener_ = nullptr;
    clsLayout layout_;
    // Closes the help windows when the main window closes.
    HTMLHelp help_;
};
