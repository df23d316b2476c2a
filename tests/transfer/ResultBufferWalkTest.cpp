#include "ResultBufferBuilder.h"

#include "common/ScriptedDialogs.h"
#include "core/Globals.h"
#include "transfer/ResultBufferWalk.h"
#include "transfer/SessionDates.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace testing;

namespace {

const Moment kStart{2026, 3, 9, 7, 5, 9};
const Moment kEnd{2026, 3, 9, 8, 0, 0};

TEST(ResultBufferWalkTest, CutsOneRecordPerEntryInBufferOrder) {
    const Bytes buffer = ResultBufferBuilder()
                             .heartRateEntry(kStart, {120, 121, 122}, kEnd)
                             .heartRateEntry({2026, 3, 10, 6, 0, 0}, {90}, {2026, 3, 10, 6, 0, 2})
                             .bytes();
    const ResultBufferCut cut = cutResultBuffer(buffer, ResultBuffer::HeartRate);
    ASSERT_EQ(cut.records.size(), 2u);
    EXPECT_EQ(cut.records[0].Data, (Bytes{120, 121, 122}));
    EXPECT_EQ(cut.records[1].LengthBytes, (std::array<std::uint8_t, 4>{0, 0, 0, 29}));
    EXPECT_EQ(cut.records[1].Data, Bytes{90});
    EXPECT_EQ(cut.records[1].EndTimeDigits, (std::array<std::uint8_t, 6>{0, 6, 0, 0, 0, 2}));
}

TEST(ResultBufferWalkTest, SpeedGpsEntryCarriesItsModeAndRecords) {
    const Bytes records{0x15, 1, 2, 3, 4};
    const Bytes buffer = ResultBufferBuilder().speedGpsEntry(5, kStart, records, kEnd).bytes();
    const ResultBufferCut cut = cutResultBuffer(buffer, ResultBuffer::SpeedGps);
    ASSERT_EQ(cut.records.size(), 1u);
    EXPECT_EQ(cut.records[0].Mode, 5);
    EXPECT_EQ(cut.records[0].LengthBytes[3], 1 + 14 + 5 + 14);
    EXPECT_EQ(cut.records[0].Data, records);
    EXPECT_EQ(cut.records[0].EndDateDigits, (std::array<std::uint8_t, 8>{2, 0, 2, 6, 0, 3, 0, 9}));
}

TEST(ResultBufferWalkTest, DateDigitsGiveTheSessionStart) {
    const DeviceSessionRecord record = heartRateSession(kStart, {100}, kEnd);
    const SessionDateTexts texts = sessionDateTexts(record);
    EXPECT_EQ(texts.startDate, "03-09-2026");
    EXPECT_EQ(texts.startTime, "07:05:09");
    EXPECT_EQ(sessionDateTime(texts.startDate, texts.startTime),
              QDateTime(QDate(2026, 3, 9), QTime(7, 5, 9), Qt::UTC));
}

TEST(ResultBufferWalkTest, DigitsThatFormNoDateGiveNoMoment) {
    EXPECT_FALSE(sessionDateTime("13-01-2026", "07:05:09"));
    EXPECT_FALSE(sessionDateTime("02-30-2026", "07:05:09"));
    EXPECT_FALSE(sessionDateTime("03-09-2026", "24:00:00"));
    EXPECT_FALSE(sessionDateTime("03-09-20126", "07:05:09")); // a digit byte of 12
    EXPECT_FALSE(sessionDateTime("00-00-0000", "00:00:00"));
}

// A length that cannot hold the entry, or runs past the buffer, ends the walk; the entries
// before it are kept.
TEST(ResultBufferWalkTest, BadLengthsEndTheWalk) {
    const Bytes good = ResultBufferBuilder().heartRateEntry(kStart, {120}, kEnd).bytes();
    const struct {
        const char *name;
        Bytes tail;
    } cases[] = {
        {"length below the dates", {0, 0, 0, 28}},
        {"length past the end", ResultBufferBuilder().append({0, 0, 1, 0}).append(Bytes(40, 1)).bytes()},
        {"stray bytes after the last entry", {0, 0}},
        {"huge length", {0xFF, 0xFF, 0xFF, 0xFF, 1, 2}},
    };
    for (const auto &c : cases) {
        Bytes buffer = good;
        buffer.insert(buffer.end(), c.tail.begin(), c.tail.end());
        const ResultBufferCut cut = cutResultBuffer(buffer, ResultBuffer::HeartRate);
        EXPECT_TRUE(cut.corrupted) << c.name;
        EXPECT_EQ(cut.records.size(), 1u) << c.name;
    }
}

TEST(ResultBufferWalkTest, TransferStepFillsTheRecordsAndReportsACorruptedBuffer) {
    ScriptedDialogs dialogs;
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    gDeviceBuf2 = ResultBufferBuilder()
                      .speedGpsEntry(1, kStart, speedRecord(100, 5), kEnd)
                      .append({0, 0, 0, 200, 1, 2, 0, 2, 6, 0, 4, 0, 1, 1, 2, 0, 0, 0, 0})
                      .bytes();
    gDeviceBuf2Len = static_cast<std::int32_t>(gDeviceBuf2.size());
    gGpsSessionRecs.clear();
    CutDeviceBuffer(ResultBuffer::SpeedGps);
    EXPECT_EQ(gGpsSessionCount, 1);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(
        dialogs.shown()[0].text.toStdString(),
        "Data from the Activity on: 04/01/2026 12:00:00 is corrupted. Runvella will store the valid data "
        "prior to the error.");
    QLocale::setDefault(previous);
}

} // namespace
