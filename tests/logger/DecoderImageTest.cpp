#include "DecoderTestSupport.h"

#include "decoder/DateDigits.h"

using namespace decodertest;
using encoder::Bytes;
using logger::DecoderMode;
using logger::DecodeStop;

namespace {

const encoder::DateTime kLaterStart{2009, 11, 28, 22, 59, 58};
const encoder::DateTime kLaterEnd{2009, 11, 29, 0, 0, 1};

// One session of each kind, the last repeating the kind before it.
std::vector<encoder::Session> everyKind() {
    using namespace encoder;
    return {
        sampleSession(kStart, kEnd, {100, 101, 102}, 0x00),
        sampleSession(kLaterStart, kLaterEnd, {60, 61}, 0x1F),
        recordSession(kStart, kEnd, {shortTrack(1, 2), timeMark(kStart), shortTrack(3, 4)}, 0x20),
        mixedSession(kLaterStart, kLaterEnd,
                     {sampleUnit(90), recordUnit(fullTrack(7, 8, 9, 10)), sampleUnit(91, 0x35),
                      recordUnit(fullTrack(11, 12, 13, 14), 0x2F), sampleUnit(92, 0x00)}),
        sampleSession(kStart, kEnd, {70}, 0x50), // repeats "both": its one byte is a selector
        recordSession(kStart, kEnd, {}, 0x20),
    };
}

} // namespace

TEST(DecoderImage, DateTimeDigits) {
    EXPECT_EQ(logger::dateDigits({5, 4, 3, 1, 0, 8}),
              (logger::DateDigits{2, 0, 0, 8, 0, 1, 0, 2, 0, 3, 0, 4, 0, 5}));
    EXPECT_EQ(logger::dateDigits({59, 59, 23, 30, 11, 123}),
              (logger::DateDigits{2, 1, 2, 3, 1, 2, 3, 1, 2, 3, 5, 9, 5, 9}));
}

TEST(DecoderImage, EverySessionKindRoundTrips) {
    const auto decoder = decode(encoder::encodeImage(everyKind()));
    EXPECT_EQ(decoder.stopReason(), DecodeStop::None);
    EXPECT_EQ(decoder.bytesLeft(), 0u);

    const auto samples = sampleEntries(decoder);
    ASSERT_EQ(samples.size(), 3u);
    EXPECT_EQ(samples[0].samples, (Bytes{100, 101, 102}));
    EXPECT_EQ(samples[0].start, (encoder::Digits{2, 0, 0, 8, 0, 1, 0, 2, 0, 3, 0, 4, 0, 5}));
    EXPECT_EQ(samples[0].end, encoder::digitsOf(kEnd));
    EXPECT_EQ(samples[1].samples, (Bytes{60, 61}));
    EXPECT_EQ(samples[1].start, encoder::digitsOf(kLaterStart));
    EXPECT_EQ(samples[2].samples, (Bytes{90, 91, 92}));

    const auto records = recordEntries(decoder);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].recordMode, 1);
    EXPECT_EQ(encoder::splitRecords(records[0].records),
              (std::vector<Bytes>{encoder::shortTrack(1, 2), encoder::timeMark(kStart),
                                  encoder::shortTrack(3, 4)}));
    EXPECT_EQ(records[1].recordMode, 5);
    EXPECT_EQ(encoder::splitRecords(records[1].records),
              (std::vector<Bytes>{encoder::fullTrack(7, 8, 9, 10), encoder::fullTrack(11, 12, 13, 14)}));
    EXPECT_EQ(records[1].start, samples[2].start) << "a mixed session's two entries share their date-times";
    EXPECT_EQ(records[1].end, encoder::digitsOf(kLaterEnd));
}

