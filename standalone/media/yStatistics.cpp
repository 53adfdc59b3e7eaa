#include "standalone/media/yStatistics.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>

namespace yStandalone
{
int yStatistics::Percentile(const std::vector<yBinCounts>& bins, int channel, int perMille)
{
    uint64_t samples = 0;
    for (const yBinCounts& b : bins)
        samples += b[size_t(channel)];
    if (samples == 0) return -1;
    // Counts are 32-bit, so a thousand times their sum stays within 64 bits.
    const uint64_t rank = samples * uint64_t(perMille);
    uint64_t running = 0;
    for (size_t b = 0; b < bins.size(); ++b)
    {
        running += bins[b][size_t(channel)];
        if (running * 1000 >= rank) return int(b);
    }
    return int(bins.size()) - 1;
}

yChannelSummary yStatistics::Summarize(const std::vector<yBinCounts>& bins, int channel)
{
    yChannelSummary s;
    const size_t k = size_t(channel);
    uint64_t sum = 0; // exact: bins below 2^16 times 32-bit counts
    for (size_t b = 0; b < bins.size(); ++b)
    {
        s.samples += bins[b][k];
        sum += uint64_t(b) * bins[b][k];
    }
    if (s.samples == 0) return s;
    s.mean = double(sum) / double(s.samples);
    // Around the mean, so that a narrow peak far from 0 keeps its digits.
    double squares = 0;
    for (size_t b = 0; b < bins.size(); ++b)
        if (bins[b][k] != 0) squares += double(bins[b][k]) * (double(b) - s.mean) * (double(b) - s.mean);
    s.deviation = std::sqrt(squares / double(s.samples));
    s.median = Percentile(bins, channel, 500);
    for (size_t p = 0; p < kPercentiles.size(); ++p)
        s.percentiles[p] = Percentile(bins, channel, kPercentiles[p]);
    s.clippedLow = bins.front()[k];
    s.clippedHigh = bins.back()[k];
    return s;
}

yBinCounts yStatistics::Counts(const std::vector<yBinCounts>& bins, int first, int last)
{
    yBinCounts counts{};
    const int stop = std::min(last, int(bins.size()) - 1);
    for (int b = std::max(first, 0); b <= stop; ++b)
        for (size_t k = 0; k < 4; ++k)
            counts[k] += bins[size_t(b)][k];
    return counts;
}

bool yStatistics::ParseSelection(const std::string& statusLine, ySelection& selection)
{
    const char* text = statusLine.c_str();
    if (std::sscanf(text, "Selection: index[%d] pixels[%" SCNu64 "]", &selection.first, &selection.pixels) ==
        2)
    {
        selection.last = selection.first;
        return true;
    }
    return std::sscanf(text, "Selection: min[%d] max[%d] pixels[%" SCNu64 "]", &selection.first,
                       &selection.last, &selection.pixels) == 3;
}
} // namespace yStandalone
