#include "standalone/viewer/yViewerWindow.h"

#include "host/sdk/AE_EffectUI.h"
#include "host/sdk/ZT_HostPlatform.h"
#include "standalone/media/yPngFile.h"

#include <SDL.h>
#include <imgui.h>
#include <imgui_impl_sdl.h>
#include <imgui_impl_sdlrenderer.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace yStandalone
{
namespace
{
uint32_t Modifiers()
{
    const SDL_Keymod mod = SDL_GetModState();
    return ((mod & KMOD_SHIFT) ? uint32_t(ZT_Modifier_SHIFT) : 0u) | ((mod & KMOD_CTRL) ? uint32_t(ZT_Modifier_CONTROL) : 0u) |
           ((mod & KMOD_ALT) ? uint32_t(ZT_Modifier_ALT) : 0u);
}

SDL_SystemCursor SystemCursor(int cursor)
{
    switch (cursor)
    {
    case PF_Cursor_CROSSHAIRS:
    case PF_Cursor_CROSS_RECT:
    case PF_Cursor_CROSS_OVAL:
    case PF_Cursor_EYEDROPPER:
        return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case PF_Cursor_HAND:
    case PF_Cursor_FINGER_POINTER:
    case PF_Cursor_PAN:
        return SDL_SYSTEM_CURSOR_HAND;
    case PF_Cursor_WATCH_N_WAIT:
        return SDL_SYSTEM_CURSOR_WAIT;
    case PF_Cursor_RESIZE_VERTICAL:
        return SDL_SYSTEM_CURSOR_SIZENS;
    case PF_Cursor_RESIZE_HORIZONTAL:
        return SDL_SYSTEM_CURSOR_SIZEWE;
    default:
        return SDL_SYSTEM_CURSOR_ARROW;
    }
}

// A texture of the picture's size holding its pixels (RGBA bytes).
SDL_Texture* Upload(SDL_Renderer* renderer, SDL_Texture* texture, int width, int height,
                    const std::vector<uint8_t>& rgba)
{
    int w = 0, h = 0;
    if (texture && (SDL_QueryTexture(texture, nullptr, nullptr, &w, &h) != 0 || w != width || h != height))
    {
        SDL_DestroyTexture(texture);
        texture = nullptr;
    }
    if (width <= 0 || height <= 0) return texture;
    if (!texture)
        texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC, width, height);
    if (texture) SDL_UpdateTexture(texture, nullptr, rgba.data(), width * 4);
    return texture;
}

ImVec2 At(double x, double y)
{
    return ImVec2(float(x), float(y));
}
} // namespace

yViewerWindow::yViewerWindow(yViewerWorker& worker, std::ostream& err) : m_worker(worker), m_err(err)
{
}

yViewerWindow::~yViewerWindow()
{
    if (m_imguiReady)
    {
        ImGui_ImplSDLRenderer_Shutdown();
        ImGui_ImplSDL2_Shutdown();
        ImGui::DestroyContext();
    }
    if (m_image) SDL_DestroyTexture(m_image);
    if (m_panel) SDL_DestroyTexture(m_panel);
    m_scope.Release();
    if (m_timelineTexture) SDL_DestroyTexture(m_timelineTexture);
    if (m_renderer) SDL_DestroyRenderer(m_renderer);
    if (m_window) SDL_DestroyWindow(m_window);
    SDL_Quit();
}

bool yViewerWindow::Open(const std::string& title, int width, int height, std::string& error)
{
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
    {
        error = "The window cannot be opened: " + std::string(SDL_GetError()) + ".";
        return false;
    }
    m_window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width, height,
                                SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    // Software rendering draws the same everywhere, with or without a GPU.
    if (m_window) m_renderer = SDL_CreateRenderer(m_window, -1, SDL_RENDERER_SOFTWARE);
    if (!m_renderer)
    {
        error = "The window cannot be opened: " + std::string(SDL_GetError()) + ".";
        return false;
    }
    SDL_EventState(SDL_DROPFILE, SDL_ENABLE);
    ImGui::CreateContext();
    ImGui::GetIO().IniFilename = nullptr;
    ImGui::StyleColorsLight();
    ImGui_ImplSDL2_InitForSDLRenderer(m_window);
    ImGui_ImplSDLRenderer_Init(m_renderer);
    m_imguiReady = true;
    return true;
}

