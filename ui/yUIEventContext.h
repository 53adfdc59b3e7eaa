// The shared record of the event being routed: one per panel, owned by the
// event layer and reachable from every node of its tree.
#pragma once

#include "base/yPointL.h"
#include "base/yString.h"

#include <cstdint>

class yUIBaseControl;
class yUIBaseNode;

// Event names, set by the bridge before each dispatch.
inline constexpr char kEventMouseOver[] = "Event MouseOver";
inline constexpr char kEventMouseDown[] = "Event MouseDown";
inline constexpr char kEventMouseDrag[] = "Event MouseDrag";
inline constexpr char kEventMouseUp[] = "Event MouseUp";
inline constexpr char kEventKeyDown[] = "Event KeyDown";

struct yUIEventContext
{
    // Best area before each host event: larger than any control of a panel.
    static constexpr long kNoBestArea = 999999;
    // Two downs farther apart than this (in whole pixels) never make a multiple click.
    static constexpr long kClickDistance = 10;

    // Reads the double-click interval from the platform.
    yUIEventContext();

    // The current event name becomes the previous one.
    void SetEventName(const yString& name);
    // Click counting at a mouse-down at the current mouse position; `now` in
    // milliseconds of the platform's tick count.
    void RecordMouseDown(uint32_t now);
    // Drops every reference to node (target, active and hover control).
    void Forget(const yUIBaseNode* node);

    yUIBaseControl* target = nullptr;        // last hit; kept through drag and mouse-up
    yUIBaseControl* activeControl = nullptr; // takes downs, ups and keys ahead of the target
    yUIBaseControl* hoverControl = nullptr;  // last target that asked for a leave notification
    yString eventName;
    yString previousEventName;
    short cursor = 0;
    yPointL downPositions[3];       // newest first
    uint32_t downTimes[3] = {};     // newest first, milliseconds
    uint32_t doubleClickInterval = 500;
    yPointL grabOffset;             // mouse-down position minus the target's screen position
    long bestArea = kNoBestArea;
    unsigned long bestDepth = 0;    // kept between events
    yPointL mousePosition;          // panel coordinates
    short key = 0;
    short clickCount = 1;
    bool targetFound = false;
    bool doubleClick = false;
    bool tripleClick = false;
    bool control = false;
    bool alt = false;
    bool shift = false;
    bool command = false; // read from the Control key
    yString clipboard;    // text cut or copied by text edits
};
