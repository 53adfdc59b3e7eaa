// The picture of a shot: for each channel the panel shows, a strip whose
// columns are the frames in order and whose rows are the histogram's bins
// (bin 0 at the bottom), lit by the count on a log scale in the channel's own
// bar colour, with frame numbers along the bottom. An exposure drift shows as
// a band that moves up or down, a colour shift as strips that part. Each
// strip's channel name stands at its left.
#pragma once

#include "standalone/media/yReportFiles.h"
#include "standalone/emulator/yWorld.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace yStandalone
{
class yTimeline
{
  public:
    // Rows of a strip: 8-bit bins one to a row; 16-bit bins b go to row
    // b * 256 / 32769, 129 bins in row 0 and 128 in each other row.
    static constexpr int kRows = 256;
    // Short shots get wider columns, so that the picture is about this wide.
    static constexpr int kMinPlotWidth = 480;

    // The first frame fixes the strips: its shown channels and their colours.
    // A frame without bins (nothing rendered) stays black.
    void AddFrame(int frameNumber, const yHistogramStats& stats, const std::vector<yBinCounts>& bins);
    int FrameCount() const { return int(m_frameNumbers.size()); }
    int StripCount() const { return int(m_strips.size()); }
    // The row a bin falls in, for a histogram of binCount bins.
    static int RowOfBin(int bin, int binCount);

    // An opaque 8-bit picture; throws yOutOfMemory when it cannot be had.
    yWorld Draw() const;

    // A picture filled in as frames come is laid out for the shot's whole
    // length from the start, its frames to come black.
    void SetLength(int frames) { m_length = frames; }
    int Length() const { return std::max(FrameCount(), m_length); }
    // Frame index k's column in the picture: from PlotLeft() + k * ColumnWidth().
    int ColumnWidth() const;
    // Where the strips start: after the column of channel names.
    int PlotLeft() const;

  private:
    struct Strip
    {
        int channel = 0;
        std::string name;
        // Full-brightness colour of each row.
        std::array<std::array<uint8_t, 3>, kRows> color{};
        // kRows counts per frame, frame after frame (saturating).
        std::vector<uint32_t> counts;
    };


    void DrawStrip(yWorld& world, const Strip& strip, int left, int top) const;
    void DrawFrameNumbers(yWorld& world, int left, int top) const;

    std::vector<Strip> m_strips;
    std::vector<int> m_frameNumbers;
    int m_length = 0;
};
} // namespace yStandalone
