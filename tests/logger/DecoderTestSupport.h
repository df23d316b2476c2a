#pragma once

#include "decoder/MemoryImageDecoder.h"
#include "logger/encoder/ImageEncoder.h"
#include "logger/encoder/ResultReader.h"

#include <gtest/gtest.h>

namespace decodertest {

inline const encoder::DateTime kStart{2008, 1, 2, 3, 4, 5};
inline const encoder::DateTime kEnd{2008, 1, 2, 3, 30, 0};

inline logger::MemoryImageDecoder decode(const encoder::Bytes &image,
                                         logger::DecoderMode mode = logger::DecoderMode::Decoded,
                                         std::size_t primaryCapacity = logger::kDeviceResultCapacity,
                                         std::size_t secondaryCapacity = logger::kDeviceResultCapacity) {
    logger::MemoryImageDecoder decoder(mode, static_cast<std::uint32_t>(image.size()), primaryCapacity,
                                       secondaryCapacity);
    decoder.ParseUploadBlock(image);
    return decoder;
}

inline std::vector<encoder::SampleEntry> sampleEntries(const logger::MemoryImageDecoder &decoder) {
    auto entries = encoder::readSampleEntries(decoder.primary());
    EXPECT_TRUE(entries.has_value()) << "primary buffer is not a run of whole entries";
    return entries.value_or(std::vector<encoder::SampleEntry>{});
}

inline std::vector<encoder::RecordEntry> recordEntries(const logger::MemoryImageDecoder &decoder) {
    auto entries = encoder::readRecordEntries(decoder.secondary());
    EXPECT_TRUE(entries.has_value()) << "secondary buffer is not a run of whole entries";
    return entries.value_or(std::vector<encoder::RecordEntry>{});
}

// The records of a single record session, decoded.
inline std::vector<encoder::Bytes> decodeRecords(const std::vector<encoder::Bytes> &records,
                                                 logger::DecoderMode mode = logger::DecoderMode::Decoded) {
    const auto decoder = decode(encoder::encodeImage({encoder::recordSession(kStart, kEnd, records)}), mode);
    const auto entries = recordEntries(decoder);
    if (entries.size() != 1)
        return {};
    return encoder::splitRecords(entries[0].records);
}

} // namespace decodertest