void yViewerWindow::PostEvent(yScriptEvent::Kind kind, int x, int y, uint32_t modifiers, uint32_t code)
{
    yViewerJob job;
    job.event.kind = kind;
    job.event.x = x;
    job.event.y = y;
    job.event.modifiers = modifiers;
    job.event.code = code;
    m_worker.Post(job);
}

void yViewerWindow::FitPanelToWindow()
{
    // The Effect Controls view gives the panel the height left below the controls.
    int width = 0, height = 0;
    SDL_GetWindowSize(m_window, &width, &height);
    const int panelHeight =
        (height - yViewLayout::kStatusHeight - yViewLayout::kControlsHeight - yViewLayout::kMargin) / m_panelZoom;
    if (m_frame.panelWidth > 0 && panelHeight >= 100 && panelHeight != m_frame.panelHeight)
    {
        PostEvent(yScriptEvent::Resize, m_frame.panelWidth, panelHeight);
        PostEvent(yScriptEvent::Draw, 0, 0);
    }
}

bool yViewerWindow::Covered(double x, double y) const
{
    // The layer view and the panel lie outside ImGui's windows but for the
    // message and the modal chooser; a held ImGui control keeps the pointer.
    return m_chooserShown || (m_messageOpen && m_messageBox.Contains(x, y)) || ImGui::IsAnyItemActive();
}

