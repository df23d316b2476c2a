#pragma once

#include <QString>

#include <cstdint>
#include <span>

namespace modHelpers {

// Replaces the file with the first count bytes, creating it when it is missing. The old content
// stays whole unless the new one was written completely; false on any failure, and when count
// is more than the bytes given.
[[nodiscard]] bool WriteBytesToFile(const QString &path, std::span<const std::uint8_t> bytes,
                                    std::size_t count);

} // namespace modHelpers
