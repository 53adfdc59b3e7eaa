// The histogram as a CSV table and its statistics as JSON.
#pragma once

#include "standalone/media/yStatistics.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace yStandalone
{
struct yChannelStats
{
    std::string name;
    int first = -1; // first bin with a count, -1 when the channel is empty
    int last = -1;  // last bin with a count
    int peakBin = -1;
    uint64_t peakCount = 0;
    yChannelSummary summary;
    // What the panel shows: its toggle, and the colour of this channel's bar
    // at each 8-bit value (red, green, blue). Not part of the JSON file.
    bool shown = true;
    std::array<std::array<uint8_t, 3>, 256> barColor{};
};

struct yHistogramStats
{
    std::string model;
    int depth = 8;
    int bins = 0;
    int top = 0, left = 0, bottom = 0, right = 0; // the sample rectangle
    uint64_t total = 0;
    std::array<yChannelStats, 4> channels;
    std::string statusLine;
    // While the status line reads a selection: each channel's samples in it.
    bool selected = false;
    ySelection selection;
    yBinCounts selectionCounts{};
    // Float input only: what entering 0..1 clamped.
    yClampCounts clamped;

    // The figures that only the bins give: summaries and the selection's counts.
    void Summarize(const std::vector<yBinCounts>& bins);
};

class yReportFiles
{
  public:
    // CsvHeader and one row per bin: its value and its four counts. With a
    // frame number (a frame of a shot): the rows only, each led by the frame.
    static std::string HistogramCsv(const yHistogramStats& stats, const std::vector<yBinCounts>& bins,
                                    int frame = -1);
    // "value" and the colour model's names of the channels, as
    // "value,Red,Green,Blue,Alpha"; led by "frame" for a shot. The long names,
    // since the labels repeat ("L,A,B,A" in Lab). Before any render: A to D.
    static std::string CsvHeader(const yHistogramStats& stats, bool shot);
    // Indented; with a frame number one line led by "frame", a line of JSON Lines.
    static std::string StatsJson(const yHistogramStats& stats, int frame = -1);

    // First, last and peak bin of one channel (the first of equal peaks).
    static yChannelStats ChannelStats(const std::vector<yBinCounts>& bins, int channel,
                                      const std::string& name);
};
} // namespace yStandalone
