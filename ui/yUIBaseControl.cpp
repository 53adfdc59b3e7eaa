#include "ui/yUIBaseControl.h"

#include "ui/yUIEventContext.h"

yUIBaseControl::yUIBaseControl()
{
    SetName("yUIBaseControl");
}

bool yUIBaseControl::HitTest()
{
    yUIEventContext* context = GetEventContext();
    if (!context || !IsVisibleInHierarchy())
        return false;
    const yRect r = GetHitRect();
    const yPointL& m = context->mousePosition;
    const bool inside = r.left < m.x && m.x < r.right && r.top < m.y && m.y < r.bottom;
    if (!inside)
    {
        ForEachChild([](yUIBaseNode& child) { child.HitTest(); });
        return false;
    }
    if (m_hitTarget)
    {
        const unsigned long depth = GetHierarchyDepth();
        const yPointL size = GetScaledSize();
        const int64_t area64 = int64_t(size.x) * size.y;
        const long area = area64 > 2000000000 ? 2000000000L : static_cast<long>(area64);
        if (depth > context->bestDepth || area <= context->bestArea)
        {
            context->target = m_proxy ? m_proxy : this;
            context->targetFound = true;
            context->bestArea = area;
            context->bestDepth = depth;
        }
    }
    if (!IsDisabledInHierarchy())
        ForEachChild([](yUIBaseNode& child) { child.HitTest(); });
    return true;
}

void yUIBaseControl::MouseOver()
{
    if (!IsDisabledInHierarchy())
        BroadcastCommand(m_mouseOverCommand);
}

void yUIBaseControl::MouseDown()
{
    if (!IsDisabledInHierarchy())
        BroadcastCommand(m_mouseDownCommand);
}

void yUIBaseControl::MouseDrag()
{
    yUIEventContext* context = GetEventContext();
    if (!context || !m_dragEnabled || IsDisabledInHierarchy())
        return;
    if (!m_dragWithoutMoving)
    {
        const yPointL& m = context->mousePosition;
        const yPointL& g = context->grabOffset;
        SetScreenPosition(yPointL(static_cast<int32_t>(int64_t(m.x) - g.x), static_cast<int32_t>(int64_t(m.y) - g.y)));
    }
    BroadcastCommand(m_mouseDragCommand);
}

void yUIBaseControl::MouseUp()
{
    if (!IsDisabledInHierarchy())
        BroadcastCommand(m_mouseUpCommand);
}

void yUIBaseControl::Draw()
{
    if (CanDraw())
        yUIBaseShape::Draw();
}

void yUIBaseControl::SetMouseUpCommand(const yString& command)
{
    m_mouseUpCommand = command;
}

void yUIBaseControl::SetMouseDownCommand(const yString& command)
{
    m_mouseDownCommand = command;
}

void yUIBaseControl::SetMouseOverCommand(const yString& command)
{
    m_mouseOverCommand = command;
}

void yUIBaseControl::SetMouseDragCommand(const yString& command)
{
    m_mouseDragCommand = command;
}

void yUIBaseControl::SetActivateCommand(const yString& command)
{
    m_activateCommand = command;
}

void yUIBaseControl::SetDeactivateCommand(const yString& command)
{
    m_deactivateCommand = command;
}

void yUIBaseControl::SetChangeCommand(const yString& command)
{
    m_changeCommand = command;
}

void yUIBaseControl::Activate()
{
    if (yUIEventContext* context = GetEventContext())
        context->activeControl = this;
    Invalidate(true);
    BroadcastCommand(m_activateCommand);
}

void yUIBaseControl::Deactivate()
{
    if (yUIEventContext* context = GetEventContext())
        context->activeControl = nullptr;
    Invalidate(true);
    BroadcastCommand(m_deactivateCommand);
}

void yUIBaseControl::Reset()
{
}

void yUIBaseControl::Refresh()
{
}

bool yUIBaseControl::IsActive() const
{
    const yUIEventContext* context = GetEventContext();
    return context && context->activeControl == this;
}

bool yUIBaseControl::IsTarget() const
{
    const yUIEventContext* context = GetEventContext();
    return context && context->target == this;
}
