#pragma once

namespace modTransfer {

// Erases every session in the recorder's memory. True when the library reports success;
// otherwise the athlete is told why (title "Velko Data Recorder") and the memory is as the
// library left it.
bool ClearRecorderMemory();

} // namespace modTransfer