TEST(DecoderImage, BlocksOfAnySizeGiveTheSameResult) {
    const Bytes image = encoder::encodeImage(everyKind());
    const auto whole = decode(image);
    for (std::size_t blockSize : {1u, 7u, 255u, 256u}) {
        logger::MemoryImageDecoder decoder(DecoderMode::Decoded, static_cast<std::uint32_t>(image.size()));
        for (std::size_t at = 0; at < image.size(); at += blockSize) {
            // As an input report: byte 0 is the report id, not data.
            Bytes report{0xAA};
            report.insert(report.end(), image.begin() + at,
                          image.begin() + std::min(image.size(), at + blockSize));
            decoder.ParseUploadBlock(report, 1);
        }
        EXPECT_TRUE(std::ranges::equal(decoder.primary(), whole.primary())) << blockSize;
        EXPECT_TRUE(std::ranges::equal(decoder.secondary(), whole.secondary())) << blockSize;
        EXPECT_EQ(decoder.counters(), whole.counters()) << blockSize;
    }
}

TEST(DecoderImage, BytesBeyondTheAnnouncedSizeAreNotTaken) {
    Bytes image = encoder::encodeImage({encoder::sampleSession(kStart, kEnd, {100})});
    const auto announced = static_cast<std::uint32_t>(image.size());
    image.insert(image.end(), 300, 0x20);
    logger::MemoryImageDecoder decoder(DecoderMode::Decoded, announced);
    decoder.ParseUploadBlock(image);
    EXPECT_TRUE(decoder.done());
    EXPECT_EQ(decoder.stopReason(), DecodeStop::None);
    EXPECT_EQ(sampleEntries(decoder).size(), 1u);
}

TEST(DecoderImage, UnparsedModeCopiesTheImage) {
    const Bytes image = encoder::encodeImage(everyKind());
    const auto decoder = decode(image, DecoderMode::Unparsed);
    EXPECT_TRUE(std::ranges::equal(decoder.primary(), image));
    EXPECT_TRUE(decoder.secondary().empty());
    EXPECT_TRUE(decoder.dataPresent());
}

TEST(DecoderImage, EqualDirectoryEntriesStopWithBytesLeft) {
    Bytes image = encoder::encodeImage({encoder::sampleSession(kStart, kEnd, {100, 110})});
    encoder::setDirectoryEntry(image, 1, encoder::directoryEntry(image, 0));
    const auto decoder = decode(image);
    EXPECT_EQ(decoder.stopReason(), DecodeStop::NoMoreSessions);
    EXPECT_GT(decoder.bytesLeft(), 0u);
    EXPECT_TRUE(decoder.primary().empty());
    EXPECT_TRUE(decoder.secondary().empty());
    EXPECT_FALSE(decoder.dataPresent());
}

TEST(DecoderImage, UnknownFirstKindStops) {
    const auto decoder = decode(encoder::encodeImage({encoder::sampleSession(kStart, kEnd, {100}, 0x70)}));
    EXPECT_EQ(decoder.stopReason(), DecodeStop::NoMoreSessions);
}

TEST(DecoderImage, AFullDirectoryHoldsOneHundredTwentyEightSessions) {
    std::vector<encoder::Session> sessions(127, encoder::sampleSession(kStart, kEnd, {100}));
    EXPECT_EQ(sampleEntries(decode(encoder::encodeImage(sessions))).size(), 127u)
        << "the last entry ends them";

    // The 128th session takes the last entry: nothing follows it but the end of the data.
    sessions.push_back(encoder::sampleSession(kStart, kEnd, {100, 130}));
    const auto decoder = decode(encoder::encodeImage(sessions));
    EXPECT_EQ(decoder.stopReason(), DecodeStop::None);
    EXPECT_EQ(decoder.bytesLeft(), 0u);
    const auto entries = sampleEntries(decoder);
    ASSERT_EQ(entries.size(), 128u);
    EXPECT_EQ(entries.back().samples, (Bytes{100, 130}));

    // Too little data after the last entry for a session's frame.
    Bytes cut = encoder::encodeImage(sessions);
    cut.resize(cut.size() - 16 + 10);
    EXPECT_EQ(decode(cut).stopReason(), DecodeStop::SessionTooShort);
    EXPECT_EQ(sampleEntries(decode(cut)).size(), 127u);
}

