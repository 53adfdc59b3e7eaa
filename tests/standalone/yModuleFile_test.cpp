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

// A copy of the fake module, damaged by the caller.
class yDamagedModule : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_bytes = yTest::ReadBytes(TONESCOPE_FAKE_MODULE);
        m_list = yTest::FindBytes(m_bytes, "MIB8dnik");
        ASSERT_NE(m_list, std::string::npos);
        m_list -= 10; // the list's header comes before its first property
    }

    std::string Write()
    {
        const std::string path = m_folder.File("damaged.so");
        yTest::WriteBytes(path, m_bytes);
        return path;
    }

    yTest::yScratchFolder m_folder;
    std::vector<uint8_t> m_bytes;
    size_t m_list = 0; // file offset of the property list
};
} // namespace

TEST(yModuleFile, ReadsTheFakeModulesPropertyList)
{
    yPropertyList list;
    std::string error;
    ASSERT_TRUE(yPropertyList::Read(TONESCOPE_FAKE_MODULE, list, error)) << error;
    EXPECT_EQ(list.name, "Fake Effect");
    EXPECT_EQ(list.entryPoint, "FakeEntry");
    EXPECT_EQ(list.matchName, "zo Fake");

    yModuleFile file;
    ASSERT_TRUE(file.Open(TONESCOPE_FAKE_MODULE, error)) << error;
    EXPECT_EQ(file.ResourceCount(), 1u);
    EXPECT_NE(file.Find(yHost::kPropertyListType, 16000).bytes, nullptr);
    EXPECT_EQ(file.Find(yHost::kPropertyListType, 16000, 1031).bytes, nullptr); // another language
    EXPECT_EQ(file.Find(yHost::FourCode("BMP "), 16000).bytes, nullptr);
}

TEST(yModuleFile, RefusesFilesThatAreNoModules)
{
    yTest::yScratchFolder folder;
    const std::string text = folder.File("notes.so");
    yTest::WriteBytes(text, {'h', 'e', 'l', 'l', 'o', '\n'});
    const std::string empty = folder.File("empty.so");
    yTest::WriteBytes(empty, {});

    EXPECT_EQ(ReadError(folder.File("missing.so")),
              "Cannot open the module " + folder.File("missing.so") + ": No such file or directory.");
    EXPECT_EQ(ReadError(text), "The module " + text + " is not a shared library (it has no ELF header).");
    EXPECT_EQ(ReadError(empty), "The module " + empty + " is not a shared library (it has no ELF header).");
    EXPECT_NE(ReadError(TONESCOPE_PLAIN_LIBRARY).find("has no resource section \"zelrsrc\""),
              std::string::npos);
    EXPECT_NE(ReadError(folder.File("")).find("not a regular file"), std::string::npos);
}

TEST_F(yDamagedModule, RefusesOtherElfKinds)
{
    m_bytes[EI_CLASS] = ELFCLASS32;
    EXPECT_NE(ReadError(Write()).find("not a 64-bit little-endian"), std::string::npos);
    m_bytes[EI_CLASS] = ELFCLASS64;
    m_bytes[16] = ET_REL; // e_type
    EXPECT_NE(ReadError(Write()).find("not a shared library"), std::string::npos);
}

TEST_F(yDamagedModule, RefusesEveryTruncatedCopy)
{
    const std::vector<uint8_t> whole = m_bytes;
    for (size_t size : {size_t(3), size_t(63), size_t(64), whole.size() / 2, m_list + 20, whole.size() - 1})
    {
        m_bytes.assign(whole.begin(), whole.begin() + long(size));
        EXPECT_NE(ReadError(Write()), "") << size;
    }
}

TEST_F(yDamagedModule, NamesTheModuleWhenItsPropertyListIsBad)
{
    const std::vector<uint8_t> whole = m_bytes;
    m_bytes[m_list + 10 + 16] = 'X'; // the kind's value "TKFe" becomes "XKFe"
    const std::string path = Write();
    EXPECT_EQ(ReadError(path), "The property list of " + path +
                                   " declares the kind \"eFKX\", which is not an effect (\"eFKT\").");

    m_bytes = whole;
    m_bytes[m_list + 6] = 40; // more properties than the list holds
    EXPECT_EQ(ReadError(Write()).rfind("The property list of " + path + " claims 40 properties", 0), 0u);

    m_bytes = whole;
    m_bytes[m_list - 32] = 'X'; // the directory's magic word
    EXPECT_NE(ReadError(Write()).find("does not start with a resource directory"), std::string::npos);

    m_bytes = whole;
    m_bytes[m_list - 32 + 8] = 0xFF; // the directory's entry count
    EXPECT_NE(ReadError(Write()).find("resource directory of " + path + " is truncated"), std::string::npos);

    m_bytes = whole;
    m_bytes[m_list - 32 + 12 + 4] = 1; // the property list's number
    EXPECT_EQ(ReadError(Write()), "The module " + path + " has no property list (resource \"PIPL\" 16000).");
}

TEST_F(yDamagedModule, SurvivesRandomDamageToTheElfTables)
{
    const std::vector<uint8_t> whole = m_bytes;
    Elf64_Ehdr header;
    std::copy(whole.begin(), whole.begin() + sizeof header, reinterpret_cast<uint8_t*>(&header));
    const size_t tableStart = header.e_shoff, tableSize = size_t(header.e_shnum) * sizeof(Elf64_Shdr);
    ASSERT_LE(tableStart + tableSize, whole.size());

    std::mt19937 random(77);
    for (int round = 0; round < 300; ++round)
    {
        m_bytes = whole;
        for (int i = 0; i < 3; ++i)
        {
            // Hit the ELF header or the section table, where the offsets are.
            const size_t at = random() % 2 ? random() % sizeof header : tableStart + random() % tableSize;
            m_bytes[at] = uint8_t(random());
        }
        yPropertyList list;
        std::string error;
        if (!yPropertyList::Read(Write(), list, error))
        {
            ASSERT_FALSE(error.empty());
        }
    }
}
