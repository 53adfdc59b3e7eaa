#include "standalone/media/yReportFiles.h"

#include <nlohmann/json.hpp>

namespace yStandalone
{
std::string yReportFiles::HistogramCsv(const std::vector<yBinCounts>& bins, int frame)
{
    std::string text = frame < 0 ? "value,A,B,C,D\n" : "";
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
        channels.push_back({{"name", c.name},
                            {"first", c.first},
                            {"last", c.last},
                            {"peak_bin", c.peakBin},
                            {"peak_count", c.peakCount}});
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
