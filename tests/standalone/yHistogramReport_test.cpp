// The module's report of an instance's last render, asked for in process.
#include "host/sdk/ZT_HistogramReport.h"
#include "standalone/yRenderSession.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

TEST(yHistogramReport, AnswersOnlyForALiveInstanceAndFillsOnlyABufferLargeEnough)
{
    yHost::yRenderSession session;
    yHost::yModule module; // the same library, loaded once more
    std::string error;
    ASSERT_TRUE(session.Open(TONESCOPE_MODULE, {}, error) && module.Load(TONESCOPE_MODULE, error)) << error;
    const auto report = reinterpret_cast<ZT_HistogramReportFunc>(module.Symbol(ZT_HistogramReport_SYMBOL));
    ASSERT_NE(report, nullptr);
    const PF_Handle data = session.Host().InData().sequence_data;
    ZT_HistogramReport r{};
    EXPECT_EQ(report(data, nullptr, nullptr, 0), ZT_HistogramReport_BAD_ARGUMENT);
    EXPECT_EQ(report(nullptr, &r, nullptr, 0), ZT_HistogramReport_NO_DATA);
    ASSERT_EQ(report(data, &r, nullptr, 0), 0);
    EXPECT_EQ(r.version * 1000 + r.bin_count, 1000u) << "nothing before the first render";

    session.SetInput(yHost::yWorld(7, 3, false), 1);
    ASSERT_TRUE(session.Render(error)) << error;
    std::vector<uint32_t> counts(4 * 256, 7);
    ASSERT_EQ(report(data, &r, counts.data(), 4 * 256 - 1), 0);
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0u), 7u * 4 * 256) << "too small: left alone";
    ASSERT_EQ(report(data, &r, counts.data(), 4 * 256), 0);
    // 21 transparent black pixels, all in the first bin of each channel.
    EXPECT_EQ(std::vector<uint32_t>(counts.begin(), counts.begin() + 4), std::vector<uint32_t>(4, 21));
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0u), 84u);
    EXPECT_EQ(r.total * 1000 + r.bin_count, 21256u);
}
