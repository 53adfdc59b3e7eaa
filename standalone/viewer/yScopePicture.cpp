#include "standalone/viewer/yScopePicture.h"

#include <algorithm>
#include <cmath>

namespace yStandalone
{
namespace
{
using yRgb = std::array<uint8_t, 3>;
constexpr yRgb kGround = {28, 28, 28}, kGrid = {58, 58, 58};

struct yCanvas
{
    int width, height;
    uint8_t* pixels;
    // Overlaid channels add up, so that where all three meet reads white.
    void Add(int x, int y, const yRgb& c) const
    {
        uint8_t* p = pixels + (size_t(y) * size_t(width) + size_t(x)) * 4;
        for (int k = 0; k < 3; ++k)
            p[k] = uint8_t(std::min(255, p[k] + c[size_t(k)]));
    }
    void Set(int x, int y, const yRgb& c) const
    {
        uint8_t* p = pixels + (size_t(y) * size_t(width) + size_t(x)) * 4;
        std::copy(c.begin(), c.end(), p);
    }
};

// A channel's colour at bin: its bar colour at that 8-bit value, brought
// to full brightness. The panel shades its bars darker towards 0, which
// would leave the low end unseen on the dark ground and, added up, would
// grey every overlaid colour.
yRgb ColorAt(const yChannelStats& c, int bin, int bins)
{
    const auto& rgb = c.barColor[size_t(bins > 1 ? int64_t(bin) * 255 / (bins - 1) : 0)];
    const int most = std::max({int(rgb[0]), int(rgb[1]), int(rgb[2])});
    if (most == 0 || (rgb[0] == rgb[1] && rgb[1] == rgb[2])) return {150, 150, 150};
    yRgb full;
    for (size_t k = 0; k < 3; ++k)
        full[k] = uint8_t(rgb[k] * 255 / most);
    return full;
}

double Scaled(uint64_t count, bool log)
{
    return log ? std::log1p(double(count)) : double(count);
}
} // namespace

int yScopePicture::Column(int bin, int bins, int width)
{
    return bins > 0 ? int(int64_t(bin) * width / bins) : 0;
}

void yScopePicture::Band(const std::array<yChannelStats, 4>& channels, int channel, bool parade, int height,
                         int& top, int& bottom)
{
    top = 0;
    bottom = height;
    if (!parade) return;
    int shown = 0, index = 0;
    for (int k = 0; k < 4; ++k)
    {
        index += k < channel && channels[size_t(k)].shown;
        shown += channels[size_t(k)].shown;
    }
    // A gap of two rows parts the bands.
    top = index * height / std::max(1, shown);
    bottom = std::max(top, (index + 1) * height / std::max(1, shown) - 2);
}

void yScopePicture::Draw(const std::vector<yBinCounts>& bins, const std::array<yChannelStats, 4>& channels,
                         const yScopeMode& mode, int width, int height, std::vector<uint8_t>& rgba)
{
    width = std::max(0, width);
    height = std::max(0, height);
    rgba.resize(size_t(width) * size_t(height) * 4);
    const yCanvas canvas{width, height, rgba.data()};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            canvas.Set(x, y, x % std::max(1, width / 4) == 0 && x > 0 ? kGrid : kGround);
            rgba[(size_t(y) * size_t(width) + size_t(x)) * 4 + 3] = 255;
        }
    const int n = int(bins.size());
    if (n == 0 || width == 0 || height == 0) return;

    // The scale's top: the fullest inner bin of the shown channels. The end
    // bins pile up what was clipped and would flatten the rest; they reach
    // the top and get a marker instead.
    uint64_t top = 0, ends = 0;
    for (int b = 0; b < n; ++b)
        for (int k = 0; k < 4; ++k)
        {
            uint64_t& most = b == 0 || b == n - 1 ? ends : top;
            if (channels[size_t(k)].shown) most = std::max(most, bins[size_t(b)][size_t(k)]);
        }
    if (top == 0) top = ends;
    const double full = std::max(Scaled(top, mode.log), 1e-9);

    std::vector<uint64_t> columns(static_cast<size_t>(width));
    for (int k = 0; k < 4; ++k)
    {
        const yChannelStats& c = channels[size_t(k)];
        if (!c.shown) continue;
        int bandTop = 0, bandBottom = 0;
        Band(channels, k, mode.parade, height, bandTop, bandBottom);
        const int band = bandBottom - bandTop;
        // Each column shows the largest count of its bins, so no spike is lost.
        std::fill(columns.begin(), columns.end(), 0);
        for (int b = 0; b < n; ++b)
        {
            uint64_t& column = columns[size_t(Column(b, n, width))];
            column = std::max(column, bins[size_t(b)][size_t(k)]);
        }
        for (int x = 0; x < width; ++x)
        {
            // With fewer bins than columns a bin spans several: the last bin that starts here or before.
            const int bin = std::min(n - 1, int((int64_t(x + 1) * n - 1) / width));
            const uint64_t count = n < width ? bins[size_t(bin)][size_t(k)] : columns[size_t(x)];
            const double share = std::min(1.0, Scaled(count, mode.log) / full);
            // Any count shows as a row at least, but never beyond its band.
            const int rows = count > 0 ? std::min(band, std::max(1, int(std::lround(share * band)))) : 0;
            const yRgb color = ColorAt(c, bin, n);
            for (int y = bandBottom - rows; y < bandBottom; ++y)
                canvas.Add(x, y, color);
        }
        // Mean solid, 1st and 99th percentiles dashed, in the channel's colour lightened.
        yRgb light = ColorAt(c, n / 2, n);
        for (uint8_t& v : light)
            v = uint8_t(128 + v / 2);
        const struct
        {
            double bin;
            int dash;
        } lines[] = {{c.summary.mean, 0},
                     {double(c.summary.percentiles[1]), 3},
                     {double(c.summary.percentiles[6]), 3}};
        for (const auto& line : lines)
        {
            if (c.summary.samples == 0) break;
            const int x = std::min(width - 1, Column(int(std::lround(line.bin)), n, width));
            for (int y = bandTop; y < bandBottom; ++y)
                if (line.dash == 0 || (y / line.dash) % 2 == 0) canvas.Set(x, y, light);
        }
        // A downward triangle at an end whose bin holds any sample, however few.
        const uint64_t clipped[2] = {bins.front()[size_t(k)], bins.back()[size_t(k)]};
        for (int end = 0; end < 2; ++end)
        {
            if (clipped[end] == 0) continue;
            for (int row = 0; row < kMarkerWidth / 2 + 1 && bandTop + row < bandBottom; ++row)
                for (int i = row; i < kMarkerWidth - row; ++i)
                {
                    const int x = end == 0 ? i : width - kMarkerWidth + i;
                    if (x >= 0 && x < width) canvas.Set(x, bandTop + row, {255, 64, 200});
                }
        }
    }
}
} // namespace yStandalone
