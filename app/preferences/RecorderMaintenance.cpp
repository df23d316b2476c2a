#include "preferences/RecorderMaintenance.h"

#include "core/DeviceErrorMessages.h"
#include "core/DeviceLibrary.h"
#include "core/Globals.h"
#include "core/modHelpersFiles.h"
#include "core/modHelpersFormatting.h"
#include "core/modLocalisation.h"

#include <QDir>
#include <QFile>

#include <optional>
#include <stdexcept>
#include <vector>

namespace preferences {
namespace {

using platform::dialogs::Icon;

constexpr std::int32_t kNoReply = 1;
constexpr std::int32_t kNotConnected = 5;
constexpr std::int32_t kBuffersTooSmall = 6;
constexpr int kNoData = 1485;
constexpr std::size_t kBytesPerLine = 16;
// More than any recorder holds: a larger size asked for is no memory image.
constexpr std::uint32_t kLargestImage = 16 * 1024 * 1024;

const DeviceLibrary::Exports &library() {
    if (const DeviceLibrary::Exports *exports = DeviceLibrary::exports())
        return *exports;
    throw std::runtime_error("The device library liblogger.so could not be loaded.");
}

QString text(int id) {
    return modLocalisation::LoadResString(id);
}

RecorderReport notFound() {
    return {text(1482), Icon::Critical};
}

// What a failed command tells, by the library's last error.
RecorderReport failure(std::int32_t code) {
    if (code == kNoReply || code == kNotConnected)
        return notFound();
    if (const auto known = ClearFailureMessage(code))
        return {known->text, known->icon};
    return {text(1780).replace("%X", QString::number(code)), Icon::Critical};
}

// The recorder's memory image, or the last error of the read that failed.
struct MemoryImage {
    std::vector<std::uint8_t> bytes;
    std::optional<std::int32_t> error;
};

// Offers the room of the shared receive buffer first; when the library says the image needs
// more, reads once more into a buffer of the size it asked for.
MemoryImage readMemoryImage(const DeviceLibrary::Exports &device) {
    MemoryImage image;
    image.bytes.resize(static_cast<std::size_t>(kDeviceBufferOffered));
    for (int attempt = 0; attempt < 2; ++attempt) {
        auto length = static_cast<std::uint32_t>(image.bytes.size());
        const bool read = device.GetEEPROMData(image.bytes.data(), &length) != 0;
        if (read && length <= image.bytes.size()) {
            image.bytes.resize(length);
            image.error.reset();
            return image;
        }
        // A length beyond the room offered is never read from, whatever the result said.
        image.error = read ? kBuffersTooSmall : device.GetLastDeviceError();
        if (image.error != kBuffersTooSmall || length <= image.bytes.size() || length > kLargestImage)
            break;
        image.bytes.assign(length, 0);
    }
    image.bytes.clear();
    return image;
}

// Both files, or neither: the path of the file that could not be written.
std::optional<QString> writeBoth(const QString &binPath, const QString &textPath,
                                 const std::vector<std::uint8_t> &bytes) {
    if (!modHelpers::WriteBytesToFile(binPath, bytes, bytes.size()))
        return binPath;
    const QByteArray hex = MemoryHexText(bytes);
    const std::span<const std::uint8_t> hexBytes(reinterpret_cast<const std::uint8_t *>(hex.constData()),
                                                 static_cast<std::size_t>(hex.size()));
    if (modHelpers::WriteBytesToFile(textPath, hexBytes, hexBytes.size()))
        return std::nullopt;
    // An image without its text beside it would pair with an older text.
    QFile::remove(binPath);
    return textPath;
}

} // namespace

RecorderReport SynchroniseRecorderClock() {
    const DeviceLibrary::Exports &device = library();
    device.SuppressInternalBoxes();
    if (device.SyncDeviceTime() != 0)
        return {text(1504), Icon::Information};
    return failure(device.GetLastDeviceError());
}

RecorderReport ClearRecorderMemory() {
    const DeviceLibrary::Exports &device = library();
    device.SuppressInternalBoxes();
    if (device.ClearDeviceMemory() != 0)
        return {text(1517), Icon::Information};
    return failure(device.GetLastDeviceError());
}

RecorderReport SaveRecorderMemory(const QString &folder) {
    const DeviceLibrary::Exports &device = library();
    device.SuppressInternalBoxes();
    const std::int32_t connected = device.ConnectToDevice();
    if (connected == 0 || device.GetLastDeviceError() != 0) {
        device.ReleaseDevice();
        return notFound();
    }
    const MemoryImage image = readMemoryImage(device);
    device.ReleaseDevice();
    device.GetLastDeviceError();
    if (image.error)
        return failure(*image.error);
    if (image.bytes.empty())
        return {text(kNoData), Icon::Information};

    const QDir dir(folder);
    const QString binPath = dir.filePath(kMemoryImageFile);
    const QString textPath = dir.filePath(kMemoryTextFile);
    if (const auto unwritten = writeBoth(binPath, textPath, image.bytes))
        return {text(1782).replace("%X", QDir::toNativeSeparators(*unwritten)), Icon::Critical};
    return {text(1781).replace("%X", QDir::toNativeSeparators(folder)), Icon::Information};
}

QByteArray MemoryHexText(std::span<const std::uint8_t> bytes) {
    QByteArray hex;
    hex.reserve(static_cast<qsizetype>(bytes.size() * 3 + bytes.size() / kBytesPerLine * 2 + 2));
    for (std::size_t index = 0; index < bytes.size(); ++index) {
        hex += modHelpers::ByteToHex(bytes[index]).toLatin1();
        hex += ' ';
        if ((index + 1) % kBytesPerLine == 0 || index + 1 == bytes.size())
            hex += "\r\n";
    }
    return hex;
}

} // namespace preferences
