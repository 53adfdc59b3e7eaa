// Routes the host's mouse and key events into a widget tree. The bridge fills
// the event context (event name, mouse position, key) and calls one Route
// operation per host event; the rules for who receives what live here.
#pragma once

#include "ui/yUIEventContext.h"

class yUIBaseNode;

class yEventLayer
{
public:
    yEventLayer() = default;
    virtual ~yEventLayer() = default;
    yEventLayer(const yEventLayer&) = delete;
    yEventLayer& operator=(const yEventLayer&) = delete;

    // Kept empty.
    virtual void RouteIdle();
    // Leave notification to the hover control, hit test, then MouseOver to
    // the active control and to the target.
    virtual void RouteMouseOver();
    // Hit test, grab offset, then MouseDown to the active control or else the target.
    virtual void RouteMouseDown();
    // No hit test: the target of the mouse-down gets every drag.
    virtual void RouteMouseDrag();
    // MouseUp to the active control, else to the target when the mouse is
    // inside it or the release came within the double-click interval; then
    // to the hover control.
    virtual void RouteMouseUp();
    virtual void RouteKeyDown();
    virtual void RouteKeyRepeat();
    virtual void RouteKeyUp();
    // Reads the live modifier keys; when any changed, stores them and calls
    // ModifiersChanged on the root.
    virtual void RouteModifiersChanged();
    virtual void RouteDraw();
    // Kept empty.
    virtual void RouteReservedA();
    virtual void RouteReservedB(long value);

    // The tree to route to; it gets this layer's event context. Null routes nowhere.
    void SetRoot(yUIBaseNode* root);
    yUIBaseNode* GetRoot() const { return m_root; }
    yUIEventContext& GetEventContext() { return m_context; }
    const yUIEventContext& GetEventContext() const { return m_context; }

    // What the bridge does before each host event: the hit test starts afresh
    // and the modifier keys are read.
    void BeginHostEvent();
    // Records a mouse-down at the current mouse position for click counting,
    // timed by the platform's tick count.
    void RecordClick();

private:
    void RunHitTest();

    yUIBaseNode* m_root = nullptr; // not owned
    yUIEventContext m_context;
};
