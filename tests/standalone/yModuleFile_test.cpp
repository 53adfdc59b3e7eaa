#include "standalone/emulator/yModuleFile.h"
#include "standalone/emulator/yPropertyList.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include <gtest/gtest.h>

#include <elf.h>
#include <random>

using yStandalone::FourCode;
using yStandalone::yPropertyList;

namespace
{
// The module just built, with the offsets of its resource directory, of the
// property list's entry there and of the property list itself.
struct yModuleBytes
{
    std::vector<uint8_t> bytes = yTest::ReadBytes(yTest::ModulePath());
    size_t directory = yTest::FindBytes(bytes, std::string("ZRSC\1\0\0\0", 8));
    size_t entry = yTest::FindBytes(bytes, "LPIP", directory); // type, number, language, size, offset
    size_t list = yTest::FindBytes(bytes, "MIB8dnik") - 10;    // the header precedes the first property

    // Offset of a property's value: vendor, key (stored reversed), id and length come before it.
    size_t Value(const char* key) const
    {
        return yTest::FindBytes(bytes, std::string{key[3], key[2], key[1], key[0]}, list) + 12;
    }
    // The key of the entry property: the module's interface has one of two.
    const char* EntryKey() const
    {
        return yTest::FindBytes(bytes, "4668", list) != std::string::npos ? "8664" : "wx86";
    }
};

std::vector<uint8_t> PropertyList()
{
    yStandalone::yModuleFile file;
    std::string error;
    EXPECT_TRUE(file.Open(yTest::ModulePath(), error)) << error;
    const yStandalone::yResourceView view = file.Find(yStandalone::kPropertyListType, 16000);
    return std::vector<uint8_t>(view.bytes, view.bytes + view.size);
}
} // namespace

TEST(yModuleFile, ReadsEveryPropertyOfTheModule)
{
    yTest::yScratchFolder folder;
    yModuleBytes m;
    const std::pair<const char*, uint32_t> words[] = {{"eVER", 0x12345678},
                                                      {"eGLO", 0x9ABCDEF0},
                                                      {"eGL2", 0x0F1E2D3C},
                                                      {"aeFL", 0x11223344},
                                                      {"eINF", 0x5566}};
    for (const auto& w : words)
        for (int i = 0; i < 4; ++i)
            m.bytes[m.Value(w.first) + size_t(i)] = uint8_t(w.second >> (8 * i));
    yTest::WriteBytes(folder.File("m.so"), m.bytes);
    yPropertyList list;
    std::string error;
    ASSERT_TRUE(yPropertyList::Read(folder.File("m.so"), list, error)) << error;
    EXPECT_EQ(list.kind, yStandalone::kEffectKind);
    // One entry property, of the module's interface.
    const bool current = !list.entryPoint64.empty();
    EXPECT_EQ(list.name + "|" + list.category + "|" + list.matchName + "|" + list.entryPoint64 +
                  list.entryPoint32,
              "zel Tonescope|Ostrel 2.2|zo Tonescope|main");
    EXPECT_EQ((std::vector<int>{list.listVersionMajor, list.listVersionMinor, list.specVersionMajor,
                                list.specVersionMinor}),
              (std::vector<int>{2, 0, current ? 13 : 12, current ? 28 : 5}));
    EXPECT_EQ((std::vector<uint32_t>{list.effectVersion, list.outFlags, list.outFlags2, list.reservedInfo,
                                     list.infoFlags}),
              (std::vector<uint32_t>{0x12345678, 0x9ABCDEF0, 0x0F1E2D3C, 0x11223344, 0x5566}));
    EXPECT_EQ(list.keys.size(), 12u);
    EXPECT_TRUE(list.Has(FourCode("eMNA")) && !list.Has(FourCode("eMNB")));

    yStandalone::yModuleFile file;
    ASSERT_TRUE(file.Open(yTest::ModulePath(), error)) << error;
    // Found by type, number and language (0: any); not by another of them.
    EXPECT_EQ((std::vector<bool>{file.Find(yStandalone::kPropertyListType, 16000, 1033).bytes != nullptr,
                                 file.Find(yStandalone::kPropertyListType, 16001).bytes != nullptr,
                                 file.Find(yStandalone::kPropertyListType, 16000, 1031).bytes != nullptr,
                                 file.Find(yStandalone::FourCode("BMP "), 16000).bytes != nullptr}),
              (std::vector<bool>{true, false, false, false}));
}

