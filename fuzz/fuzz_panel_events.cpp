// What a user can do to the panel, in any order: moves, clicks, drags and
// releases anywhere, keys with modifiers, the clock running on, the window
// resized, draws and renders, over a panel holding a histogram. After every
// event the panel's values stay consistent.
#include "fuzz/yFuzzEffect.h"
#include "host/sdk/ZT_HostPlatform.h"
#include "standalone/emulator/yHostPlatform.h"
#include "standalone/emulator/yWorld.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <vector>

using yFuzz::Require;

namespace
{
// Draws and renders cost most by far. As a host coalesces them, a redraw the
// module asks for waits for the next draw the input makes or for its end, a
// re-render for the next draw, render or end (events in between act on the
// histogram still shown), and after a few draws in one input the rest are
// skipped while the events go on.
constexpr int kMaxEvents = 48;
constexpr int kMaxDraws = 4;
constexpr int kMaxWindowWidth = 420; // the panel needs about 340 x 300
constexpr int kMaxWindowHeight = 360;
constexpr int kRootExtraWidth = 40; // the window less this is the control area

// The host's modifier flags for the platform's bits: shift, control, alt.
PF_Modifiers HostModifiers(uint32_t modifiers)
{
    static_assert(ZT_Modifier_SHIFT == 1 && ZT_Modifier_CONTROL == 2 && ZT_Modifier_ALT == 4, "bit k is key k");
    constexpr PF_Modifiers kKeys[3] = {PF_Mod_SHIFT_KEY, PF_Mod_CMD_CTRL_KEY, PF_Mod_OPT_ALT_KEY};
    PF_Modifiers out = 0;
    for (int k = 0; k < 3; ++k)
        out |= (modifiers >> k) & 1 ? kKeys[k] : 0;
    return out;
}

// The window's pixels, kept from input to input: a fresh buffer each time
// would cost more in new pages than the events cost.
std::vector<uint8_t>& WindowPixels()
{
    static std::vector<uint8_t> pixels(size_t(kMaxWindowWidth) * kMaxWindowHeight * 4);
    return pixels;
}

// The effect's controls in a window, events sent as the host sends them:
// a redraw when the module asks or took the event, a render when the panel's
// parameter changed.
class yPanelWindow
{
  public:
    yPanelWindow(int width, int height) { Resize(width, height); }

    void Resize(int width, int height)
    {
        m_width = width;
        m_height = height;
        m_pixels.assign(size_t(width) * size_t(height) * 4, 0xEC);
    }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    void Render()
    {
        m_input = yStandalone::yWorld(24, 16, m_deep);
        for (int y = 0; y < m_input.Height(); ++y)
            for (int x = 0; x < m_input.Width(); ++x)
                if (m_deep) m_input.Pixel16(x, y) = {32768, A_u_short(x * 1300), A_u_short(y * 2000), 9000};
                else m_input.Pixel8(x, y) = {255, A_u_char(x * 10), A_u_char(y * 15), 77};
        m_output = yStandalone::yWorld(m_input.Width(), m_input.Height(), m_deep);
        m_effect.Host().SetInputLayer(m_input.World());
        m_effect.Host().Call(PF_Cmd_RENDER, &m_output.World());
        m_rendered = true;
        m_renderAsked = false;
    }
    void SetDeep(bool deep) { m_deep = deep; }
    void DrawIfAsked()
    {
        if (m_redrawAsked) Draw();
    }

    void RenderIfAsked()
    {
        if (!m_renderAsked) return;
        Render();
        CheckPanel();
    }

    void Draw()
    {
        RenderIfAsked();
        m_redrawAsked = false;
        if (m_draws >= kMaxDraws) return;
        ++m_draws;
        ZT_DrawSurface surface = {ZT_DrawSurface_VERSION, m_pixels.data(), m_width, m_height, m_width * 4};
        m_effect.Host().SetDrawWindow(&surface, &surface);
        Send(PF_Event_DRAW, 0, 0, 0, 0);
        m_effect.Host().SetDrawWindow(nullptr, nullptr);
    }

    PF_EventType KeyDownEvent() { return m_effect.Host().KeyDownEvent(); }

