// The host's scope pane below the module's panel: its toggles, the
// histogram picture, axes in code values and in 0..1, and the statistics
// table with what reading the input clamped. It draws inside the window's
// ImGui frame and keeps its picture as an SDL texture, redrawn only when
// the frame, the mode or the size changes.
#pragma once

#include "standalone/viewer/yScopePicture.h"
#include "standalone/viewer/yViewLayout.h"

#include <cstdint>
#include <string>
#include <vector>

struct SDL_Renderer;
struct SDL_Texture;

namespace yStandalone
{
struct yViewerFrame;

class yScopePane
{
  public:
    yScopePane() = default;
    yScopePane(const yScopePane&) = delete;
    yScopePane& operator=(const yScopePane&) = delete;

    // Takes a script's word: log, linear, parade or overlay; false for any other.
    bool Apply(const std::string& word);
    void Draw(SDL_Renderer* renderer, const yViewerFrame& frame, const yViewLayout& layout);
    // Before the renderer goes, which owns the texture.
    void Release();

  private:
    void DrawAxes(const yViewerFrame& frame, const yBox& plot, float scale) const;
    void DrawTable(const yViewerFrame& frame) const;

    yScopeMode m_mode;
    yScopeMode m_drawnMode;
    uint64_t m_drawnSerial = 0;
    int m_drawnWidth = 0, m_drawnHeight = 0;
    std::vector<uint8_t> m_pixels;
    SDL_Texture* m_texture = nullptr;
};
} // namespace yStandalone
