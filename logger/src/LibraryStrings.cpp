#include "LibraryStrings.h"

#include <array>
#include <string_view>

namespace logger {
namespace {

constexpr int kLanguageCount = 5;
constexpr int kLanguageStep = 1000;

struct MessageEntry {
    int id;
    std::string_view text;
};

struct ProgressEntry {
    int id;
    std::array<std::string_view, kLanguageCount> texts; // English, French, Spanish, German, Italian
};

constexpr int kFirstProgressId = 50000;

// clang-format off
// The message boxes: English whatever the language.
constexpr MessageEntry kMessages[] = {
    {1, "Device not connected."},
    {2, "Device not found."},
    {3, "VELKO Data Recorder"},
    {4, "Upload in Progress..."},
    {5, "Error in getting version."},
    {6, "Error in getting data size."},
    {7, "Please send command again."},
    {8, "Device memory not cleared."},
    {9, "Time synchronization error."},
    {10, "Operation completed successfully."},
    {11, "Upload has been cancelled."},
    {12, "Error sending command."},
    {13, "Error during upload."},
    {14, "No data to upload."},
    {15, "Insufficient memory space."},
    {16, "An error found in ROM Test."},
    {17, "An error found in RAM Test."},
    {18, "A problem exist in the EEPROM."},
    {19, "Error in reading manufacturing options."},
    {20, "Error in changing manufacturing options."},
    {21, "Error in resetting manufacturing options."},
    {22, "Error in upload cancel."},
    {23, "No valid data to display."},
    {24, "Unexpected upload error."},
    {25, "Upload has been interrupted."},
    {26, "Upload is incomplete."},
    {27, "Unable to read the debug mode input file (logger_rom.bin)."},
};

// The progress dialog's texts follow the language.
constexpr ProgressEntry kProgressTexts[] = {
    {50000, {"Upload in progress...", "Téléchargement en marche...", "Upload en marcha...",
             "Daten werden übertragen...", "Upload in progresso..."}},
    {50001, {"Cancel", "Annuler", "Cancelar", "Abbrechen", "Annulla"}},
};
// clang-format on

QString toText(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

QString libraryString(int fullId) {
    if (fullId < kFirstProgressId) {
        for (const MessageEntry &entry : kMessages)
            if (entry.id == fullId)
                return toText(entry.text);
        return {};
    }
    const int language = (fullId - kFirstProgressId) / kLanguageStep;
    const int englishId = fullId - language * kLanguageStep;
    for (const ProgressEntry &entry : kProgressTexts)
        if (entry.id == englishId && language < kLanguageCount)
            return toText(entry.texts[language]);
    return {};
}

QString libraryCaption() {
    return libraryString(kCaptionString);
}

} // namespace logger
