// The module's report of an instance's last render, asked for in process.
#include "host/sdk/ZT_HistogramReport.h"
#include "standalone/yRenderSession.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
class yHistogramReport : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(m_session.Open(TONESCOPE_MODULE, {}, error)) << error;
        m_report = reinterpret_cast<ZT_HistogramReportFunc>(m_module.Load(TONESCOPE_MODULE, error)
                                                                 ? m_module.Symbol(ZT_HistogramReport_SYMBOL)
                                                                 : nullptr);
        ASSERT_NE(m_report, nullptr) << error;
    }

    PF_Handle Data() { return m_session.Host().InData().sequence_data; }

    yHost::yRenderSession m_session;
    yHost::yModule m_module; // the same library, loaded once more
    ZT_HistogramReportFunc m_report = nullptr;
};

TEST_F(yHistogramReport, RefusesWhatIsNoLiveInstance)
{
    ZT_HistogramReport report{};
    EXPECT_EQ(m_report(Data(), nullptr, nullptr, 0), ZT_HistogramReport_BAD_ARGUMENT);
    EXPECT_EQ(m_report(nullptr, &report, nullptr, 0), ZT_HistogramReport_NO_DATA);
    // A flat record's bytes are never taken for an address.
    std::vector<uint8_t> bytes = m_session.Host().HandleBytes(Data());
    std::fill(bytes.begin() + 1, bytes.end(), 0xFF);
    PF_Handle foreign = m_session.Host().NewHandleWith(bytes);
    static_cast<uint8_t*>(*foreign)[0] = 0xBC;
    EXPECT_EQ(m_report(foreign, &report, nullptr, 0), ZT_HistogramReport_NO_DATA);
}

TEST_F(yHistogramReport, ReportsNothingBeforeTheFirstRenderAndTheCountsAfterIt)
{
    ZT_HistogramReport report{};
    ASSERT_EQ(m_report(Data(), &report, nullptr, 0), 0);
    EXPECT_EQ(report.version * 1000 + report.bin_count, 1000u);
    EXPECT_EQ(report.channels[0].first, -1);

    yHost::yWorld image(7, 3, true);
    for (int x = 0; x < 7; ++x)
        for (int y = 0; y < 3; ++y)
            image.Pixel16(x, y) = PF_Pixel16{32768, A_u_short(x * 1000), 0, 32768};
    m_session.SetInput(image, 1);
    std::string error;
    ASSERT_TRUE(m_session.SetParam("Color Model", "Y'IQ", error)) << error;
    ASSERT_TRUE(m_session.Render(error)) << error;

    std::vector<uint32_t> counts(4 * 32769, 7);
    // Too small a buffer is left alone.
    ASSERT_EQ(m_report(Data(), &report, counts.data(), 4 * 32769 - 1), 0);
    EXPECT_EQ(counts[0], 7u);
    ASSERT_EQ(m_report(Data(), &report, counts.data(), uint32_t(counts.size())), 0);
    EXPECT_STREQ(report.model_name, "Y'IQ");
    EXPECT_EQ((std::vector<int64_t>{report.model, report.depth, report.bin_count, report.total, report.top,
                                    report.left, report.bottom, report.right}),
              (std::vector<int64_t>{9, 16, 32769, 21, 0, 0, 3, 7}));
    for (int k = 0; k < 4; ++k)
    {
        uint64_t sum = 0;
        int first = -1, last = -1;
        for (size_t b = 0; b < 32769; ++b)
            if (const uint32_t n = counts[b * 4 + size_t(k)])
            {
                sum += n;
                last = int(b);
                first = first < 0 ? int(b) : first;
            }
        // The counts agree with the channel's summary.
        EXPECT_EQ(first, report.channels[k].first) << k;
        EXPECT_EQ(last, report.channels[k].last) << k;
        EXPECT_LE(sum, 21u) << k;
    }
    EXPECT_EQ(counts[size_t(32768) * 4 + 3], 21u); // opaque alpha in channel D
}
} // namespace
