#pragma once

class QWidget;

// The analysis windows, as the main window and the entry window open them.
namespace analysis {

// The track plot with its course statistics of the current activity, modal without an owner.
void showPlotTrack();

// The table of lines behind the graph on screen (gGraphTable), modal.
void showTabularData(QWidget *owner);

// The course statistics of the current activity, modal.
void showStats(QWidget *owner);

} // namespace analysis
