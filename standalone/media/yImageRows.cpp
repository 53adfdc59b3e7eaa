#include "standalone/media/yImageRows.h"

#include "standalone/media/yPngFile.h"

#include <algorithm>
#include <cmath>

namespace yStandalone
{
namespace
{
// A sample of the file's type into a host component of the world's depth.
struct Convert
{
    bool deep;
    uint16_t operator()(uint8_t v) const { return deep ? SampleToHost16(uint32_t(v) * 257u) : v; }
    uint16_t operator()(uint16_t v) const
    {
        return deep ? SampleToHost16(v) : uint16_t((uint32_t(v) * 255u + 32767u) / 65535u);
    }
    uint16_t operator()(float v) const
    {
        const float c = std::isnan(v) ? 0.0f : std::min(std::max(v, 0.0f), 1.0f);
        return uint16_t(std::lround(c * (deep ? 32768.0f : 255.0f)));
    }
};

// The world's depth and the file's sample type are fixed per call, so the
// loop is free of their branches.
template <class PixelT, class SampleT>
void ConvertRowTo(PixelT* to, int width, const SampleT* row, int nchannels, const yChannelMap& map, int step,
                  const Convert& convert, uint16_t opaque)
{
    using Component = decltype(PixelT{}.red);
    const size_t stride = size_t(step) * size_t(nchannels);
    for (int x = 0; x < width; ++x, row += stride)
    {
        const uint16_t a = map.alpha >= 0 ? convert(row[map.alpha]) : opaque;
        to[x] = PixelT{Component(a), Component(convert(row[map.red])), Component(convert(row[map.green])),
                       Component(convert(row[map.blue]))};
    }
}

template <class SampleT>
void ConvertAnyRow(const SampleT* row, int nchannels, const yChannelMap& map, int step, yWorld& out, int y)
{
    const Convert convert{out.IsDeep()};
    if (out.IsDeep())
        ConvertRowTo(&out.Pixel16(0, y), out.Width(), row, nchannels, map, step, convert, 32768);
    else
        ConvertRowTo(&out.Pixel8(0, y), out.Width(), row, nchannels, map, step, convert, 255);
}
} // namespace

void ConvertRow(const uint8_t* row, int nchannels, const yChannelMap& map, int step, yWorld& out, int y)
{
    ConvertAnyRow(row, nchannels, map, step, out, y);
}

void ConvertRow(const uint16_t* row, int nchannels, const yChannelMap& map, int step, yWorld& out, int y)
{
    ConvertAnyRow(row, nchannels, map, step, out, y);
}

void ConvertRow(const float* row, int nchannels, const yChannelMap& map, int step, yWorld& out, int y,
                yClampCounts* clamped)
{
    ConvertAnyRow(row, nchannels, map, step, out, y);
    if (!clamped) return;
    const int channel[4] = {map.red, map.green, map.blue, map.alpha};
    const size_t stride = size_t(step) * size_t(nchannels);
    for (int x = 0; x < out.Width(); ++x, row += stride)
        for (size_t k = 0; k < 4; ++k)
        {
            if (channel[k] < 0) continue;
            clamped->below[k] += row[channel[k]] < 0.0f;
            clamped->above[k] += row[channel[k]] > 1.0f;
        }
    clamped->pixels += uint64_t(out.Width());
}
} // namespace yStandalone
