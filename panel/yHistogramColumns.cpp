#include "panel/yHistogramColumns.h"

#include <cfloat>
#include <new>

namespace
{
yHistogramColumns::Entry ReadBin(const yHistogramColumns::Entry* bins, unsigned long binCount, uint64_t index)
{
    if (index < binCount)
        return bins[index];
    return yHistogramColumns::Entry{{0, 0, 0, 0}, static_cast<uint32_t>(index)};
}

// Truncated (i / N) * span + start, in double precision.
uint64_t ColumnToBin(uint64_t i, unsigned long columnCount, uint64_t span, uint32_t start)
{
    const double at = static_cast<double>(i) / static_cast<double>(columnCount) * static_cast<double>(span) +
                      static_cast<double>(start);
    return static_cast<uint64_t>(at);
}

uint32_t CountToHeight(uint32_t count, float divisor, float scale)
{
    const float h = static_cast<float>(count) / divisor * scale;
    if (!(h > 0.0f)) // negative, zero, or 0/0 when nothing was sampled
        return 0;
    if (h >= 4294967296.0f)
        return UINT32_MAX;
    return static_cast<uint32_t>(h);
}
} // namespace

void yHistogramColumns::FreeColumns()
{
    m_columns.reset();
}

bool yHistogramColumns::BuildColumns(const Entry* bins, unsigned long binCount, const unsigned long& columnCount,
                                     const unsigned long range[2])
{
    if (bins == nullptr)
        return true;

    FreeColumns();
    const unsigned long n = columnCount;
    try
    {
        if (n >= static_cast<unsigned long>(UINT32_MAX))
            throw std::bad_alloc();
        m_columns.reset(new Entry[n + 1]());
    }
    catch (const std::bad_alloc&)
    {
        m_columns.reset();
        return false;
    }
    m_columnCount = n;
    m_viewStart = static_cast<uint32_t>(range[0]);
    m_viewEnd = static_cast<uint32_t>(range[1]);
    // The range slider keeps black at or below white; a reversed range is shown
    // as the single bin at its start.
    const uint64_t span = m_viewEnd > m_viewStart ? m_viewEnd - m_viewStart : 0;
    const uint32_t start = m_viewStart;
    Entry* columns = m_columns.get();

    if (n == span || n == 0)
    {
        m_upsampled = false;
        for (uint64_t i = 0; i <= n; ++i)
            columns[i] = ReadBin(bins, binCount, start + i);
    }
    else if (n < span)
    {
        // Each column shows the first bin of its share with the largest
        // channel-A count; the other channels follow that bin.
        m_upsampled = false;
        for (uint64_t i = 0; i <= n; ++i)
        {
            const uint64_t a = ColumnToBin(i, n, span, start);
            const uint64_t b = ColumnToBin(i + 1, n, span, start);
            uint64_t best = a;
            uint32_t bestCount = a < binCount ? bins[a].count[0] : 0;
            // Bins past the array are empty and can never win.
            const uint64_t stop = b < binCount ? b : binCount;
            for (uint64_t j = a + 1; j < stop; ++j)
            {
                if (bins[j].count[0] > bestCount)
                {
                    bestCount = bins[j].count[0];
                    best = j;
                }
            }
            columns[i] = ReadBin(bins, binCount, best);
        }
    }
    else
    {
        m_upsampled = true;
        for (uint64_t i = 0; i <= n; ++i)
            columns[i] = ReadBin(bins, binCount, ColumnToBin(i, n, span, start));
    }
    return true;
}

yHistogramColumns::Heights yHistogramColumns::GetColumnHeights(const unsigned long& column) const
{
    Heights h{{0, 0, 0, 0}, 0};
    if (!m_columns || column > m_columnCount)
        return h;
    const Entry& e = m_columns[column];
    for (int k = 0; k < 4; ++k)
        h.height[k] = CountToHeight(e.count[k], m_divisor, m_scale);
    h.value = e.value;
    return h;
}

uint32_t yHistogramColumns::GetColumnValue(const unsigned long& column) const
{
    if (!m_columns)
        return 0;
    return m_columns[column < m_columnCount ? column : m_columnCount].value;
}

double yHistogramColumns::GetAutoScale(uint32_t peak, float divisor, const unsigned long& target)
{
    if (peak == 0)
        return FLT_MAX;
    return static_cast<double>(target) / (static_cast<double>(peak) / static_cast<double>(divisor));
}
