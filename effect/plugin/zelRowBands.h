// A render's sampled rows split into bands that the host's threads count at
// once, each band into its own accumulator; the bands' counts are merged
// into the panel's at the end, so that the histogram is the one a single
// thread gives.
#pragma once

#include "effect/color/zelHistogramAccumulator.h"

#include <cstdint>
#include <memory>

namespace zelTonescope
{
class zelRowBands
{
  public:
    // Bands beyond this share the threads' work no better, but cost a set
    // of counters each (over a megabyte at 16 bits).
    static constexpr int kMaxBands = 32;
    // Smaller bands cost more to hand over to a thread than to count.
    static constexpr int64_t kMinBandPixels = int64_t(1) << 16;

    // The bands for rows of width pixels over threads threads: at least one.
    static int Count(int32_t rows, int32_t width, int threads);
    // The rows [first, end) of band of bands over [top, bottom); the first
    // bands take one row more when the rows do not share out evenly.
    static void Rows(int band, int bands, int32_t top, int32_t bottom, int32_t& first, int32_t& end);

    // Band's own accumulator, emptied for bins up to highest; null when the
    // memory cannot be had. Each band may be prepared on its own thread.
    zelHistogramAccumulator* Prepare(int band, uint32_t highest);
    // Adds the first bands' counts into acc; false when memory runs out.
    bool MergeInto(zelHistogramAccumulator& acc, int bands);

  private:
    std::unique_ptr<zelHistogramAccumulator> m_bands[kMaxBands];
};
} // namespace zelTonescope
