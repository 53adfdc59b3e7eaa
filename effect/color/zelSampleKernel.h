// The render's sampling loop, a row at a time: converts pixels into a colour
// model and counts their four channels into a histogram accumulator. It gives
// exactly the counts and pixels of zelColorModel::Convert followed by
// zelHistogramAccumulator::AddSample for each pixel, only faster: vectorised
// loops over chunks, exact table lookups, runs of equal pixels counted at
// once, and counters that the accumulator folds into its bins when it
// computes its statistics (docs/performance.md tells how and how fast).
#pragma once

#include "host/sdk/AE_Effect.h"
#include "effect/color/zelHistogramAccumulator.h"

#include <cstdint>
#include <memory>

namespace zelTonescope
{
class zelSampleKernel
{
public:
    zelSampleKernel();
    ~zelSampleKernel();
    zelSampleKernel(zelSampleKernel const&) = delete;
    zelSampleKernel& operator=(zelSampleKernel const&) = delete;

    // Builds the tables of a model at a bit depth (a few milliseconds for 16-bit
    // Lab and Luv, nothing when unchanged). Unknown models act as RGB.
    // False when the tables cannot be had.
    bool SetModel(short model, bool deep);
    short GetModel() const { return m_model; }

    // Converts count pixels and counts them into the accumulator (nothing is
    // counted when it has no bins). With out given, the converted pixels are
    // written there too; out may be the input itself. The depth must match the
    // one given to SetModel. False when the counters cannot be had. Threads
    // may add rows at once, each into its own accumulator.
    bool AddRow(const PF_Pixel* in, int32_t count, zelHistogramAccumulator& acc, PF_Pixel* out = nullptr) const;
    bool AddRow(const PF_Pixel16* in, int32_t count, zelHistogramAccumulator& acc, PF_Pixel16* out = nullptr) const;

    struct Tables;

private:
    std::unique_ptr<Tables> m_tables;
    short m_model = 0;
    bool m_deep = false;
    bool m_ready = false;
};
} // namespace zelTonescope
