#pragma once

namespace modHelpers {

// 1 shows the busy pointer, 0 the normal one; true when it set the pointer. Any other value
// changes nothing and gives false. Scopes that own their busy time use platform::cursor::BusyCursor.
bool SetBusyCursor(int on);

} // namespace modHelpers
