#include "ui/yUIBoxContainer.h"

yUIBoxContainer::yUIBoxContainer()
{
    SetName("yUIBoxContainer");
    SetSize(yPointL(100, 100));
    SetBoxStyle(kBoxSunken);
    SetFillMode(kFillSolid);
    SetForeColor(yColor8(255, 128, 128, 128));
    SetBackColor(yColor8(255, 200, 200, 200));
    SetDisabledColor(yColor8(255, 221, 221, 221));

    m_content.SetName("yUIBoxContainer Content");
    m_content.SetSize(yPointL(100, 100));
    m_content.SetHitTarget(false);
    m_content.SetSizeFromParent(true);
    m_content.SetScaled(true);
    m_content.SetScaleFromParent(true);
    m_content.SetInheritColors(true);
    yUIBox::AddChild(m_content);
}

void yUIBoxContainer::AddChild(yTreeNode& child)
{
    m_content.AddChild(child);
}
