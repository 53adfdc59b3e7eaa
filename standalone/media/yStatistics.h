// What a colourist reads off a histogram, made from the bins alone: mean,
// median, spread, percentiles and the samples piled up at either end.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace yStandalone
{
// Counts of the four channels A, B, C, D in one bin.
using yBinCounts = std::array<uint64_t, 4>;

// One channel's figures, in bins. An empty channel has samples 0 and the
// rest 0, which the stats leave out.
struct yChannelSummary
{
    uint64_t samples = 0;
    double mean = 0;
    int median = 0;
    double deviation = 0;             // of all the samples, not an estimate from a few
    std::array<int, 8> percentiles{}; // at yStatistics::kPercentiles
    uint64_t clippedLow = 0;          // in the first bin
    uint64_t clippedHigh = 0;         // in the last bin
};

// Float samples that entering the host's range clamps, by red, green, blue
// and alpha: below 0 and above 1 (NaN is neither); pixels counts those read.
struct yClampCounts
{
    std::array<uint64_t, 4> below{}, above{};
    uint64_t pixels = 0;
};

// The bins a status line's selection covers, and the panel's figure for them.
struct ySelection
{
    int first = 0, last = 0;
    uint64_t pixels = 0; // as the panel reads it: per bin the fullest shown channel
};

class yStatistics
{
  public:
    // In thousandths, so that the ranks stay integer arithmetic.
    static constexpr std::array<int, 8> kPercentiles = {1, 10, 50, 250, 750, 950, 990, 999};

    // A percentile is the lowest bin whose running count reaches its share
    // of the channel's samples.
    static yChannelSummary Summarize(const std::vector<yBinCounts>& bins, int channel);
    // Each channel's samples in bins first to last, clamped to the bins.
    static yBinCounts Counts(const std::vector<yBinCounts>& bins, int first, int last);
    // The selection a "Selection: ..." status line names; false for any other text.
    static bool ParseSelection(const std::string& statusLine, ySelection& selection);
    // One line naming the share of each channel of path clamped, or "".
    static std::string ClampWarning(const yClampCounts& clamped, const std::string& path);
};
} // namespace yStandalone
