#include "ui/yUISimpleButton.h"

#include "ui/yUIEventContext.h"

namespace {

const yColor8 kBlack{255, 0, 0, 0};
const yColor8 kWhite{255, 255, 255, 255};
const yColor8 kLight{255, 221, 221, 221};
const yColor8 kDark{255, 128, 128, 128};

} // namespace

yUISimpleButton::yUISimpleButton()
    : m_looks{
          {kBoxOutlineRaised, kLight, kBlack},                    // normal
          {kBoxOutlineSunken, kDark, kWhite},                     // pressed
          {kBoxOutlineSunken, kDark, kBlack},                     // pressed while hovered
          {kBoxOutlineRaised, kLight, kBlack},                    // hovered
          {kBoxOutlineSunken, kDark, yColor8(255, 255, 0, 0)},    // dragged
          {kBoxOutlineRaised, kLight, yColor8(255, 102, 102, 102)} // disabled
      }
{
    SetName("Simple Button");
    SetSize(yPointL(100, 20));
    SetFillMode(kFillSolid);
    SetBoxStyle(kBoxOutlineRaised);
    SetForeColor(kBlack);
    SetOutlineColor(kBlack);
    m_text.SetAnchor(0.5f, 0.5f);
    m_text.SetInheritDisabled(false);
    Layout();
}

void yUISimpleButton::SetDisabledColor(const yColor8& color)
{
    m_looks[kLookDisabled].back = color;
}

void yUISimpleButton::SetRingColors(const yColor8& whenOn, const yColor8& whenOff)
{
    m_ringOnColor = whenOn;
    m_ringOffColor = whenOff;
}

void yUISimpleButton::SetLook(LookIndex index, const Look& look)
{
    if (index >= kLookNormal && index < kLookCount)
        m_looks[index] = look;
}

void yUISimpleButton::MouseOver()
{
    yUITextBox::MouseOver();
    Invalidate(true);
}

void yUISimpleButton::MouseUp()
{
    yUITextBox::MouseUp();
    Invalidate(true);
}

void yUISimpleButton::MouseDown()
{
    yUITextBox::MouseDown();
    const yUIEventContext* context = GetEventContext();
    const bool modifier = context && (context->control || context->command || context->shift || context->alt);
    if (!modifier && m_toggleMode)
    {
        m_on = !m_on;
        BroadcastCommand(GetChangeCommand());
    }
    Invalidate(true);
}

yUISimpleButton::LookIndex yUISimpleButton::ChooseLook() const
{
    const yUIEventContext* context = GetEventContext();
    const bool disabled = IsDisabledInHierarchy();
    if (!context || !IsTarget())
    {
        if (disabled)
            return kLookDisabled;
        return m_on ? kLookPressed : kLookNormal;
    }
    if (disabled)
        return kLookDisabled;
    const yString& event = context->eventName;
    if (event == kEventMouseOver)
    {
        if (m_ringOnHover)
            return m_on ? kLookPressedHovered : kLookHovered;
        return m_on ? kLookPressed : kLookNormal;
    }
    if (event == kEventMouseDown)
        return kLookPressed;
    if (event == kEventMouseDrag)
        return IsDragEnabled() ? kLookDragged : kLookPressed;
    return kLookNormal;
}

void yUISimpleButton::ApplyLook(LookIndex index)
{
    const Look& look = m_looks[index];
    SetBoxStyle(look.boxStyle);
    SetBackColor(look.back);
    SetForeColor(look.text);
}

void yUISimpleButton::Draw()
{
    const LookIndex look = ChooseLook();
    const yUIEventContext* context = GetEventContext();
    const bool target = context && IsTarget();
    bool ring = false;
    if (target && !IsDisabledInHierarchy())
    {
        const yString& event = context->eventName;
        if (event == kEventMouseOver && m_ringOnHover)
        {
            SetRingColor(m_on ? m_ringOnColor : m_ringOffColor);
            ring = true;
        }
        else if (event == kEventMouseDrag)
        {
            SetRingColor(m_ringOnColor);
            ring = true;
        }
    }
    else if (!target && !IsDisabledInHierarchy() && m_on)
    {
        SetRingColor(m_ringOnColor);
        ring = true;
    }
    SetHighlightRing(ring);
    ApplyLook(look);
    yUITextBox::Draw();
}
