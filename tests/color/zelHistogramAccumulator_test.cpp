// Preparing, filling and summarising the histogram.
#include "effect/color/zelHistogramAccumulator.h"

#include <gtest/gtest.h>

#include <vector>

using namespace zelTonescope;

namespace
{
// first, last, peak bin and peak count of one channel, in one number each.
std::vector<int64_t> Stats(zelHistogramAccumulator const& h, int k)
{
    auto const& s = h.GetStats(k);
    return {s.first, s.last, int64_t(s.peakBin), int64_t(s.peakCount)};
}
} // namespace

TEST(zelHistogramAccumulator, EmptyBeforeAndAfterPreparation)
{
    zelHistogramAccumulator h;
    EXPECT_FALSE(h.HasBins());
    h.AddSample(1, 2, 3, 4); // no bins: nothing counted, not even the total
    EXPECT_EQ(h.GetTotal(), 0u);
    h.ComputeStatistics();
    EXPECT_FALSE(h.IsValid());
    ASSERT_TRUE(h.Prepare(255));
    EXPECT_TRUE(h.GetBinCount() == 256u && h.GetBins()[200].value == 200u);
    h.ComputeStatistics(); // an empty sample rectangle
    EXPECT_TRUE(h.IsValid());
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(Stats(h, k), (std::vector<int64_t>{-1, 0, 0, 0})) << k;
}

TEST(zelHistogramAccumulator, StatisticsOfSamples)
{
    zelHistogramAccumulator h;
    ASSERT_TRUE(h.Prepare(255));
    for (uint32_t v : {7u, 200u, 200u, 7u, 100u})
        h.AddSample(v, 255 - v, 5, v == 100 ? 0 : 255);
    h.ComputeStatistics();
    EXPECT_EQ(h.GetTotal(), 5u);
    EXPECT_EQ(Stats(h, 0), (std::vector<int64_t>{7, 200, 7, 2}));   // 7 and 200 tie: the lower bin wins
    EXPECT_EQ(Stats(h, 1), (std::vector<int64_t>{55, 248, 55, 2}));  // 55 (from 200) and 248 (from 7)
    EXPECT_EQ(Stats(h, 2), (std::vector<int64_t>{5, 5, 5, 5}));      // one bin
    EXPECT_EQ(Stats(h, 3), (std::vector<int64_t>{0, 255, 255, 4}));  // the alpha, last
    EXPECT_EQ(h.GetBins()[155].count[1], 1u);

    // Preparing again starts afresh, whatever the depth before.
    ASSERT_TRUE(h.Prepare(32768));
    EXPECT_TRUE(!h.IsValid() && h.GetTotal() == 0u && h.GetBinCount() == 32769u);
    h.AddSample(32768, 32769, 65535, 0); // white falls in the last bin; beyond it nothing is counted
    h.ComputeStatistics();
    EXPECT_EQ(h.GetTotal(), 1u); // the total counts the pixel all the same
    EXPECT_EQ(Stats(h, 0), (std::vector<int64_t>{32768, 32768, 32768, 1}));
    EXPECT_TRUE(h.GetStats(1).first == -1 && h.GetStats(2).first == -1 && h.GetStats(3).first == 0);
    EXPECT_EQ(h.GetBins()[7].count[0], 0u);
}

TEST(zelHistogramAccumulator, KernelCountersFoldIntoTheBins)
{
    zelHistogramAccumulator h;
    ASSERT_TRUE(h.Prepare(255));
    uint32_t* c = h.KernelCounters(false);
    ASSERT_NE(c, nullptr);
    const uint32_t span = zelHistogramAccumulator::KernelSpan(false);
    c[5] = 2;                      // lane 0, channel A
    c[(1 * 4 + 0) * span + 5] = 3; // lane 1, channel A
    c[(3 * 4 + 3) * span + 7] = 4; // lane 3, channel D
    c[(2 * 4 + 1) * span + 255] = 1; // lane 2, channel B, the last bin
    h.AddToTotal(5);
    h.AddSample(5, 0, 0, 0);
    h.ComputeStatistics();
    EXPECT_TRUE(h.GetBins()[5].count[0] == 6u && h.GetBins()[7].count[3] == 4u && h.GetBins()[255].count[1] == 1u);
    EXPECT_EQ(h.GetTotal(), 6u);
    ASSERT_TRUE(h.Prepare(255)); // folding cleared the counters
    h.ComputeStatistics();
    EXPECT_TRUE(h.GetBins()[5].count[0] == 0u && h.GetBins()[255].count[1] == 0u && h.GetBins()[200].value == 200u);

    ASSERT_TRUE(h.Prepare(32768));
    c = h.KernelCounters(true);
    ASSERT_NE(c, nullptr);
    const uint32_t deep = zelHistogramAccumulator::KernelSpan(true);
    c[3 * deep + 32768] = 2; // white alpha: the last bin
    c[3 * deep + 32769] = 9; // past the bins: dropped
    h.ComputeStatistics();
    EXPECT_EQ(Stats(h, 3), (std::vector<int64_t>{32768, 32768, 32768, 2}));
    c = h.KernelCounters(true); // switching to 8-bit counters keeps what the deep ones held
    c[1] = 1;
    ASSERT_NE(h.KernelCounters(false), nullptr);
    h.ComputeStatistics();
    EXPECT_EQ(h.GetBins()[1].count[0], 1u);

    EXPECT_FLOAT_EQ(zelHistogramAccumulator::DivisorFor(false, 20000), 2.0f);
    EXPECT_FLOAT_EQ(zelHistogramAccumulator::DivisorFor(true, 20000) + zelHistogramAccumulator::DivisorFor(false, 0), 0.2f);
}
