#include "effect/plugin/zelTonescopeDataFlat.h"

#include <gtest/gtest.h>

#include <vector>

using zelTonescope::zelTonescopeDataFlat;

TEST(zelTonescopeDataFlat, WritesEveryFieldLittleEndianAtItsOffset)
{
    zelTonescopeDataFlat flat;
    flat.channelOn[0] = 0;
    flat.channelOn[3] = 1;
    flat.viewStart = 0.25f;   // 0x3e800000
    flat.viewEnd = -2.0f;     // 0xc0000000
    flat.scale = 1.0f;        // 0x3f800000
    flat.selectionShown = 1;
    flat.highlight[0] = 0xAA;
    flat.highlight[3] = 0x11;
    flat.selectionFirst = 0x01020304;
    flat.selectionLast = -2;

    std::vector<uint8_t> record(36, 0xEE);
    flat.Write(record.data());
    const std::vector<uint8_t> expected = {
        0xEE,                   // tag: the caller's
        0, 1, 1, 1,             // channels A..D
        0xEE, 0xEE, 0xEE,       // padding untouched
        0x00, 0x00, 0x80, 0x3e, // view start
        0x00, 0x00, 0x00, 0xc0, // view end
        0x00, 0x00, 0x80, 0x3f, // scale
        1,                      // selection shown
        0xAA, 75, 155, 0x11,    // highlight alpha, red, green, blue
        0xEE, 0xEE, 0xEE,       // padding untouched
        0x04, 0x03, 0x02, 0x01, // selection first
        0xfe, 0xff, 0xff, 0xff, // selection last
    };
    EXPECT_EQ(record, expected);

    const zelTonescopeDataFlat back = zelTonescopeDataFlat::Read(record.data());
    std::vector<uint8_t> again(36, 0xEE);
    back.Write(again.data());
    EXPECT_EQ(again, record);
}
