// A shape that reacts to the mouse: it can be the target of the hit test,
// follow a drag, and broadcasts seven commands to its listeners.
#pragma once

#include "ui/yUIBaseShape.h"

class yUIBaseControl : public yUIBaseShape
{
public:
    yUIBaseControl();

    // Finds the control under the mouse: the higher rank first, then the
    // smaller area. Edges are outside; a disabled control keeps the test out
    // of its children; returns whether the mouse is inside.
    bool HitTest() override;
    // Each broadcasts its command unless the control is disabled in its hierarchy.
    void MouseOver() override;
    void MouseDown() override;
    // With drag enabled: follows the mouse (unless dragging without moving),
    // then broadcasts the drag command.
    void MouseDrag() override;
    void MouseUp() override;
    // Draws the children when the control can draw.
    void Draw() override;

    // Slots of the control; each setter copies the string.
    virtual void SetMouseUpCommand(const yString& command);
    virtual void SetMouseDownCommand(const yString& command);
    virtual void SetMouseOverCommand(const yString& command);
    virtual void SetMouseDragCommand(const yString& command);
    virtual void SetActivateCommand(const yString& command);
    virtual void SetDeactivateCommand(const yString& command);
    virtual void SetChangeCommand(const yString& command);
    // Makes this the active control of the event context, redraws and
    // broadcasts the activate command.
    virtual void Activate();
    // Clears the active control of the event context, redraws and broadcasts
    // the deactivate command.
    virtual void Deactivate();
    virtual void Reset();
    virtual void Refresh();

    const yString& GetMouseUpCommand() const { return m_mouseUpCommand; }
    const yString& GetMouseDownCommand() const { return m_mouseDownCommand; }
    const yString& GetMouseOverCommand() const { return m_mouseOverCommand; }
    const yString& GetMouseDragCommand() const { return m_mouseDragCommand; }
    const yString& GetActivateCommand() const { return m_activateCommand; }
    const yString& GetDeactivateCommand() const { return m_deactivateCommand; }
    const yString& GetChangeCommand() const { return m_changeCommand; }

    // Whether the event context names this control as its active control or target.
    bool IsActive() const;
    bool IsTarget() const;

    void SetDragEnabled(bool on) { m_dragEnabled = on; }
    bool IsDragEnabled() const { return m_dragEnabled; }
    void SetHitTarget(bool on) { m_hitTarget = on; }
    bool IsHitTarget() const { return m_hitTarget; }
    void SetDragWithoutMoving(bool on) { m_dragWithoutMoving = on; }
    bool GetDragWithoutMoving() const { return m_dragWithoutMoving; }
    // The control gets MouseUp at the next mouse-over after it was the target.
    void SetLeaveNotification(bool on) { m_leaveNotification = on; }
    bool GetLeaveNotification() const { return m_leaveNotification; }
    // A hit on this control makes the proxy the target.
    void SetProxy(yUIBaseControl* proxy) { m_proxy = proxy; }
    yUIBaseControl* GetProxy() const { return m_proxy; }
    void SetCursor(short cursor) { m_cursor = cursor; }
    short GetCursor() const { return m_cursor; }

private:
    bool m_dragEnabled = false;
    bool m_hitTarget = true;
    bool m_dragWithoutMoving = false;
    bool m_leaveNotification = false;
    yUIBaseControl* m_proxy = nullptr;
    short m_cursor = 0;
    yString m_activateCommand;
    yString m_deactivateCommand;
    yString m_mouseUpCommand;
    yString m_mouseDownCommand;
    yString m_mouseOverCommand;
    yString m_mouseDragCommand;
    yString m_changeCommand;
};
