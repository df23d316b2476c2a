#pragma once

// The library's failure messages: an information box with the library's caption, shown only
// while message boxes are on (SuppressInternalBoxes / EnableInternalBoxes).
namespace logger {

void showMessage(int englishStringId);

} // namespace logger
