// The histogram of one render: four channels counted into 256 bins (8-bit
// images) or 32769 bins (16-bit), and per-channel statistics.
#pragma once

#include <cstdint>
#include <memory>

namespace zelTonescope
{
// One bin: the counts of channels A to D and the bin's own value.
struct zelHistogramBin
{
    uint32_t count[4];
    uint32_t value;
};

struct zelChannelStats
{
    int32_t first = -1;     // lowest non-empty bin; -1 when the channel is empty
    int32_t last = 0;       // highest non-empty bin; 0 when empty
    uint32_t peakCount = 0; // largest count of any bin
    uint32_t peakBin = 0;   // the lowest bin holding the peak count
};

class zelHistogramAccumulator
{
public:
    static constexpr int kChannels = 4;
    static constexpr uint32_t kHighest8 = 255;
    static constexpr uint32_t kHighest16 = 32768;

    zelHistogramAccumulator();
    ~zelHistogramAccumulator();
    zelHistogramAccumulator(zelHistogramAccumulator const&) = delete;
    zelHistogramAccumulator& operator=(zelHistogramAccumulator const&) = delete;

    // Replaces the bins by highest + 1 empty ones and clears the statistics.
    // False (and no bins) when the memory cannot be had.
    bool Prepare(uint32_t highest);
    // Counts each value below the bin count; the total grows by one regardless.
    void AddSample(uint32_t a, uint32_t b, uint32_t c, uint32_t d);
    // Folds the row kernel's counts into the bins, then walks them for the
    // statistics and marks them valid. Nothing happens without bins.
    void ComputeStatistics();

    bool HasBins() const { return m_bins != nullptr; }
    bool IsValid() const { return m_valid; }
    uint32_t GetBinCount() const { return m_binCount; }
    uint32_t GetTotal() const { return m_total; }
    // The bin records; the row kernel's counts show up after ComputeStatistics.
    const zelHistogramBin* GetBins() const { return m_bins.get(); }
    zelChannelStats const& GetStats(int channel) const { return m_stats[channel & 3]; }

    // Sampled pixels per display unit: the pixel count over 10000 (8-bit) or 100000 (16-bit).
    static float DivisorFor(bool deep, int64_t pixelCount);
    float GetDivisor() const { return m_divisor; }
    void SetDivisor(float divisor) { m_divisor = divisor; }

    // The row kernel's side door: planar counters, KernelLanes copies per
    // channel (lane-major, then channel), each indexed by any value of the
    // sample's component type, so no bound check is needed while counting.
    // Values at or past the bin count are dropped when folding. Null when
    // the memory cannot be had.
    static constexpr int kLanes = 4;
    uint32_t* KernelCounters(bool deep);
    static uint32_t KernelSpan(bool deep) { return deep ? 65536u : 256u; }
    // Deep counters are large and counted by runs: one copy is enough.
    static int KernelLanes(bool deep) { return deep ? 1 : kLanes; }
    void AddToTotal(uint32_t n) { m_total += n; }
    // Deep counters are a megabyte to clear and a fold over every value they
    // can hold, which costs more than it saves on a few thousand samples: a
    // render's first samples go straight to the bins, until n more would
    // pass kDirectDeepSamples or the counters are in use.
    static constexpr uint32_t kDirectDeepSamples = 16384;
    bool CountsDeepDirectly(int32_t n) const
    {
        return !m_countersUsed && uint64_t(m_total) + uint64_t(n) <= kDirectDeepSamples;
    }

    // Adds the counts and total of another accumulator prepared for the same
    // depth (one band of a render split over threads) and empties it.
    // False when the counters cannot be had.
    bool Merge(zelHistogramAccumulator& band);

private:
    void FoldKernelCounters();

    std::unique_ptr<zelHistogramBin[]> m_bins;
    uint32_t m_binCount = 0;
    uint32_t m_total = 0;
    bool m_valid = false;
    float m_divisor = 1.0f;
    zelChannelStats m_stats[kChannels];

    std::unique_ptr<uint32_t[]> m_counters; // lanes x kChannels x span
    uint32_t m_counterSpan = 0;
    int m_counterLanes = 0;
    bool m_countersUsed = false;
};
} // namespace zelTonescope
