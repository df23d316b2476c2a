#include "transport/ReportDescriptor.h"

#include <vector>

namespace logger {
namespace {

// Short items: the prefix byte holds the tag (high four bits), the type and the data size.
enum ItemType { kMain = 0, kGlobal = 1 };
enum MainTag { kInput = 0x8, kOutput = 0x9 };
enum GlobalTag { kReportSize = 0x7, kReportId = 0x8, kReportCount = 0x9, kPush = 0xA, kPop = 0xB };
constexpr std::uint8_t kLongItemPrefix = 0xFE;

// The globals that size the main items, as Push and Pop keep them.
struct Globals {
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint32_t reportId = 0;
};

std::size_t bytesWithId(std::uint64_t bits) {
    return bits == 0 ? 0 : std::size_t((bits + 7) / 8 + 1);
}

} // namespace

ReportLengths reportLengthsOf(std::span<const std::uint8_t> descriptor, std::uint8_t reportId) {
    Globals globals;
    std::vector<Globals> pushed;
    std::uint64_t outputBits = 0;
    std::uint64_t inputBits = 0;
    for (std::size_t at = 0; at < descriptor.size();) {
        const std::uint8_t prefix = descriptor[at];
        if (prefix == kLongItemPrefix) {
            if (at + 1 >= descriptor.size())
                break;
            at += 3 + descriptor[at + 1];
            continue;
        }
        const std::size_t size = (prefix & 0x03) == 3 ? 4 : prefix & 0x03;
        if (at + 1 + size > descriptor.size())
            break;
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < size; ++i)
            value |= std::uint32_t{descriptor[at + 1 + i]} << (8 * i);
        at += 1 + size;

        const int type = (prefix >> 2) & 0x03;
        const int tag = prefix >> 4;
        if (type == kGlobal) {
            if (tag == kReportSize)
                globals.reportSize = value;
            else if (tag == kReportCount)
                globals.reportCount = value;
            else if (tag == kReportId)
                globals.reportId = value;
            else if (tag == kPush)
                pushed.push_back(globals);
            else if (tag == kPop && !pushed.empty()) {
                globals = pushed.back();
                pushed.pop_back();
            }
        } else if (type == kMain && globals.reportId == reportId && (tag == kInput || tag == kOutput)) {
            const std::uint64_t bits = std::uint64_t{globals.reportSize} * globals.reportCount;
            (tag == kOutput ? outputBits : inputBits) += bits;
        }
    }
    return {bytesWithId(outputBits), bytesWithId(inputBits)};
}

} // namespace logger
