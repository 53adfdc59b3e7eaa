#include "ui/yUINumberEditHidden.h"

#include "ui/yUIEventContext.h"

yUINumberEditHidden::yUINumberEditHidden()
{
    SetName("yUINumberEditHidden");
    SetSize(yPointL(30, 16));
    SetAnchor(0.0f, 0.0f);
    SetDragEnabled(true);
    SetDragWithoutMoving(true);
    m_text.SetAnchor(0.5f, 0.5f);
    m_text.SetChangeCommand(kTextChangeCommand);
    m_text.AddListener(this);
    HideFrame();
}

void yUINumberEditHidden::ShowFrame()
{
    SetFillMode(kFillSolid);
    SetBoxStyle(kBoxSunken);
    Activate();
}

void yUINumberEditHidden::HideFrame()
{
    SetFillMode(kFillNone);
    SetBoxStyle(kBoxNone);
    // Only an open edit is closed: deactivating an idle one would clear
    // another control's activation and re-read the shown, rounded text.
    if (IsEditing())
        Deactivate();
}

void yUINumberEditHidden::ReceiveCommand(const yString& command)
{
    if (command == kTextChangeCommand && !m_fixedSize)
        SetSize(yPointL(m_text.GetSize().x + kTextPadding, GetSize().y));
}

void yUINumberEditHidden::MouseDown()
{
    if (IsVisibleInHierarchy() && IsActive() && IsTarget())
        SelectFromMouse();
    else
        HideFrame();
    yUIBaseControl::MouseDown();
    Invalidate(true);
}

void yUINumberEditHidden::MouseUp()
{
    yUIEventContext* context = GetEventContext();
    const bool visible = IsVisibleInHierarchy();
    if (visible && !IsActive())
    {
        if (!context || context->previousEventName != kEventMouseDrag)
            ShowFrame();
    }
    else if (!(IsActive() && IsTarget()))
    {
        HideFrame();
    }
    yUIBaseControl::MouseUp();
    Invalidate(true);
}
