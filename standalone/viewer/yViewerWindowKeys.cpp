// The window's shortcuts, pixel probe, help and file dialog, apart from the
// rest of the window's input.
#include "standalone/viewer/yViewerWindow.h"

#include "host/sdk/AE_Effect.h"

#include <imgui.h>

#include <algorithm>
#include <cmath>

namespace yStandalone
{
namespace
{
// The host's control the model keys step through.
constexpr const char* kModelControl = "Color Model";
} // namespace

void yViewerWindow::Act(yViewerAction action)
{
    yViewerJob job;
    switch (action)
    {
    case yViewerAction::NextModel:
    case yViewerAction::PreviousModel:
        for (const yViewerParam& p : m_frame.params)
            if (p.type == PF_Param_POPUP && p.name == kModelControl && p.max >= 1 && !p.disabled)
            {
                const int step = action == yViewerAction::NextModel ? 1 : -1;
                const int count = int(p.max);
                job.event.kind = yScriptEvent::Set;
                job.event.param = p.name;
                job.event.value = std::to_string((int(p.value) - 1 + step + count) % count + 1);
                m_worker.Post(job);
            }
        break;
    case yViewerAction::ToggleA:
    case yViewerAction::ToggleB:
    case yViewerAction::ToggleC:
    case yViewerAction::ToggleD:
        job.kind = yViewerJob::Toggle;
        job.x = int(action) - int(yViewerAction::ToggleA);
        m_worker.Post(job);
        break;
    case yViewerAction::FitView:
        m_view = yImageView();
        break;
    case yViewerAction::ActualSize:
    {
        // The fitted scale tells the zoom at which one image pixel is one window pixel.
        double scale = 1, left = 0, top = 0;
        yImageView().Placement(m_layout.layer, m_frame.imageWidth, m_frame.imageHeight, scale, left, top);
        m_view = yImageView();
        if (scale > 0) m_view.zoom = 1 / scale;
        break;
    }
    case yViewerAction::PanelZoom:
        m_panelZoom = 3 - m_panelZoom;
        break;
    case yViewerAction::PanelZoomIn:
        m_panelZoom = 2;
        break;
    case yViewerAction::PanelZoomOut:
        m_panelZoom = 1;
        break;
    case yViewerAction::Undo:
    case yViewerAction::Redo:
        job.kind = action == yViewerAction::Undo ? yViewerJob::Undo : yViewerJob::Redo;
        m_worker.Post(job);
        break;
    case yViewerAction::Help:
        m_helpOpen = !m_helpOpen;
        break;
    case yViewerAction::OpenFile:
        if (!m_fileDialog.Start("Open an image"))
            m_err << "No file dialog could be opened: type the image's path in the File box.\n";
        break;
    case yViewerAction::None:
        break;
    }
}

void yViewerWindow::PostProbe(int x, int y)
{
    double ix = 0, iy = 0;
    m_view.ToImage(m_layout.layer, m_frame.imageWidth, m_frame.imageHeight, x, y, ix, iy);
    yViewerJob job;
    job.kind = yViewerJob::Probe;
    job.x = std::floor(ix), job.y = std::floor(iy);
    m_worker.Post(job);
}

void yViewerWindow::DrawHelp()
{
    if (!m_helpOpen) return;
    ImGui::SetNextWindowPos(ImVec2(float(m_layout.layer.x + yViewLayout::kMargin),
                                   float(m_layout.layer.y + yViewLayout::kMargin)),
                            ImGuiCond_Appearing);
    ImGui::Begin("Shortcuts", &m_helpOpen,
                 ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoSavedSettings);
    ImGui::TextUnformatted(yViewerShortcuts::Help().c_str());
    ImGui::End();
}

void yViewerWindow::PollFileDialog()
{
    std::string path;
    if (m_fileDialog.Poll(path) != yFileDialog::Chosen) return;
    path.copy(m_path, sizeof m_path - 1);
    m_path[std::min(path.size(), sizeof m_path - 1)] = '\0';
    yViewerJob job;
    job.kind = yViewerJob::Open;
    job.path = path;
    m_worker.Post(job);
}
} // namespace yStandalone
