#include "effect/plugin/zelRowBands.h"

#include <algorithm>
#include <new>

namespace zelTonescope
{
int zelRowBands::Count(int32_t rows, int32_t width, int threads)
{
    if (rows <= 0 || width <= 0) return 1;
    const int64_t bySize = int64_t(rows) * width / kMinBandPixels;
    const int64_t bands = std::min<int64_t>({int64_t(threads), int64_t(kMaxBands), bySize, int64_t(rows)});
    return bands > 1 ? int(bands) : 1;
}

void zelRowBands::Rows(int band, int bands, int32_t top, int32_t bottom, int32_t& first, int32_t& end)
{
    const int32_t rows = bottom - top;
    const int32_t each = rows / bands, extra = rows % bands;
    first = top + band * each + std::min(band, extra);
    end = first + each + (band < extra ? 1 : 0);
}

zelHistogramAccumulator* zelRowBands::Prepare(int band, uint32_t highest)
{
    if (band < 0 || band >= kMaxBands) return nullptr;
    std::unique_ptr<zelHistogramAccumulator>& acc = m_bands[band];
    if (!acc) acc.reset(new (std::nothrow) zelHistogramAccumulator());
    if (!acc || !acc->Prepare(highest)) return nullptr;
    return acc.get();
}

bool zelRowBands::MergeInto(zelHistogramAccumulator& acc, int bands)
{
    for (int band = 0; band < bands && band < kMaxBands; ++band)
        if (m_bands[band] && !acc.Merge(*m_bands[band])) return false;
    return true;
}
} // namespace zelTonescope
