#include "core/modHelpersCursor.h"

#include "platform/BusyCursor.h"

namespace modHelpers {

bool SetBusyCursor(int on) {
    if (on != 0 && on != 1)
        return false;
    platform::cursor::setBusy(on == 1);
    return true;
}

} // namespace modHelpers
