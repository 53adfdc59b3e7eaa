// A panel for control tests: a 300 x 300 root that is no hit target, the
// event layer that routes into it, a log of the commands of the controls
// added to it, and an optional drawing surface.
#pragma once

#include "tests/ui/yUITestHelpers.h"

#include "draw/yDrawPort.h"
#include "ui/yEventLayer.h"

struct ControlHarness
{
    ControlHarness();

    // Links the control under the root; the log hears its commands.
    void Add(yUIBaseControl& control);
    // A white surface of the panel's size for the tree to draw into.
    void UsePort(long width = 300, long height = 300);

    void Over(int x, int y) { Mouse(kEventMouseOver, x, y, &yEventLayer::RouteMouseOver); }
    void Down(int x, int y) { Mouse(kEventMouseDown, x, y, &yEventLayer::RouteMouseDown); }
    void Drag(int x, int y) { Mouse(kEventMouseDrag, x, y, &yEventLayer::RouteMouseDrag); }
    void Up(int x, int y) { Mouse(kEventMouseUp, x, y, &yEventLayer::RouteMouseUp); }
    // A press and release at one point.
    void Click(int x, int y);
    void Key(short key);
    void Draw();
    void Wait(uint32_t ms) { ScriptedPlatform::now += ms; }
    // Modifier bits of the platform (kModifierShift and so on), read at the next event.
    void Hold(uint32_t modifiers) { ScriptedPlatform::modifiers = modifiers; }

    // The surface pixel at panel (x, y), whatever offset and clip drawing left behind.
    yColor8 Pixel(int x, int y);

    // A host event of the given name at (x, y), routed; a press is recorded as a click first.
    void Mouse(const char* event, int x, int y, void (yEventLayer::*route)());

    ScriptedPlatform platform;
    yEventLayer layer;
    yUIBaseControl root;
    CommandLog log;
    yDrawPort port;
    yUIEventContext& context;
};
