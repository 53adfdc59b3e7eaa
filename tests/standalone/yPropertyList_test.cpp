#include "standalone/yModuleFile.h"
#include "standalone/yPropertyList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using yHost::FourCode;
using yHost::yPropertyList;

namespace
{
using yBytes = std::vector<uint8_t>;

// The property list the real module carries.
yBytes EffectList()
{
    yHost::yModuleFile file;
    std::string error;
    EXPECT_TRUE(file.Open(TONESCOPE_MODULE, error)) << error;
    const yHost::yResourceView view = file.Find(yHost::kPropertyListType, 16000);
    return yBytes(view.bytes, view.bytes + view.size);
}

// Offset of a property's key in a list; the key is stored reversed.
size_t KeyOffset(const yBytes& list, const char* key)
{
    const size_t at = std::string(list.begin(), list.end()).find(std::string{key[3], key[2], key[1], key[0]});
    EXPECT_NE(at, std::string::npos) << key;
    return at;
}

void PutWord(yBytes& bytes, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        bytes.at(at + size_t(i)) = uint8_t(v >> (8 * i));
}

// Parses and returns the error, empty when the list was accepted.
std::string ParseError(const yBytes& bytes, yPropertyList& list)
{
    std::string error;
    if (yPropertyList::Parse(bytes.data(), bytes.size(), list, error)) return {};
    EXPECT_EQ(error.rfind("The property list ", 0), 0u) << error;
    return error;
}
} // namespace

TEST(yPropertyList, ReadsEveryPropertyOfAnEffect)
{
    yBytes bytes = EffectList();
    PutWord(bytes, KeyOffset(bytes, "eVER") + 12, 0x12345678);
    PutWord(bytes, KeyOffset(bytes, "eGLO") + 12, 0x9ABCDEF0);
    PutWord(bytes, KeyOffset(bytes, "eGL2") + 12, 0x0F1E2D3C);
    PutWord(bytes, KeyOffset(bytes, "aeFL") + 12, 0x11223344);
    yPropertyList list;
    ASSERT_EQ(ParseError(bytes, list), "");
    EXPECT_EQ(list.kind, yHost::kEffectKind);
    EXPECT_EQ(list.name + "|" + list.category + "|" + list.matchName + "|" + list.entryPoint,
              "zel Tonescope|Ostrel 2.2|zo Tonescope|main");
    EXPECT_EQ((std::vector<int>{list.listVersionMajor, list.listVersionMinor, list.specVersionMajor,
                                list.specVersionMinor}),
              (std::vector<int>{2, 0, 12, 5}));
    EXPECT_EQ((std::vector<uint32_t>{list.effectVersion, list.infoFlags, list.outFlags, list.outFlags2,
                                     list.reservedInfo}),
              (std::vector<uint32_t>{0x12345678, 0, 0x9ABCDEF0, 0x0F1E2D3C, 0x11223344}));
    EXPECT_EQ(list.keys.size(), 12u);
    EXPECT_TRUE(list.Has(FourCode("eMNA")));
    EXPECT_FALSE(list.Has(FourCode("eMNB")));
}

TEST(yPropertyList, RefusesEveryTruncation)
{
    const yBytes bytes = EffectList();
    for (size_t size = 0; size < bytes.size(); ++size)
    {
        yPropertyList list;
        EXPECT_NE(ParseError(yBytes(bytes.begin(), bytes.begin() + long(size)), list), "") << size << " bytes";
    }
}

TEST(yPropertyList, NamesWhatIsWrongWithADamagedList)
{
    const yBytes good = EffectList();
    const struct
    {
        void (*damage)(yBytes&);
        const char* expected; // part of the error; empty: accepted
    } cases[] = {
        {[](yBytes& b) { std::copy_n("MFB8", 4, b.begin() + long(KeyOffset(b, "kind") + 12)); },
         "\"8BFM\", which is not an effect"},
        {[](yBytes& b) { b[KeyOffset(b, "name") + 12] = 0; }, "no name"},
        {[](yBytes& b) { b[KeyOffset(b, "wx86") + 12] = 0; }, "no entry point"},
        {[](yBytes& b) { b[KeyOffset(b, "kind")] = 'X'; }, "has no kind"},
        {[](yBytes& b) { b[KeyOffset(b, "name")] = 'X'; }, "no name"},
        {[](yBytes& b) { b[KeyOffset(b, "wx86")] = 'X'; }, "no entry point"},
        {[](yBytes& b) { b[0] = 2; }, "has version 2"},
        {[](yBytes& b) { b[1] = 1; }, "has version 257"},
        {[](yBytes& b) { PutWord(b, 6, 13); }, "truncated at property 13 of 13"},
        {[](yBytes& b) { PutWord(b, 6, 0xFFFFFFFFu); }, "claims 4294967295"},
        {[](yBytes& b) { b[KeyOffset(b, "catg") - 4] = 'X'; }, "vendor"},
        {[](yBytes& b) { PutWord(b, KeyOffset(b, "eGLO") + 8, 0xFFFFFFFFu); },
         "truncated inside its property \"eGLO\""},
        {[](yBytes& b) { PutWord(b, KeyOffset(b, "eVER") + 8, 3); },
         "holds 3 bytes in its property \"eVER\" where 4"},
        {[](yBytes& b) { PutWord(b, KeyOffset(b, "eINF") + 8, 3); }, "\"eINF\" where 2"},
        // A 16-bit value stored padded to a word is read too.
        {[](yBytes& b) { PutWord(b, KeyOffset(b, "eINF") + 8, 4); }, ""},
        {[](yBytes& b) { PutWord(b, KeyOffset(b, "ePVR") + 8, 2); }, "\"ePVR\""},
        {[](yBytes& b) { b[KeyOffset(b, "name") + 12] = 200; }, "string in its property \"name\""},
        {[](yBytes& b) { std::fill_n(b.begin() + long(KeyOffset(b, "wx86") + 12), 8, 'm'); },
         "no terminating zero"},
        {[](yBytes& b) { std::copy_n("eman", 4, b.begin() + long(KeyOffset(b, "catg"))); },
         "declares \"name\" twice"},
        // Properties this host does not use are skipped.
        {[](yBytes& b) { b[KeyOffset(b, "aeFL")] = 'Z'; }, ""},
    };
    for (const auto& c : cases)
    {
        yBytes bytes = good;
        c.damage(bytes);
        yPropertyList list;
        const std::string error = ParseError(bytes, list);
        if (*c.expected == 0)
            EXPECT_EQ(error, "");
        else
            EXPECT_NE(error.find(c.expected), std::string::npos) << c.expected << ": " << error;
    }
}

TEST(yPropertyList, SurvivesRandomDamage)
{
    const yBytes good = EffectList();
    std::mt19937 random(20240611);
    for (int round = 0; round < 5000; ++round)
    {
        yBytes bytes = good;
        for (int hits = 1 + int(random() % 4); hits > 0; --hits)
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
    EXPECT_EQ(yHost::VersionText(0x003F8000 | 0x600), "7.15"); // every bit of major and minor
    EXPECT_EQ(yHost::VersionText(0xFFC07FFF), "0.0");          // and none of the others
    EXPECT_EQ(yHost::FourCodeText(FourCode("eFKT")), "eFKT");
    EXPECT_EQ(yHost::FourCodeText(FourCode(" ~~ ")), " ~~ ");
    EXPECT_EQ(yHost::FourCodeText(0x41420043), "0x41420043");
    EXPECT_EQ(yHost::FourCodeText(0x7F414243), "0x7F414243");
}