    void Send(PF_EventType type, int x, int y, uint32_t modifiers, uint32_t code)
    {
        yStandalone::yHostPlatform& platform = yStandalone::yHostPlatform::Instance();
        yStandalone::yEffectHost& host = m_effect.Host();
        PF_EventExtra extra{};
        extra.contextH = host.WindowContext();
        extra.e_type = type;
        extra.effect_win.index = zelTonescope::kParamHistogram;
        extra.effect_win.area = PF_EA_CONTROL;
        const int frameWidth = std::max(0, m_width - kRootExtraWidth);
        extra.effect_win.current_frame = PF_Rect{0, 0, frameWidth, m_height};
        extra.effect_win.param_title_frame = PF_Rect{0, -20, frameWidth, 0};
        const PF_Point point{x, y};
        if (type == PF_Event_DO_CLICK || type == PF_Event_DRAG)
        {
            extra.u.do_click.when = platform.Clock();
            extra.u.do_click.screen_point = point;
            extra.u.do_click.num_clicks = m_clicks;
            extra.u.do_click.modifiers = HostModifiers(modifiers);
            extra.u.do_click.last_time = type == PF_Event_DRAG && !platform.ButtonDown();
        }
        else if (type == host.KeyDownEvent())
        {
            host.SetKeyDown(extra, code, HostModifiers(modifiers), platform.Clock());
            // Past the character codes, today's hosts' own key codes go to the module as they are.
            if (host.Profile() == yStandalone::yProfile::Current && code > 0xFF) extra.u.key_down.keycode = code;
        }
        else if (type == PF_Event_ADJUST_CURSOR)
        {
            extra.u.adjust_cursor.screen_point = point;
            extra.u.adjust_cursor.modifiers = HostModifiers(modifiers);
        }
        else if (type == PF_Event_DRAW)
        {
            extra.u.draw.update_rect = PF_Rect{0, 0, m_width, m_height};
            extra.u.draw.depth = 32;
        }
        host.Call(PF_Cmd_EVENT, nullptr, &extra);
        CheckPanel();
        if (type == PF_Event_DRAW) return;

        const PF_OutFlags flags = host.OutData().out_flags;
        if ((flags & PF_OutFlag_REFRESH_UI) || (extra.evt_out_flags & PF_EO_HANDLED_EVENT)) m_redrawAsked = true;
        PF_ParamDef& histogram = m_effect.Param(zelTonescope::kParamHistogram);
        const bool changed = (histogram.uu.change_flags & PF_ChangeFlag_CHANGED_VALUE) != 0;
        histogram.uu.change_flags = PF_ChangeFlag_NONE;
        if ((changed || (flags & PF_OutFlag_FORCE_RERENDER)) && m_rendered) m_renderAsked = true;
    }

    void Click(int x, int y, uint32_t modifiers)
    {
        yStandalone::yHostPlatform& platform = yStandalone::yHostPlatform::Instance();
        const uint32_t now = platform.Clock();
        m_clicks = m_clicks > 0 && now - m_lastClick <= platform.DoubleClickInterval() ? m_clicks + 1 : 1;
        m_lastClick = now;
        platform.SetModifiers(modifiers);
        platform.SetButtonDown(true);
        Send(PF_Event_DO_CLICK, x, y, modifiers, 0);
    }

  private:
    // The values a user sees can never contradict each other.
    void CheckPanel()
    {
        zelTonescope::zelTonescopeData* data = m_effect.Live();
        Require(data != nullptr, "the instance keeps its data object through every event");
        const zelTonescope::zelTonescopeUI& panel = data->GetPanel();
        const zelTonescope::zelPanelSettings s = panel.GetSettings();
        Require(s.viewStart <= s.viewEnd, "the black point never passes the white point");
        Require(s.viewStart >= 0.0f && s.viewEnd <= 1.0f, "the view range stays on its track");
        Require(panel.GetRangeSlider().GetBlack().GetValue() <= panel.GetRangeSlider().GetWhite().GetValue(),
                "the black slider never stands above the white one");
        Require(s.selectionFirst <= s.selectionLast, "the selection's first value never passes its last");
        Require(panel.GetSelectionFirst() <= panel.GetSelectionLast(), "the render's selection is ordered");
        Require(s.scale >= 0.0f && s.scale <= 1.0f, "the scale stays on its track");
    }

