#include "ui/yEventLayer.h"

#include "ui/yUIBaseControl.h"
#include "platform/yPlatform.h"

void yEventLayer::RouteIdle()
{
}

void yEventLayer::RouteMouseOver()
{
    yUIEventContext& c = m_context;
    if (c.hoverControl && c.hoverControl->GetLeaveNotification())
        c.hoverControl->MouseUp();
    RunHitTest();
    if (c.activeControl)
        c.activeControl->MouseOver();
    if (c.targetFound && c.target)
    {
        yUIBaseControl* target = c.target;
        c.cursor = target->GetCursor();
        target->MouseOver();
        c.hoverControl = target->GetLeaveNotification() ? target : nullptr;
    }
}

void yEventLayer::RouteMouseDown()
{
    yUIEventContext& c = m_context;
    RunHitTest();
    if (c.targetFound && c.target)
    {
        const yPointL at = c.target->GetScreenPosition();
        c.grabOffset = yPointL(c.mousePosition.x - at.x, c.mousePosition.y - at.y);
    }
    if (c.activeControl)
        c.activeControl->MouseDown();
    else if (c.target)
        c.target->MouseDown();
}

void yEventLayer::RouteMouseDrag()
{
    yUIEventContext& c = m_context;
    if (!c.target)
        return;
    yUIBaseControl* target = c.target;
    target->MouseDrag();
    if (target->GetLeaveNotification())
        c.hoverControl = target;
}

void yEventLayer::RouteMouseUp()
{
    yUIEventContext& c = m_context;
    if (c.activeControl)
    {
        c.activeControl->MouseUp();
    }
    else if (c.target)
    {
        const yRect r = c.target->GetScreenRect();
        const yPointL& m = c.mousePosition;
        const bool inside = r.left < m.x && m.x < r.right && r.top < m.y && m.y < r.bottom;
        const bool soon = static_cast<uint32_t>(yPlatform::TickCount() - c.downTimes[0]) < c.doubleClickInterval;
        if (inside || soon)
            c.target->MouseUp();
    }
    // The hover control stays recorded, so it hears of the next mouse-over too.
    if (c.hoverControl && c.hoverControl->GetLeaveNotification())
        c.hoverControl->MouseUp();
}

void yEventLayer::RouteKeyDown()
{
    if (yUIBaseControl* to = m_context.activeControl ? m_context.activeControl : m_context.target)
        to->KeyDown();
}

void yEventLayer::RouteKeyRepeat()
{
    if (yUIBaseControl* to = m_context.activeControl ? m_context.activeControl : m_context.target)
        to->KeyRepeat();
}

void yEventLayer::RouteKeyUp()
{
    if (yUIBaseControl* to = m_context.activeControl ? m_context.activeControl : m_context.target)
        to->KeyUp();
}

void yEventLayer::RouteModifiersChanged()
{
    const uint32_t keys = yPlatform::Modifiers();
    const bool control = (keys & yPlatform::kModifierControl) != 0;
    const bool alt = (keys & yPlatform::kModifierAlt) != 0;
    const bool shift = (keys & yPlatform::kModifierShift) != 0;
    yUIEventContext& c = m_context;
    if (control == c.control && control == c.command && alt == c.alt && shift == c.shift)
        return;
    c.control = control;
    c.command = control;
    c.alt = alt;
    c.shift = shift;
    if (m_root)
        m_root->ModifiersChanged();
}

void yEventLayer::RouteDraw()
{
    if (m_root)
        m_root->Draw();
}

void yEventLayer::RouteReservedA()
{
}

void yEventLayer::RouteReservedB(long)
{
}

void yEventLayer::SetRoot(yUIBaseNode* root)
{
    if (m_root && m_root != root)
        m_root->SetEventContext(nullptr);
    m_root = root;
    if (m_root)
        m_root->SetEventContext(&m_context);
}

void yEventLayer::BeginHostEvent()
{
    m_context.bestArea = yUIEventContext::kNoBestArea;
    RouteModifiersChanged();
}

void yEventLayer::RecordClick()
{
    m_context.RecordMouseDown(yPlatform::TickCount());
}

void yEventLayer::RunHitTest()
{
    m_context.target = nullptr;
    m_context.targetFound = false;
    if (m_root)
        m_root->HitTest();
}
