#pragma once

#include "sessionview/SessionPane.h"

#include <QString>
#include <QStringList>

class QWidget;

// The chart tools of the main window's graph pane, for a summary graph and an activity's graph.
namespace sessionview {

// What the pane shows, as title lines: the summary graph's name and period, or the caption of
// the activity's graph up to its first run of three blanks.
QStringList GraphDescription(const SessionPane &pane);

// Runs the tool of Toolbar2's button ("save", "print", "clipboard") on the pane's chart.
void Toolbar2_ButtonClick(const SessionPane &pane, const QString &key, QWidget *parent);

} // namespace sessionview
