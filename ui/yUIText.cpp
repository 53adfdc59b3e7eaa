#include "ui/yUIText.h"

#include "draw/yDrawPort.h"
#include "draw/yDrawingScope.h"

namespace {

// Height of a text measured without a port of its own.
constexpr long kHeightWithoutPort = 12;

} // namespace

yUIText::yUIText()
{
    SetName("yUIText");
    SetAnchor(0.0f, 0.0f);
    SetMargins(-2, -2, 2, 2);
    SetUseMargins(true);
}

yPointL yUIText::GetPosition() const
{
    const yPointL p = yUIBaseControl::GetPosition();
    return yPointL(p.x - m_textOffset.x, p.y - m_textOffset.y);
}

void yUIText::SetText(const yString& text)
{
    if (text == m_text)
        return;
    m_text = m_maxLength < text.GetLength() ? text.Substring(0, static_cast<int>(m_maxLength)) : text;
    FitSize();
    BroadcastCommand(GetChangeCommand());
}

void yUIText::SetMaxLength(long maxLength)
{
    m_maxLength = maxLength < 0 ? 0 : maxLength;
}

long yUIText::GetFontHeight() const
{
    const yDrawPort* port = GetDrawPort();
    return port ? port->GetFont().size : kHeightWithoutPort;
}

long yUIText::MeasurePrefix(long count) const
{
    yString prefix = m_text.Substring(0, static_cast<int>(count));
    if (yDrawPort* port = GetDrawPort())
        return port->MeasureText(prefix);
    // Without a port of its own the text measures with a scratch surface.
    yDrawPort scratch;
    scratch.SetSize(1, 1);
    scratch.Create();
    return scratch.MeasureText(prefix);
}

void yUIText::FitSize()
{
    yDrawPort* port = GetDrawPort();
    const long width = MeasurePrefix(m_text.GetLength());
    const long height = port ? GetFontHeight() + 2 : kHeightWithoutPort;
    SetSize(yPointL(width, height));
}

void yUIText::Draw()
{
    yDrawPort* port = GetDrawPort();
    if (CanDraw() && IsVisibleInHierarchy() && port && GetInvalidates())
    {
        FitSize();
        yDrawingScope pass(*port);
        // The text offset moves the text out of its own rectangle (the status
        // line's text clears the logo), so the clip moves with it and only the
        // parent's box holds it back.
        yRect clip = GetHitRect();
        clip.Offset(-m_textOffset.x, -m_textOffset.y);
        const yUIBaseShape* parent = GetParentShape();
        port->SetClipRect(GetClipToParent() && parent ? clip.Intersection(parent->GetClipRect()) : clip);
        port->SetDrawOffset(GetScreenPosition());
        port->SetForeColor(IsDisabledInHierarchy() ? GetEffectiveDisabledColor() : GetEffectiveForeColor());
        const yPointF anchor = GetAnchor();
        // The text offset scrolls the text inside its own rectangle.
        const long x = -static_cast<long>(GetScaledWidth() * anchor.x) - m_textOffset.x;
        const long y = GetFontHeight() - static_cast<long>(GetScaledHeight() * anchor.y) - m_textOffset.y;
        port->MoveTo(static_cast<short>(x), static_cast<short>(y));
        port->DrawTextA(m_text);
    }
    yUIBaseControl::Draw();
}
