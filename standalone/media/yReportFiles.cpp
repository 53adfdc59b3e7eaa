#include "standalone/media/yReportFiles.h"

#include <nlohmann/json.hpp>

namespace yStandalone
{
namespace
{
// "0.1", "1", "99.9": a percentile's name from its thousandths.
std::string PercentName(int perMille)
{
    std::string name = std::to_string(perMille / 10);
    return perMille % 10 == 0 ? name : name + "." + std::to_string(perMille % 10);
}

// The figures in bins, whole where they are bins; or divided by scale.
nlohmann::ordered_json Figures(const yChannelSummary& s, double scale = 0)
{
    const auto bin = [scale](int b)
    { return scale > 0 ? nlohmann::ordered_json(b / scale) : nlohmann::ordered_json(b); };
    const double unit = scale > 0 ? scale : 1;
    nlohmann::ordered_json percentiles = nlohmann::ordered_json::object();
    for (size_t p = 0; p < yStatistics::kPercentiles.size(); ++p)
        percentiles[PercentName(yStatistics::kPercentiles[p])] = bin(s.percentiles[p]);
    return {{"mean", s.mean / unit},
            {"median", bin(s.median)},
            {"deviation", s.deviation / unit},
            {"percentiles", percentiles}};
}

nlohmann::ordered_json Share(uint64_t count, uint64_t samples)
{
    return {{"count", count}, {"share", samples ? double(count) / double(samples) : 0.0}};
}

nlohmann::ordered_json Channel(const yChannelStats& c, int bins)
{
    nlohmann::ordered_json json = {
        {"name", c.name},        {"first", c.first},          {"last", c.last},
        {"peak_bin", c.peakBin}, {"peak_count", c.peakCount}, {"samples", c.summary.samples}};
    // An empty channel has no mean or percentiles to give.
    if (c.summary.samples == 0) return json;
    json.update(Figures(c.summary));
    json["fraction"] = Figures(c.summary, bins > 1 ? bins - 1 : 1);
    json["clipped_low"] = Share(c.summary.clippedLow, c.summary.samples);
    json["clipped_high"] = Share(c.summary.clippedHigh, c.summary.samples);
    return json;
}

nlohmann::ordered_json Selection(const yHistogramStats& stats)
{
    if (!stats.selected) return nullptr;
    nlohmann::ordered_json channels = nlohmann::ordered_json::array();
    for (size_t k = 0; k < 4; ++k)
    {
        nlohmann::ordered_json c = {{"name", stats.channels[k].name}};
        c.update(Share(stats.selectionCounts[k], stats.channels[k].summary.samples));
        channels.push_back(c);
    }
    return {{"first", stats.selection.first},
            {"last", stats.selection.last},
            {"pixels", stats.selection.pixels},
            {"channels", channels}};
}
nlohmann::ordered_json Clamped(const yClampCounts& clamped)
{
    if (clamped.pixels == 0) return nullptr;
    const auto channels = [](const std::array<uint64_t, 4>& counts)
    {
        return nlohmann::ordered_json{
            {"red", counts[0]}, {"green", counts[1]}, {"blue", counts[2]}, {"alpha", counts[3]}};
    };
    return {{"pixels", clamped.pixels},
            {"below_0", channels(clamped.below)},
            {"above_1", channels(clamped.above)}};
}
} // namespace

void yHistogramStats::Summarize(const std::vector<yBinCounts>& bins)
{
    for (size_t k = 0; k < 4; ++k)
        channels[k].summary = yStatistics::Summarize(bins, int(k));
    selected = yStatistics::ParseSelection(statusLine, selection);
    selectionCounts = selected ? yStatistics::Counts(bins, selection.first, selection.last) : yBinCounts{};
}

std::string yReportFiles::CsvHeader(const yHistogramStats& stats, bool shot)
{
    std::string text = shot ? "frame,value" : "value";
    for (size_t k = 0; k < 4; ++k)
        text +=
            "," + (stats.channels[k].name.empty() ? std::string(1, char('A' + k)) : stats.channels[k].name);
    return text + "\n";
}

std::string yReportFiles::HistogramCsv(const yHistogramStats& stats, const std::vector<yBinCounts>& bins,
                                       int frame)
{
    std::string text = frame < 0 ? CsvHeader(stats, false) : "";
    text.reserve(text.size() + bins.size() * 24);
    const std::string row = frame < 0 ? "" : std::to_string(frame) + ",";
    for (size_t value = 0; value < bins.size(); ++value)
    {
        text += row + std::to_string(value);
        for (uint64_t count : bins[value])
            text += "," + std::to_string(count);
        text += '\n';
    }
    return text;
}

std::string yReportFiles::StatsJson(const yHistogramStats& stats, int frame)
{
    nlohmann::ordered_json channels = nlohmann::ordered_json::array();
    for (const yChannelStats& c : stats.channels)
        channels.push_back(Channel(c, stats.bins));
    nlohmann::ordered_json json =
        frame < 0 ? nlohmann::ordered_json::object() : nlohmann::ordered_json{{"frame", frame}};
    json.update(nlohmann::ordered_json{
        {"model", stats.model},
        {"depth", stats.depth},
        {"bins", stats.bins},
        {"sample_rect",
         {{"top", stats.top}, {"left", stats.left}, {"bottom", stats.bottom}, {"right", stats.right}}},
        {"total", stats.total},
        {"channels", channels},
        {"status_line", stats.statusLine},
        {"selection", Selection(stats)},
        {"clamped", Clamped(stats.clamped)},
    });
    // Texts from the module are single bytes and need not be UTF-8: a byte
    // that is not becomes U+FFFD instead of failing the whole file.
    return json.dump(frame < 0 ? 2 : -1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

yChannelStats yReportFiles::ChannelStats(const std::vector<yBinCounts>& bins, int channel,
                                         const std::string& name)
{
    yChannelStats stats;
    stats.name = name;
    for (size_t bin = 0; bin < bins.size(); ++bin)
    {
        const uint64_t count = bins[bin].at(size_t(channel));
        if (count == 0) continue;
        if (stats.first < 0) stats.first = int(bin);
        stats.last = int(bin);
        if (count > stats.peakCount)
        {
            stats.peakCount = count;
            stats.peakBin = int(bin);
        }
    }
    return stats;
}
} // namespace yStandalone
