// Preparing, filling and summarising the histogram.
#include "effect/color/zelHistogramAccumulator.h"

#include <gtest/gtest.h>

using namespace zelTonescope;

TEST(zelHistogramAccumulator, EmptyBeforeAndAfterPreparation)
{
    zelHistogramAccumulator h;
    EXPECT_FALSE(h.HasBins());
    h.AddSample(1, 2, 3, 4); // no bins: nothing counted, not even the total
    EXPECT_EQ(h.GetTotal(), 0u);
    h.ComputeStatistics();
    EXPECT_FALSE(h.IsValid());

    ASSERT_TRUE(h.Prepare(255));
    EXPECT_EQ(h.GetBinCount(), 256u);
    EXPECT_EQ(h.GetBins()[200].value, 200u);
    h.ComputeStatistics(); // an empty sample rectangle
    EXPECT_TRUE(h.IsValid());
    for (int k = 0; k < 4; ++k)
    {
        EXPECT_EQ(h.GetStats(k).first, -1);
        EXPECT_EQ(h.GetStats(k).last, 0);
        EXPECT_EQ(h.GetStats(k).peakCount, 0u);
        EXPECT_EQ(h.GetStats(k).peakBin, 0u);
    }
}

TEST(zelHistogramAccumulator, OnePixel)
{
    zelHistogramAccumulator h;
    ASSERT_TRUE(h.Prepare(255));
    h.AddSample(10, 20, 30, 255);
    h.ComputeStatistics();
    EXPECT_EQ(h.GetTotal(), 1u);
    const uint32_t values[4] = {10, 20, 30, 255};
    for (int k = 0; k < 4; ++k)
    {
        EXPECT_EQ(h.GetStats(k).first, int32_t(values[k]));
        EXPECT_EQ(h.GetStats(k).last, int32_t(values[k]));
        EXPECT_EQ(h.GetStats(k).peakBin, values[k]);
        EXPECT_EQ(h.GetStats(k).peakCount, 1u);
        EXPECT_EQ(h.GetBins()[values[k]].count[k], 1u);
    }
}

TEST(zelHistogramAccumulator, DeepBinsAndValuesOutOfRange)
{
    zelHistogramAccumulator h;
    ASSERT_TRUE(h.Prepare(32768));
    EXPECT_EQ(h.GetBinCount(), 32769u);
    h.AddSample(32768, 32769, 65535, 0); // white falls in the last bin; beyond it nothing is counted
    h.ComputeStatistics();
    EXPECT_EQ(h.GetTotal(), 1u); // the total counts the pixel all the same
    EXPECT_EQ(h.GetBins()[32768].count[0], 1u);
    EXPECT_EQ(h.GetStats(1).first, -1);
    EXPECT_EQ(h.GetStats(2).first, -1);
    EXPECT_EQ(h.GetStats(3).first, 0);
}

TEST(zelHistogramAccumulator, PeakTiesKeepTheLowerBin)
{
    zelHistogramAccumulator h;
    ASSERT_TRUE(h.Prepare(255));
    for (uint32_t v : {7u, 200u, 200u, 7u, 100u})
        h.AddSample(v, 255 - v, 5, 5);
    h.ComputeStatistics();
    EXPECT_EQ(h.GetStats(0).peakBin, 7u); // 7 and 200 both hold 2
    EXPECT_EQ(h.GetStats(0).peakCount, 2u);
    EXPECT_EQ(h.GetStats(0).first, 7);
    EXPECT_EQ(h.GetStats(0).last, 200);
    EXPECT_EQ(h.GetStats(1).peakBin, 55u); // 55 (from 200) and 248 (from 7)
    EXPECT_EQ(h.GetStats(2).peakCount, 5u);
}

TEST(zelHistogramAccumulator, PreparationStartsAfresh)
{
    zelHistogramAccumulator h;
    ASSERT_TRUE(h.Prepare(32768));
    h.AddSample(30000, 1, 1, 1);
    h.ComputeStatistics();
    ASSERT_TRUE(h.Prepare(255));
    EXPECT_FALSE(h.IsValid());
    EXPECT_EQ(h.GetTotal(), 0u);
    EXPECT_EQ(h.GetStats(0).first, -1);
    h.ComputeStatistics();
    EXPECT_EQ(h.GetStats(1).first, -1);
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
    h.AddToTotal(5);
    h.AddSample(5, 0, 0, 0);
    h.ComputeStatistics();
    EXPECT_EQ(h.GetBins()[5].count[0], 6u);
    EXPECT_EQ(h.GetBins()[7].count[3], 4u);
    EXPECT_EQ(h.GetTotal(), 6u);
    // Folding clears the counters for the next render.
    ASSERT_TRUE(h.Prepare(255));
    h.ComputeStatistics();
    EXPECT_EQ(h.GetBins()[5].count[0], 0u);
}

TEST(zelHistogramAccumulator, DeepCountersPastTheBinsAreDropped)
{
    zelHistogramAccumulator h;
    ASSERT_TRUE(h.Prepare(32768));
    uint32_t* c = h.KernelCounters(true);
    ASSERT_NE(c, nullptr);
    const uint32_t span = zelHistogramAccumulator::KernelSpan(true);
    c[3 * span + 32768] = 2; // white alpha: the last bin
    c[3 * span + 32769] = 9; // past the bins
    h.ComputeStatistics();
    EXPECT_EQ(h.GetBins()[32768].count[3], 2u);
    EXPECT_EQ(h.GetStats(3).last, 32768);
    // Switching to 8-bit counters keeps what the deep ones held.
    c = h.KernelCounters(true);
    c[1] = 1;
    ASSERT_NE(h.KernelCounters(false), nullptr);
    h.ComputeStatistics();
    EXPECT_EQ(h.GetBins()[1].count[0], 1u);
}

TEST(zelHistogramAccumulator, Divisor)
{
    EXPECT_FLOAT_EQ(zelHistogramAccumulator::DivisorFor(false, 20000), 2.0f);
    EXPECT_FLOAT_EQ(zelHistogramAccumulator::DivisorFor(true, 20000), 0.2f);
    EXPECT_FLOAT_EQ(zelHistogramAccumulator::DivisorFor(false, 0), 0.0f);
}
