#include "standalone/session/yRenderSession.h"

#include "host/sdk/ZT_Fixed.h"
#include "host/sdk/ZT_HostPlatform.h"
#include "standalone/emulator/yHostPlatform.h"
#include "standalone/emulator/yQuoted.h"
#include "standalone/emulator/yWindowDevice.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace yStandalone
{
static_assert(yScriptEvent::kMinWindowWidth >= yRenderSession::kRootExtraWidth, "a window holds its margin");

namespace
{
const char* const kModelNames[] = {"RGB", "HLS", "HSV", "CMY", "CMYK", "XYZ",
                                   "xyY", "YUV", "YIQ", "Lab", "Luv"};

// Lower case, apostrophes dropped: "Y'UV" and "yuv" compare equal.
std::string Folded(const std::string& text)
{
    std::string out;
    for (char c : text)
        if (c != '\'') out += char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool ParseNumber(const std::string& text, double& value)
{
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end && *end == '\0' && std::isfinite(value);
}

bool ParseInt(const std::string& text, long& value)
{
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, 10);
    return end && *end == '\0';
}

// The n-th name (from 1) of a "|"-separated choice list; empty past its end.
std::string ChoiceName(const std::string& choices, long n)
{
    size_t start = 0;
    for (long k = 1; k < n && start <= choices.size(); ++k)
        start = std::min(choices.find('|', start), choices.size()) + 1;
    if (start > choices.size()) return "";
    return choices.substr(start, std::min(choices.find('|', start), choices.size()) - start);
}

PF_Modifiers HostModifiers(uint32_t modifiers)
{
    PF_Modifiers out = 0;
    if (modifiers & ZT_Modifier_CONTROL) out |= PF_Mod_CMD_CTRL_KEY;
    if (modifiers & ZT_Modifier_SHIFT) out |= PF_Mod_SHIFT_KEY;
    if (modifiers & ZT_Modifier_ALT) out |= PF_Mod_OPT_ALT_KEY;
    return out;
}
} // namespace

int ColorModelNumber(const std::string& text)
{
    long n = 0;
    if (ParseInt(text, n)) return n >= 1 && n <= 11 ? int(n) : 0;
    for (int k = 0; k < 11; ++k)
        if (Folded(text) == Folded(kModelNames[k])) return k + 1;
    return 0;
}

yRenderSession::yRenderSession()
{
    m_panel = yWorld(kWindowWidth, kWindowHeight, false);
}

yRenderSession::~yRenderSession()
{
    Close();
}

bool yRenderSession::Call(PF_Cmd cmd, const char* what, std::string& error, PF_LayerDef* output, void* extra)
{
    const PF_Err err = m_host->Call(cmd, output, extra);
    const std::string message = m_host->ReturnMessage();
    if (err == PF_Err_NONE)
    {
        if (!message.empty() && m_messages) *m_messages << Printable(message) << "\n";
        return true;
    }
    error = "The module failed to " + std::string(what) + " (error " + std::to_string(err) + ")" +
            (message.empty() ? "." : ": " + message);
    return false;
}

bool yRenderSession::Open(const std::string& modulePath, std::string& error)
{
    if (!m_module.Load(modulePath, error)) return false;
    m_host = std::make_unique<yEffectHost>(m_module);
    if (!Call(PF_Cmd_GLOBAL_SETUP, "set itself up", error)) return false;
    if (!Call(PF_Cmd_PARAMS_SETUP, "declare its parameters", error)) return false;
    m_open = true;
    if (!m_host->MakeArbitraryValues(error)) return false;
    if (!Call(PF_Cmd_SEQUENCE_SETUP, "set up its instance", error)) return false;
    m_pointIndex = -1;
    for (size_t k = 1; k < m_host->ParamCount(); ++k)
        if (m_host->Param(k).def.param_type == PF_Param_POINT) m_pointIndex = int(k);
    return true;
}

bool yRenderSession::Restore(const std::vector<uint8_t>& record, std::string& error)
{
    if (!Call(PF_Cmd_SEQUENCE_SETDOWN, "set down its instance", error)) return false;
    m_host->SetSequenceData(m_host->NewHandleWith(record));
    return Call(PF_Cmd_SEQUENCE_RESETUP, "restore its instance from the project", error);
}

void yRenderSession::Close()
{
    if (m_host && m_open)
    {
        m_host->Call(PF_Cmd_SEQUENCE_SETDOWN);
        m_host->DisposeArbitraryValues();
        m_host->Call(PF_Cmd_GLOBAL_SETDOWN);
    }
    m_open = false;
    m_host.reset();
    m_module.Unload();
}

void yRenderSession::SetInput(yWorld input, int downsample, int layerWidth, int layerHeight)
{
    m_downsample = std::max(1, downsample);
    m_input = std::move(input);
    m_host->SetInputLayer(m_input.World());
    m_host->SetDownsample({1, A_u_long(m_downsample)}, {1, A_u_long(m_downsample)});
    if (!m_pointSet && m_pointIndex > 0)
    {
        // The default is in percent of the layer.
        const PF_PointDef& td = m_host->Param(size_t(m_pointIndex)).def.u.td;
        m_pointX = layerWidth * ZT_Fixed::ToDouble(td.x_dephault) / 100.0;
        m_pointY = layerHeight * ZT_Fixed::ToDouble(td.y_dephault) / 100.0;
    }
}

std::vector<std::pair<std::string, std::string>> yRenderSession::HostSettings() const
{
    std::vector<std::pair<std::string, std::string>> out;
    char number[64];
    for (size_t k = 1; k < m_host->ParamCount(); ++k)
    {
        const yParam& p = m_host->Param(k);
        const PF_ParamDef& def = p.def;
        std::string value;
        switch (def.param_type)
        {
        case PF_Param_POPUP:
            value = ChoiceName(p.choices, def.u.pd.value);
            break;
        case PF_Param_CHECKBOX:
            value = def.u.bd.value ? "on" : "off";
            break;
        case PF_Param_POINT:
            if (!m_pointSet) continue;
            std::snprintf(number, sizeof number, "%.17g,%.17g", m_pointX, m_pointY);
            value = number;
            break;
        case PF_Param_FIX_SLIDER:
            std::snprintf(number, sizeof number, "%.17g", ZT_Fixed::ToDouble(def.u.fd.value));
            value = number;
            break;
        case PF_Param_SLIDER:
            value = std::to_string(def.u.sd.value);
            break;
        default:
            continue; // the panel's own values are in the record
        }
        out.emplace_back(def.name[0] ? def.name : p.label, value);
    }
    return out;
}

bool yRenderSession::SetParam(const std::string& name, const std::string& value, std::string& error)
{
    const int index = m_host->FindParam(name);
    if (index <= 0)
    {
        error = "The effect has no parameter named " + Quoted(name) + ".";
        return false;
    }
    PF_ParamDef& def = m_host->Param(size_t(index)).def;
    const std::string bad =
        "The value " + Quoted(value) + " does not suit the parameter " + Quoted(name) + ".";
    double number = 0;
    switch (def.param_type)
    {
    case PF_Param_POPUP:
    {
        long n = 0;
        const std::string& choices = m_host->Param(size_t(index)).choices;
        if (!ParseInt(value, n))
            for (long k = 1; k <= def.u.pd.num_choices && n == 0; ++k)
                if (Folded(ChoiceName(choices, k)) == Folded(value)) n = k;
        // A choice without a name (the list's empty end) is no choice.
        if (n < 1 || n > def.u.pd.num_choices || ChoiceName(choices, n).empty())
        {
            error = bad;
            return false;
        }
        def.u.pd.value = PF_ParamValue(n);
        break;
    }
    case PF_Param_CHECKBOX:
    {
        const std::string v = Folded(value);
        if (v == "on" || v == "1" || v == "true")
            def.u.bd.value = 1;
        else if (v == "off" || v == "0" || v == "false")
            def.u.bd.value = 0;
        else
        {
            error = bad;
            return false;
        }
        break;
    }
    case PF_Param_POINT:
    {
        const size_t comma = value.find(',');
        double x = 0, y = 0;
        if (comma == std::string::npos || !ParseNumber(value.substr(0, comma), x) ||
            !ParseNumber(value.substr(comma + 1), y) || std::fabs(x) > 1e7 || std::fabs(y) > 1e7)
        {
            error = bad;
            return false;
        }
        m_pointX = x;
        m_pointY = y;
        m_pointSet = true;
        break;
    }
    case PF_Param_FIX_SLIDER:
        if (!ParseNumber(value, number) || number < ZT_Fixed::ToDouble(def.u.fd.valid_min) ||
            number > ZT_Fixed::ToDouble(def.u.fd.valid_max))
        {
            error = "The value " + Quoted(value) + " of " + Quoted(name) + " is not a number from " +
                    std::to_string(ZT_Fixed::WholePart(def.u.fd.valid_min)) + " to " +
                    std::to_string(ZT_Fixed::WholePart(def.u.fd.valid_max)) + ".";
            return false;
        }
        def.u.fd.value = ZT_Fixed::FromDouble(number);
        break;
    case PF_Param_SLIDER:
    {
        long n = 0;
        if (!ParseInt(value, n) || n < def.u.sd.valid_min || n > def.u.sd.valid_max)
        {
            error = bad;
            return false;
        }
        def.u.sd.value = PF_ParamValue(n);
        break;
    }
    default:
        error = "The parameter " + Quoted(name) + " cannot be set from the command line.";
        return false;
    }
    return Call(PF_Cmd_UPDATE_PARAMS_UI, "update its controls", error);
}

bool yRenderSession::Render(std::string& error)
{
    if (m_pointIndex > 0)
    {
        PF_PointDef& td = m_host->Param(size_t(m_pointIndex)).def.u.td;
        td.x_value = ZT_Fixed::FromDouble(m_pointX / m_downsample);
        td.y_value = ZT_Fixed::FromDouble(m_pointY / m_downsample);
    }
    // The output world of the last render is cleared and used again.
    if (m_output.Width() == m_input.Width() && m_output.Height() == m_input.Height() &&
        m_output.IsDeep() == m_input.IsDeep())
        m_output.Clear();
    else
        m_output = yWorld(m_input.Width(), m_input.Height(), m_input.IsDeep());
    if (!Call(PF_Cmd_RENDER, "render", error, &m_output.World())) return false;
    m_rendered = true;
    return true;
}

bool yRenderSession::RenderIfChanged(bool forced, std::string& error)
{
    bool changed = false;
    for (size_t k = 1; k < m_host->ParamCount(); ++k)
    {
        PF_ParamDef& def = m_host->Param(k).def;
        if (def.param_type == PF_Param_ARBITRARY_DATA && (def.uu.change_flags & PF_ChangeFlag_CHANGED_VALUE))
        {
            def.uu.change_flags = PF_ChangeFlag_NONE;
            changed = true;
        }
    }
    return (changed || forced) && m_rendered ? Render(error) : true;
}

PF_ParamIndex yRenderSession::PanelParam() const
{
    PF_ParamIndex index = 0;
    for (size_t k = 1; k < m_host->ParamCount(); ++k)
        if (m_host->Param(k).def.param_type == PF_Param_ARBITRARY_DATA) index = PF_ParamIndex(k);
    return index;
}

void yRenderSession::FrameRects(PF_EventExtra& extra) const
{
    const int frameWidth = std::max(0, m_panel.Width() - kRootExtraWidth);
    extra.effect_win.index = PanelParam();
    extra.effect_win.area = PF_EA_CONTROL;
    extra.effect_win.current_frame = PF_Rect{0, 0, frameWidth, m_panel.Height()};
    extra.effect_win.param_title_frame = PF_Rect{0, -20, frameWidth, 0};
}

bool yRenderSession::SendEvent(PF_EventType type, int x, int y, uint32_t modifiers, uint32_t code,
                               std::string& error)
{
    yHostPlatform& platform = yHostPlatform::Instance();
    PF_EventExtra extra{};
    extra.contextH = m_host->WindowContext();
    extra.e_type = type;
    FrameRects(extra);
    const PF_Point point{x, y};
    switch (type)
    {
    case PF_Event_DO_CLICK:
    case PF_Event_DRAG:
        extra.u.do_click.when = platform.Clock();
        extra.u.do_click.screen_point = point;
        extra.u.do_click.num_clicks = m_clicks;
        extra.u.do_click.modifiers = HostModifiers(modifiers);
        extra.u.do_click.last_time = type == PF_Event_DRAG && !platform.ButtonDown();
        break;
    case PF_Event_ADJUST_CURSOR:
        extra.u.adjust_cursor.screen_point = point;
        extra.u.adjust_cursor.modifiers = HostModifiers(modifiers);
        break;
    case PF_Event_DRAW:
        extra.u.draw.update_rect = PF_Rect{0, 0, m_panel.Width(), m_panel.Height()};
        extra.u.draw.depth = 32;
        break;
    default:
        if (type == m_host->KeyDownEvent())
            m_host->SetKeyDown(extra, code, HostModifiers(modifiers), platform.Clock());
        break;
    }
    // Today's hosts keep the panel's value and compare it after an event
    // that may change it.
    const PF_ParamIndex panel = PanelParam();
    const bool mayChange =
        type == PF_Event_DO_CLICK || type == PF_Event_DRAG || type == m_host->KeyDownEvent();
    const PF_Handle before = mayChange ? m_host->CopyArbitraryValue(panel) : nullptr;
    if (!Call(PF_Cmd_EVENT, "handle an event", error, nullptr, &extra))
    {
        m_host->ArbitraryValueChanged(panel, before);
        return false;
    }
    if (before && m_host->ArbitraryValueChanged(panel, before))
        m_host->Param(size_t(panel)).def.uu.change_flags |= PF_ChangeFlag_CHANGED_VALUE;
    if (type == PF_Event_ADJUST_CURSOR) m_cursor = extra.u.adjust_cursor.set_cursor;
    if (type == PF_Event_DRAW) return true;
    // As the real host: the controls are redrawn when the module asks or took
    // the event, and the frame is rendered again when the panel's parameter
    // changed; the module settles what an event did while it draws.
    const PF_OutFlags flags = m_host->OutData().out_flags;
    if ((flags & PF_OutFlag_REFRESH_UI) || (extra.evt_out_flags & PF_EO_HANDLED_EVENT))
    {
        if (m_coalescing && type == PF_Event_ADJUST_CURSOR)
            m_drawDue = true;
        else if (!Draw(error))
            return false;
    }
    return RenderIfChanged((flags & PF_OutFlag_FORCE_RERENDER) != 0, error);
}

bool yRenderSession::Draw(std::string& error)
{
    m_drawDue = false;
    // The window is painted in its background colour before the module draws.
    const int width = m_panel.Width();
    const int height = m_panel.Height();
    std::vector<uint8_t> pixels(size_t(width) * size_t(height) * 4);
    for (size_t k = 0; k < pixels.size(); k += 4)
    {
        pixels[k] = pixels[k + 1] = pixels[k + 2] = 0xEC;
        pixels[k + 3] = 255;
    }
    m_surface.version = ZT_DrawSurface_VERSION;
    m_surface.pixels = pixels.data();
    m_surface.width = width;
    m_surface.height = height;
    m_surface.row_bytes = width * 4;
    bool drawn = false;
    if (m_host->Profile() == yProfile::Legacy)
    {
        yWindowDevice window(m_surface);
        m_host->SetDrawWindow(&m_surface, window.Context());
        drawn = SendEvent(PF_Event_DRAW, 0, 0, 0, 0, error);
        m_host->SetDrawWindow(nullptr, nullptr);
        window.Finish();
    }
    else
    {
        // Images the module leaves unreleased stay counted by the host.
        m_host->SetDrawWindow(&m_surface, nullptr);
        drawn = SendEvent(PF_Event_DRAW, 0, 0, 0, 0, error);
        m_host->SetDrawWindow(nullptr, nullptr);
    }
    m_surface.pixels = nullptr;
    // Bottom-up blue, green, red into the panel picture; the window is opaque.
    for (int y = 0; y < height; ++y)
    {
        const uint8_t* row = pixels.data() + size_t(height - 1 - y) * size_t(width) * 4;
        for (int x = 0; x < width; ++x)
            m_panel.Pixel8(x, y) = PF_Pixel8{255, row[x * 4 + 2], row[x * 4 + 1], row[x * 4]};
    }
    return drawn;
}

bool yRenderSession::Replay(const yScriptEvent& event, std::string& error)
{
    yHostPlatform& platform = yHostPlatform::Instance();
    if (event.kind == yScriptEvent::Move || event.kind == yScriptEvent::Down ||
        event.kind == yScriptEvent::Drag || event.kind == yScriptEvent::Up)
    {
        m_pointerX = event.x;
        m_pointerY = event.y;
        m_pointerKnown = true;
    }
    switch (event.kind)
    {
    case yScriptEvent::Move:
        return SendEvent(PF_Event_ADJUST_CURSOR, event.x, event.y, platform.Modifiers(), 0, error);
    case yScriptEvent::Down:
    {
        const uint32_t now = platform.Clock();
        m_clicks = m_clicks > 0 && now - m_lastClick <= platform.DoubleClickInterval() ? m_clicks + 1 : 1;
        m_lastClick = now;
        platform.SetModifiers(event.modifiers);
        platform.SetButtonDown(true);
        return SendEvent(PF_Event_DO_CLICK, event.x, event.y, event.modifiers, 0, error);
    }
    case yScriptEvent::Drag:
        return SendEvent(PF_Event_DRAG, event.x, event.y, platform.Modifiers(), 0, error);
    case yScriptEvent::Up:
    {
        platform.SetButtonDown(false);
        const bool sent = SendEvent(PF_Event_DRAG, event.x, event.y, platform.Modifiers(), 0, error);
        platform.SetModifiers(0);
        return sent;
    }
    case yScriptEvent::Key:
        platform.SetModifiers(event.modifiers);
        if (!SendEvent(m_host->KeyDownEvent(), 0, 0, event.modifiers, event.code, error)) return false;
        platform.SetModifiers(0);
        return true;
    case yScriptEvent::Draw:
        return Draw(error);
    case yScriptEvent::Render:
        return Render(error);
    case yScriptEvent::Wait:
        platform.AdvanceClock(event.milliseconds);
        return true;
    case yScriptEvent::Set:
        return SetParam(event.param, event.value, error) && (!m_rendered || Render(error));
    case yScriptEvent::Resize:
        if (event.x < yScriptEvent::kMinWindowWidth || event.y < 1 ||
            event.x > yScriptEvent::kMaxWindowSide || event.y > yScriptEvent::kMaxWindowSide)
        {
            error = "The window size " + std::to_string(event.x) + " x " + std::to_string(event.y) +
                    " is outside what a script may ask for.";
            return false;
        }
        m_panel = yWorld(event.x, event.y, false);
        return true;
    case yScriptEvent::Pick:
    {
        yColorChoice choice;
        choice.chosen = !event.cancel;
        choice.red = event.red;
        choice.green = event.green;
        choice.blue = event.blue;
        platform.QueueColorChoice(choice);
        return true;
    }
    }
    return true;
}

bool yRenderSession::ReplayScript(const std::vector<yScriptEvent>& events, std::string& error)
{
    m_coalescing = true;
    bool replayed = true;
    int line = 0;
    for (const yScriptEvent& event : events)
    {
        line = event.line;
        // Only moves pass a due draw by: anything else may see the panel.
        const bool flush = m_drawDue && event.kind != yScriptEvent::Move && event.kind != yScriptEvent::Draw;
        if ((flush && !Draw(error)) || !Replay(event, error))
        {
            replayed = false;
            break;
        }
    }
    if (replayed && m_drawDue && !Draw(error)) replayed = false;
    m_coalescing = m_drawDue = false;
    if (replayed) return true;
    if (!error.empty()) error[0] = char(std::tolower(static_cast<unsigned char>(error[0])));
    error = "Line " + std::to_string(line) + " of the event script failed: " + error;
    return false;
}

bool yRenderSession::Report(yHistogramStats& stats, std::vector<yBinCounts>& bins, std::string& error)
{
    auto report = reinterpret_cast<ZT_HistogramReportFunc>(m_module.Symbol(ZT_HistogramReport_SYMBOL));
    if (!report)
    {
        error = "The module does not report its histogram.";
        return false;
    }
    ZT_HistogramReport r{};
    PF_Handle data = m_host->InData().sequence_data;
    if (report(data, &r, nullptr, 0) != 0)
    {
        error = "The module has no live instance to report on.";
        return false;
    }
    if (r.version != ZT_HistogramReport_VERSION)
    {
        error = "The module reports its histogram in version " + std::to_string(r.version) + ", not " +
                std::to_string(ZT_HistogramReport_VERSION) + ".";
        return false;
    }
    std::vector<uint32_t> counts(size_t(r.bin_count) * 4);
    if (r.bin_count > 0 && report(data, &r, counts.data(), uint32_t(counts.size())) != 0)
    {
        error = "The module has no live instance to report on.";
        return false;
    }
    bins.assign(r.bin_count, yBinCounts{});
    for (size_t b = 0; b < bins.size(); ++b)
        for (int k = 0; k < 4; ++k)
            bins[b][size_t(k)] = counts[b * 4 + size_t(k)];

    stats.model = r.model_name;
    stats.depth = r.depth;
    stats.bins = int(r.bin_count);
    stats.top = r.top;
    stats.left = r.left;
    stats.bottom = r.bottom;
    stats.right = r.right;
    stats.total = r.total;
    for (int k = 0; k < 4; ++k)
    {
        yChannelStats& c = stats.channels[size_t(k)];
        c.name = r.channels[k].name;
        c.first = r.channels[k].first;
        c.last = r.channels[k].last;
        c.peakBin = r.channels[k].peak_bin;
        c.peakCount = r.channels[k].peak_count;
        c.shown = r.channels[k].shown != 0;
        for (size_t v = 0; v < c.barColor.size(); ++v)
            for (size_t i = 0; i < 3; ++i) c.barColor[v][i] = r.channels[k].bar_color[v][i];
    }
    stats.statusLine = r.status_line;
    stats.Summarize(bins);
    return true;
}

bool yRenderSession::Flatten(std::vector<uint8_t>& record, std::string& error)
{
    if (!Call(PF_Cmd_SEQUENCE_FLATTEN, "save its instance", error)) return false;
    record = m_host->HandleBytes(m_host->InData().sequence_data);
    if (record.empty())
    {
        error = "The module gave nothing to save.";
        return false;
    }
    return Call(PF_Cmd_SEQUENCE_RESETUP, "take its instance back", error);
}

bool yRenderSession::CopyArbitraryValue(yEffectHost& from, PF_ParamIndex index, std::string& error)
{
    // A value belongs to its host: it moves as the module's flat bytes.
    PF_Handle& to = m_host->Param(size_t(index)).def.u.arb_d.value;
    const PF_ParamDef& def = from.Param(size_t(index)).def;
    A_u_long size = 0;
    PF_ArbParamsExtra call{};
    call.which_function = PF_Arbitrary_FLAT_SIZE_FUNC;
    call.u.flat_size_func_params.arbH = def.u.arb_d.value;
    call.u.flat_size_func_params.flat_data_sizePLu = &size;
    PF_Err err = from.CallArbitrary(index, call);
    std::vector<uint8_t> flat(size);
    if (err == PF_Err_NONE)
    {
        call = PF_ArbParamsExtra{};
        call.which_function = PF_Arbitrary_FLATTEN_FUNC;
        call.u.flatten_func_params.arbH = def.u.arb_d.value;
        call.u.flatten_func_params.buf_sizeLu = size;
        call.u.flatten_func_params.flat_dataPV = flat.data();
        err = from.CallArbitrary(index, call);
    }
    PF_Handle value = nullptr;
    if (err == PF_Err_NONE)
    {
        call = PF_ArbParamsExtra{};
        call.which_function = PF_Arbitrary_UNFLATTEN_FUNC;
        call.u.unflatten_func_params.buf_sizeLu = size;
        call.u.unflatten_func_params.flat_dataPV = flat.data();
        call.u.unflatten_func_params.arbPH = &value;
        err = m_host->CallArbitrary(index, call);
    }
    if (err != PF_Err_NONE || !m_host->IsHandle(value))
    {
        error = "The module could not copy its parameter " + Quoted(def.name) + " (error " +
                std::to_string(err) + ").";
        return false;
    }
    call = PF_ArbParamsExtra{};
    call.which_function = PF_Arbitrary_DISPOSE_FUNC;
    call.u.dispose_func_params.arbH = to;
    if (to) m_host->CallArbitrary(index, call);
    to = value;
    return true;
}

bool yRenderSession::CopyParams(yRenderSession& source, std::string& error)
{
    yEffectHost& from = *source.m_host;
    if (from.ParamCount() != m_host->ParamCount())
    {
        error = "The two instances of the effect have different parameters.";
        return false;
    }
    for (size_t k = 1; k < m_host->ParamCount(); ++k)
    {
        PF_ParamDef& to = m_host->Param(k).def;
        const PF_ParamDef& def = from.Param(k).def;
        // Points are kept in layer pixels by the session; other kinds a
        // script neither sets nor changes.
        if (def.param_type == PF_Param_POPUP)
            to.u.pd.value = def.u.pd.value;
        else if (def.param_type == PF_Param_CHECKBOX)
            to.u.bd.value = def.u.bd.value;
        else if (def.param_type == PF_Param_FIX_SLIDER)
            to.u.fd.value = def.u.fd.value;
        else if (def.param_type == PF_Param_SLIDER)
            to.u.sd.value = def.u.sd.value;
        else if (def.param_type == PF_Param_ARBITRARY_DATA && def.u.arb_d.value &&
                 !CopyArbitraryValue(from, PF_ParamIndex(k), error))
            return false;
    }
    m_pointX = source.m_pointX;
    m_pointY = source.m_pointY;
    m_pointSet = source.m_pointSet;
    return true;
}

bool yRenderSession::Adopt(yRenderSession& source, const std::vector<uint8_t>& record, std::string& error)
{
    if (&source != this)
    {
        if (!CopyParams(source, error)) return false;
        m_panel = yWorld(source.m_panel.Width(), source.m_panel.Height(), false);
        m_clicks = source.m_clicks;
        m_lastClick = source.m_lastClick;
        m_pointerX = source.m_pointerX;
        m_pointerY = source.m_pointerY;
        m_pointerKnown = source.m_pointerKnown;
    }
    if (!Restore(record, error) || !Call(PF_Cmd_UPDATE_PARAMS_UI, "update its controls", error) ||
        !Render(error))
        return false;
    // The pointer enters the new panel where it was, as on a host's screen.
    if (m_pointerKnown && !SendEvent(PF_Event_ADJUST_CURSOR, m_pointerX, m_pointerY,
                                     yHostPlatform::Instance().Modifiers(), 0, error))
        return false;
    return Draw(error);
}
} // namespace yStandalone
