#include "tests/ui/yUIControlTestHelpers.h"

ControlHarness::ControlHarness() : context(layer.GetEventContext())
{
    root.SetName("root");
    root.SetSize(yPointL(300, 300));
    root.SetHitTarget(false);
    layer.SetRoot(&root);
}

void ControlHarness::Add(yUIBaseControl& control)
{
    root.AddChild(control);
    control.AddListener(&log);
}

void ControlHarness::UsePort(long width, long height)
{
    port.SetSize(width, height);
    port.Create();
    port.SetForeColor(yColor8(255, 255, 255, 255));
    port.Fill(yRect(0, 0, static_cast<int32_t>(height), static_cast<int32_t>(width)));
    root.SetDrawPort(&port);
}

void ControlHarness::Mouse(const char* event, int x, int y, void (yEventLayer::*route)())
{
    layer.BeginHostEvent();
    context.SetEventName(event);
    context.mousePosition = yPointL(x, y);
    if (route == &yEventLayer::RouteMouseDown)
        layer.RecordClick();
    (layer.*route)();
}

void ControlHarness::Click(int x, int y)
{
    Down(x, y);
    Up(x, y);
}

void ControlHarness::Key(short key)
{
    layer.BeginHostEvent();
    context.SetEventName(kEventKeyDown);
    context.key = key;
    layer.RouteKeyDown();
}

void ControlHarness::Draw()
{
    layer.RouteDraw();
}

yColor8 ControlHarness::Pixel(int x, int y)
{
    port.SetDrawOffset(yPointL(0, 0));
    port.SetClipRect(yRect(0, 0, 5000, 5000));
    return port.GetPixel(x, y);
}
