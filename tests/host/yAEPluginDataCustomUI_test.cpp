#include "host/bridge/yAEPluginDataCustomUI.h"
#include "host/bridge/yAEPluginWithCustomUI.h"
#include "host/sdk/AE_Profile.h"
#include "standalone/emulator/yHostPlatform.h"
#include "tests/host/yAETestHost.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// A control that counts what reaches it and broadcasts the logo's command
// when released.
struct Button : yUIBaseControl
{
    Button()
    {
        SetPosition(yPointL(10, 10));
        SetSize(yPointL(40, 40));
        SetCursor(PF_Cursor_FINGER_POINTER);
        SetMouseUpCommand(yAE::kLogoMouseUpCommand);
    }
    void MouseDown() override { ++downs, yUIBaseControl::MouseDown(); }
    void MouseDrag() override { ++drags, yUIBaseControl::MouseDrag(); }
    void MouseUp() override { ++ups, yUIBaseControl::MouseUp(); }
    int downs = 0, drags = 0, ups = 0;
};

// A data object with one button in its root; counts its layouts.
struct PanelData : yAE::PluginDataCustomUI
{
    PanelData()
    {
        SetCustomParamIndex(3);
        GetRootRegion().AddChild(button);
        button.AddListener(this);
    }
    void LayoutUI() override { ++layouts, yAE::PluginDataCustomUI::LayoutUI(); }
    void CopyFrom(const PanelData&) {}
    void Flatten(uint8_t*) const {}
    void Unflatten(const uint8_t*) {}

    Button button;
    int layouts = 0;
};

struct PanelFlat { static constexpr std::size_t kSize = 36; };

struct PanelPlugin : yAE::PluginWithCustomUI<PanelData, PanelFlat, PanelFlat>
{
    // The panel is the host's parameter 3.
    void ParamsSetup() override
    {
        AddPopupParam("A", 2, 1, "a|", 0, 0, 1);
        AddPopupParam("B", 2, 1, "b|", 0, 0, 2);
        AddArbitraryParam("Panel", 300, 300, PF_PUI_CONTROL, 0, 0, 0, 3);
    }
    void About() override { ++abouts; }
    void BeforeEvent() override { log += "before "; }
    void AfterEvent() override { log += "after "; }
    static inline int abouts = 0;
    static inline std::string log;
};

// One effect instance in the Effect Controls window; the control area's
// frame is at (100, 50) of a 400 x 360 window.
struct Panel : ::testing::Test
{
    void SetUp() override
    {
        platform.Reset();
        PanelPlugin::abouts = 0;
        PanelPlugin::log.clear();
        host.AttachProbe(&probe);
        // The window's device on POSIX is its memory.
        host.SetDrawWindow(&window.surface, &window.surface);
        host.SetBackgroundColor({0x1234, 0x5678, 0x9abc});
        host.Call(PF_Cmd_PARAMS_SETUP);
        host.Call(PF_Cmd_SEQUENCE_SETUP);
        data = yAETest::LiveData<PanelPlugin>(host);
    }
    void TearDown() override
    {
        host.Call(PF_Cmd_SEQUENCE_SETDOWN);
        host.DisposeArbitraryValues();
        EXPECT_EQ(host.LiveHandles(), 0u);
        EXPECT_EQ(host.Drawbot().LiveImages(), 0u);
        EXPECT_EQ(host.OpenSuites(), 0);
        platform.Reset();
    }

    // An event at a point of the control area (panel pixels).
    PF_EventExtra Event(PF_EventType type, A_long x = 0, A_long y = 0)
    {
        PF_EventExtra e = {};
        e.contextH = host.WindowContext();
        e.e_type = type;
        e.effect_win.area = PF_EA_CONTROL;
        e.effect_win.index = 3;
        e.effect_win.current_frame = frame;
        e.effect_win.param_title_frame = {0, 0, 100, 20};
        if (type == PF_Event_ADJUST_CURSOR)
            e.u.adjust_cursor.screen_point = {x, y};
        else
            e.u.do_click.screen_point = {x, y};
        return e;
    }
    PF_Err Send(PF_EventType type, A_long x = 0, A_long y = 0)
    {
        sent = Event(type, x, y);
        return Send(sent);
    }
    PF_Err Send(PF_EventExtra& e)
    {
        host.Param(3).def.uu.change_flags = 0;
        PanelPlugin::log.clear(); // what this one call heard
        return host.Call(PF_Cmd_EVENT, nullptr, &e);
    }
    bool Changed() { return host.Param(3).def.uu.change_flags == PF_ChangeFlag_CHANGED_VALUE; }

