#include "standalone/yModuleFile.h"
#include "standalone/yPropertyList.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include <gtest/gtest.h>

#include <elf.h>
#include <random>

using yHost::yModuleFile;
using yHost::yPropertyList;

namespace
{
std::string ReadError(const std::string& path)
{
    yPropertyList list;
    std::string error;
    EXPECT_FALSE(yPropertyList::Read(path, list, error)) << path;
    return error;
}
} // namespace

TEST(yModuleFile, FindsThePropertyListOfTheModule)
{
    yPropertyList list;
    std::string error;
    ASSERT_TRUE(yPropertyList::Read(TONESCOPE_MODULE, list, error)) << error;
    EXPECT_EQ(list.name + "|" + list.entryPoint + "|" + list.matchName, "zel Tonescope|main|zo Tonescope");

    yModuleFile file;
    ASSERT_TRUE(file.Open(TONESCOPE_MODULE, error)) << error;
    EXPECT_NE(file.Find(yHost::kPropertyListType, 16000).bytes, nullptr);
    EXPECT_EQ(file.Find(yHost::kPropertyListType, 16001).bytes, nullptr);
    EXPECT_EQ(file.Find(yHost::kPropertyListType, 16000, 1031).bytes, nullptr); // another language
    EXPECT_EQ(file.Find(yHost::FourCode("BMP "), 16000).bytes, nullptr);
}

TEST(yModuleFile, RefusesDamagedModulesNamingThem)
{
    yTest::yScratchFolder folder;
    const std::vector<uint8_t> whole = yTest::ReadBytes(TONESCOPE_MODULE);
    const size_t list = yTest::FindBytes(whole, "MIB8dnik") - 10; // the list's header precedes its first key
    const size_t directory = yTest::FindBytes(whole, std::string("ZRSC\1\0\0\0", 8));
    const size_t entry = yTest::FindBytes(whole, "LPIP", directory); // the property list's type, number, ...
    const struct
    {
        size_t size; // bytes kept, 0: all
        size_t at;   // a byte changed, with its new value
        uint8_t value;
        const char* expected;
    } cases[] = {
        {0, EI_CLASS, ELFCLASS32, "not a 64-bit little-endian"},
        {0, EI_DATA, ELFDATA2MSB, "not a 64-bit little-endian"},
        {0, 16, ET_REL, "not a shared library"}, // e_type
        {0, 0, 'X', "has no ELF header"},
        {0, list + 10 + 16, 'X', "declares the kind \"eFKX\", which is not an effect (\"eFKT\")"},
        {0, list + 6, 40, "claims 40 properties"},
        {0, directory, 'X', "does not start with a resource directory"},
        {0, directory + 10, 0xFF, "is truncated"}, // the directory's entry count
        {0, entry + 4, 1, "has no property list (resource \"PIPL\" 16000)"},
        {0, entry, 'X', "has no property list"},
        {0, entry + 8, 7, "has no property list"}, // another language
        {3, 0, 0x7F, "has no ELF header"},
        {63, 0, 0x7F, "ELF header"},
        {64, 0, 0x7F, ""},
        {whole.size() / 2, 0, 0x7F, ""},
        {list + 20, 0, 0x7F, ""},
        {whole.size() - 1, 0, 0x7F, ""},
    };
    const std::string path = folder.File("damaged.so");
    for (const auto& c : cases)
    {
        std::vector<uint8_t> bytes = whole;
        bytes.resize(c.size != 0 ? c.size : whole.size());
        bytes[c.at] = c.value;
        yTest::WriteBytes(path, bytes);
        const std::string error = ReadError(path);
        EXPECT_NE(error.find(path), std::string::npos) << error;
        EXPECT_NE(error.find(c.expected), std::string::npos) << error;
    }
    const std::string missing = folder.File("missing.so");
    EXPECT_EQ(ReadError(missing), "Cannot open the module " + missing + ": No such file or directory.");
    EXPECT_NE(ReadError(TONESCOPE_PLAIN_LIBRARY).find("has no resource section \"zelrsrc\""), std::string::npos);
    EXPECT_NE(ReadError(folder.File("")).find("not a regular file"), std::string::npos);
}

TEST(yModuleFile, SurvivesRandomDamageToTheElfTables)
{
    yTest::yScratchFolder folder;
    const std::vector<uint8_t> whole = yTest::ReadBytes(TONESCOPE_MODULE);
    Elf64_Ehdr header;
    std::copy(whole.begin(), whole.begin() + sizeof header, reinterpret_cast<uint8_t*>(&header));
    const size_t tableStart = header.e_shoff, tableSize = size_t(header.e_shnum) * sizeof(Elf64_Shdr);
    ASSERT_LE(tableStart + tableSize, whole.size());
    std::mt19937 random(77);
    for (int round = 0; round < 300; ++round)
    {
        std::vector<uint8_t> bytes = whole;
        for (int i = 0; i < 3; ++i)
        {
            // Hit the ELF header or the section table, where the offsets are.
            const size_t at = random() % 2 ? random() % sizeof header : tableStart + random() % tableSize;
            bytes[at] = uint8_t(random());
        }
        yTest::WriteBytes(folder.File("damaged.so"), bytes);
        yPropertyList list;
        std::string error;
        if (!yPropertyList::Read(folder.File("damaged.so"), list, error))
        {
            ASSERT_FALSE(error.empty());
        }
    }
}
