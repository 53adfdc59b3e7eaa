#include "ui/yUIBox.h"

#include "draw/yDrawPort.h"
#include "draw/yDrawingScope.h"

namespace {

const yColor8 kDisabledOutline{255, 102, 102, 102};
const yColor8 kDoubleOutlineGrey{255, 128, 128, 128};
const yColor8 kWhite{255, 255, 255, 255};

// A one-pixel bevel on r with its right and bottom edges one pixel inside:
// light along the left and top, dark along the right and bottom.
void DrawBevel(yDrawPort& port, const yRect& r, const yColor8& light, const yColor8& dark)
{
    const short left = static_cast<short>(r.left);
    const short top = static_cast<short>(r.top);
    const short right = static_cast<short>(r.right - 1);
    const short bottom = static_cast<short>(r.bottom - 1);
    port.SetForeColor(light);
    port.MoveTo(left, bottom);
    port.LineTo(left, top);
    port.LineTo(right, top);
    port.SetForeColor(dark);
    port.LineTo(right, bottom);
    port.LineTo(left, bottom);
}

yRect Inset(const yRect& r, int32_t by)
{
    return yRect(r.top + by, r.left + by, r.bottom - by, r.right - by);
}

} // namespace

yUIBox::yUIBox()
{
    SetName("yUIBox");
    SetDisabledColor(yColor8(255, 221, 221, 221));
}

void yUIBox::SetBoxStyle(const short& style)
{
    if (style >= kBoxNone && style <= kBoxDoubleOutline)
        m_boxStyle = style;
}

void yUIBox::SetFillMode(const short& mode)
{
    if (mode >= kFillNone && mode <= kFillSolidCross)
        m_fillMode = mode;
}

void yUIBox::SetBoxFlag(bool outlineSwitch)
{
    m_outlineSwitch = outlineSwitch;
}

void yUIBox::SetShadowColor(const yColor8& color)
{
    m_shadowColor = color;
}

void yUIBox::SetHighlightColor(const yColor8& color)
{
    m_highlightColor = color;
}

void yUIBox::SetOutlineColor(const yColor8& color)
{
    m_outlineColor = color;
}

void yUIBox::Draw()
{
    if (!CanDraw())
        return;
    if (IsVisibleInHierarchy())
        DrawBox();
    yUIBaseControl::Draw();
}

void yUIBox::DrawBox()
{
    yDrawPort* port = GetDrawPort();
    // An empty box has no edges: its lines would land outside it.
    if (!port || GetScreenRect().IsEmpty())
        return;
    yDrawingScope pass(*port);
    port->SetClipRect(GetClipRect());
    const yRect screen = GetScreenRect();
    port->SetDrawOffset(yPointL(screen.left, screen.top));

    const bool disabled = IsDisabledInHierarchy();
    const yColor8 back = GetEffectiveBackColor();
    const yColor8 fore = disabled ? GetEffectiveDisabledColor() : GetEffectiveForeColor();
    port->SetBackColor(back);

    const yRect r(0, 0, screen.Height(), screen.Width());

    if (m_fillMode == kFillSolid || m_fillMode == kFillSolidCross)
    {
        port->SetForeColor(back);
        port->Fill(r);
    }
    if (m_fillMode == kFillCross || m_fillMode == kFillSolidCross)
    {
        port->SetForeColor(fore);
        port->X(r);
    }

    switch (m_boxStyle)
    {
    case kBoxRaised:
        DrawBevel(*port, r, m_highlightColor, m_shadowColor);
        break;
    case kBoxSunken:
        DrawBevel(*port, r, m_shadowColor, m_highlightColor);
        break;
    case kBoxOutline:
        port->SetForeColor(m_outlineColor);
        port->Outline(r);
        break;
    case kBoxOutlineRaised:
    case kBoxOutlineSunken:
        port->SetForeColor(disabled ? kDisabledOutline : m_outlineColor);
        port->Outline(r);
        if (m_boxStyle == kBoxOutlineRaised)
            DrawBevel(*port, Inset(r, 1), m_highlightColor, m_shadowColor);
        else
            DrawBevel(*port, Inset(r, 1), m_shadowColor, m_highlightColor);
        break;
    case kBoxDoubleOutline:
        port->SetForeColor(m_outlineSwitch && !disabled ? m_outlineColor : kDoubleOutlineGrey);
        port->Outline(r);
        port->SetForeColor(kWhite);
        port->Outline(Inset(r, 1));
        break;
    default:
        break;
    }

    if (m_highlightRing && !disabled)
    {
        port->SetForeColor(m_ringColor);
        port->Outline(r);
    }
}
