#pragma once

#include <QString>

#include <optional>

// The string table: every text of the interface by id, in five languages. English texts have
// ids 1300-1751 (and 1060); French, Spanish, German and Italian repeat them at +1000 ... +4000.
namespace modLocalisation {

// The text stored under the full id, when the table has one.
std::optional<QString> FindString(int fullId);

// The text of a base id in the chosen language (base id + gLanguageOffset). A text missing in
// that language falls back to English, so no message is ever shown empty.
QString LoadResString(int baseId);

// The chosen language's code: "en", "fr", "es", "de" or "it".
QString LanguageCode();

// The language offset that a stored "language" setting selects, given the settings store's result
// of reading it: 0 for anything not offered.
int LanguageOffsetFor(long readStatus, int storedValue);

// Gives every message box of the program the button captions of the chosen language.
void LocalizeDialogButtons();

// Says the cause of every database failure the program reports in the chosen language.
void LocalizeFailureCauses();

} // namespace modLocalisation
