#pragma once

namespace preferences {

// The main window's calendar starts its weeks on the day that gStartOfWeek names: Monday for
// "Monday", Sunday otherwise.
void ShowWeekStartInMainCalendar();

} // namespace preferences
