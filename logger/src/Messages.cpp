#include "Messages.h"

#include "LibraryState.h"
#include "LibraryStrings.h"

#include "platform/Dialogs.h"

namespace logger {

void showMessage(int englishStringId) {
    if (!state().messageBoxesOn)
        return;
    platform::dialogs::message(localString(englishStringId), libraryCaption(),
                               platform::dialogs::Icon::Information, platform::dialogs::Buttons::Ok);
}

} // namespace logger