void yViewerWindow::HandleEvent(const SDL_Event& e)
{
    const ImGuiIO& io = ImGui::GetIO();
    int px = 0, py = 0;
    switch (e.type)
    {
    case SDL_QUIT:
        m_quit = true;
        break;
    case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) FitPanelToWindow();
        break;
    case SDL_DROPFILE:
    {
        yViewerJob job;
        job.kind = yViewerJob::Open;
        job.path = e.drop.file;
        SDL_free(e.drop.file);
        m_worker.Post(job);
        break;
    }
    case SDL_KEYDOWN:
    {
        const int32_t key = e.key.keysym.sym;
        int mx = 0, my = 0;
        SDL_GetMouseState(&mx, &my);
        // Plain letters and digits go to the panel while the pointer is on
        // it, where an open number takes typing; Control and F-keys act anywhere.
        const bool typing = m_layout.panel.Contains(mx, my) && !(Modifiers() & ZT_Modifier_CONTROL) && key > 0 &&
                            key < 128;
        const yViewerAction action = typing ? yViewerAction::None : yViewerShortcuts::Find(key, Modifiers());
        if (key == SDLK_F12) m_shoot = true;
        else if (!io.WantCaptureKeyboard && ScrubKey(key)) break;
        else if (!io.WantTextInput && action != yViewerAction::None)
            Act(action);
        else if (!io.WantCaptureKeyboard && key > 0 && key < 128)
            PostEvent(yScriptEvent::Key, 0, 0, Modifiers(), uint32_t(key));
        break;
    }
    case SDL_MOUSEBUTTONDOWN:
        if (Covered(e.button.x, e.button.y)) break;
        if (e.button.button == SDL_BUTTON_LEFT && ClickTimeline(e.button.x, e.button.y)) break;
        if (e.button.button == SDL_BUTTON_LEFT && m_layout.panel.Contains(e.button.x, e.button.y))
        {
            m_layout.ToPanel(e.button.x, e.button.y, px, py);
            PostEvent(yScriptEvent::Down, px, py, Modifiers());
            m_panelDrag = true;
        }
        else if (m_layout.layer.Contains(e.button.x, e.button.y))
        {
            m_layerDrag = e.button.button == SDL_BUTTON_LEFT;
            m_panning = !m_layerDrag;
        }
        [[fallthrough]];
    case SDL_MOUSEMOTION:
    {
        const int x = e.type == SDL_MOUSEMOTION ? e.motion.x : e.button.x;
        const int y = e.type == SDL_MOUSEMOTION ? e.motion.y : e.button.y;
        m_layout.ToPanel(x, y, px, py);
        if (m_layerDrag)
        {
            yViewerJob job;
            job.kind = yViewerJob::LayerPoint;
            m_view.ToImage(m_layout.layer, m_frame.imageWidth, m_frame.imageHeight, x, y, job.x, job.y);
            job.x = std::floor(job.x);
            job.y = std::floor(job.y);
            m_worker.Post(job);
        }
        else if (m_panning && e.type == SDL_MOUSEMOTION)
        {
            m_view.panX += e.motion.xrel;
            m_view.panY += e.motion.yrel;
        }
        else if (m_panelDrag && e.type == SDL_MOUSEMOTION)
            PostEvent(yScriptEvent::Drag, px, py);
        else if (e.type == SDL_MOUSEMOTION && !Covered(x, y) && m_layout.panel.Contains(x, y))
            PostEvent(yScriptEvent::Move, px, py);
        else if (e.type == SDL_MOUSEMOTION && !Covered(x, y) && m_layout.layer.Contains(x, y))
            PostProbe(x, y);
        break;
    }
    case SDL_MOUSEBUTTONUP:
        if (m_panelDrag)
        {
            m_layout.ToPanel(e.button.x, e.button.y, px, py);
            PostEvent(yScriptEvent::Up, px, py);
        }
        m_panelDrag = m_layerDrag = m_panning = false;
        break;
    case SDL_MOUSEWHEEL:
    {
        int x = 0, y = 0;
        SDL_GetMouseState(&x, &y);
        if (!Covered(x, y) && m_layout.layer.Contains(x, y))
            m_view.ZoomAbout(m_layout.layer, m_frame.imageWidth, m_frame.imageHeight,
                             std::pow(1.25, e.wheel.y), x, y);
        else if (!Covered(x, y) && m_layout.controls.Contains(x, y))
            m_controlsScroll = m_layout.scroll - e.wheel.y * yViewLayout::kControlRowPitch * 2;
        break;
    }
    default:
        break;
    }
}

void yViewerWindow::UploadFrame()
{
    const uint64_t shown = m_frame.renderSerial;
    if (m_worker.TakeFrame(m_frame) && m_frame.renderSerial != shown)
    {
        m_image = Upload(m_renderer, m_image, m_frame.imageWidth, m_frame.imageHeight, m_frame.image);
        m_panel = Upload(m_renderer, m_panel, m_frame.panelWidth, m_frame.panelHeight, m_frame.panel);
    }
    if (m_worker.TakeTimeline(m_timeline))
        m_timelineTexture =
            Upload(m_renderer, m_timelineTexture, m_timeline.width, m_timeline.height, m_timeline.rgba);
    int width = 0, height = 0;
    SDL_GetWindowSize(m_window, &width, &height);
    m_layout = yViewLayout::Compute(width, height, m_frame.panelWidth, m_frame.panelHeight, m_panelZoom,
                                    m_controlsScroll, IsShot());
    m_controlsScroll = m_layout.scroll;
}