    yStandalone::yHostPlatform& platform = yStandalone::yHostPlatform::Instance();
    yStandalone::yEffectHost host{&yAETest::Entry<PanelPlugin>, yStandalone::kLinkedProfile};
    yStandalone::yHostProbe probe;
    yAETest::Window window{400, 360};
    ae_profile::PF_Context& context = *ae_profile::ContextOf(host.WindowContext());
    PF_Rect frame = {100, 50, 400, 350};
    PanelData* data = nullptr;
    PF_EventExtra sent = {};
};
} // namespace

TEST_F(Panel, ClickDragAndReleaseReachTheControlUnderThePanelPoint)
{
    ASSERT_NE(data, nullptr);
    Send(PF_Event_DRAW);
    EXPECT_EQ(data->GetUIOrigin(), yPointL(100, 50));

    EXPECT_EQ(Send(PF_Event_DO_CLICK, 5, 5), PF_Err_NONE);
    EXPECT_EQ(data->button.downs, 0) << "outside the button";

    Send(PF_Event_DO_CLICK, 20, 20);
    EXPECT_EQ(data->button.downs, 1);
    EXPECT_EQ(data->GetEventContext().mousePosition, yPointL(120, 70));
    EXPECT_EQ(sent.u.do_click.send_drag, 1) << "drags are asked for";
    EXPECT_TRUE(Changed());

    platform.SetButtonDown(true);
    for (int i = 0; i < 2; ++i)
    {
        Send(PF_Event_DRAG, 25 + i, 25);
        EXPECT_TRUE(Changed());
        EXPECT_EQ(host.OutData().out_flags & PF_OutFlag_REFRESH_UI, PF_OutFlag_REFRESH_UI);
    }
    EXPECT_EQ(data->button.drags, 2);

    // The host sends drags after the release: the first one is the mouse-up.
    platform.SetButtonDown(false);
    Send(PF_Event_DRAG, 26, 25);
    EXPECT_TRUE(Changed());
    EXPECT_FALSE(data->IsDragging());
    EXPECT_EQ(data->button.ups, 1);
    for (int i = 0; i < 3; ++i)
    {
        Send(PF_Event_DRAG, 26, 25);
        EXPECT_FALSE(Changed());
    }
    EXPECT_EQ(data->button.ups, 1);
}

TEST_F(Panel, EventsFromElsewhereOnlyNameTheEvent)
{
    Send(PF_Event_DRAW);
    PF_EventExtra other = Event(PF_Event_DO_CLICK, 20, 20);
    other.effect_win.area = PF_EA_PARAM_TITLE;
    Send(other);
    EXPECT_EQ(data->button.downs, 0);
    EXPECT_EQ(data->GetEventContext().eventName, kEventMouseDown);
    EXPECT_EQ(other.u.do_click.send_drag, 0);
    EXPECT_EQ(other.evt_out_flags, 0);

    // Another window, or none named, is not the panel's.
    for (PF_ContextH contextH : {host.WindowContext(), static_cast<PF_ContextH>(nullptr)})
    {
        context.w_type = PF_Window_LAYER;
        other = Event(PF_Event_DO_CLICK, 20, 20);
        other.contextH = contextH;
        Send(other);
        EXPECT_EQ(data->button.downs, 0);
    }

    // The cursor checks the area only, and comes from the control under it.
    Send(PF_Event_ADJUST_CURSOR, 70, 70);
    EXPECT_EQ(sent.u.adjust_cursor.set_cursor, PF_Cursor_NONE);
    other = Event(PF_Event_ADJUST_CURSOR, 20, 20);
    Send(other);
    EXPECT_EQ(other.u.adjust_cursor.set_cursor, PF_Cursor_FINGER_POINTER);
    EXPECT_TRUE(data->IsMouseInside());
    context.w_type = PF_Window_EFFECT;

    other = Event(PF_Event_ADJUST_CURSOR, 20, 20);
    other.effect_win.area = PF_EA_NONE;
    Send(other);
    EXPECT_EQ(other.u.adjust_cursor.set_cursor, PF_Cursor_NONE);
    EXPECT_FALSE(data->IsMouseInside());
}

