#include "transfer/ResultBufferWalk.h"

#include "core/Globals.h"
#include "transfer/CorruptedDataReport.h"
#include "transfer/SessionDates.h"

#include <algorithm>

namespace {

constexpr std::size_t kLengthBytes = 4;
constexpr std::size_t kDateDigits = 14;

std::size_t readLength(const std::uint8_t *at) {
    return std::size_t{at[0]} << 24 | std::size_t{at[1]} << 16 | std::size_t{at[2]} << 8 | at[3];
}

void copyDateDigits(const std::uint8_t *at, std::array<std::uint8_t, 8> &date,
                    std::array<std::uint8_t, 6> &time) {
    std::copy_n(at, date.size(), date.begin());
    std::copy_n(at + date.size(), time.size(), time.begin());
}

} // namespace

ResultBufferCut cutResultBuffer(std::span<const std::uint8_t> bytes, ResultBuffer buffer) {
    const std::size_t modeBytes = buffer == ResultBuffer::SpeedGps ? 1 : 0;
    const std::size_t smallestEntry = modeBytes + kDateDigits + 1 + kDateDigits;
    ResultBufferCut cut;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t left = bytes.size() - at;
        const std::size_t length = left >= kLengthBytes ? readLength(&bytes[at]) : 0;
        if (left < kLengthBytes || length < smallestEntry || length > left - kLengthBytes) {
            cut.corrupted = true;
            const std::size_t datesAt = at + kLengthBytes + modeBytes;
            if (left >= kLengthBytes + modeBytes + kDateDigits) {
                DeviceSessionRecord bad;
                copyDateDigits(&bytes[datesAt], bad.StartDateDigits, bad.StartTimeDigits);
                cut.corruptedStart = shownStartText(sessionDateTexts(bad));
            }
            break;
        }
        DeviceSessionRecord &record = cut.records.emplace_back();
        std::copy_n(&bytes[at], kLengthBytes, record.LengthBytes.begin());
        const std::uint8_t *entry = &bytes[at + kLengthBytes];
        if (modeBytes)
            record.Mode = entry[0];
        const std::uint8_t *dates = entry + modeBytes;
        copyDateDigits(dates, record.StartDateDigits, record.StartTimeDigits);
        const std::size_t dataBytes = length - modeBytes - 2 * kDateDigits;
        record.Data.assign(dates + kDateDigits, dates + kDateDigits + dataBytes);
        copyDateDigits(dates + kDateDigits + dataBytes, record.EndDateDigits, record.EndTimeDigits);
        at += kLengthBytes + length;
    }
    return cut;
}

std::optional<QString> CutDeviceBuffer(ResultBuffer buffer) {
    const bool heartRate = buffer == ResultBuffer::HeartRate;
    const std::vector<std::uint8_t> &bytes = heartRate ? gDeviceBuf1 : gDeviceBuf2;
    const std::int32_t announced = heartRate ? gDeviceBuf1Len : gDeviceBuf2Len;
    const std::size_t length = std::min(bytes.size(), static_cast<std::size_t>(std::max(announced, 0)));

    ResultBufferCut cut = cutResultBuffer(std::span(bytes.data(), length), buffer);
    auto &records = heartRate ? gHrSessionRecs : gGpsSessionRecs;
    records = std::move(cut.records);
    (heartRate ? gHrSessionCount : gGpsSessionCount) = static_cast<std::int32_t>(records.size());
    if (!cut.corrupted)
        return std::nullopt;
    ReportCorruptedData(cut.corruptedStart);
    return cut.corruptedStart;
}
