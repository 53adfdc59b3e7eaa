// The tonescope program, run as a process.
#include "tests/standalone/yStandaloneTestHelpers.h"

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

TEST(tonescopeInfo, ReportsTheRealModulesSetUp)
{
    // Without an argument the module beside the program is used.
    const yTest::yProcessResult r = RunTonescope({"info"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    for (const char* expected : {
             "  name            zel Tonescope\n",
             "  category        Ostrel 2.2\n",
             "  match name      zo Tonescope\n",
             "Global set-up\n  my_version      2.2 (0x00110600)\n  out_flags       0x06088013\n"
             "  out_flags2      0x00000008\n",
             "Parameters (num_params 8)\n",
             "  1 \"Color Model\": popup, default 1, 12 choices "
             "\"RGB|HLS|HSV|CMY|CMYK|XYZ|xyY|Y'UV|Y'IQ|Lab|Luv|\"; "
             "id 1, flags 0x40, UI flags 0x00\n",
             "  2 \"\": check box \"Render Output\", default off; id 2",
             "  3 \"Histogram\": arbitrary data, arbitrary id 3, default none, refcon 0xDEADBEEF, UI 300 x "
             "300; id 3, "
             "flags 0x02, UI flags 0x82\n",
             "  4 \"Sample\": popup, default 2, 3 choices \"Region|Whole Image|\"; id 4, flags 0x40",
             "  5 \"Position\": point, default 50.0%, 50.0%, bounds not restricted; id 5",
             "  7 \"Height\": fixed slider, default 100.00, valid -10000 to 10000, slider 0 to 200, 2 "
             "decimals, "
             "display flags 0; id 7, flags 0x20, UI flags 0x00\n",
             "Custom UI registered: events 0x04\n",
             "Global set-down done\n",
         })
        EXPECT_NE(r.out.find(expected), std::string::npos) << expected << "\nin\n" << r.out;
}

TEST(tonescopeInfo, RefusesAModuleWithoutItsEntryPoint)
{
    yTest::yScratchFolder folder;
    std::vector<uint8_t> module = yTest::ReadBytes(TONESCOPE_FAKE_MODULE);
    // The name in the property list, not the one in the symbol table.
    const size_t entry = yTest::FindBytes(module, "FakeEntry", yTest::FindBytes(module, "MIB8dnik"));
    ASSERT_NE(entry, std::string::npos);
    module[entry + 8] = 'X'; // the property list now names "FakeEntrX"
    const std::string path = folder.File("renamed.so");
    yTest::WriteBytes(path, module);

    const yTest::yProcessResult r = RunTonescope({"info", path});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "The module " + path + " does not export its entry point \"FakeEntrX\".\n");
    EXPECT_EQ(r.out, "");
}

TEST(tonescope, RefusesUnknownCommands)
{
    const yTest::yProcessResult r = RunTonescope({"transmogrify"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err, "");
}
