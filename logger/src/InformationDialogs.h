#pragma once

#include "protocol/DeviceClock.h"

// Two small thank-you notes of the recorder's makers. Setting the recorder's clock to one
// particular moment arms them; after more than four (and at most eighteen) upload size
// commands, the next successful clearing of the memory or synchronising of the clock shows one.
namespace logger {

enum class InformationDialog { MemoryCleared = 101, ClockSynchronised = 103 };

// The moment that arms the notes, as clock command fields (1 January 2007, 12:34:56).
inline constexpr ClockFields kInformationDialogMoment = {56, 34, 12, 0, 0, 7};

void noteCommandForInformationDialogs(int command);
void noteClockForInformationDialogs(const ClockFields &fields);

// Shows the note, modally over the active window, when it is due, and disarms the trigger.
void showInformationDialogIfDue(InformationDialog dialog);

} // namespace logger