TEST_F(Panel, DrawPaintsTheRootAtTheFrameInTheHostsBackground)
{
    EXPECT_EQ(Send(PF_Event_DRAW), PF_Err_NONE);
    EXPECT_EQ(sent.evt_out_flags, PF_EO_HANDLED_EVENT);
    if constexpr (ae_profile::kDrawsImages)
        EXPECT_EQ(host.Drawbot().ImagesDrawn(), 1) << "one image of the root";
    else
        EXPECT_EQ(data->GetWindowPort().GetHostContext(), &window.surface);
    // High bytes of the host's 16-bit background colour.
    EXPECT_EQ(window.Rgb(100 + 5, 50 + 200), 0x12569au);
    EXPECT_EQ(window.Rgb(99, 50 + 200), 0u) << "nothing left of the frame";

    // Without the suite the colour stays.
    host.SetBackgroundColor({0xff00, 0xff00, 0xff00});
    probe.WithholdSuite(kPFAppSuite);
    Send(PF_Event_DRAW);
    EXPECT_EQ(window.Rgb(100 + 5, 50 + 200), 0x12569au);
}

TEST_F(Panel, ResizingLaysOutOncePerChangeWithTheRootFortyWider)
{
    Send(PF_Event_DRAW);
    EXPECT_EQ(data->layouts, 1);
    EXPECT_EQ(data->GetRootRegion().GetSize(), yPointL(340, 300));
    Send(PF_Event_DRAW);
    Send(PF_Event_ADJUST_CURSOR, 1, 1);
    EXPECT_EQ(data->layouts, 1);

    frame = {100, 50, 360, 250};
    Send(PF_Event_DRAW);
    Send(PF_Event_DRAW);
    EXPECT_EQ(data->layouts, 2);
    EXPECT_EQ(data->GetRootRegion().GetSize(), yPointL(300, 200));

    // A frame equal to the title's counts as no frame at all.
    frame = {0, 0, 100, 20};
    Send(PF_Event_DRAW);
    EXPECT_EQ(data->layouts, 3);
    EXPECT_EQ(data->GetRootRegion().GetSize(), yPointL(40, 0));
}

TEST_F(Panel, ThePluginListensOnlyDuringTheEvent)
{
    Send(PF_Event_DRAW);
    EXPECT_EQ(PanelPlugin::log, "before ");
    Send(PF_Event_DO_CLICK, 20, 20);
    EXPECT_EQ(PanelPlugin::log, "before after ");
    EXPECT_EQ(data->GetEventListenerCount(), 0u);

    platform.SetButtonDown(false);
    Send(PF_Event_DRAG, 20, 20);
    EXPECT_EQ(PanelPlugin::abouts, 1) << "the logo's command opens About";
    EXPECT_EQ(PanelPlugin::log, "after ");
    EXPECT_EQ(data->GetEventListenerCount(), 0u);
}

TEST_F(Panel, EventWithoutDataDoesNothing)
{
    host.Call(PF_Cmd_SEQUENCE_SETDOWN);
    probe.FailCall(yStandalone::yHostCall::NewHandle, PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(Send(PF_Event_DRAW), PF_Err_NONE);
    EXPECT_EQ(sent.evt_out_flags, 0);
    EXPECT_EQ(window.Rgb(105, 250), 0u) << "nothing drawn";
}

#if defined(TONESCOPE_PROFILE_CURRENT)
TEST_F(Panel, AHostWithoutDrawbotGetsOneSentenceAndNoPixels)
{
    for (const char* suite :
         {kPFEffectCustomUISuite, kDRAWBOT_DrawSuite, kDRAWBOT_SupplierSuite, kDRAWBOT_SurfaceSuite})
    {
        SCOPED_TRACE(suite);
        yStandalone::yHostProbe withholding;
        withholding.WithholdSuite(suite);
        host.AttachProbe(&withholding);
        EXPECT_EQ(Send(PF_Event_DRAW), PF_Err_NONE);
        EXPECT_NE(host.ReturnMessage().find("Could not draw through"), std::string::npos)
            << host.ReturnMessage();
        EXPECT_EQ(window.Rgb(105, 250), 0u) << "nothing drawn";
        host.AttachProbe(&probe);
    }
    // Outside a draw the host gives no drawing reference, and nothing is drawn.
    host.SetDrawWindow(nullptr, nullptr);
    Send(PF_Event_DRAW);
    EXPECT_EQ(window.Rgb(105, 250), 0u);
    EXPECT_EQ(host.Drawbot().LiveImages(), 0u);
}
#endif
