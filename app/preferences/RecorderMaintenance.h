#pragma once

#include "platform/Dialogs.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <span>

// The recorder's maintenance outside a transfer: setting its clock, clearing its memory and
// saving an image of its memory for inspection. Each says how it went; none shows anything
// itself. Throws std::runtime_error when the device library cannot be loaded.
namespace preferences {

struct RecorderReport {
    QString text;
    platform::dialogs::Icon icon = platform::dialogs::Icon::Information;

    bool operator==(const RecorderReport &) const = default;
};

// The title of the recorder functions' message boxes.
inline constexpr const char *kRecorderTitle = "Velko Data Recorder";

// The files of the memory image, in the folder given.
inline constexpr const char *kMemoryImageFile = "eeprom.bin";
inline constexpr const char *kMemoryTextFile = "eeprom.txt";

// Sets the recorder's clock to the computer's.
RecorderReport SynchroniseRecorderClock();

// Clears the recorder's memory; the caller has asked first.
RecorderReport ClearRecorderMemory();

// Reads the recorder's memory image and writes it whole into the memory image file and, as
// hexadecimal text, into the memory text file of the folder. A failed read writes nothing; a
// failed write leaves neither new file.
RecorderReport SaveRecorderMemory(const QString &folder);

// Two upper-case hexadecimal digits and a blank for each byte, 16 bytes a line, each line ended
// by a carriage return and a line feed.
QByteArray MemoryHexText(std::span<const std::uint8_t> bytes);

} // namespace preferences
