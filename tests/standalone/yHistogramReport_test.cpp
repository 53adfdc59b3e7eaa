// The module's report of an instance's last render, asked for in process.
#include "host/sdk/ZT_HistogramReport.h"
#include "standalone/yRenderSession.h"

#include <gtest/gtest.h>

#include <vector>

TEST(yHistogramReport, ReportsNothingBeforeTheFirstRenderAndTheCountsAfterIt)
{
    yHost::yRenderSession session;
    yHost::yModule module; // the same library, loaded once more
    std::string error;
    ASSERT_TRUE(session.Open(TONESCOPE_MODULE, {}, error)) << error;
    ASSERT_TRUE(module.Load(TONESCOPE_MODULE, error)) << error;
    const auto report = reinterpret_cast<ZT_HistogramReportFunc>(module.Symbol(ZT_HistogramReport_SYMBOL));
    ASSERT_NE(report, nullptr);
    const PF_Handle data = session.Host().InData().sequence_data;
    ZT_HistogramReport r{};
    EXPECT_EQ(report(data, nullptr, nullptr, 0), ZT_HistogramReport_BAD_ARGUMENT);
    EXPECT_EQ(report(nullptr, &r, nullptr, 0), ZT_HistogramReport_NO_DATA);
    ASSERT_EQ(report(data, &r, nullptr, 0), 0);
    EXPECT_EQ(r.version * 1000 + r.bin_count, 1000u);
    EXPECT_EQ(r.channels[0].first, -1);

    yHost::yWorld image(7, 3, true);
    for (int x = 0; x < 7; ++x)
        for (int y = 0; y < 3; ++y)
            image.Pixel16(x, y) = PF_Pixel16{32768, A_u_short(x * 1000), 0, 32768};
    session.SetInput(image, 1);
    ASSERT_TRUE(session.SetParam("Color Model", "Y'IQ", error)) << error;
    ASSERT_TRUE(session.Render(error)) << error;

    std::vector<uint32_t> counts(4 * 32769, 7);
    ASSERT_EQ(report(data, &r, counts.data(), 4 * 32769 - 1), 0);
    EXPECT_EQ(counts[0], 7u) << "too small a buffer is left alone";
    ASSERT_EQ(report(data, &r, counts.data(), uint32_t(counts.size())), 0);
    EXPECT_STREQ(r.model_name, "Y'IQ");
    EXPECT_EQ((std::vector<int64_t>{r.model, r.depth, r.bin_count, r.total, r.top, r.left, r.bottom, r.right}),
              (std::vector<int64_t>{9, 16, 32769, 21, 0, 0, 3, 7}));
    for (int k = 0; k < 4; ++k)
    {
        int first = -1, last = -1;
        for (int b = 0; b < 32769; ++b)
            if (counts[size_t(b) * 4 + size_t(k)] != 0) last = b, first = first < 0 ? b : first;
        // The counts agree with the channel's summary.
        EXPECT_EQ(first * 100000 + last, r.channels[k].first * 100000 + r.channels[k].last) << k;
    }
    EXPECT_EQ(counts[size_t(32768) * 4 + 3], 21u); // opaque alpha in channel D
}