// Faults in the image or too little room end the decoding, keep every entry decoded before the
// faulty session and never leave a partial entry.
TEST(DecoderImageFaults, KeepWholeEntriesOfTheSessionsBefore) {
    using namespace encoder;
    const Session good = mixedSession(kStart, kEnd, {sampleUnit(100), recordUnit(shortTrack(1, 1))});

    const auto entryOutside = [&] {
        Bytes image = encodeImage({good, sampleSession(kStart, kEnd, {100, 100})});
        setDirectoryEntry(image, 2, directoryEntry(image, 2) + 1);
        return image;
    };
    const auto tooShort = [&] {
        Bytes image = encodeImage({good, sampleSession(kStart, kEnd, {})});
        setDirectoryEntry(image, 2, directoryEntry(image, 1) + 5);
        return image;
    };
    const auto truncatedRecord = [&](std::uint8_t kindByte) {
        Session cut = recordSession(kStart, kEnd, {shortTrack(2, 2), shortTrack(3, 3)}, kindByte);
        cut.body.pop_back();
        return encodeImage({good, cut, good});
    };
    const auto truncatedMixedRecord = [&] {
        Session cut = mixedSession(kStart, kEnd, {sampleUnit(100), recordUnit(shortTrack(2, 2))});
        cut.body.pop_back();
        return encodeImage({good, cut});
    };
    const struct {
        const char *name;
        Bytes image;
        std::size_t primaryCapacity;
        std::size_t secondaryCapacity;
        DecodeStop reason;
    } cases[] = {
        {"entry outside the image", entryOutside(), 1000, 1000, DecodeStop::EntryOutsideImage},
        {"session too short", tooShort(), 1000, 1000, DecodeStop::SessionTooShort},
        {"truncated record", truncatedRecord(0x20), 1000, 1000, DecodeStop::TruncatedRecord},
        {"truncated record of a mixed session", truncatedMixedRecord(), 1000, 1000,
         DecodeStop::TruncatedRecord},
        {"primary buffer full", encodeImage({good, good}), 33 + 33 - 1, 1000, DecodeStop::ResultBufferFull},
        {"secondary buffer full", encodeImage({good, good}), 1000, 38 + 38 - 1, DecodeStop::ResultBufferFull},
    };
    for (const auto &c : cases) {
        logger::MemoryImageDecoder decoder(DecoderMode::Decoded, static_cast<std::uint32_t>(c.image.size()),
                                           c.primaryCapacity, c.secondaryCapacity);
        decoder.ParseUploadBlock(c.image);
        EXPECT_EQ(decoder.stopReason(), c.reason) << c.name;
        EXPECT_TRUE(decoder.done()) << c.name;
        const auto samples = readSampleEntries(decoder.primary());
        const auto records = readRecordEntries(decoder.secondary());
        ASSERT_TRUE(samples && records) << c.name;
        ASSERT_EQ(samples->size(), 1u) << c.name;
        EXPECT_EQ(samples->front().samples, Bytes{100}) << c.name;
        EXPECT_EQ(records->size(), 1u) << c.name;
    }
}

TEST(DecoderImageFaults, GapsCannotGrowTheSecondaryBufferPastItsCapacity) {
    using namespace encoder;
    // A two-byte gap marker becomes a 17-byte record.
    std::vector<Bytes> records{fullTrack(1, 1, 1, 1)};
    records.insert(records.end(), 100, gapMarker());
    const Bytes image = encodeImage({recordSession(kStart, kEnd, records)});
    const auto decoder = decode(image, DecoderMode::Decoded, 1000, image.size());
    EXPECT_EQ(decoder.stopReason(), DecodeStop::ResultBufferFull);
    EXPECT_TRUE(decoder.secondary().empty());
}
