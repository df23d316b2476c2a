#pragma once

#include <QString>

class QTextBrowser;

// The program's one help window. It outlives whatever opened it, until closeAll() or the user
// closes it.
namespace HelpViewer {

// Opens the help window at the page, or brings the open one to the front showing it.
void showPage(const QString &path);

// Closes the help window, when one is open.
void closeAll();

// The open help window, or nullptr.
QTextBrowser *window();

} // namespace HelpViewer
