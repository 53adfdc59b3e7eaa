#include "standalone/media/yProjectFile.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include <gtest/gtest.h>

using yStandalone::yProjectFile;

TEST(yProjectFile, RefusesTruncatedForeignAndNewerFiles)
{
    yTest::yScratchFolder folder;
    const std::string path = folder.File("p.ztp");
    std::string error;
    ASSERT_TRUE(yProjectFile::Write(path, std::vector<uint8_t>(36, 9), {{"Sample", "Region"}}, error))
        << error;
    const std::vector<uint8_t> good = yTest::ReadBytes(path);
    const size_t kLarge = size_t(1) << 20; // the largest record read
    const struct
    {
        size_t size; // bytes of the file kept, 0: all
        size_t at;   // a byte changed, with its new value
        uint8_t value;
        size_t expectedSize; // as the module keeps it
        const char* message;
    } cases[] = {
        {11, 0, 'Z', 36, "is truncated inside its header"},
        {47, 0, 'Z', 36, "is truncated: its record has 35 of 36 bytes"},
        {0, 4, 0, 36, "has format 0"},
        {0, 4, 1, 36, "has bytes after its record"},             // format 1 had no settings
        {0, 48, 2, 36, "is truncated inside its host settings"}, // one setting more
        {0, 52, 7, 36, "is truncated inside its host settings"}, // a longer name
        {good.size() + 1, 0, 'Z', 36, "has bytes after its host settings"},
        {0, 11, 0x7F, 36, "is damaged: its header claims a record of 2130706468 bytes"},
        {0, 0, 'Z', 40, "holds a record of 36 bytes where the module keeps 40"},
        // A record just larger than any module keeps, with all its bytes.
        {12 + kLarge + 1, 10, 0x10, 36, "is damaged: its header claims a record of 1048577 bytes"},
    };
    for (const auto& c : cases)
    {
        std::vector<uint8_t> bytes = good;
        bytes.resize(c.size != 0 ? c.size : good.size());
        bytes[c.at] = c.value;
        if (c.size > kLarge) bytes[8] = 1; // the record size kLarge + 1
        yTest::WriteBytes(path, bytes);
        std::vector<uint8_t> record{1, 2, 3};
        EXPECT_FALSE(yProjectFile::Read(path, c.expectedSize, record, error)) << c.message;
        EXPECT_NE(error.find(path + " " + c.message), std::string::npos) << error;
        EXPECT_TRUE(record.empty()) << "nothing half-read";
    }
}

TEST(yProjectFile, KeepsTheHostSettingsAndReadsFormatOne)
{
    yTest::yScratchFolder folder;
    const std::string path = folder.File("p.ztp");
    const yStandalone::yHostSettings settings = {{"Color Model", "Luv"}, {"Position", "1.5,-2"}, {"", ""}};
    std::string error;
    std::vector<uint8_t> record;
    yStandalone::yHostSettings read;
    ASSERT_TRUE(yProjectFile::Write(path, std::vector<uint8_t>(36, 9), settings, error)) << error;
    ASSERT_TRUE(yProjectFile::Read(path, 36, record, read, error)) << error;
    EXPECT_EQ(record, std::vector<uint8_t>(36, 9));
    EXPECT_EQ(read, settings);

    // Format 1: the header and the record alone.
    std::vector<uint8_t> old = {'Z', 'T', 'P', 'J', 1, 0, 0, 0, 36, 0, 0, 0};
    old.resize(12 + 36, 7);
    yTest::WriteBytes(path, old);
    ASSERT_TRUE(yProjectFile::Read(path, 36, record, read, error)) << error;
    EXPECT_EQ(record, std::vector<uint8_t>(36, 7));
    EXPECT_TRUE(read.empty());
}
