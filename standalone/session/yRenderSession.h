// One effect instance as the host keeps it through a run: set up once, fed
// the input image and the parameters, rendered, shown events and draws of its
// panel, flattened for the project and set down at the end.
#pragma once

#include "host/sdk/ZT_HistogramReport.h"
#include "standalone/emulator/yEffectHost.h"
#include "standalone/session/yEventScript.h"
#include "standalone/emulator/yModule.h"
#include "standalone/media/yReportFiles.h"
#include "standalone/emulator/yWorld.h"

#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace yStandalone
{
class yRenderSession
{
  public:
    // The Effect Controls window the panel is drawn into by default: the
    // control area is the window less the root's extra width.
    static constexpr int kWindowWidth = 340;
    static constexpr int kWindowHeight = 300;
    static constexpr int kRootExtraWidth = 40;

    yRenderSession();
    ~yRenderSession();
    yRenderSession(const yRenderSession&) = delete;
    yRenderSession& operator=(const yRenderSession&) = delete;

    // Loads the module and sets up one instance. Every method returning
    // bool leaves one sentence in error when it fails.
    bool Open(const std::string& modulePath, std::string& error);
    // Sets the instance down and gives the module a saved record back.
    bool Restore(const std::vector<uint8_t>& record, std::string& error);
    // Sets the instance down and unloads the module; safe to call twice.
    void Close();

    // The input layer shrunk by the downsample factor (every n-th pixel of
    // every n-th row), and the layer's own size.
    void SetInput(yWorld input, int downsample, int layerWidth, int layerHeight);
    // Hands the input world back, to be filled with the next frame.
    yWorld TakeInput() { return std::move(m_input); }
    // A parameter by its shown name: popups take a choice's name or number,
    // check boxes on/off, points "X,Y" in full-size layer pixels, sliders a
    // number. Followed by UPDATE_PARAMS_UI, as the host does after a change.
    bool SetParam(const std::string& name, const std::string& value, std::string& error);
    // The host's parameters, by shown name with values SetParam takes back:
    // what a project keeps beside the module's record. The position only once set.
    std::vector<std::pair<std::string, std::string>> HostSettings() const;

    bool Render(std::string& error);
    bool Draw(std::string& error);
    // One scripted event; renders again when it marks the panel changed.
    bool Replay(const yScriptEvent& event, std::string& error);
    // A whole script, each failure named by its line. As a host coalesces
    // redraws, the draw a move asks for waits until a later event or the
    // script's end needs the drawn panel.
    bool ReplayScript(const std::vector<yScriptEvent>& events, std::string& error);

    const yWorld& Input() const { return m_input; }
    const yWorld& Output() const { return m_output; }
    const yWorld& Panel() const { return m_panel; }
    bool Report(yHistogramStats& stats, std::vector<yBinCounts>& bins, std::string& error);
    // The flat record of the instance (SEQUENCE_FLATTEN, then set up again
    // from it so that the instance lives on).
    bool Flatten(std::vector<uint8_t>& record, std::string& error);

    // Becomes the copy of a scripted instance, as a host copies an effect:
    // the module's record (from source's Flatten), the host's parameter
    // values, the window and the pointer, then a render and a draw with the
    // pointer where the script left it. Source may be this session.
    bool Adopt(yRenderSession& source, const std::vector<uint8_t>& record, std::string& error);

    yEffectHost& Host() { return *m_host; }
    // The cursor the module asked for at the last pointer move.
    PF_CursorType Cursor() const { return m_cursor; }
    // Where the module's return messages go (none by default).
    void SetMessageStream(std::ostream* stream) { m_messages = stream; }

  private:
    bool Call(PF_Cmd cmd, const char* what, std::string& error, PF_LayerDef* output = nullptr,
              void* extra = nullptr);
    bool SendEvent(PF_EventType type, int x, int y, uint32_t modifiers, uint32_t code, std::string& error);
    // Renders again when the custom parameter was marked changed or the
    // module asked for it.
    bool RenderIfChanged(bool forced, std::string& error);
    void FrameRects(PF_EventExtra& extra) const;
    // The index of the panel's arbitrary parameter, or 0.
    PF_ParamIndex PanelParam() const;
    // Source's parameter values into this host's; arbitrary values go
    // through the module's flatten and unflatten.
    bool CopyParams(yRenderSession& source, std::string& error);
    bool CopyArbitraryValue(yEffectHost& from, PF_ParamIndex index, std::string& error);

    yModule m_module;
    std::ostream* m_messages = nullptr;
    std::unique_ptr<yEffectHost> m_host;
    bool m_open = false;
    yWorld m_input;
    yWorld m_output;
    yWorld m_panel;
    ZT_DrawSurface m_surface{};
    int m_downsample = 1;
    uint32_t m_lastClick = 0;
    int m_clicks = 0;
    // The position parameter in full-size layer pixels; the host passes it
    // scaled by the downsample factor.
    double m_pointX = 0, m_pointY = 0;
    bool m_pointSet = false;
    int m_pointIndex = -1;
    bool m_rendered = false;
    // Where the last pointer event of a script was, in panel pixels.
    int m_pointerX = 0, m_pointerY = 0;
    bool m_pointerKnown = false;
    bool m_coalescing = false;
    bool m_drawDue = false;
    PF_CursorType m_cursor = PF_Cursor_NONE;
};

// A colour model by name ("Y'UV" or "YUV", any case) or number, 1 to 11; 0 when unknown.
int ColorModelNumber(const std::string& text);
} // namespace yStandalone
