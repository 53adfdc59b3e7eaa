// Test doubles shared by the widget toolkit's tests: a scripted platform
// (clock, double-click interval, button, modifiers) and controls that count
// what reaches them.
#pragma once

#include "ui/yUIBaseControl.h"

#include <cstdint>
#include <string>
#include <vector>

// Answers the platform's input questions from its fields while it lives.
class ScriptedPlatform
{
public:
    ScriptedPlatform();
    ~ScriptedPlatform();
    ScriptedPlatform(const ScriptedPlatform&) = delete;
    ScriptedPlatform& operator=(const ScriptedPlatform&) = delete;

    static uint32_t now;
    static uint32_t interval;
    static bool button;
    static uint32_t modifiers;
};

// Collects the commands it hears, in order.
struct CommandLog : yBroadcaster
{
    void ReceiveCommand(const yString& command) override { heard.emplace_back(static_cast<const char*>(command)); }
    std::vector<std::string> heard;
};

// A control that counts its mouse, key and modifier calls, and broadcasts
// "<name> Down" and the like so that a log can tell who got what.
struct CountingControl : yUIBaseControl
{
    explicit CountingControl(const char* name, yRect screen = yRect());
    void MouseOver() override { ++overs, yUIBaseControl::MouseOver(); }
    void MouseDown() override { ++downs, yUIBaseControl::MouseDown(); }
    void MouseUp() override { ++ups, yUIBaseControl::MouseUp(); }

    int overs = 0, downs = 0, ups = 0;
};
