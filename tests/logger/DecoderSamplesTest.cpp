#include "DecoderTestSupport.h"

using namespace decodertest;
using encoder::Bytes;
using logger::DecoderMode;

namespace {

Bytes decodeSamples(const Bytes &samples, DecoderMode mode = DecoderMode::Decoded) {
    const auto entries =
        sampleEntries(decode(encoder::encodeImage({encoder::sampleSession(kStart, kEnd, samples)}), mode));
    return entries.size() == 1 ? entries[0].samples : Bytes{};
}

} // namespace

TEST(DecoderSamples, GapsAreFilled) {
    const struct {
        const char *name;
        Bytes stored;
        Bytes decoded;
    } cases[] = {
        {"interpolated upward", {100, 2, 2, 130}, {100, 110, 120, 130}},
        {"interpolated downward", {130, 0, 3, 100}, {130, 120, 110, 100}},
        {"fractions truncated", {100, 1, 101}, {100, 100, 101}},
        {"at the start take the first value", {1, 1, 50}, {50, 50, 50}},
        {"255 closes gaps with the last value", {100, 4, 255, 120}, {100, 100, 120}},
        {"gaps pending at the end close with the last value", {90, 100, 4, 0}, {90, 100, 100, 100}},
        {"255 without gaps adds nothing", {100, 255, 110}, {100, 110}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(decodeSamples(c.stored), c.decoded) << c.name;
}

TEST(DecoderSamples, RawModeCopiesTheStoredBytes) {
    EXPECT_EQ(decodeSamples({100, 2, 2, 130, 255}, DecoderMode::Raw), (Bytes{100, 2, 2, 130, 255}));
}

TEST(DecoderSamples, SessionWithoutValuesLeavesNoEntryAndNoGapsForTheNext) {
    const auto image = encoder::encodeImage({encoder::sampleSession(kStart, kEnd, {2, 2, 4, 255, 0}),
                                             encoder::sampleSession(kStart, kEnd, {100, 110})});
    const auto decoder = decode(image);
    const auto entries = sampleEntries(decoder);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].samples, (Bytes{100, 110}));
    EXPECT_TRUE(decoder.dataPresent());
}

TEST(DecoderSamples, PacketCountersCountSampleBytes) {
    const auto decoder =
        decode(encoder::encodeImage({encoder::sampleSession(kStart, kEnd, {100, 0, 4, 4, 255, 1})}));
    const logger::PacketCounters &c = decoder.counters();
    EXPECT_EQ(c.samples, 3u);
    EXPECT_EQ(c.zeroSamples, 1u);
    EXPECT_EQ(c.fourSamples, 2u);
}
