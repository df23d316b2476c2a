// Writes the decoder fuzzer's first corpus: images of every session kind built by the encoder.
// Usage: fuzz_decoder_seeds <folder>

#include "logger/encoder/ImageEncoder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

using namespace encoder;

namespace {

const DateTime kStart{2008, 5, 6, 7, 8, 9};
const DateTime kEnd{2008, 5, 6, 8, 0, 0};

std::vector<std::vector<Session>> seedImages() {
    std::vector<Bytes> longTracks{timeMark(kStart)};
    for (int i = 1; i < 40; ++i)
        longTracks.push_back(i % 9 == 4   ? longSide({1, 2, 3, 4, 5, 6})
                             : i % 7 == 0 ? gapMarker(4)
                                          : longTrack(i * 50, 4000 + i * 7, i, i));
    return {
        {sampleSession(kStart, kEnd, {100, 2, 2, 130, 1, 255, 90, 4})},
        {recordSession(kStart, kEnd,
                       {shortTrack(1, 4090), gapMarker(), shortTrack(9, 10), shortTrack(9, 20)})},
        {recordSession(kStart, kEnd,
                       {shortTrack(1, 1), shortSide(1, 2), gapMarker(), shortSide(3, 4), shortTrack(3, 3),
                        shortTrack(5, 5, false), shortSide(5, 6)})},
        {recordSession(kStart, kEnd, longTracks)},
        {recordSession(kStart, kEnd,
                       {fullTrack(1, 1, 1000, 58), gapMarker(), gapMarker(), fullTrack(9, 9, 1300, 2),
                        fullTrack(9, 9, 1400, 3)})},
        {mixedSession(kStart, kEnd,
                      {sampleUnit(90), recordUnit(fullTrack(7, 8, 9, 10)), sampleUnit(3),
                       recordUnit(gapMarker()), sampleUnit(95), recordUnit(fullTrack(9, 9, 9, 9))}),
         sampleSession(kStart, kEnd, {80, 81}, 0x60), recordSession(kStart, kEnd, {timeMark(kEnd)})},
    };
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    int n = 0;
    for (const auto &sessions : seedImages()) {
        const Bytes image = encodeImage(sessions);
        // Each image once per decoder mode, with the large buffers.
        for (std::uint8_t control : {0xF0, 0xF1, 0xF2}) {
            std::ofstream out(folder / ("seed-" + std::to_string(n++)), std::ios::binary);
            out.put(static_cast<char>(control));
            out.write(reinterpret_cast<const char *>(image.data()),
                      static_cast<std::streamsize>(image.size()));
        }
    }
    return 0;
}
