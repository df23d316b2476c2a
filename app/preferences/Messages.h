#pragma once

#include "platform/Dialogs.h"

#include <QString>

class QWidget;

// The message boxes of the preferences windows: string-table texts under the program's title.
namespace preferences {

QString Text(int id);

platform::dialogs::Answer Say(int id, platform::dialogs::Icon icon, QWidget *parent,
                              platform::dialogs::Buttons buttons = platform::dialogs::Buttons::Ok);

// A setting that could not be stored: message 1490 and the failure's number.
void SayNotSaved(long number, QWidget *parent);

} // namespace preferences