void yViewerWindow::DrawWindow()
{
    ImDrawList* draw = ImGui::GetBackgroundDrawList();
    const yBox& l = m_layout.layer;
    draw->AddRectFilled(At(l.x, l.y), At(l.x + l.width, l.y + l.height), IM_COL32(48, 48, 48, 255));
    if (m_image)
    {
        double scale = 1, left = 0, top = 0;
        m_view.Placement(l, m_frame.imageWidth, m_frame.imageHeight, scale, left, top);
        draw->PushClipRect(At(l.x, l.y), At(l.x + l.width, l.y + l.height));
        draw->AddImage(m_image, At(left, top),
                       At(left + m_frame.imageWidth * scale, top + m_frame.imageHeight * scale));
        if (m_frame.region)
            draw->AddRect(At(left + m_frame.left * scale, top + m_frame.top * scale),
                          At(left + m_frame.right * scale, top + m_frame.bottom * scale),
                          IM_COL32(255, 210, 0, 255), 0, 0, 2);
        draw->PopClipRect();
    }
    const yBox& p = m_layout.panel;
    if (m_panel) draw->AddImage(m_panel, At(p.x, p.y), At(p.x + p.width, p.y + p.height));

    const yBox& s = m_layout.status;
    draw->AddRectFilled(At(s.x, s.y), At(s.x + s.width, s.y + s.height), IM_COL32(214, 214, 214, 255));
    char facts[128];
    std::snprintf(facts, sizeof facts, "%d x %d, %d-bit   last job %.1f ms", m_frame.imageWidth,
                  m_frame.imageHeight, m_frame.deep ? 16 : 8, m_frame.jobMilliseconds);
    std::string text = m_frame.statusLine.empty() ? facts : m_frame.statusLine + "   |   " + facts;
    if (m_frame.lastFrame >= m_frame.firstFrame)
        text = "Frame " + std::to_string(m_frame.frameNumber) + " of " + std::to_string(m_frame.firstFrame) + "-" +
               std::to_string(m_frame.lastFrame) + "   |   " + text;
    if (!m_frame.probeLine.empty()) text = m_frame.probeLine + "   |   " + text;
    draw->AddText(At(s.x + 6, s.y + 5), IM_COL32(0, 0, 0, 255), text.c_str());

    // Over the panel the cursor is the one the module asked for.
    int mx = 0, my = 0;
    SDL_GetMouseState(&mx, &my);
    ImGuiIO& io = ImGui::GetIO();
    if (p.Contains(mx, my) && !Covered(mx, my))
    {
        io.ConfigFlags |= ImGuiConfigFlags_NoMouseCursorChange;
        if (m_cursor != m_frame.cursor)
        {
            static SDL_Cursor* cursors[SDL_NUM_SYSTEM_CURSORS] = {};
            const SDL_SystemCursor id = SystemCursor(m_frame.cursor);
            if (!cursors[id]) cursors[id] = SDL_CreateSystemCursor(id);
            SDL_SetCursor(cursors[id]);
            m_cursor = m_frame.cursor;
        }
    }
    else
    {
        io.ConfigFlags &= ~ImGuiConfigFlags_NoMouseCursorChange;
        m_cursor = -1;
    }
}

