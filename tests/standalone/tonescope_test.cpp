// The tonescope program, run as a process.
#include "yStandaloneTestHelpers.h"

#include <gtest/gtest.h>

using yTest::RunTonescope;

TEST(tonescopeInfo, PrintsTheFakeModulesPropertyList)
{
    const yTest::yProcessResult r = RunTonescope({"info", TONESCOPE_FAKE_MODULE});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Fake Effect"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("FakeEntry"), std::string::npos);
    EXPECT_NE(r.out.find("2.2 (0x00110600)"), std::string::npos);
    EXPECT_NE(r.out.find("0x06088013"), std::string::npos);
}

TEST(tonescopeInfo, RefusesBadModulesWithOneSentence)
{
    yTest::yScratchFolder folder;
    const std::string text = folder.File("text.so");
    yTest::WriteBytes(text, {'#', '!', '/', 'b', 'i', 'n', '/', 's', 'h', '\n'});
    std::vector<uint8_t> module = yTest::ReadBytes(TONESCOPE_FAKE_MODULE);
    const std::string truncatedList = folder.File("truncated.so");
    const size_t list = yTest::FindBytes(module, "MIB8dnik") - 10;
    module[list + 6] = 13; // one property more than there is
    yTest::WriteBytes(truncatedList, module);
    module[list + 6] = 12;
    module[list + 10 + 19] = 'Z'; // the kind reads "ZFKT"
    const std::string wrongKind = folder.File("wrongkind.so");
    yTest::WriteBytes(wrongKind, module);

    for (const std::string& path :
         {folder.File("missing.so"), text, std::string(TONESCOPE_PLAIN_LIBRARY), truncatedList, wrongKind})
    {
        const yTest::yProcessResult r = RunTonescope({"info", path});
        EXPECT_EQ(r.status, 1) << path;
        EXPECT_EQ(yTest::LineCount(r.err), 1) << r.err;
        EXPECT_NE(r.err.find(path), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << path;
    }
}

TEST(tonescope, RefusesUnknownCommands)
{
    const yTest::yProcessResult r = RunTonescope({"transmogrify"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err, "");
}
