#include "host/bridge/yAEPluginDataCustomUI.h"

#include "host/bridge/yAEArbitrary.h"
#include "host/bridge/yAEKeys.h"
#include "host/bridge/yAEPlugin.h"
#include "host/bridge/yAESuite.h"
#include "host/sdk/AE_Profile.h"
#include "platform/yPlatform.h"
#include "host/bridge/yAEPlugin.h"
#include "host/bridge/yAESuite.h"

namespace yAE
{
namespace
{
bool SameRect(const PF_Rect& a, const PF_Rect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
} // namespace

PluginDataCustomUI::PluginDataCustomUI()
{
    m_root.SetOffscreen(true);
    SetRoot(&m_root);
}

PluginDataCustomUI::~PluginDataCustomUI()
{
    SetRoot(nullptr);
}

void PluginDataCustomUI::SetHostRecords(PF_InData* inData, PF_OutData* outData, void* extraArg,
                                        PF_ParamDef** paramList)
{
    in_data = inData;
    out_data = outData;
    extra = static_cast<PF_EventExtra*>(extraArg);
    params = paramList;
}

void PluginDataCustomUI::HandleHostEvent()
{
    m_error = PF_Err_NONE;
    m_drawFailed = false;
    BeginHostEvent();
    // Only a hit test of this event may choose the cursor.
    GetEventContext().targetFound = false;
    if (!extra) return;
    switch (extra->e_type)
    {
    case PF_Event_DO_CLICK:
        OnMouseDown();
        MarkParamChanged();
        break;
    case PF_Event_DRAG:
        // The host keeps sending drags after the release; the live button
        // tells, and only the first of them becomes the mouse-up.
        if (yPlatform::LeftButtonDown())
        {
            m_dragging = true;
            OnMouseDrag();
            MarkParamChanged();
        }
        else if (GetEventContext().eventName != kEventMouseUp)
        {
            m_dragging = false;
            OnMouseUp();
            MarkParamChanged();
        }
        break;
    case PF_Event_DRAW:
        OnDraw();
        Paint();
        m_port.Present();
        if constexpr (ae_profile::kDrawsImages)
        {
            m_drawFailed = !m_drawbot.Present(in_data, extra->contextH, RootArea());
        }
        break;
    case ae_profile::kKeyDownEvent:
        OnKeyDown();
        break;
    case PF_Event_ADJUST_CURSOR:
        OnDraw();
        OnMouseOver();
        if (GetEventContext().targetFound) extra->u.adjust_cursor.set_cursor = GetEventContext().cursor;
        break;
    default:
        break;
    }
    m_lastEventType = extra->e_type;
}

bool PluginDataCustomUI::FromControlArea(bool windowToo) const
{
    if (!in_data || !out_data || !extra) return false;
    const auto* context = ae_profile::ContextOf(extra->contextH);
    if (windowToo && (!context || context->w_type != PF_Window_EFFECT)) return false;
    return extra->effect_win.area == PF_EA_CONTROL;
}

void PluginDataCustomUI::TakeMousePoint(const PF_Point& point)
{
    GetEventContext().mousePosition = yPointL(point.h + m_origin.x, point.v + m_origin.y);
}

void PluginDataCustomUI::MarkParamChanged()
{
    PF_ParamDef* param = m_customParam > 0 ? HostParam(in_data, params, m_customParam) : nullptr;
    if (!param) return;
    param->uu.change_flags = PF_ChangeFlag_CHANGED_VALUE;
    // Today's hosts see the change in the value they keep.
    if constexpr (ae_profile::kDrawsImages)
        if (param->param_type == PF_Param_ARBITRARY_DATA) CountArbitraryChange(param->u.arb_d.value);
}

bool PluginDataCustomUI::BeginButtonEvent(const char* name)
{
    GetEventContext().SetEventName(name);
    if (!FromControlArea(true)) return false;
    TakeMousePoint(extra->u.do_click.screen_point);
    return true;
}

void PluginDataCustomUI::OnMouseDown()
{
    if (!BeginButtonEvent(kEventMouseDown)) return;
    RecordClick();
    RouteMouseDown();
    extra->u.do_click.send_drag = 1;
    extra->evt_out_flags = PF_EO_HANDLED_EVENT;
}

void PluginDataCustomUI::OnMouseDrag()
{
    if (!BeginButtonEvent(kEventMouseDrag)) return;
    RouteMouseDrag();
    extra->evt_out_flags = PF_EO_HANDLED_EVENT;
    out_data->out_flags |= PF_OutFlag_REFRESH_UI;
}

void PluginDataCustomUI::OnMouseUp()
{
    if (!BeginButtonEvent(kEventMouseUp)) return;
    RouteMouseUp();
    extra->evt_out_flags = PF_EO_HANDLED_EVENT;
    out_data->out_flags |= PF_OutFlag_REFRESH_UI;
}

void PluginDataCustomUI::OnMouseOver()
{
    GetEventContext().SetEventName(kEventMouseOver);
    if (!FromControlArea(false))
    {
        m_mouseInside = false;
        return;
    }
    m_mouseInside = true;
    TakeMousePoint(extra->u.adjust_cursor.screen_point);
    RouteMouseOver();
    out_data->out_flags |= PF_OutFlag_REFRESH_UI;
}

void PluginDataCustomUI::OnKeyDown()
{
    GetEventContext().SetEventName(kEventKeyDown);
    if (!extra) return RouteKeyDown();
    if constexpr (ae_profile::kDrawsImages)
        GetEventContext().key = ToolkitKey(extra->u.key_down);
    else
        GetEventContext().key = static_cast<short>(extra->u.key_down_obsolete.char_code);
    RouteKeyDown();
}

void PluginDataCustomUI::OnDraw()
{
    if (!in_data || !out_data || !extra) return;

    // A frame equal to the title's means the host has no control area to give.
    PF_Rect frame = extra->effect_win.current_frame;
    if (SameRect(frame, extra->effect_win.param_title_frame)) frame = PF_Rect{0, 0, 0, 0};

    void* device = nullptr;
    if constexpr (ae_profile::kDrawsImages)
        device = m_drawbot.Cover(PF_Rect{frame.left, frame.top, frame.right + kRootExtraWidth, frame.bottom});
    else
        device = LegacyWindowDevice();
    if (device != m_port.GetHostContext()) m_port.SetDrawPort(device);
    if (!SameRect(frame, m_lastFrame))
    {
        m_lastFrame = frame;
        m_root.SetSize(yPointL(frame.right - frame.left + kRootExtraWidth, frame.bottom - frame.top));
        LayoutUI();
    }

    m_origin = yPointL(frame.left, frame.top);
    m_root.SetPosition(m_origin);

    if (m_root.GetDestinationPort() != &m_port)
    {
        m_root.SetDestinationPort(&m_port);
        m_root.CreateOffscreen();
    }

    Suite<PF_AppSuite6> app(in_data, kPFAppSuite, ae_profile::kAppSuiteVersion);
    PF_App_Color background = {};
    if (app && app->PF_AppGetBgColor && app->PF_AppGetBgColor(&background) == PF_Err_NONE)
    {
        m_root.SetBackColor(yColor8(255, static_cast<uint8_t>(background.red >> 8),
                                    static_cast<uint8_t>(background.green >> 8),
                                    static_cast<uint8_t>(background.blue >> 8)));
        m_backgroundFetched = true;
    }
}

void* PluginDataCustomUI::LegacyWindowDevice() const
{
#if defined(TONESCOPE_PROFILE_LEGACY)
    const ae_profile::PF_UtilCallbacks* utils = ae_profile::UtilsOf(in_data);
    const auto* context = ae_profile::ContextOf(extra->contextH);
    void* device = nullptr;
    if (!utils || !utils->get_cgraf_data || !context ||
        utils->get_cgraf_data(in_data->effect_ref, context->cgrafptr, ae_profile::PF_CGrafData_HDC,
                              &device) != PF_Err_NONE)
        return nullptr;
    return device;
#else
    // Today's hosts hand out no device.
    return nullptr;
#endif
}

PF_Rect PluginDataCustomUI::RootArea() const
{
    return PF_Rect{m_origin.x, m_origin.y, m_origin.x + m_root.GetSize().x, m_origin.y + m_root.GetSize().y};
}

void PluginDataCustomUI::LayoutUI()
{
    m_root.Layout();
}

void PluginDataCustomUI::Paint()
{
    if (!in_data || !out_data || !extra) return;
    RouteDraw();
    m_mouseInside = true;
    extra->evt_out_flags = PF_EO_HANDLED_EVENT;
}
} // namespace yAE
