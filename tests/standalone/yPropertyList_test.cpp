#include "standalone/yPropertyList.h"
#include "tests/standalone/yTestResources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using yHost::FourCode;
using yHost::yPropertyList;

namespace
{
std::vector<uint8_t> Bytes(const yTest::yBlob& blob)
{
    return std::vector<uint8_t>(blob.bytes, blob.bytes + blob.size);
}

std::vector<uint8_t> EffectList(const yTest::yEffectDescription& d = {})
{
    return Bytes(yTest::EffectPropertyList(d));
}

// Offset of a property's key in a list; the key is stored reversed.
size_t KeyOffset(const std::vector<uint8_t>& list, const char* key)
{
    const std::string reversed{key[3], key[2], key[1], key[0]};
    const size_t at = std::string(list.begin(), list.end()).find(reversed);
    EXPECT_NE(at, std::string::npos) << key;
    return at;
}

void PutWord(std::vector<uint8_t>& bytes, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        bytes.at(at + i) = uint8_t(v >> (8 * i));
}

// Parses and returns the error, empty when the list was accepted.
std::string ParseError(const std::vector<uint8_t>& bytes)
{
    yPropertyList list;
    std::string error;
    if (yPropertyList::Parse(bytes.data(), bytes.size(), list, error)) return {};
    EXPECT_FALSE(error.empty());
    return error;
}
} // namespace

TEST(yPropertyList, ReadsEveryPropertyOfAnEffect)
{
    const std::vector<uint8_t> bytes = EffectList();
    yPropertyList list;
    std::string error;
    ASSERT_TRUE(yPropertyList::Parse(bytes.data(), bytes.size(), list, error)) << error;
    EXPECT_EQ(list.kind, yHost::kEffectKind);
    EXPECT_EQ(list.name, "zel Tonescope");
    EXPECT_EQ(list.category, "Ostrel 2.2");
    EXPECT_EQ(list.matchName, "zo Tonescope");
    EXPECT_EQ(list.entryPoint, "main");
    EXPECT_EQ(list.listVersionMajor, 2);
    EXPECT_EQ(list.listVersionMinor, 0);
    EXPECT_EQ(list.specVersionMajor, 12);
    EXPECT_EQ(list.specVersionMinor, 5);
    EXPECT_EQ(list.effectVersion, 0x00110600u);
    EXPECT_EQ(list.infoFlags, 0u);
    EXPECT_EQ(list.outFlags, 0x06088013u);
    EXPECT_EQ(list.outFlags2, 8u);
    EXPECT_EQ(list.reservedInfo, 8u);
    const std::vector<uint32_t> order{FourCode("kind"), FourCode("name"), FourCode("catg"), FourCode("wx86"),
                                      FourCode("ePVR"), FourCode("eSVR"), FourCode("eVER"), FourCode("eINF"),
                                      FourCode("eGLO"), FourCode("eGL2"), FourCode("eMNA"), FourCode("aeFL")};
    EXPECT_EQ(list.keys, order);
}

TEST(yPropertyList, RefusesEveryTruncation)
{
    const std::vector<uint8_t> bytes = EffectList();
    for (size_t size = 0; size < bytes.size(); ++size)
    {
        const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + long(size));
        EXPECT_NE(ParseError(cut), "") << "accepted the first " << size << " bytes";
    }
}

TEST(yPropertyList, RefusesWhatIsNotAnEffect)
{
    yTest::yEffectDescription filter;
    filter.kind = "8BFM";
    EXPECT_NE(ParseError(EffectList(filter)).find("\"8BFM\", which is not an effect"), std::string::npos);

    std::vector<uint8_t> noKind = EffectList();
    noKind[KeyOffset(noKind, "kind")] = 'X';
    EXPECT_NE(ParseError(noKind).find("has no kind"), std::string::npos);

    std::vector<uint8_t> noEntry = EffectList();
    noEntry[KeyOffset(noEntry, "wx86")] = 'X';
    EXPECT_NE(ParseError(noEntry).find("no entry point"), std::string::npos);

    yTest::yEffectDescription unnamed;
    unnamed.name = "";
    EXPECT_NE(ParseError(EffectList(unnamed)).find("no name"), std::string::npos);
}

