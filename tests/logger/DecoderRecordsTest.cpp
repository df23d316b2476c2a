#include "DecoderTestSupport.h"

#include "decoder/DeltaRecord.h"

using namespace decodertest;
using encoder::Bytes;
using logger::DecoderMode;
using logger::RecordMode;
using logger::RecordType;

namespace {

logger::RecordBytes recordBytes(const Bytes &r) {
    logger::RecordBytes bytes{};
    std::copy(r.begin(), r.end(), bytes.begin());
    return bytes;
}

struct Track {
    int x;
    int y;
};

Track trackOf(const Bytes &r, std::size_t at = 2) {
    return {((r[at] >> 4) << 8) | r[at + 1], ((r[at] & 0x0F) << 8) | r[at + 2]};
}

Track deltaTrack(int fromY, int toY, int steps, int fromX = 50, int toX = 50) {
    logger::FullTrackReference reference;
    const auto r = logger::DecodeDeltaRecord(
        recordBytes(encoder::shortTrack(fromX, fromY)), recordBytes(encoder::shortTrack(toX, toY)),
        RecordType::ShortTrack, steps, RecordMode::ShortTrack, reference);
    return trackOf(Bytes(r.begin(), r.begin() + 5));
}

} // namespace

TEST(DecoderDeltaRecord, SmallDecreaseOfYHoldsLargeOneWrapsUpward) {
    const struct {
        int fromY, toY, steps, expectedY;
    } cases[] = {
        {4090, 10, 1, 2},       // a decrease of 4080 is a wrap: halfway through it
        {100, 0, 1, 100},       // a decrease of 100 over one step is standing still
        {100, 0, 30, 100},      // within every threshold
        {3000, 1000, 2, 3698},  // 2000 above the two-step threshold: wraps
        {3000, 2000, 2, 3000},  // 1000 below it: holds
        {3000, 2000, 31, 3096}, // beyond 30 steps every decrease wraps
        {10, 40, 2, 20},        // an increase is interpolated
    };
    for (const auto &c : cases)
        EXPECT_EQ(deltaTrack(c.fromY, c.toY, c.steps).y, c.expectedY) << c.fromY << " -> " << c.toY;
    EXPECT_EQ(deltaTrack(100, 0, 1, 100, 300).x, 100) << "a held record carries X too";
    EXPECT_EQ(deltaTrack(10, 40, 2, 100, 190).x, 130);
}

TEST(DecoderRecords, WrapOfYInsideAStream) {
    const auto records = decodeRecords({encoder::shortTrack(50, 4090), encoder::gapMarker(),
                                        encoder::shortTrack(50, 10), encoder::shortTrack(50, 20)});
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(trackOf(records[1]).y, 2);
    EXPECT_EQ(records[1][1], 0x08) << "status comes from the next record";
}

TEST(DecoderRecords, GapsAndInvalidRecordsAreInterpolatedBetweenNeighbours) {
    const auto records = decodeRecords({encoder::shortTrack(100, 100), encoder::gapMarker(),
                                        encoder::shortTrack(999, 999, false), encoder::shortTrack(400, 400),
                                        encoder::shortTrack(500, 500)});
    ASSERT_EQ(records.size(), 5u);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(trackOf(records[i]).x, 100 * (i + 1)) << i;
    EXPECT_EQ(records[2][1], 0x08);
}

TEST(DecoderRecords, GapsAtTheEdgesCopyTheNearestRecord) {
    const auto records = decodeRecords({encoder::gapMarker(), encoder::longTrack(100, 100, 1, 2),
                                        encoder::longTrack(200, 200, 3, 4), encoder::gapMarker()});
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0], records[1]);
    EXPECT_EQ(records[3], records[2]);
}

TEST(DecoderRecords, RawModeKeepsGapMarkersAndInvalidRecords) {
    const std::vector<Bytes> stored{encoder::shortTrack(100, 100), encoder::gapMarker(7),
                                    encoder::shortTrack(5, 5, false), encoder::shortTrack(400, 400)};
    EXPECT_EQ(decodeRecords(stored, DecoderMode::Raw), stored);
}

TEST(DecoderRecords, FullTrackValueAndMinutesWalkTowardsTheNextRecord) {
    const auto records =
        decodeRecords({encoder::fullTrack(100, 100, 1000, 10), encoder::gapMarker(), encoder::gapMarker(),
                       encoder::fullTrack(400, 400, 1300, 40), encoder::fullTrack(500, 500, 1400, 50)});
    ASSERT_EQ(records.size(), 5u);
    const auto value = [](const Bytes &r) { return (r[6] << 8) | r[7]; };
    EXPECT_EQ(value(records[1]), 1100);
    EXPECT_EQ(value(records[2]), 1200);
    EXPECT_EQ(records[1][16], (20 << 2) | 1);
    EXPECT_EQ(records[2][16], (30 << 2) | 1);
    EXPECT_EQ(records[1][1], 0x10);
    EXPECT_EQ(trackOf(records[1], 3).x, 200);
    EXPECT_EQ(records[1][8], records[0][8]) << "carried bytes come from the previous record";
}

