#include "standalone/viewer/yViewerToggles.h"

#include "standalone/emulator/yHostPlatform.h"
#include "standalone/session/yRenderSession.h"

namespace yStandalone
{
namespace
{
// Fine enough to land on a toggle, coarse enough to stay quick.
constexpr int kStep = 3;

std::array<bool, 4> Shown(yRenderSession& session, std::string& error)
{
    yHistogramStats stats;
    std::vector<yBinCounts> bins;
    std::array<bool, 4> shown{};
    if (!session.Report(stats, bins, error)) return shown;
    for (size_t k = 0; k < 4; ++k)
        shown[k] = stats.channels[k].shown;
    return shown;
}

// A single click: the clock moves on first so that no two make a double click.
bool Click(yRenderSession& session, int x, int y, std::string& error)
{
    yScriptEvent e;
    e.kind = yScriptEvent::Wait;
    e.milliseconds = 2000;
    bool done = session.Replay(e, error);
    e.x = x;
    e.y = y;
    for (const yScriptEvent::Kind kind : {yScriptEvent::Down, yScriptEvent::Up})
    {
        e.kind = kind;
        done = done && session.Replay(e, error);
    }
    return done;
}
} // namespace

yViewerToggles::yViewerToggles() = default;
yViewerToggles::~yViewerToggles() = default;

bool yViewerToggles::Toggle(const std::string& modulePath, yRenderSession& session, int channel,
                            std::string& error)
{
    int x = 0, y = 0;
    return Find(modulePath, session.Panel().Width(), session.Panel().Height(), channel, x, y, error) &&
           Click(session, x, y, error);
}

bool yViewerToggles::Find(const std::string& modulePath, int panelWidth, int panelHeight, int channel, int& x,
                          int& y, std::string& error)
{
    if (panelWidth != m_width || panelHeight != m_height)
    {
        m_width = panelWidth;
        m_height = panelHeight;
        m_found = {};
        if (!Sweep(modulePath, error)) return false;
    }
    const size_t k = size_t(channel & 3);
    if (!m_found[k])
    {
        error = "The panel shows no toggle for channel " + std::to_string(channel + 1) + ".";
        return false;
    }
    x = m_x[k];
    y = m_y[k];
    return true;
}

bool yViewerToggles::Sweep(const std::string& modulePath, std::string& error)
{
    // The scripted clock and a cancelling chooser while sweeping: a click on
    // the panel's swatch must not open the window's colour picker.
    yHostPlatform& platform = yHostPlatform::Instance();
    yHostPlatform saved = platform;
    platform.UseRealClock(false);
    platform.SetChooser(nullptr);
    yRenderSession session;
    yScriptEvent resize;
    resize.kind = yScriptEvent::Resize;
    resize.x = m_width;
    resize.y = m_height;
    bool done = session.Open(modulePath, error);
    if (done) session.SetInput(yWorld(1, 1, false), 1, 1, 1);
    done = done && session.Render(error) && session.Replay(resize, error) && session.Draw(error);
    std::array<bool, 4> before = Shown(session, error);
    int left = 4;
    for (int y = 1; done && left > 0 && y < m_height; y += kStep)
        for (int x = 1; done && left > 0 && x < m_width; x += kStep)
        {
            done = Click(session, x, y, error);
            const std::array<bool, 4> after = Shown(session, error);
            for (size_t k = 0; k < 4; ++k)
                if (after[k] != before[k] && !m_found[k])
                {
                    m_found[k] = true;
                    m_x[k] = x;
                    m_y[k] = y;
                    --left;
                }
            // Back as it was, so that no channel is left the last one shown.
            if (done && after != before) done = Click(session, x, y, error);
        }
    session.Close();
    platform = saved;
    return done;
}
} // namespace yStandalone
