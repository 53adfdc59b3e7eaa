#include "effect/color/zelHistogramAccumulator.h"

#include <cstring>
#include <new>

namespace zelTonescope
{
zelHistogramAccumulator::zelHistogramAccumulator() = default;
zelHistogramAccumulator::~zelHistogramAccumulator() = default;

bool zelHistogramAccumulator::Prepare(uint32_t highest)
{
    m_valid = false;
    m_total = 0;
    for (zelChannelStats& s : m_stats)
        s = zelChannelStats();
    if (m_countersUsed)
        std::memset(m_counters.get(), 0, sizeof(uint32_t) * m_counterLanes * kChannels * m_counterSpan);
    m_countersUsed = false;

    if (highest == UINT32_MAX)
    {
        m_bins.reset();
        m_binCount = 0;
        return false;
    }
    const uint32_t count = highest + 1;
    if (m_bins && m_binCount == count)
    {
        // The same depth again: the bins are emptied where they are, so a
        // render does not pay for fresh pages every time.
        for (uint32_t i = 0; i < count; ++i)
            m_bins[i] = zelHistogramBin{{0, 0, 0, 0}, i};
        return true;
    }
    m_bins.reset();
    m_binCount = 0;
    m_bins.reset(new (std::nothrow) zelHistogramBin[count]());
    if (!m_bins)
        return false;
    for (uint32_t i = 0; i < count; ++i)
        m_bins[i].value = i;
    m_binCount = count;
    return true;
}

void zelHistogramAccumulator::AddSample(uint32_t a, uint32_t b, uint32_t c, uint32_t d)
{
    if (!m_bins)
        return;
    const uint32_t v[kChannels] = {a, b, c, d};
    for (int k = 0; k < kChannels; ++k)
        if (v[k] < m_binCount)
            ++m_bins[v[k]].count[k];
    ++m_total;
}

uint32_t* zelHistogramAccumulator::KernelCounters(bool deep)
{
    const uint32_t span = KernelSpan(deep);
    if (m_counterSpan != span)
    {
        FoldKernelCounters();
        const int lanes = KernelLanes(deep);
        m_counters.reset(new (std::nothrow) uint32_t[size_t(lanes) * kChannels * span]());
        m_counterSpan = m_counters ? span : 0;
        m_counterLanes = m_counters ? lanes : 0;
    }
    m_countersUsed = m_counters != nullptr;
    return m_counters.get();
}

bool zelHistogramAccumulator::Merge(zelHistogramAccumulator& band)
{
    m_total += band.m_total;
    band.m_total = 0;
    const uint32_t n = m_binCount < band.m_binCount ? m_binCount : band.m_binCount;
    for (uint32_t i = 0; i < n; ++i)
        for (int k = 0; k < kChannels; ++k)
        {
            m_bins[i].count[k] += band.m_bins[i].count[k];
            band.m_bins[i].count[k] = 0;
        }
    if (!band.m_countersUsed)
        return true;
    uint32_t* mine = KernelCounters(band.m_counterSpan == KernelSpan(true));
    if (mine == nullptr)
        return false;
    const size_t size = size_t(m_counterLanes) * kChannels * m_counterSpan;
    uint32_t* theirs = band.m_counters.get();
    for (size_t i = 0; i < size; ++i)
        mine[i] += theirs[i];
    std::memset(theirs, 0, sizeof(uint32_t) * size);
    band.m_countersUsed = false;
    return true;
}

void zelHistogramAccumulator::FoldKernelCounters()
{
    if (!m_countersUsed)
        return;
    const uint32_t span = m_counterSpan;
    const uint32_t n = m_binCount < span ? m_binCount : span;
    for (int lane = 0; lane < m_counterLanes; ++lane)
        for (int k = 0; k < kChannels; ++k)
        {
            uint32_t* counts = m_counters.get() + (size_t(lane) * kChannels + k) * span;
            for (uint32_t i = 0; i < n; ++i)
                m_bins[i].count[k] += counts[i];
            std::memset(counts, 0, sizeof(uint32_t) * span);
        }
    m_countersUsed = false;
}

void zelHistogramAccumulator::ComputeStatistics()
{
    if (!m_bins)
        return;
    FoldKernelCounters();
    for (uint32_t i = 0; i < m_binCount; ++i)
        for (int k = 0; k < kChannels; ++k)
        {
            const uint32_t n = m_bins[i].count[k];
            if (n == 0)
                continue;
            zelChannelStats& s = m_stats[k];
            if (n > s.peakCount)
            {
                s.peakCount = n;
                s.peakBin = i;
            }
            if (s.first == -1)
                s.first = static_cast<int32_t>(i);
            s.last = static_cast<int32_t>(i);
        }
    m_valid = true;
}

float zelHistogramAccumulator::DivisorFor(bool deep, int64_t pixelCount)
{
    return static_cast<float>(pixelCount / (deep ? 100000.0 : 10000.0));
}
} // namespace zelTonescope