TEST(DecoderRecords, FullTrackMinutesWrapAtSixty) {
    const auto records = decodeRecords({encoder::fullTrack(1, 1, 5, 50), encoder::gapMarker(),
                                        encoder::fullTrack(1, 1, 5, 10), encoder::fullTrack(1, 1, 5, 11)});
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[1][16], (0 << 2) | 1);
}

TEST(DecoderRecords, FullTrackFlagBitOfTheValueIsCleared) {
    const auto records = decodeRecords({encoder::fullTrack(1, 1, 0x8123, 0)}, DecoderMode::Raw);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0][6], 0x01);
}

TEST(DecoderRecords, RecordModeFollowsTheValidRecords) {
    const struct {
        const char *name;
        std::vector<Bytes> records;
        std::uint8_t mode;
    } cases[] = {
        {"short track", {encoder::shortTrack(1, 1)}, 1},
        {"short track with side", {encoder::shortTrack(1, 1), encoder::shortSide(1, 2)}, 3},
        {"long track", {encoder::longTrack(1, 1, 0, 0)}, 2},
        {"long track with side", {encoder::longSide({}), encoder::longTrack(1, 1, 0, 0)}, 4},
        {"full track", {encoder::fullTrack(1, 1, 1, 1)}, 5},
        {"only a time mark", {encoder::timeMark(kStart)}, 0},
        {"invalid short tracks do not count",
         {encoder::shortTrack(1, 1, false), encoder::longTrack(1, 1, 0, 0)},
         2},
    };
    for (const auto &c : cases) {
        const auto entries =
            recordEntries(decode(encoder::encodeImage({encoder::recordSession(kStart, kEnd, c.records)})));
        ASSERT_EQ(entries.size(), 1u) << c.name;
        EXPECT_EQ(entries[0].recordMode, c.mode) << c.name;
    }
}

TEST(DecoderRecords, SessionOfOnlyGapsLeavesNoEntry) {
    const auto decoder = decode(encoder::encodeImage(
        {encoder::recordSession(kStart, kEnd, {encoder::gapMarker(), encoder::shortTrack(1, 1, false)})}));
    EXPECT_TRUE(decoder.secondary().empty());
    EXPECT_FALSE(decoder.dataPresent());
}

TEST(DecoderRecords, SideRecordsKeepTheirPlaceInTheAlternation) {
    // Short tracks and side records alternate; a gap takes the kind that is due there.
    const auto records =
        decodeRecords({encoder::shortTrack(100, 100), encoder::shortSide(10, 20), encoder::gapMarker(),
                       encoder::shortSide(30, 40), encoder::shortTrack(300, 300), encoder::gapMarker(),
                       encoder::shortTrack(500, 500), encoder::shortSide(50, 60)});
    ASSERT_EQ(records.size(), 8u);
    EXPECT_EQ(records[2][0], 0x15);
    EXPECT_EQ(trackOf(records[2]).x, 200);
    EXPECT_EQ(records[5][0], 0x25);
    EXPECT_EQ(records[5][1], 40);
    EXPECT_EQ(records[5][2], 50);
}

TEST(DecoderRecords, MissingQuarterHourTimeMarkIsComputed) {
    const struct {
        encoder::DateTime mark;
        encoder::DateTime expected;
    } cases[] = {
        {{2008, 3, 4, 10, 50}, {2008, 3, 4, 11, 5}},
        {{2008, 12, 31, 23, 50}, {2009, 1, 1, 0, 5}},
    };
    for (const auto &c : cases) {
        std::vector<Bytes> stream{encoder::timeMark(c.mark, 0x5A)};
        for (int i = 1; i < 256; ++i)
            stream.push_back(i == 5 ? encoder::longSide({}) : encoder::longTrack(i, i, 0, 0));
        stream[252] = encoder::gapMarker();
        const auto records = decodeRecords(stream);
        ASSERT_EQ(records.size(), 256u);
        EXPECT_EQ(records[252], encoder::timeMark(c.expected, 0x5A));
    }
}

TEST(DecoderRecords, PacketCountersCountRecords) {
    const auto decoder = decode(encoder::encodeImage({encoder::recordSession(
        kStart, kEnd,
        {encoder::shortTrack(1, 1), encoder::gapMarker(4), encoder::gapMarker(1), encoder::gapMarker(1),
         encoder::shortTrack(1, 1, false), encoder::timeMark(kStart)})}));
    const logger::PacketCounters &c = decoder.counters();
    EXPECT_EQ(c.dataRecords, 3u);
    EXPECT_EQ(c.fourGapMarkers, 1u);
    EXPECT_EQ(c.gapMarkers, 2u);
}
