#include "standalone/yReportFiles.h"
#include "tests/standalone/yStandaloneTestHelpers.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

using yHost::yBinCounts;
using yHost::yReportFiles;

TEST(yReportFiles, HistogramCsvHasOneRowPerBin)
{
    const std::vector<yBinCounts> bins{{1, 0, 0, 9}, {0, 2, 0, 0}, {18446744073709551615u, 0, 3, 0}};
    EXPECT_EQ(yReportFiles::HistogramCsv(bins),
              "value,A,B,C,D\n0,1,0,0,9\n1,0,2,0,0\n2,18446744073709551615,0,3,0\n");
    EXPECT_EQ(yReportFiles::HistogramCsv({}), "value,A,B,C,D\n");
}

TEST(yReportFiles, ChannelStatsFindFirstLastAndPeak)
{
    const std::vector<yBinCounts> bins{{0, 0, 0, 0}, {4, 0, 0, 0}, {7, 0, 0, 0},
                                       {7, 0, 0, 0}, {0, 0, 0, 0}, {1, 0, 0, 0}};
    const yHost::yChannelStats a = yReportFiles::ChannelStats(bins, 0, "R");
    EXPECT_EQ(a.name, "R");
    EXPECT_EQ(a.first, 1);
    EXPECT_EQ(a.last, 5);
    EXPECT_EQ(a.peakBin, 2) << "the first of two equal peaks";
    EXPECT_EQ(a.peakCount, 7u);
    const yHost::yChannelStats empty = yReportFiles::ChannelStats(bins, 3, "A");
    EXPECT_EQ(empty.first, -1);
    EXPECT_EQ(empty.last, -1);
    EXPECT_EQ(empty.peakBin, -1);
    EXPECT_EQ(empty.peakCount, 0u);
}

TEST(yReportFiles, StatsJsonCarriesEveryField)
{
    yHost::yHistogramStats stats;
    stats.model = "Lab";
    stats.depth = 16;
    stats.bins = 32769;
    stats.top = 1, stats.left = 2, stats.bottom = 30, stats.right = 40;
    stats.total = 1054;
    const char* names[] = {"L", "a", "b", "Alpha"};
    for (int i = 0; i < 4; ++i)
        stats.channels[size_t(i)] = {names[i], i, 100 + i, 50 + i, uint64_t(10 * i)};
    stats.statusLine = "Mean 12.5 \xB5"; // a byte that is not UTF-8 must not break the file

    const nlohmann::json json = nlohmann::json::parse(yReportFiles::StatsJson(stats));
    EXPECT_EQ(json["model"], "Lab");
    EXPECT_EQ(json["depth"], 16);
    EXPECT_EQ(json["bins"], 32769);
    EXPECT_EQ(json["sample_rect"], (nlohmann::json{{"top", 1}, {"left", 2}, {"bottom", 30}, {"right", 40}}));
    EXPECT_EQ(json["total"], 1054);
    ASSERT_EQ(json["channels"].size(), 4u);
    EXPECT_EQ(json["channels"][3],
              (nlohmann::json{
                  {"name", "Alpha"}, {"first", 3}, {"last", 103}, {"peak_bin", 53}, {"peak_count", 30}}));
    EXPECT_EQ(json["status_line"].get<std::string>().rfind("Mean 12.5 ", 0), 0u);
}

TEST(yReportFiles, FilesAreWrittenWhole)
{
    yTest::yScratchFolder folder;
    std::string error;
    ASSERT_TRUE(yReportFiles::WriteHistogramCsv(folder.File("h.csv"), {{1, 2, 3, 4}}, error)) << error;
    const std::vector<uint8_t> bytes = yTest::ReadBytes(folder.File("h.csv"));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "value,A,B,C,D\n0,1,2,3,4\n");
    EXPECT_FALSE(yReportFiles::WriteStatsJson(folder.File("missing/s.json"), {}, error));
    EXPECT_EQ(error.rfind("Cannot write " + folder.File("missing/s.json") + ": ", 0), 0u) << error;
}
