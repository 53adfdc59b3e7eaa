#include "standalone/viewer/yViewerTimeline.h"

#include "standalone/media/yTimeline.h"
#include "standalone/session/yRenderSession.h"
#include "standalone/viewer/yViewLayout.h"
#include "standalone/viewer/yViewerShot.h"

#include <algorithm>
#include <chrono>

namespace yStandalone
{
void yViewerTimeline::Start(std::unique_ptr<yRenderSession> session, const std::string& input, int64_t maxPixels,
                            const std::string& depth)
{
    Stop();
    Clear();
    m_stop = false;
    m_thread = std::thread([this, s = std::move(session), input, maxPixels, depth]() mutable
                           { Run(std::move(s), input, maxPixels, depth); });
}

void yViewerTimeline::Stop()
{
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
}

void yViewerTimeline::Clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const uint64_t serial = m_picture.serial;
    m_picture = yTimelinePicture{};
    m_picture.serial = serial + 1;
}

bool yViewerTimeline::Take(yTimelinePicture& picture)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (picture.serial == m_picture.serial) return false;
    picture = m_picture;
    return true;
}

void yViewerTimeline::Run(std::unique_ptr<yRenderSession> session, std::string input, int64_t maxPixels,
                          std::string depth)
{
    yViewerShot shot;
    std::string error;
    if (!shot.Open(input, maxPixels, depth, error)) return;
    yTimeline timeline;
    timeline.SetLength(shot.Count());
    auto published = std::chrono::steady_clock::now();
    for (int number = shot.First(); number <= shot.Last() && !m_stop; ++number)
    {
        yWorld world = session->TakeInput();
        yHistogramStats stats;
        std::vector<yBinCounts> bins;
        // A frame that cannot be read or rendered stays black.
        const bool read = shot.Read(number, world, error);
        session->SetInput(std::move(world), 1, shot.Width(), shot.Height());
        if (!read || !session->Render(error) || !session->Report(stats, bins, error)) bins.clear();
        timeline.AddFrame(number, stats, bins);
        // Drawing the whole picture costs: a few times a second is enough.
        const auto now = std::chrono::steady_clock::now();
        if (number < shot.Last() && now - published < std::chrono::milliseconds(250)) continue;
        published = now;
        try
        {
            const yWorld drawn = timeline.Draw();
            // Rows shrink to about the window's strip by their brightest, so
            // that a lone lit bin still shows.
            const int rows = (drawn.Height() + yViewLayout::kTimelineHeight - 1) / yViewLayout::kTimelineHeight;
            yTimelinePicture picture;
            picture.width = drawn.Width();
            picture.height = (drawn.Height() + rows - 1) / rows;
            picture.rgba.assign(size_t(picture.width) * size_t(picture.height) * 4, 255);
            for (int y = 0; y < drawn.Height(); ++y)
                for (int x = 0; x < picture.width; ++x)
                {
                    const PF_Pixel8& p = drawn.Pixel8(x, y);
                    uint8_t* to = &picture.rgba[(size_t(y / rows) * size_t(picture.width) + size_t(x)) * 4];
                    const bool first = y % rows == 0;
                    to[0] = first ? p.red : std::max(to[0], p.red);
                    to[1] = first ? p.green : std::max(to[1], p.green);
                    to[2] = first ? p.blue : std::max(to[2], p.blue);
                }
            picture.first = shot.First();
            picture.frames = shot.Count();
            picture.done = timeline.FrameCount();
            picture.plotLeft = timeline.PlotLeft();
            picture.columnWidth = timeline.ColumnWidth();
            std::lock_guard<std::mutex> lock(m_mutex);
            picture.serial = m_picture.serial + 1;
            m_picture = std::move(picture);
        }
        catch (const std::exception&)
        {
            return; // without memory for the picture there is none
        }
    }
    session->Close();
}
} // namespace yStandalone
