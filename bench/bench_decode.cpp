// Decoding a full recorder memory of mixed sessions, fed in reports of 255 bytes as an upload does.

#include "decoder/MemoryImageDecoder.h"
#include "logger/encoder/ImageEncoder.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

using namespace encoder;

constexpr std::size_t kImageSize = 0xC0000;
constexpr std::size_t kSessionBody = 32000;
const DateTime kStart{2008, 5, 6, 7, 8, 9};
const DateTime kEnd{2008, 5, 6, 9, 10, 11};

Bytes heartRateBody(std::size_t length) {
    Bytes body(length);
    for (std::size_t i = 0; i < length; ++i)
        body[i] = i % 97 == 0 ? 0 : static_cast<std::uint8_t>(60 + i % 140); // a gap now and then
    return body;
}

std::vector<Bytes> fullTrackRecords(std::size_t length) {
    std::vector<Bytes> records;
    for (std::size_t i = 0; records.size() * 17 + 17 <= length; ++i)
        records.push_back(i % 20 == 7 ? gapMarker()
                                      : fullTrack(int(i % 4096), int(i * 3 % 4096), 1000, int(i % 60)));
    return records;
}

std::vector<Bytes> shortTrackWithSideRecords(std::size_t length) {
    std::vector<Bytes> records;
    for (std::size_t i = 0; records.size() * 5 + 5 <= length; ++i) {
        if (i % 252 == 0)
            records.push_back(timeMark(kStart));
        else if (i % 31 == 5)
            records.push_back(gapMarker());
        else
            records.push_back(i % 2 ? shortSide(std::uint8_t(i), 2)
                                    : shortTrack(int(i % 4096), int(i % 4096)));
    }
    return records;
}

std::vector<MixedUnit> mixedUnits(std::size_t length) {
    std::vector<MixedUnit> units;
    for (std::size_t i = 0, used = 0; used + 18 <= length; ++i) {
        units.push_back(i % 4 == 3 ? recordUnit(fullTrack(int(i % 4096), 5, 900, 3))
                                   : sampleUnit(std::uint8_t(90 + i % 50)));
        used += 1 + units.back().bytes.size();
    }
    return units;
}

Bytes mixedImage() {
    std::vector<Session> sessions;
    std::size_t used = 384;
    for (int i = 0; used + 14 + 2 * kSessionBody < kImageSize; ++i) {
        switch (i % 4) {
        case 0:
            sessions.push_back(sampleSession(kStart, kEnd, heartRateBody(kSessionBody)));
            break;
        case 1:
            sessions.push_back(recordSession(kStart, kEnd, fullTrackRecords(kSessionBody)));
            break;
        case 2:
            sessions.push_back(recordSession(kStart, kEnd, shortTrackWithSideRecords(kSessionBody)));
            break;
        case 3:
            sessions.push_back(mixedSession(kStart, kEnd, mixedUnits(kSessionBody)));
            break;
        }
        used += 14 + sessions.back().body.size();
    }
    sessions.push_back(sampleSession(kStart, kEnd, heartRateBody(kImageSize - used - 14)));
    return encodeImage(sessions);
}

void decodeFullImage(benchmark::State &state) {
    const Bytes image = mixedImage();
    if (image.size() != kImageSize) {
        state.SkipWithError("the image is not a full recorder memory");
        return;
    }
    for (auto _ : state) {
        logger::MemoryImageDecoder decoder(logger::DecoderMode::Decoded,
                                           static_cast<std::uint32_t>(image.size()));
        for (std::size_t at = 0; at < image.size(); at += 255)
            decoder.ParseUploadBlock(
                std::span(image).subspan(at, std::min<std::size_t>(255, image.size() - at)));
        if (decoder.stopReason() != logger::DecodeStop::None || decoder.secondary().empty())
            state.SkipWithError("the image did not decode");
        benchmark::DoNotOptimize(decoder.primary().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * image.size()));
}
BENCHMARK(decodeFullImage)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
