#include "mainwindow/MainWindowServices.h"

#include "charts/ChartFrame.h"
#include "core/Globals.h"
#include "core/StoredActivity.h"
#include "core/StoredSamples.h"
#include "core/modLocalisation.h"
#include "mainwindow/frmMain.h"
#include "sessionview/SessionGraphChoice.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>

#include <memory>

namespace mainwindow {
namespace {

constexpr int kHeartRateOnly = 0;
constexpr int kCombined = 20;

QString text(int id) {
    return modLocalisation::LoadResString(id);
}

} // namespace

void LoadMainWindow() {
    auto window = std::make_unique<frmMain>();
    gMainForm = window.get();
    window->Form_Load();
    charts::setUpChart(*window->TChart3->chart());
    // Styled and given its place on the screen now, the window only has to be mapped when shown.
    window->ensurePolished();
    window->winId();
    window.release();
}

void ShowMainWindow() {
    if (gMainForm)
        gMainForm->show();
}

void RunSetupWizard() {
    if (gMainForm)
        gMainForm->launchSetupWizard();
}

void DeleteMainWindow() {
    delete gMainForm;
}

QWidget *Window() {
    return gMainForm;
}

QDate CalendarDay() {
    return gMainForm ? gMainForm->MonthView1->selectedDate() : QDate();
}

void ListCalendarSelection() {
    if (gMainForm)
        gMainForm->DisplayActivity(gMainForm->MonthView1->SelStart(), gMainForm->MonthView1->SelEnd(), 0);
}

void DisplayActivity(QDate firstDay, QDate lastDay, std::int16_t line) {
    if (gMainForm)
        gMainForm->DisplayActivity(firstDay, lastDay, line);
}

void ReloadGraphSelection(SessionKey key) {
    if (gMainForm)
        gMainForm->ReloadGraphSelection(key);
}

void showSessionGraph(SessionKey key) {
    if (gMainForm)
        gMainForm->showSessionGraph(key);
}

void ChangeTimePeriod() {
    if (gMainForm)
        gMainForm->ChangeTimePeriod();
}

void showMainGraph() {
    if (gMainForm)
        gMainForm->showMainGraph();
}

void MarkActivityDay(QDate startDay, QDate endDay) {
    if (gMainForm)
        gMainForm->MarkActivityDay(startDay, endDay);
}

void ClearDayMark(QDate day) {
    if (gMainForm)
        gMainForm->ClearDayMark(day);
}

void ShowActivityChoices(SessionKey key) {
    using namespace sessionview;
    if (!gMainForm)
        return;
    frmMain &main = *gMainForm;
    const auto activity = ReadActivity(key);
    if (!activity)
        return;
    const QString start = GeneralDateText(activity->start);
    if (activity->type == kHeartRateOnly) {
        main.GraphLabel->setText(text(1347) + ' ' + start);
    } else if (const auto choices =
                   ChoicesForType(activity->type, activity->type == kJoinedSession
                                                      ? FirstSampleDataType(key, SampleKind::Speed)
                                                      : std::nullopt)) {
        // The same entries as the main window's own choosers, so that a stored position means the
        // same quantity wherever it is read.
        const QString kind = activity->type == kCombined ? text(1569) + " + " + text(1574) : text(1569);
        main.GraphLabel->setText(kind + ' ' + start);
        FillChoosers(*main.cmbGraph1, *main.cmbGraph2, *choices, key);
        SelectChoices(*main.cmbGraph1, *main.cmbGraph2, *choices, activity->graph1, activity->graph2);
    } else {
        EmptyChoosers(*main.cmbGraph1, *main.cmbGraph2, key);
        return;
    }
    if (main.MonthView1->selectedDate() != activity->start.date())
        main.MonthView1->setSelectedDate(activity->start.date());
}

} // namespace mainwindow