void yViewerWindow::DrawControls()
{
    const yBox& c = m_layout.controls;
    ImGui::SetNextWindowPos(At(c.x, c.y - m_layout.scroll));
    ImGui::SetNextWindowSize(At(c.width, yViewLayout::kControlsHeight));
    ImGui::Begin("Effect Controls", nullptr,
                 ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoCollapse |
                     ImGuiWindowFlags_NoSavedSettings);
    ImGui::PushItemWidth(float(c.width) * 0.55f);
    int row = 0;
    for (const yViewerParam& p : m_frame.params)
    {
        const yBox place = m_layout.ControlRow(row++);
        ImGui::SetCursorScreenPos(At(place.x, place.y));
        ImGui::PushID(p.name.c_str());
        ImGui::BeginDisabled(p.disabled);
        std::string value;
        if (p.type == PF_Param_POPUP)
        {
            std::string items = p.choices;
            std::replace(items.begin(), items.end(), '|', '\0');
            items += '\0';
            int current = int(p.value) - 1;
            if (ImGui::Combo(p.name.c_str(), &current, items.c_str())) value = std::to_string(current + 1);
        }
        else if (p.type == PF_Param_CHECKBOX)
        {
            bool on = p.value != 0;
            if (ImGui::Checkbox(p.name.c_str(), &on)) value = on ? "on" : "off";
        }
        else
        {
            float v = float(p.value);
            if (ImGui::SliderFloat(p.name.c_str(), &v, float(p.min), float(p.max), "%.0f"))
                value = std::to_string(std::lround(v));
        }
        ImGui::EndDisabled();
        ImGui::PopID();
        if (!value.empty())
        {
            yViewerJob job;
            job.event.kind = yScriptEvent::Set;
            job.event.param = p.name;
            job.event.value = value;
            m_worker.Post(job);
        }
    }
    ImGui::RadioButton("100 %", &m_panelZoom, 1);
    ImGui::SameLine();
    ImGui::RadioButton("200 %", &m_panelZoom, 2);
    ImGui::SameLine();
    if (ImGui::Button("About"))
    {
        yViewerJob job;
        job.kind = yViewerJob::About;
        m_worker.Post(job);
    }
    ImGui::SameLine();
    if (ImGui::Button("Help")) Act(yViewerAction::Help);
    if (m_fileDialog.Available())
    {
        ImGui::SameLine();
        if (ImGui::Button("Browse...")) Act(yViewerAction::OpenFile);
    }
    ImGui::InputText("File", m_path, sizeof m_path);
    const struct
    {
        const char* label;
        yViewerJob::Kind kind;
    } actions[] = {{"Open", yViewerJob::Open},
                   {"Save output", yViewerJob::SaveOutput},
                   {"Save project", yViewerJob::SaveProject},
                   {"Load project", yViewerJob::LoadProject}};
    for (const auto& a : actions)
    {
        if (a.kind != yViewerJob::Open) ImGui::SameLine();
        if (ImGui::Button(a.label) && m_path[0])
        {
            yViewerJob job;
            job.kind = a.kind;
            job.path = m_path;
            m_worker.Post(job);
        }
    }
    ImGui::PopItemWidth();
    ImGui::End();
}

void yViewerWindow::DrawDialogs()
{
    uint8_t initial[3];
    if (m_worker.ChooserOpen(initial) && !m_chooserShown)
    {
        for (int k = 0; k < 3; ++k) m_chooserColor[k] = initial[k] / 255.0f;
        ImGui::OpenPopup("Colour");
        m_chooserShown = true;
    }
    if (ImGui::BeginPopupModal("Colour", nullptr, ImGuiWindowFlags_AlwaysAutoResize))
    {
        ImGui::ColorPicker3("##colour", m_chooserColor);
        const bool ok = ImGui::Button("OK");
        ImGui::SameLine();
        if (ok || ImGui::Button("Cancel"))
        {
            yColorChoice choice;
            choice.chosen = ok;
            choice.red = uint8_t(std::lround(m_chooserColor[0] * 255));
            choice.green = uint8_t(std::lround(m_chooserColor[1] * 255));
            choice.blue = uint8_t(std::lround(m_chooserColor[2] * 255));
            m_worker.AnswerChooser(choice);
            m_chooserShown = false;
            ImGui::CloseCurrentPopup();
        }
        ImGui::EndPopup();
    }

    // Messages stand over the foot of the layer view and leave the rest usable.
    if (m_frame.messageSerial > m_shownMessage)
    {
        m_shownMessage = m_frame.messageSerial;
        m_err << m_frame.message << "\n";
        m_messageOpen = true;
    }
    if (m_messageOpen)
    {
        const yBox& l = m_layout.layer;
        ImGui::SetNextWindowPos(At(l.x + yViewLayout::kMargin, l.y + l.height - yViewLayout::kMargin),
                                ImGuiCond_Always, ImVec2(0, 1));
        ImGui::SetNextWindowSize(At(std::max(200, l.width - 2 * yViewLayout::kMargin), 0));
        ImGui::Begin("Message", &m_messageOpen,
                     ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoCollapse |
                         ImGuiWindowFlags_NoSavedSettings);
        ImGui::TextWrapped("%s", m_frame.message.c_str());
        if (ImGui::Button("OK")) m_messageOpen = false;
        const ImVec2 at = ImGui::GetWindowPos(), size = ImGui::GetWindowSize();
        m_messageBox = {int(at.x), int(at.y), int(size.x), int(size.y)};
        ImGui::End();
    }
}

