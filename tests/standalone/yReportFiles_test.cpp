#include "standalone/yReportFiles.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

using yHost::yReportFiles;

TEST(yReportFiles, ChannelStatsFindFirstLastAndPeak)
{
    const std::vector<yHost::yBinCounts> bins{{0, 0, 0, 0}, {4, 0, 0, 5}, {7, 0, 0, 0},
                                              {7, 0, 0, 0}, {0, 0, 0, 0}, {1, 0, 9, 0}};
    // first, last, peak bin and peak count; of equal peaks the first counts
    const char* const expected[] = {"1 5 2 7", "-1 -1 -1 0", "5 5 5 9", "1 1 1 5"};
    for (int k = 0; k < 4; ++k)
    {
        const yHost::yChannelStats s = yReportFiles::ChannelStats(bins, k, "X");
        EXPECT_EQ(std::to_string(s.first) + " " + std::to_string(s.last) + " " + std::to_string(s.peakBin) +
                      " " + std::to_string(s.peakCount),
                  expected[k]);
    }
}

TEST(yReportFiles, FilesCarryEveryBinAndField)
{
    yTest::yScratchFolder folder;
    std::string error;
    ASSERT_TRUE(yReportFiles::WriteHistogramCsv(folder.File("h.csv"),
                                                {{1, 0, 0, 9}, {18446744073709551615u, 2, 3, 0}}, error))
        << error;
    EXPECT_EQ(yTest::ReadText(folder.File("h.csv")),
              "value,A,B,C,D\n0,1,0,0,9\n1,18446744073709551615,2,3,0\n");

    yHost::yHistogramStats stats;
    stats.depth = 16;
    for (int i = 0; i < 4; ++i)
        stats.channels[size_t(i)] = {std::string(1, char('K' + i)), i, 100 + i, 50 + i, uint64_t(10 * i)};
    stats.statusLine = "Mean 12.5 \xB5"; // a byte that is not UTF-8 must not break the file
    ASSERT_TRUE(yReportFiles::WriteStatsJson(folder.File("s.json"), stats, error)) << error;
    const nlohmann::json json = nlohmann::json::parse(yTest::ReadText(folder.File("s.json")));
    EXPECT_EQ(json["depth"], 16);
    ASSERT_EQ(json["channels"].size(), 4u);
    EXPECT_EQ(
        json["channels"][3],
        (nlohmann::json{{"name", "N"}, {"first", 3}, {"last", 103}, {"peak_bin", 53}, {"peak_count", 30}}));
    EXPECT_EQ(json["status_line"].get<std::string>().rfind("Mean 12.5 ", 0), 0u);

    EXPECT_FALSE(yReportFiles::WriteStatsJson(folder.File("missing/s.json"), {}, error));
    EXPECT_EQ(error.rfind("Cannot write " + folder.File("missing/s.json") + ": ", 0), 0u) << error;
}
