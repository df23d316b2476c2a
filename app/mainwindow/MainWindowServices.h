#pragma once

#include "core/SessionKey.h"

#include <QDate>

#include <cstdint>

class QWidget;

// What the other subsystems ask of the main window. Each call does nothing while there is no
// main window, and those that read the database throw platform::db::DbError.
namespace mainwindow {

// Start-up: makes the main window and readies it, still hidden, so that its work can go on while
// the splash is on screen. Throws platform::db::DbError when the database cannot be read or
// written; there is no main window then.
void LoadMainWindow();
// Start-up: shows the main window that LoadMainWindow readied.
void ShowMainWindow();
// Start-up: the first-run wizard over the main window.
void RunSetupWizard();
// Closes the main window for good; nothing when there is none.
void DeleteMainWindow();

// The main window, as the owner of the windows other subsystems open; nullptr while there is none.
QWidget *Window();

// The day chosen in the calendar; an invalid date while there is no main window.
QDate CalendarDay();

// Lists the activities of the calendar's chosen day, or of the days dragged over, again.
void ListCalendarSelection();

// Lists the activities from the first to the last day and selects the line (1-based) when it
// is greater than 0.
void DisplayActivity(QDate firstDay, QDate lastDay, std::int16_t line);

// Refills the two series choice lists for the activity's type.
void ReloadGraphSelection(SessionKey key);

// Draws the activity's graph with the series chosen in the lists.
void showSessionGraph(SessionKey key);

// Applies the period chosen in the period list and redraws the summary graph.
void ChangeTimePeriod();

// Redraws the summary graph chosen in the graph and period lists.
void showMainGraph();

// The calendar's bold days: the first day of an activity that lies within the calendar's
// range (its start and its end day) is shown bold while the calendar shows it.
void MarkActivityDay(QDate startDay, QDate endDay);
// The day is no longer bold: it has no activity left.
void ClearDayMark(QDate day);

// Makes the activity the one the calendar, the graph's caption and the series lists describe,
// as a click on a line of the transfer summary does.
void ShowActivityChoices(SessionKey key);

} // namespace mainwindow
