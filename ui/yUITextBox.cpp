#include "ui/yUITextBox.h"

#include <algorithm>

yUITextBox::yUITextBox()
{
    SetName("yUITextBox");
    SetSize(yPointL(80, 16));
    SetBoxStyle(kBoxSunken);
    SetFillMode(kFillSolid);
    SetForeColor(yColor8(255, 102, 102, 102));
    SetBackColor(yColor8(255, 200, 200, 200));
    SetDisabledColor(yColor8(255, 221, 221, 221));

    m_content.SetMargins(kTextInset, kTextInset, -kTextInset, -kTextInset);
    m_content.SetUseMargins(true);

    m_text.SetName("yUITextBox Text");
    m_text.SetAnchor(0.0f, 0.5f);
    m_text.SetHitTarget(false);
    m_text.SetDragEnabled(false);
    m_text.SetInheritColors(true);
    AddChild(m_text);
    Layout();
}

void yUITextBox::SetAutoAlign(const bool& autoAlign)
{
    m_autoAlign = autoAlign;
}

void yUITextBox::SetText(const yString& text)
{
    m_text.SetText(FilterText(text));
    Layout();
}

yString yUITextBox::FilterText(const yString& text)
{
    yString result;
    const int length = text.GetLength();
    for (int i = 0; i < length; ++i)
        if (char c = FilterChar(text[i]))
            result = result + c;
    return result;
}

char yUITextBox::FilterChar(char c)
{
    return c;
}

void yUITextBox::Layout()
{
    yUIBoxContainer::Layout();
    if (!m_autoAlign)
        return;
    const yPointF anchor = m_text.GetAnchor();
    const long width = GetScaledWidth();
    const long height = GetScaledHeight();
    const long x = static_cast<long>(anchor.x * width);
    const long y = static_cast<long>(anchor.y * height);
    // The content's rectangle with its inset, relative to the box.
    const long left = kTextInset;
    const long top = kTextInset;
    const long right = width - kTextInset;
    const long bottom = height - kTextInset;
    const long cx = right < left ? left : std::clamp(x, left, right);
    const long cy = bottom < top ? top : std::clamp(y, top, bottom);
    m_text.SetPosition(yPointL(cx, cy));
}
