#include "transport/ReportDescriptor.h"

#include <gtest/gtest.h>

#include <vector>

using logger::ReportLengths;
using logger::reportLengthsOf;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// A vendor-defined application collection around the given items.
Bytes vendorCollection(const Bytes &items) {
    return concat({{0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x00}, items, {0xC0}});
}

// Report ID 1: 11 output bytes and 255 input bytes of 8 bits each.
const Bytes kRecorderItems = {0x85, 0x01, 0x75, 0x08, 0x95, 0x0B, 0x09, 0x01,
                              0x91, 0x02, 0x95, 0xFF, 0x09, 0x02, 0x81, 0x02};

} // namespace

TEST(ReportDescriptor, LengthsOfTheReportsOfOneId) {
    const struct {
        const char *what;
        Bytes descriptor;
        ReportLengths expected;
    } cases[] = {
        {"the recorder's", vendorCollection(kRecorderItems), {12, 256}},
        {"64-byte reports, two-byte count",
         vendorCollection(
             {0x85, 0x01, 0x75, 0x08, 0x96, 0x40, 0x00, 0x91, 0x02, 0x96, 0x40, 0x00, 0x81, 0x02}),
         {65, 65}},
        {"another id's reports do not count",
         vendorCollection(
             concat({{0x85, 0x02, 0x75, 0x08, 0x95, 0x20, 0x91, 0x02, 0x81, 0x02}, kRecorderItems})),
         {12, 256}},
        {"bits rounded up to bytes, items added",
         vendorCollection({0x85, 0x01, 0x75, 0x01, 0x95, 0x05, 0x91, 0x02, 0x75, 0x03,
                           0x95, 0x01, 0x91, 0x03, 0x75, 0x04, 0x95, 0x03, 0x81, 0x02}),
         {2, 3}},
        {"push and pop keep the size",
         vendorCollection({0x85, 0x01, 0x75, 0x08, 0xA4, 0x75, 0x10, 0x95, 0x02, 0x81, 0x02, 0xB4, 0x95, 0x03,
                           0x91, 0x02}),
         {4, 5}},
        {"features are no reports of either direction",
         vendorCollection({0x85, 0x01, 0x75, 0x08, 0x95, 0x10, 0xB1, 0x02}),
         {0, 0}},
        {"long items are skipped",
         vendorCollection(concat({{0xFE, 0x02, 0x10, 0x95, 0x7F}, kRecorderItems})),
         {12, 256}},
        {"no report id 1", vendorCollection({0x75, 0x08, 0x95, 0x08, 0x91, 0x02}), {0, 0}},
        {"cut in the middle of an item",
         Bytes{0x85, 0x01, 0x75, 0x08, 0x95, 0x0B, 0x91, 0x02, 0x96, 0x40},
         {12, 0}},
        {"empty", {}, {0, 0}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(reportLengthsOf(c.descriptor, 1), c.expected) << c.what;
}
