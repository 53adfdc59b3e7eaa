// The window's part for a shot: the strip under the layer view, the frame
// keys and playback.
#include "standalone/viewer/yViewerWindow.h"

#include <SDL.h>
#include <imgui.h>

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

void yViewerWindow::DrawScrub()
{
    const yBox& b = m_layout.scrub;
    if (!IsShot() || b.height == 0) return;
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
