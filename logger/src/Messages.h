#pragma once

class QString;

// The library's failure messages: an information box with the library's caption, shown only
// while message boxes are on (SuppressInternalBoxes / EnableInternalBoxes).
namespace logger {

void showMessage(int stringId);

// A box with the library's caption that shows whatever the switch.
void showNotice(const QString &text);

// Windows exist only on the thread of a widget application. A command-line caller, or one on a
// thread of its own, gets no boxes and no dialogs: creating one there would end its process,
// and the codes tell it everything.
bool windowsAvailable();

} // namespace logger
