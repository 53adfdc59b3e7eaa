// The viewer's window: SDL2 with Dear ImGui over SDL's renderer (no OpenGL,
// so it runs under Xvfb too). It lays out the layer view, the Effect
// Controls view with the module's panel and a status bar, turns input into
// jobs for the render worker and shows the frames it publishes.
#pragma once

#include "standalone/viewer/yScopePane.h"
#include "standalone/viewer/yFileDialog.h"
#include "standalone/viewer/yViewCommand.h"
#include "standalone/viewer/yViewLayout.h"
#include "standalone/viewer/yViewerScript.h"
#include "standalone/viewer/yViewerShortcuts.h"
#include "standalone/viewer/yViewerWorker.h"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;

namespace yStandalone
{
class yViewerWindow
{
  public:
    yViewerWindow(yViewerWorker& worker, std::ostream& err);
    ~yViewerWindow();
    yViewerWindow(const yViewerWindow&) = delete;
    yViewerWindow& operator=(const yViewerWindow&) = delete;

    bool Open(const std::string& title, int width, int height, std::string& error);
    // Until the window is closed; F12 writes the screenshot when one is named,
    // once the input before it has been handled and its frame drawn.
    void RunLive(const std::string& screenshot);
    // Each step, waiting for the worker after it, then the screenshot.
    bool RunScript(const std::vector<yViewerStep>& steps, const std::string& screenshot, std::string& error);

  private:
    // One frame: input, the newest published frame, the drawing. False once closed.
    bool Frame();
    void HandleEvent(const SDL_Event& event);
    // Whether a dialog or a held control takes the pointer at (x, y).
    bool Covered(double x, double y) const;
    void PostEvent(yScriptEvent::Kind kind, int x, int y, uint32_t modifiers = 0, uint32_t code = 0);
    void UploadFrame();
    void DrawWindow();
    void DrawControls();
    void DrawDialogs();
    void FitPanelToWindow();
    bool Screenshot(const std::string& path, std::string& error);
    // A shot's strip, frame keys and playback (yViewerWindowShot.cpp).
    bool IsShot() const { return m_frame.lastFrame >= m_frame.firstFrame; }
    void DrawScrub();
    void Seek(int number);
    // The frame delta further than the last one asked, wrapping at the ends.
    void StepFrame(int delta);
    bool ScrubKey(int key);
    // A click on the timeline picture goes to its frame; false when elsewhere.
    bool ClickTimeline(int x, int y);
    // While playing: the next frame once the worker is idle and its time has come.
    void Play();
    // Shortcuts, the probe, help and the file dialog (yViewerWindowKeys.cpp).
    void Act(yViewerAction action);
    void PostProbe(int x, int y);
    void DrawHelp();
    void PollFileDialog();

    yViewerWorker& m_worker;
    std::ostream& m_err;
    SDL_Window* m_window = nullptr;
    SDL_Renderer* m_renderer = nullptr;
    SDL_Texture* m_image = nullptr;
    SDL_Texture* m_panel = nullptr;
    yScopePane m_scope;
    bool m_imguiReady = false;
    yViewerFrame m_frame;
    uint64_t m_shownMessage = 0;
    bool m_messageOpen = false;
    yBox m_messageBox;
    yViewLayout m_layout;
    yImageView m_view;
    int m_panelZoom = 1;
    int m_controlsScroll = 0; // pixels the Effect Controls view is scrolled up
    bool m_panelDrag = false, m_layerDrag = false, m_panning = false;
    bool m_quit = false;
    bool m_shoot = false; // F12 was pressed
    int m_shootFrames = 0; // frames drawn since
    char m_path[1024] = {};
    bool m_chooserShown = false;
    float m_chooserColor[3] = {0, 0, 0};
    int m_cursor = -1;
    bool m_playing = false;
    int m_seek = 0;           // the last frame asked for
    uint64_t m_seekFrame = 0; // the published frame it was asked over
    double m_lastStep = 0;    // seconds, when playback last stepped
    yTimelinePicture m_timeline;
    SDL_Texture* m_timelineTexture = nullptr;
    bool m_helpOpen = false;
    yFileDialog m_fileDialog;
};
} // namespace yStandalone
