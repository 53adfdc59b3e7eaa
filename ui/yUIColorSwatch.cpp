#include "ui/yUIColorSwatch.h"

namespace {

yMath::U8 PaleChannel(int c)
{
    int scaled;
    if (c == 0)
        scaled = 0;
    else if (c >= 255)
        scaled = 64;
    else
        scaled = ((c + 1) * 65) >> 8;
    const int lifted = scaled + 150;
    return static_cast<yMath::U8>(lifted > 255 ? 255 : lifted);
}

} // namespace

yUIColorSwatch::yUIColorSwatch()
{
    SetName("yUIColorSwatch");
    SetSize(yPointL(13, 13));
    SetBoxStyle(kBoxDoubleOutline);
    SetFillMode(kFillSolid);
    SetBackColor(yColor8(255, 255, 255, 255));
    SetRingColor(yColor8(255, 0, 125, 230));
}

yColor8 yUIColorSwatch::Pale(const yColor8& color)
{
    return yColor8(255, PaleChannel(color.red), PaleChannel(color.green), PaleChannel(color.blue));
}

void yUIColorSwatch::SetColor(const yColor8& color)
{
    m_color = color;
    Invalidate(true);
}

void yUIColorSwatch::Draw()
{
    SetBackColor(IsDisabledInHierarchy() ? Pale(m_color) : m_color);
    yUIBox::Draw();
}