TEST(yPropertyList, RefusesDamagedHeadersAndLengths)
{
    const std::vector<uint8_t> good = EffectList();
    struct Case
    {
        const char* what;
        void (*damage)(std::vector<uint8_t>&);
        const char* expected;
    };
    const Case cases[] = {
        {"list version 2", [](std::vector<uint8_t>& b) { b[0] = 2; }, "has version 2"},
        {"count past the data", [](std::vector<uint8_t>& b) { PutWord(b, 6, 13); },
         "truncated at property 13"},
        {"count near 2^32", [](std::vector<uint8_t>& b) { PutWord(b, 6, 0xFFFFFFFFu); }, "claims 4294967295"},
        {"foreign vendor", [](std::vector<uint8_t>& b) { b[KeyOffset(b, "catg") - 4] = 'X'; }, "vendor"},
        {"length near 2^32",
         [](std::vector<uint8_t>& b) { PutWord(b, KeyOffset(b, "eGLO") + 8, 0xFFFFFFFFu); },
         "truncated inside its property \"eGLO\""},
        {"short word", [](std::vector<uint8_t>& b) { PutWord(b, KeyOffset(b, "eVER") + 8, 3); },
         "holds 3 bytes in its property \"eVER\" where 4"},
        {"string longer than its property",
         [](std::vector<uint8_t>& b) { b[KeyOffset(b, "name") + 12] = 200; },
         "string in its property \"name\""},
        {"unterminated entry point",
         [](std::vector<uint8_t>& b)
         {
             const size_t value = KeyOffset(b, "wx86") + 12;
             for (size_t i = 0; i < 8; ++i)
                 b[value + i] = 'm';
         },
         "no terminating zero"},
        {"a key twice",
         [](std::vector<uint8_t>& b)
         {
             const size_t at = KeyOffset(b, "catg");
             const char reversedName[] = "eman";
             std::copy(reversedName, reversedName + 4, b.begin() + long(at));
         },
         "declares \"name\" twice"},
    };
    for (const Case& c : cases)
    {
        std::vector<uint8_t> bytes = good;
        c.damage(bytes);
        const std::string error = ParseError(bytes);
        EXPECT_NE(error.find(c.expected), std::string::npos) << c.what << ": " << error;
        EXPECT_EQ(error.rfind("The property list ", 0), 0u) << c.what;
    }
}

TEST(yPropertyList, SkipsPropertiesItDoesNotUse)
{
    std::vector<uint8_t> bytes = EffectList();
    bytes[KeyOffset(bytes, "aeFL")] = 'Z'; // "ZeFL" now
    yPropertyList list;
    std::string error;
    ASSERT_TRUE(yPropertyList::Parse(bytes.data(), bytes.size(), list, error)) << error;
    EXPECT_EQ(list.reservedInfo, 0u);
    EXPECT_TRUE(list.Has(FourCode("aeFZ")));
}

TEST(yPropertyList, SurvivesRandomDamage)
{
    const std::vector<uint8_t> good = EffectList();
    std::mt19937 random(20240611);
#ifdef TONESCOPE_SANITIZED
    const int rounds = 3000;
#else
    const int rounds = 20000;
#endif
    for (int round = 0; round < rounds; ++round)
    {
        std::vector<uint8_t> bytes = good;
        const int hits = 1 + int(random() % 4);
        for (int i = 0; i < hits; ++i)
            bytes[random() % bytes.size()] = uint8_t(random());
        yPropertyList list;
        std::string error;
        if (!yPropertyList::Parse(bytes.data(), bytes.size(), list, error))
        {
            ASSERT_FALSE(error.empty());
        }
        else
        {
            ASSERT_FALSE(list.entryPoint.empty());
        }
    }
}

TEST(yPropertyList, NamesVersionsAndCodes)
{
    EXPECT_EQ(yHost::VersionText(0x00110600), "2.2");
    EXPECT_EQ(yHost::VersionText(0x00388000 | 0x600), "7.1"); // every bit of major and minor
    EXPECT_EQ(yHost::FourCodeText(FourCode("eFKT")), "eFKT");
    EXPECT_EQ(yHost::FourCodeText(0x41420043), "0x41420043");
}