TEST(yModuleFile, RefusesDamagedModulesNamingThem)
{
    yTest::yScratchFolder folder;
    const yModuleBytes m;
    const size_t whole = m.bytes.size();
    const struct
    {
        size_t size;    // bytes kept, 0: all
        size_t at;      // where the value is written, little-endian
        uint64_t value; // of width bytes
        int width;
        const char* expected; // part of the error; empty: accepted
    } cases[] = {
        {0, EI_CLASS, ELFCLASS32, 1, "is a 32-bit library; this tonescope is 64-bit"},
        {0, EI_DATA, ELFDATA2MSB, 1, "not a 64-bit little-endian"},
        {0, 16, ET_REL, 1, "not a shared library"}, // e_type
        {63, 0, 0x7F, 1, "ELF header"},
        {64, 0, 0x7F, 1, "is truncated"},
        {whole - 1, 0, 0x7F, 1, "is truncated"},
        {0, m.directory, 'X', 1, "does not start with a resource directory"},
        {0, m.directory + 10, 0xFF, 1, "resource directory of @ is truncated"}, // the entry count
        {0, m.entry, 'X', 1, "has no property list (resource \"PIPL\" 16000)"},
        {0, m.entry + 4, 16001, 4, "has no property list"},
        {0, m.list, 2, 1, "has version 2 where 1"},
        {0, m.list + 6, 13, 4, "is truncated at property 13 of 13"},
        {0, m.list + 6, 40, 4, "claims 40 properties"},
        {0, m.list + 6, 0xFFFFFFFF, 4, "claims 4294967295"},
        {0, m.Value("kind"), FourCode("8BFM"), 4, "declares the kind \"8BFM\", which is not an effect"},
        {0, m.Value("kind") - 12, 'X', 1, "has no kind"},
        {0, m.Value("name"), 0, 1, "gives the effect no name"},
        {0, m.Value("name"), 200, 1, "string in its property \"name\""},
        {0, m.Value(m.EntryKey()), 0, 1, "names no entry point (\"8664\" or \"wx86\")"},
        {0, m.Value(m.EntryKey()), 0x6D6D6D6D6D6D6D6D, 8, "no terminating zero"},
        {0, m.Value("catg") - 16, 'X', 1, "vendor"},
        {0, m.Value("catg") - 12, FourCode("name"), 4, "declares \"name\" twice"},
        {0, m.Value("eGLO") - 4, 0xFFFFFFFF, 4, "truncated inside its property \"eGLO\""},
        {0, m.Value("eVER") - 4, 3, 4, "holds 3 bytes in its property \"eVER\" where 4"},
        {0, m.Value("ePVR") - 4, 2, 4, "holds 2 bytes in its property \"ePVR\" where 4"},
        {0, m.Value("eINF") - 4, 3, 4, "holds 3 bytes in its property \"eINF\" where 2"},
        // A 16-bit value padded to a word is read too, and properties this host does not use are skipped.
        {0, m.Value("eINF") - 4, 4, 4, ""},
        {0, m.Value("aeFL") - 12, 'Z', 1, ""},
    };
    const std::string path = folder.File("damaged.so");
    for (const auto& c : cases)
    {
        std::vector<uint8_t> bytes = m.bytes;
        bytes.resize(c.size != 0 ? c.size : whole);
        for (int i = 0; i < c.width; ++i)
            bytes[c.at + size_t(i)] = uint8_t(c.value >> (8 * i));
        yTest::WriteBytes(path, bytes);
        yPropertyList list;
        std::string error;
        EXPECT_EQ(yPropertyList::Read(path, list, error), *c.expected == 0) << c.expected;
        if (*c.expected == 0) continue;
        std::string expected = c.expected;
        if (expected.find('@') != std::string::npos) expected.replace(expected.find('@'), 1, path);
        EXPECT_NE(error.find(path), std::string::npos) << error;
        EXPECT_NE(error.find(expected), std::string::npos) << error;
    }
    yPropertyList list;
    std::string error;
    EXPECT_FALSE(yPropertyList::Read(folder.File("missing.so"), list, error));
    EXPECT_EQ(error, "Cannot open the module " + folder.File("missing.so") + ": No such file or directory.");
    EXPECT_FALSE(yPropertyList::Read(TONESCOPE_PLAIN_LIBRARY, list, error));
    EXPECT_NE(error.find("has no resource section \"zelrsrc\""), std::string::npos);
    EXPECT_FALSE(yPropertyList::Read(folder.File(""), list, error));
    EXPECT_NE(error.find("not a regular file"), std::string::npos);
}

TEST(yModuleFile, SurvivesTruncationAndRandomDamage)
{
    // Every cut of the property list is refused.
    const std::vector<uint8_t> good = PropertyList();
    yPropertyList list;
    std::string error;
    for (size_t size = 0; size < good.size(); ++size)
        EXPECT_FALSE(yPropertyList::Parse(good.data(), size, list, error)) << size << " bytes";
    EXPECT_EQ(error.rfind("The property list ", 0), 0u) << error;

    std::mt19937 random(20240611);
    for (int round = 0; round < 5000; ++round)
    {
        std::vector<uint8_t> bytes = good;
        for (int hits = 1 + int(random() % 4); hits > 0; --hits)
            bytes[random() % bytes.size()] = uint8_t(random());
        const bool accepted = yPropertyList::Parse(bytes.data(), bytes.size(), list, error);
        ASSERT_FALSE(accepted ? list.entryPoint32.empty() && list.entryPoint64.empty() : error.empty());
    }
}
