// The display side of the histogram: the bins of the displayed range
// resampled to one entry per pixel column, and the scale that turns counts
// into bar heights.
#pragma once

#include "effect/color/zelHistogramAccumulator.h"

#include <cstdint>
#include <memory>

class yHistogramColumns
{
public:
    // Each column is a copy of one bin.
    using Entry = zelTonescope::zelHistogramBin;
    // Heights in pixels of channels A to D and the column's bin value.
    struct Heights
    {
        uint32_t height[4];
        uint32_t value;
    };

    // Resamples bins range[0]..range[1] into N + 1 columns. Bins at or past
    // binCount are read as empty bins whose value is their own index, so the
    // columns past the data stay empty while the value keeps rising with x
    // (a mouse click there selects past the last bin, and the read-out counts
    // nothing for it). False only when the column array cannot be allocated;
    // true without change when there are no bins.
    bool BuildColumns(const Entry* bins, unsigned long binCount, const unsigned long& columnCount,
                      const unsigned long range[2]);

    // All zero without columns or past column N.
    Heights GetColumnHeights(const unsigned long& column) const;
    // Value of column min(column, N); 0 without columns.
    uint32_t GetColumnValue(const unsigned long& column) const;
    // Scale at which `peak` (the largest count among the shown channels) is
    // `target` pixels tall with this divisor. A zero peak yields the largest
    // float, which the scale slider clamps to its maximum.
    static double GetAutoScale(uint32_t peak, float divisor, const unsigned long& target);

    bool HasColumns() const { return m_columns != nullptr; }
    unsigned long GetColumnCount() const { return m_columnCount; }
    uint32_t GetViewStart() const { return m_viewStart; }
    uint32_t GetViewEnd() const { return m_viewEnd; }
    bool IsUpsampled() const { return m_upsampled; }
    void FreeColumns();

    float GetScale() const { return m_scale; }
    void SetScale(float scale) { m_scale = scale; }
    // Sampled pixels per display unit.
    float GetDivisor() const { return m_divisor; }
    void SetDivisor(float divisor) { m_divisor = divisor; }

private:
    float m_scale = 1.0f;
    float m_divisor = 1.0f;
    std::unique_ptr<Entry[]> m_columns;
    uint32_t m_viewStart = 0;
    uint32_t m_viewEnd = 0;
    unsigned long m_columnCount = 0;
    bool m_upsampled = false;
};
