#pragma once

#include <QString>

// The library's own string table, compiled in: the texts of its message boxes (ids 1 to 27),
// in English whatever the language, and of its progress dialog (50000, 50001), in five
// languages at offsets 0, 1000, 2000, 3000 and 4000 from the English id.
namespace logger {

inline constexpr int kCaptionString = 3;

// The text of the id (for the progress texts English id + language offset); empty for an
// unknown id.
QString libraryString(int fullId);

// The caption of every message box of the library.
QString libraryCaption();

} // namespace logger
