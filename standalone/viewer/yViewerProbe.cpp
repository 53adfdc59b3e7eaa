#include "standalone/viewer/yViewerProbe.h"

#include "standalone/session/yRenderSession.h"

#include <utility>

namespace yStandalone
{
yViewerProbe::yViewerProbe() = default;

yViewerProbe::~yViewerProbe()
{
    if (m_session) m_session->Close();
}

bool yViewerProbe::Probe(const std::string& modulePath, yRenderSession& source, int x, int y,
                         std::string& line, std::string& error)
{
    const yWorld& input = source.Input();
    if (x < 0 || y < 0 || x >= input.Width() || y >= input.Height())
    {
        line.clear();
        return true;
    }
    if (!m_session)
    {
        auto session = std::make_unique<yRenderSession>();
        if (!session->Open(modulePath, error)) return false;
        m_session = std::move(session);
    }
    yWorld pixel(1, 1, input.IsDeep());
    int values[4];
    if (input.IsDeep())
    {
        const PF_Pixel16& p = input.Pixel16(x, y);
        pixel.Pixel16(0, 0) = p;
        values[0] = p.red, values[1] = p.green, values[2] = p.blue, values[3] = p.alpha;
    }
    else
    {
        const PF_Pixel8& p = input.Pixel8(x, y);
        pixel.Pixel8(0, 0) = p;
        values[0] = p.red, values[1] = p.green, values[2] = p.blue, values[3] = p.alpha;
    }
    m_session->SetInput(std::move(pixel), 1, 1, 1);
    // The source's region and point mean nothing on one pixel: it is all sampled.
    for (const auto& setting : source.HostSettings())
        if (setting.first != "Position" && !m_session->SetParam(setting.first, setting.second, error))
            return false;
    yHistogramStats stats;
    std::vector<yBinCounts> bins;
    if (!m_session->SetParam("Sample", "Whole Image", error) || !m_session->Render(error) ||
        !m_session->Report(stats, bins, error))
        return false;
    line = std::to_string(x) + ", " + std::to_string(y) + "   RGBA " + (input.IsDeep() ? "16-bit" : "8-bit");
    for (int v : values)
        line += " " + std::to_string(v);
    line += "   " + stats.model;
    for (const yChannelStats& channel : stats.channels)
        if (!channel.name.empty()) line += " " + channel.name + " " + std::to_string(channel.first);
    return true;
}
} // namespace yStandalone
