#include "standalone/yProjectFile.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include <gtest/gtest.h>

using yHost::yProjectFile;

namespace
{
std::string ReadError(const std::string& path, size_t expected = 36)
{
    std::vector<uint8_t> record{1, 2, 3};
    std::string error;
    EXPECT_FALSE(yProjectFile::Read(path, expected, record, error)) << path;
    EXPECT_TRUE(record.empty()) << "nothing half-read";
    return error;
}
} // namespace

TEST(yProjectFile, KeepsTheRecordBehindItsHeader)
{
    yTest::yScratchFolder folder;
    std::vector<uint8_t> record(36);
    for (size_t i = 0; i < record.size(); ++i)
        record[i] = uint8_t(i * 7);
    std::string error;
    ASSERT_TRUE(yProjectFile::Write(folder.File("p.tsp"), record, error)) << error;
    const std::vector<uint8_t> bytes = yTest::ReadBytes(folder.File("p.tsp"));
    ASSERT_EQ(bytes.size(), 48u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "ZTPJ");
    EXPECT_EQ(bytes[4], 1);  // format version
    EXPECT_EQ(bytes[8], 36); // record size

    std::vector<uint8_t> back;
    ASSERT_TRUE(yProjectFile::Read(folder.File("p.tsp"), 36, back, error)) << error;
    EXPECT_EQ(back, record);
    ASSERT_TRUE(yProjectFile::Read(folder.File("p.tsp"), 0, back, error)) << error;
}

TEST(yProjectFile, RefusesTruncatedForeignAndNewerFiles)
{
    yTest::yScratchFolder folder;
    std::string error;
    ASSERT_TRUE(yProjectFile::Write(folder.File("good.tsp"), std::vector<uint8_t>(36, 9), error));
    const std::vector<uint8_t> good = yTest::ReadBytes(folder.File("good.tsp"));
    const std::string path = folder.File("bad.tsp");

    for (size_t size = 0; size < good.size(); ++size)
    {
        yTest::WriteBytes(path, std::vector<uint8_t>(good.begin(), good.begin() + long(size)));
        const std::string e = ReadError(path);
        EXPECT_TRUE(e.find("truncated") != std::string::npos ||
                    e.find("not a tonescope project") != std::string::npos)
            << size << ": " << e;
    }

    std::vector<uint8_t> bytes = good;
    bytes[0] = 'P';
    yTest::WriteBytes(path, bytes);
    EXPECT_EQ(ReadError(path), "The file " + path + " is not a tonescope project.");

    bytes = good;
    bytes[4] = 2;
    yTest::WriteBytes(path, bytes);
    EXPECT_EQ(ReadError(path), "The project " + path +
                                   " has format 2, which this tonescope does not read (it reads format 1).");

    bytes = good;
    bytes.push_back(0);
    yTest::WriteBytes(path, bytes);
    EXPECT_EQ(ReadError(path), "The project " + path + " has bytes after its record.");

    bytes = good;
    bytes[11] = 0x7F; // a record size near 2^31
    yTest::WriteBytes(path, bytes);
    EXPECT_NE(ReadError(path).find("is truncated"), std::string::npos);

    EXPECT_EQ(ReadError(folder.File("good.tsp"), 40),
              "The project " + folder.File("good.tsp") +
                  " holds a record of 36 bytes where the module keeps 40.");
    EXPECT_EQ(ReadError(folder.File("none.tsp")).rfind("Cannot read the project ", 0), 0u);
}
