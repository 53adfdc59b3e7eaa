#include "standalone/media/yStatistics.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>

namespace yStandalone
{
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
    // The median and the percentiles in one pass over the running count.
    // Counts are 32-bit, so a thousand times their sum stays within 64 bits.
    const auto reached = [&](uint64_t running, int perMille)
    { return running * 1000 >= s.samples * uint64_t(perMille); };
    uint64_t running = 0;
    size_t next = 0;
    bool medianFound = false;
    for (size_t b = 0; b < bins.size() && (next < kPercentiles.size() || !medianFound); ++b)
    {
        running += bins[b][k];
        for (; next < kPercentiles.size() && reached(running, kPercentiles[next]); ++next)
            s.percentiles[next] = int(b);
        if (!medianFound && reached(running, 500))
        {
            s.median = int(b);
            medianFound = true;
        }
    }
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

namespace
{
// "75 % of red and 2 % of blue", the channels with a count.
std::string Shares(const std::array<uint64_t, 4>& counts, uint64_t pixels, int& named)
{
    static const char* const kNames[4] = {"red", "green", "blue", "alpha"};
    std::string text;
    named = 0;
    for (size_t k = 0; k < 4; ++k)
    {
        if (counts[k] == 0) continue;
        char share[32];
        std::snprintf(share, sizeof share, "%.3g %% of ", 100.0 * double(counts[k]) / double(pixels));
        text += (named++ == 0 ? "" : ", ") + std::string(share) + kNames[k];
    }
    const size_t comma = text.rfind(", ");
    return comma == std::string::npos ? text : text.replace(comma, 2, " and ");
}
} // namespace

std::string yStatistics::ClampWarning(const yClampCounts& clamped, const std::string& path)
{
    int above = 0, below = 0;
    const std::string high = Shares(clamped.above, clamped.pixels, above);
    const std::string low = Shares(clamped.below, clamped.pixels, below);
    if (above + below == 0) return "";
    std::string line = path + ": ";
    if (above)
        line += high + (above == 1 ? " lies" : " lie") + " above 1.0 and " + (above == 1 ? "is" : "are") +
                " counted as 1.0 (the top bin in RGB)";
    if (above && below) line += "; ";
    if (below)
        line += low + (below == 1 ? " lies" : " lie") + " below 0 and " + (below == 1 ? "is" : "are") +
                " counted as 0";
    return line + ".";
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
