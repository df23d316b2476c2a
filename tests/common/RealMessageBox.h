#pragma once

#include "platform/Dialogs.h"

#include <QStringList>

namespace testing {

struct RealMessageBox {
    QStringList captions; // of its Ok, Cancel, Yes and No buttons, those it has, in that order
    platform::dialogs::Answer answer;
};

// Shows a real message box (no test's answers), reads its button captions from inside its own
// event loop and presses the last of them.
RealMessageBox showRealMessageBox(platform::dialogs::Buttons buttons);

} // namespace testing
