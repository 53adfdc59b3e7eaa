// The panel as the effect's data object holds it: in a 340 x 300 window
// region, with the event layer routing scripted mouse and key events into it.
#pragma once

#include "tests/ui/yUITestHelpers.h"

#include "panel/zelTonescopeUI.h"
#include "ui/yEventLayer.h"
#include "ui/yUIWindowRegion.h"

#include <array>
#include <string>
#include <vector>

struct PanelHarness
{
    PanelHarness();

    void Over(int x, int y) { Route(kEventMouseOver, x, y, &yEventLayer::RouteMouseOver); }
    void Down(int x, int y) { Route(kEventMouseDown, x, y, &yEventLayer::RouteMouseDown); }
    void Drag(int x, int y) { Route(kEventMouseDrag, x, y, &yEventLayer::RouteMouseDrag); }
    void Up(int x, int y) { Route(kEventMouseUp, x, y, &yEventLayer::RouteMouseUp); }
    void Click(int x, int y) { Down(x, y), Up(x, y); }
    // Modifier bits of the platform, announced to the tree as the host would.
    void Hold(uint32_t modifiers) { ScriptedPlatform::modifiers = modifiers, layer.BeginHostEvent(); }
    void Wait(uint32_t ms) { ScriptedPlatform::now += ms; }
    // Draws the whole region into its own surface.
    void Draw() { layer.RouteDraw(); }
    // The region's surface pixel at panel (x, y), whatever drawing left behind.
    yColor8 Pixel(int x, int y);

    // A render of an 8-bit (or 16-bit) histogram from explicit samples.
    void Render(const std::vector<std::array<uint32_t, 4>>& samples, bool deep = false);
    // A broad, photo-like spread of `count` samples.
    void RenderPhotoLike(bool deep, int count = 60000);

    // Panel x of the view's column (the view's left edge is column 0).
    int ColumnX(int column) const
    {
        return static_cast<int>(zelTonescope::zelPanelLayout::kViewLeft) + column;
    }

    ScriptedPlatform platform;
    yEventLayer layer;
    yUIWindowRegion region;
    zelTonescope::zelTonescopeUI panel;
    CommandLog log;
    yUIEventContext& context;

private:
    void Route(const char* event, int x, int y, void (yEventLayer::*route)());
};
