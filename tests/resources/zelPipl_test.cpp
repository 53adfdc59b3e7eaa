#include "resources/pipl/zelPipl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace
{
using Bytes = std::vector<uint8_t>;

uint32_t Word(Bytes const& b, size_t at) { return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24; }

// Reads the property list as the host does: a count, then vendor, key, id,
// length and the value padded to four bytes, each; keyed by the key as written.
std::map<std::string, Bytes> Read(Bytes const& b)
{
    std::map<std::string, Bytes> props;
    EXPECT_GE(b.size(), 10u);
    size_t at = 10;
    for (uint32_t i = 0, count = Word(b, 6); i < count; ++i)
    {
        if (at + 16 > b.size())
            return ADD_FAILURE() << "property " << i << " runs past the end", props;
        EXPECT_TRUE(std::string(b.begin() + at, b.begin() + at + 4) == "MIB8" && Word(b, at + 8) == 0u) << i;
        const uint32_t length = Word(b, at + 12);
        props[std::string(b.rend() - at - 8, b.rend() - at - 4)] = Bytes(b.begin() + at + 16, b.begin() + at + 16 + length);
        at += 16 + (length + 3) / 4 * 4;
    }
    EXPECT_EQ(at, b.size()) << "the lengths walk exactly to the end";
    return props;
}

std::string Text(Bytes const& v) // a length byte, then the text
{
    return v.empty() ? "?" : std::string(v.begin() + 1, v.begin() + 1 + std::min<size_t>(v[0], v.size() - 1));
}
} // namespace

TEST(zelPipl, DescribesTheEffectToEachKindOfHost)
{
    // Each interface names its entry point under its own key, and no other.
    const struct
    {
        zelPipl::Profile profile;
        const char* entryKey;
        const char* otherKey;
        uint16_t major, minor;
    } rows[] = {
        {zelPipl::Profile::Legacy, "wx86", "8664", 12, 5},
        {zelPipl::Profile::Current, "8664", "wx86", 13, 28},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.entryKey);
        const Bytes bytes = zelPipl::Build(row.profile);
        ASSERT_EQ(Word(bytes, 0) & 0xFFFF, 1u);
        std::map<std::string, Bytes> p = Read(bytes);
        EXPECT_EQ(p.size(), 12u);
        EXPECT_EQ(std::string(p["kind"].rbegin(), p["kind"].rend()), "eFKT"); // a code, stored backwards
        EXPECT_EQ(Text(p["name"]), "zel Tonescope");
        EXPECT_EQ(std::string(p[row.entryKey].begin(), p[row.entryKey].end()), std::string("main\0", 5));
        EXPECT_EQ(p.count(row.otherKey), 0u);
        EXPECT_EQ(p["eSVR"], (Bytes{uint8_t(row.major), 0, uint8_t(row.minor), 0}));
    }
}