bool yViewerWindow::Frame()
{
    SDL_Event e;
    while (SDL_PollEvent(&e))
    {
        ImGui_ImplSDL2_ProcessEvent(&e);
        HandleEvent(e);
    }
    if (m_quit) return false;
    PollFileDialog();
    UploadFrame();
    ImGui_ImplSDLRenderer_NewFrame();
    ImGui_ImplSDL2_NewFrame();
    ImGui::NewFrame();
    DrawWindow();
    DrawControls();
    m_scope.Draw(m_renderer, m_frame, m_layout);
    DrawScrub();
    DrawDialogs();
    DrawHelp();
    ImGui::Render();
    SDL_SetRenderDrawColor(m_renderer, 0xEC, 0xEC, 0xEC, 255);
    SDL_RenderClear(m_renderer);
    ImGui_ImplSDLRenderer_RenderDrawData(ImGui::GetDrawData());
    return true;
}

bool yViewerWindow::Screenshot(const std::string& path, std::string& error)
{
    int width = 0, height = 0;
    SDL_GetRendererOutputSize(m_renderer, &width, &height);
    std::vector<uint8_t> rgba(size_t(width) * size_t(height) * 4);
    if (SDL_RenderReadPixels(m_renderer, nullptr, SDL_PIXELFORMAT_RGBA32, rgba.data(), width * 4) != 0)
    {
        error = "The window's pixels cannot be read: " + std::string(SDL_GetError()) + ".";
        return false;
    }
    yWorld shot(width, height, false);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const uint8_t* p = rgba.data() + (size_t(y) * size_t(width) + size_t(x)) * 4;
            shot.Pixel8(x, y) = PF_Pixel8{255, p[0], p[1], p[2]};
        }
    return yPngFile::Write(path, shot, error);
}

void yViewerWindow::RunLive(const std::string& screenshot)
{
    while (true)
    {
        // Sleeps until input comes or a frame is due.
        SDL_WaitEventTimeout(nullptr, m_playing ? 5 : 30);
        Play();
        // Idle before the frame: the frame then shows every job done. ImGui
        // takes a click over two frames, so a shot waits for a few.
        const bool idle = m_worker.Idle();
        if (!Frame()) return;
        m_shootFrames = m_shoot ? m_shootFrames + 1 : 0;
        std::string error;
        if (m_shoot && m_shootFrames > 3 && idle)
        {
            if (!screenshot.empty() && !Screenshot(screenshot, error)) m_err << error << "\n";
            m_shoot = false;
        }
        SDL_RenderPresent(m_renderer);
    }
}

bool yViewerWindow::RunScript(const std::vector<yViewerStep>& steps, const std::string& screenshot,
                              std::string& error)
{
    for (const yViewerStep& step : steps)
    {
        if (step.panelZoom)
            m_panelZoom = step.panelZoom;
        else if (step.controlsScroll >= 0)
            m_controlsScroll = step.controlsScroll;
        else if (!step.scope.empty())
            m_scope.Apply(step.scope);
        else if (step.play >= 0)
            m_playing = step.play == 1;
        else
            m_worker.Post(step.job);
        m_worker.WaitIdle();
        // Scripted playback steps a frame a line, so that it runs the same every time.
        if (m_playing && step.play < 0 && Frame())
        {
            StepFrame(1);
            m_worker.WaitIdle();
        }
        // A few frames let the window settle (popups open a frame late).
        for (int k = 0; k < 2; ++k)
            if (!Frame()) return true;
            else SDL_RenderPresent(m_renderer);
    }
    for (int k = 0; k < 3; ++k)
    {
        if (!Frame()) return true;
        if (k < 2) SDL_RenderPresent(m_renderer);
    }
    const bool shot = screenshot.empty() || Screenshot(screenshot, error);
    SDL_RenderPresent(m_renderer);
    return shot;
}
} // namespace yStandalone
