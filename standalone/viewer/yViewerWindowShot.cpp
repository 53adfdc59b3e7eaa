// The window's part for a shot: the strip under the layer view, the frame
// keys and playback.
#include "standalone/viewer/yViewerWindow.h"

#include <SDL.h>
#include <imgui.h>

#include <algorithm>
#include <cmath>

namespace yStandalone
{
void yViewerWindow::Seek(int number)
{
    m_seek = std::min(m_frame.lastFrame, std::max(m_frame.firstFrame, number));
    m_seekFrame = m_frame.serial;
    yViewerJob job;
    job.kind = yViewerJob::Frame;
    job.frame = m_seek;
    m_worker.Post(job);
}

void yViewerWindow::StepFrame(int delta)
{
    // Keys pressed faster than frames come step from the last asked.
    if (!IsShot()) return;
    const int from = m_seekFrame == m_frame.serial ? m_seek : m_frame.frameNumber;
    const int count = m_frame.lastFrame - m_frame.firstFrame + 1;
    Seek(m_frame.firstFrame + ((from - m_frame.firstFrame + delta) % count + count) % count);
}

bool yViewerWindow::ScrubKey(int key)
{
    if (!IsShot()) return false;
    switch (key)
    {
    case SDLK_LEFT:
        StepFrame(-1);
        return true;
    case SDLK_RIGHT:
        StepFrame(1);
        return true;
    case SDLK_HOME:
        Seek(m_frame.firstFrame);
        return true;
    case SDLK_END:
        Seek(m_frame.lastFrame);
        return true;
    default:
        return false;
    }
}

void yViewerWindow::Play()
{
    m_playing = m_playing && IsShot();
    const double now = SDL_GetTicks64() / 1000.0;
    // The shot's rate, or slower when the worker takes longer a frame.
    if (!m_playing || !m_worker.Idle() || now - m_lastStep < 1.0 / yViewerShot::kFramesPerSecond) return;
    m_lastStep = now;
    StepFrame(1);
}

bool yViewerWindow::ClickTimeline(int x, int y)
{
    const yBox& b = m_layout.timeline;
    if (!IsShot() || !b.Contains(x, y) || m_timeline.frames == 0 || b.width == 0) return false;
    // The picture is stretched over the box.
    const double px = double(x - b.x) * m_timeline.width / b.width;
    const int index = int(std::floor((px - m_timeline.plotLeft) / m_timeline.columnWidth));
    Seek(m_timeline.first + std::min(m_timeline.frames - 1, std::max(0, index)));
    return true;
}

void yViewerWindow::DrawScrub()
{
    const yBox& t = m_layout.timeline;
    if (!IsShot() || t.height == 0) return;
    ImDrawList* draw = ImGui::GetBackgroundDrawList();
    const ImVec2 topLeft(float(t.x), float(t.y)), bottomRight(float(t.x + t.width), float(t.y + t.height));
    draw->AddRectFilled(topLeft, bottomRight, IM_COL32(0, 0, 0, 255));
    if (m_timelineTexture && m_timeline.width > 0)
    {
        draw->AddImage(m_timelineTexture, topLeft, bottomRight);
        const int shown = m_seekFrame == m_frame.serial ? m_seek : m_frame.frameNumber;
        const double column = m_timeline.plotLeft + (shown - m_timeline.first + 0.5) * m_timeline.columnWidth;
        const float x = float(t.x + column * t.width / m_timeline.width);
        draw->AddLine(ImVec2(x, float(t.y)), ImVec2(x, float(t.y + t.height)), IM_COL32(255, 210, 0, 255), 2);
    }
    const yBox& b = m_layout.scrub;
    ImGui::SetNextWindowPos(ImVec2(float(b.x), float(b.y)));
    ImGui::SetNextWindowSize(ImVec2(float(b.width), float(b.height)));
    ImGui::Begin("##shot", nullptr,
                 ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoSavedSettings);
    if (ImGui::Button(m_playing ? "Pause" : "Play", ImVec2(60, 0))) m_playing = !m_playing;
    ImGui::SameLine();
    ImGui::PushItemWidth(-1);
    int number = m_seekFrame == m_frame.serial ? m_seek : m_frame.frameNumber;
    if (ImGui::SliderInt("##frame", &number, m_frame.firstFrame, m_frame.lastFrame, "Frame %d"))
        Seek(number);
    ImGui::PopItemWidth();
    ImGui::End();
}
} // namespace yStandalone
