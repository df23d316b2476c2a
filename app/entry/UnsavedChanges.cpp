#include "entry/UnsavedChanges.h"

#include "core/modLocalisation.h"
#include "platform/Dialogs.h"

namespace entry {

bool LeaveUnsaved(QWidget *window) {
    using namespace platform::dialogs;
    constexpr int kLeaveWithoutSaving = 1868;
    return message(modLocalisation::LoadResString(kLeaveWithoutSaving), "Runvella", Icon::Question,
                   Buttons::YesNo, window) == Answer::Yes;
}

} // namespace entry
