#include "standalone/yReportFiles.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

using yHost::yReportFiles;

TEST(yReportFiles, ChannelStatsFindFirstLastAndPeak)
{
    const std::vector<yHost::yBinCounts> bins{{0, 0, 0, 0}, {4, 0, 0, 5}, {7, 0, 0, 0},
                                              {7, 0, 0, 0}, {0, 0, 0, 0}, {1, 0, 9, 0}};
    const struct
    {
        int channel, first, last, peakBin;
        uint64_t peakCount;
    } cases[] = {
        {0, 1, 5, 2, 7}, // the first of two equal peaks
        {1, -1, -1, -1, 0},
        {2, 5, 5, 5, 9},
        {3, 1, 1, 1, 5},
    };
    for (const auto& c : cases)
    {
        const yHost::yChannelStats s = yReportFiles::ChannelStats(bins, c.channel, "X");
        EXPECT_EQ((std::vector<int64_t>{s.first, s.last, s.peakBin, int64_t(s.peakCount)}),
                  (std::vector<int64_t>{c.first, c.last, c.peakBin, int64_t(c.peakCount)}))
            << c.channel;
    }
}

TEST(yReportFiles, FilesCarryEveryBinAndField)
{
    yTest::yScratchFolder folder;
    std::string error;
    ASSERT_TRUE(yReportFiles::WriteHistogramCsv(folder.File("h.csv"), {{1, 0, 0, 9}, {18446744073709551615u, 2, 3, 0}},
                                                error))
        << error;
    EXPECT_EQ(yTest::ReadText(folder.File("h.csv")), "value,A,B,C,D\n0,1,0,0,9\n1,18446744073709551615,2,3,0\n");

    yHost::yHistogramStats stats;
    stats.depth = 16;
    stats.top = 1, stats.left = 2, stats.bottom = 30, stats.right = 40;
    for (int i = 0; i < 4; ++i)
        stats.channels[size_t(i)] = {std::string(1, char('K' + i)), i, 100 + i, 50 + i, uint64_t(10 * i)};
    stats.statusLine = "Mean 12.5 \xB5"; // a byte that is not UTF-8 must not break the file
    ASSERT_TRUE(yReportFiles::WriteStatsJson(folder.File("s.json"), stats, error)) << error;
    const nlohmann::json json = nlohmann::json::parse(yTest::ReadText(folder.File("s.json")));
    EXPECT_EQ(json["depth"], 16);
    EXPECT_EQ(json["sample_rect"], (nlohmann::json{{"top", 1}, {"left", 2}, {"bottom", 30}, {"right", 40}}));
    ASSERT_EQ(json["channels"].size(), 4u);
    EXPECT_EQ(json["channels"][3],
              (nlohmann::json{{"name", "N"}, {"first", 3}, {"last", 103}, {"peak_bin", 53}, {"peak_count", 30}}));
    EXPECT_EQ(json["status_line"].get<std::string>().rfind("Mean 12.5 ", 0), 0u);

    EXPECT_FALSE(yReportFiles::WriteStatsJson(folder.File("missing/s.json"), {}, error));
    EXPECT_EQ(error.rfind("Cannot write " + folder.File("missing/s.json") + ": ", 0), 0u) << error;
}
