#include "resources/pipl/zelPipl.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace
{
using Bytes = std::vector<uint8_t>;

// One property as it must appear: vendor and key reversed, id 0, the value's
// length, then the value padded with zeros.
Bytes Property(const char* reversedKey, uint32_t length, const Bytes& padded)
{
    Bytes out = {'M', 'I', 'B', '8'};
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(reversedKey[i]));
    for (uint8_t b : {0, 0, 0, 0, int(length), 0, 0, 0})
        out.push_back(b);
    for (uint8_t b : padded)
        out.push_back(b);
    return out;
}

Bytes Text(uint8_t lengthByte, const std::string& text, size_t padTo)
{
    Bytes out(padTo, 0);
    out[0] = lengthByte;
    for (size_t i = 0; i < text.size(); ++i)
        out[i + 1] = uint8_t(text[i]);
    return out;
}

Bytes Expected()
{
    Bytes out = {1, 0, 0, 0, 0, 0, 12, 0, 0, 0};
    auto add = [&out](const Bytes& p)
    {
        for (uint8_t b : p)
            out.push_back(b);
    };
    add(Property("dnik", 4, {'T', 'K', 'F', 'e'}));
    add(Property("eman", 14, Text(13, "zel Tonescope", 16)));
    add(Property("gtac", 11, Text(10, "Ostrel 2.2", 12)));
    add(Property("68xw", 5, {'m', 'a', 'i', 'n', 0, 0, 0, 0}));
    add(Property("RVPe", 4, {2, 0, 0, 0}));
    add(Property("RVSe", 4, {12, 0, 5, 0}));
    add(Property("REVe", 4, {0x00, 0x06, 0x11, 0x00}));
    add(Property("FNIe", 2, {0, 0, 0, 0}));
    add(Property("OLGe", 4, {0x13, 0x80, 0x08, 0x06}));
    add(Property("2LGe", 4, {8, 0, 0, 0}));
    add(Property("ANMe", 13, Text(12, "zo Tonescope", 16)));
    add(Property("LFea", 4, {8, 0, 0, 0}));
    return out;
}
} // namespace

TEST(zelPipl, MatchesTheLayoutByteForByte)
{
    const Bytes actual = zelPipl::Build();
    const Bytes expected = Expected();
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(int(actual[i]), int(expected[i])) << "byte " << i;
}

// A reader that walks the list by its lengths must land exactly on its end,
// with every property starting on the same 4-byte phase.
TEST(zelPipl, WalksByLengthsToTheEnd)
{
    const Bytes bytes = zelPipl::Build();
    auto word = [&bytes](size_t at)
    {
        return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
               uint32_t(bytes[at + 3]) << 24;
    };
    ASSERT_GE(bytes.size(), 10u);
    const uint32_t count = word(6);
    size_t at = 10;
    for (uint32_t i = 0; i < count; ++i)
    {
        ASSERT_LE(at + 16, bytes.size()) << "property " << i;
        EXPECT_EQ(at % 4, 2u) << "property " << i;
        const uint32_t length = word(at + 12);
        at += 16 + (length + 3) / 4 * 4;
    }
    EXPECT_EQ(at, bytes.size());
}