    yFuzz::yFuzzEffect m_effect;
    yStandalone::yWorld m_input, m_output;
    std::vector<uint8_t>& m_pixels = WindowPixels();
    int m_width = 0, m_height = 0;
    bool m_deep = false;
    bool m_rendered = false;
    int m_draws = 0;
    bool m_redrawAsked = false;
    bool m_renderAsked = false;
    int m_clicks = 0;
    uint32_t m_lastClick = 0;
};

enum Op
{
    kMove,
    kDown,
    kDrag,
    kUp,
    kKey,
    kModifiers,
    kClock,
    kResize,
    kDraw,
    kRender,
    kPick,
    kOpCount
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    yPanelWindow window(in.ConsumeIntegralInRange(kRootExtraWidth, kMaxWindowWidth),
                        in.ConsumeIntegralInRange(1, kMaxWindowHeight));
    window.SetDeep(in.ConsumeBool());
    window.Render();
    window.Draw();

    yStandalone::yHostPlatform& platform = yStandalone::yHostPlatform::Instance();
    auto point = [&](int limit) {
        // Mostly on the window, now and then anywhere at all.
        return in.ConsumeProbability<float>() < 0.95f ? in.ConsumeIntegralInRange(-8, limit + 8)
                                                       : in.ConsumeIntegral<int16_t>();
    };
    for (int k = 0; k < kMaxEvents && in.remaining_bytes() > 0; ++k)
    {
        const int op = in.ConsumeIntegralInRange(0, kOpCount - 1);
        switch (op)
        {
        case kMove:
        {
            const int x = point(window.Width()), y = point(window.Height());
            window.Send(PF_Event_ADJUST_CURSOR, x, y, platform.Modifiers(), 0);
            break;
        }
        case kDown:
        {
            const int x = point(window.Width()), y = point(window.Height());
            window.Click(x, y, in.ConsumeIntegralInRange<uint32_t>(0, 7));
            break;
        }
        case kDrag:
        case kUp:
        {
            const int x = point(window.Width()), y = point(window.Height());
            if (op == kUp) platform.SetButtonDown(false);
            window.Send(PF_Event_DRAG, x, y, platform.Modifiers(), 0);
            if (op == kUp) platform.SetModifiers(0);
            break;
        }
        case kKey:
        {
            const uint32_t modifiers = in.ConsumeIntegralInRange<uint32_t>(0, 7);
            const uint32_t code = in.ConsumeBool() ? in.ConsumeIntegralInRange<uint32_t>(0, 127)
                                                   : in.ConsumeIntegral<uint32_t>();
            platform.SetModifiers(modifiers);
            window.Send(window.KeyDownEvent(), 0, 0, modifiers, code);
            platform.SetModifiers(0);
            break;
        }
        case kModifiers:
            platform.SetModifiers(in.ConsumeIntegralInRange<uint32_t>(0, 7));
            break;
        case kClock:
            platform.AdvanceClock(in.ConsumeBool() ? in.ConsumeIntegralInRange<uint32_t>(0, 2000)
                                                   : in.ConsumeIntegral<uint32_t>());
            break;
        case kResize:
            window.Resize(in.ConsumeIntegralInRange(kRootExtraWidth, kMaxWindowWidth),
                          in.ConsumeIntegralInRange(1, kMaxWindowHeight));
            break;
        case kDraw:
            window.Draw();
            break;
        case kRender:
            window.SetDeep(in.ConsumeBool());
            window.Render();
            break;
        case kPick:
        {
            yStandalone::yColorChoice choice;
            choice.chosen = in.ConsumeBool();
            choice.red = in.ConsumeIntegral<uint8_t>();
            choice.green = in.ConsumeIntegral<uint8_t>();
            choice.blue = in.ConsumeIntegral<uint8_t>();
            platform.QueueColorChoice(choice);
            break;
        }
        }
    }
    window.DrawIfAsked();
    window.RenderIfAsked();
    return 0;
}
