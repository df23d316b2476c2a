// Input: one control byte (decoder mode, result capacity, block size), then a memory image.
// Whatever the image, the decoder must stay inside its buffers, leave only whole entries, and
// give the same result whether the image arrives whole or in blocks.

#include "decoder/MemoryImageDecoder.h"
#include "logger/encoder/ResultReader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

namespace {

void require(bool condition) {
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 1)
        return 0;
    const std::uint8_t control = data[0];
    const std::span<const std::uint8_t> image(data + 1, size - 1);
    const auto mode = static_cast<logger::DecoderMode>(control % 3);
    // Small capacities reach the buffers' limits; large ones let whole images through.
    const std::size_t capacity = (control & 0x04) ? 64 + (control >> 3) * 16 : logger::kDeviceResultCapacity;
    const std::size_t blockSize = 1 + (control >> 3) * 8;
    const auto announced = static_cast<std::uint32_t>(image.size());

    logger::MemoryImageDecoder whole(mode, announced, capacity, capacity);
    whole.ParseUploadBlock(image);
    logger::MemoryImageDecoder blocks(mode, announced, capacity, capacity);
    for (std::size_t at = 0; at < image.size(); at += blockSize)
        blocks.ParseUploadBlock(image.subspan(at, std::min(blockSize, image.size() - at)));

    require(whole.done() && blocks.done());
    require(std::ranges::equal(whole.primary(), blocks.primary()));
    require(std::ranges::equal(whole.secondary(), blocks.secondary()));
    require(whole.stopReason() == blocks.stopReason());
    require(whole.counters() == blocks.counters());
    require(whole.primary().size() <= capacity && whole.secondary().size() <= capacity);
    if (mode != logger::DecoderMode::Unparsed) {
        require(encoder::readSampleEntries(whole.primary()).has_value());
        require(encoder::readRecordEntries(whole.secondary()).has_value());
    }
    return 0;
}
