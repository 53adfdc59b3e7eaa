// The scope pane's histogram as an RGBA picture, drawn from the module's
// bins in plain code so that it needs no window: the shown channels
// overlaid or one band each (parade), on a linear or log scale, with each
// channel's mean and 1st and 99th percentiles as vertical lines and a
// marker at either end whose bin holds clipped samples.
#pragma once

#include "standalone/media/yReportFiles.h"

#include <cstdint>
#include <vector>

namespace yStandalone
{
struct yScopeMode
{
    bool log = false;
    bool parade = false;
    bool operator==(const yScopeMode& o) const { return log == o.log && parade == o.parade; }
};

class yScopePicture
{
  public:
    // The width of the clipping markers at either end, in columns.
    static constexpr int kMarkerWidth = 6;

    // RGBA rows top down, width by height, into rgba (its memory kept).
    static void Draw(const std::vector<yBinCounts>& bins, const std::array<yChannelStats, 4>& channels,
                     const yScopeMode& mode, int width, int height, std::vector<uint8_t>& rgba);
    // The column that shows bin, of a plot width columns wide.
    static int Column(int bin, int bins, int width);
    // The rows of channel's band: all rows overlaid, its share in parade.
    static void Band(const std::array<yChannelStats, 4>& channels, int channel, bool parade, int height,
                     int& top, int& bottom);
};
} // namespace yStandalone
