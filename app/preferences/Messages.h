#pragma once

#include "platform/Dialogs.h"

#include <QDate>
#include <QString>

#include <exception>
#include <vector>

class QWidget;

// The message boxes of the preferences windows: string-table texts under the program's title.
namespace preferences {

QString Text(int id);

platform::dialogs::Answer Say(int id, platform::dialogs::Icon icon, QWidget *parent,
                              platform::dialogs::Buttons buttons = platform::dialogs::Buttons::Ok);

// A setting that could not be stored: message 1490 and the failure's number.
void SayNotSaved(long number, QWidget *parent);
// A setting that the database could not store: message 1490, what stopped it and what to do.
void SayNotSaved(const std::exception &failure, QWidget *parent);

// Choices that the database could not store and that wait in the window: message 1490, what
// stopped them, and that OK stores them once that is mended.
QString ChoicesWaitText(const std::exception &failure);
void SayChoicesWait(const std::exception &failure, QWidget *parent);

// The weeks whose goals stayed where they were when the first day of the week changed, when
// there are any.
void SayGoalsNotMoved(const std::vector<QDate> &weeks, QWidget *parent);

} // namespace preferences
