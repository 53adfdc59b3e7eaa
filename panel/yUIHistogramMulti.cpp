#include "panel/yUIHistogramMulti.h"

#include "draw/yDrawPort.h"
#include "draw/yDrawingScope.h"
#include "effect/color/zelColorModel.h"

namespace
{
// The view's border width.
const int kBorder = 1;
const short kModelRGB = 1;
const uint32_t kMax8 = 255;
const uint32_t kMax16 = 32768;

uint32_t To16(uint32_t v)
{
    const uint64_t w = uint64_t(v) * 128 + v / 2;
    return w > kMax16 ? kMax16 : static_cast<uint32_t>(w);
}

uint32_t To8(uint32_t v)
{
    const uint32_t w = v >> 7;
    return w > kMax8 ? kMax8 : w;
}

yColor8 ModelToRGB(const yColor8& channels, short model)
{
    PF_Pixel p;
    p.alpha = channels.alpha;
    p.red = channels.red;
    p.green = channels.green;
    p.blue = channels.blue;
    zelTonescope::zelColorModel::Convert(p, model, zelTonescope::kToRGB);
    return yColor8(channels.alpha, p.red, p.green, p.blue);
}
} // namespace

yUIHistogramMulti::yUIHistogramMulti()
{
    SetName("yUIHistogramMulti");
    SetSize(yPointL(256, 127));
    SetForeColor(yColor8(0xff, 0x64, 0x64, 0x64));
    SetDisabledColor(yColor8(0xff, 0xfa, 0xfa, 0xfa));
    SetBackColor(yColor8(0x00, 0xdb, 0xdc, 0xdf));
    SetBoxStyle(kBoxOutline);
    SetFillMode(kFillSolid);
}

void yUIHistogramMulti::ReceiveCommand(const yString&) {}

void yUIHistogramMulti::SetDeep(bool deep)
{
    if (deep == m_deep)
        return;
    if (deep)
    {
        m_selectionFirst = To16(m_selectionFirst);
        m_selectionLast = To16(m_selectionLast);
    }
    else
    {
        m_selectionFirst = To8(m_selectionFirst);
        m_selectionLast = To8(m_selectionLast);
    }
    m_deep = deep;
}

void yUIHistogramMulti::SetChannelShown(int channel, bool shown)
{
    if (channel >= 0 && channel < 4)
        m_shown[channel] = shown;
}

bool yUIHistogramMulti::IsChannelShown(int channel) const
{
    return channel >= 0 && channel < 4 && m_shown[channel];
}

bool yUIHistogramMulti::BuildColumns(const unsigned long& columnCount, const unsigned long range[2])
{
    m_columns.SetDivisor(m_accumulator.GetDivisor());
    return m_columns.BuildColumns(m_accumulator.GetBins(), m_accumulator.GetBinCount(), columnCount, range);
}

double yUIHistogramMulti::GetAutoScale(const bool& a, const bool& b, const bool& c, const bool& d,
                                       const unsigned long& target) const
{
    const bool flags[4] = {a, b, c, d};
    uint32_t peak = 0;
    for (int k = 0; k < 4; ++k)
        if (flags[k] && m_accumulator.GetStats(k).peakCount > peak)
            peak = m_accumulator.GetStats(k).peakCount;
    return yHistogramColumns::GetAutoScale(peak, m_accumulator.GetDivisor(), target);
}

void yUIHistogramMulti::Draw()
{
    if (!CanDraw())
        return;
    const bool anyShown = m_shown[0] || m_shown[1] || m_shown[2] || m_shown[3];
    if (!m_accumulator.IsValid() || !anyShown)
    {
        SetFillMode(kFillSolidCross);
        yUIBox::Draw();
    }
    else
    {
        SetFillMode(kFillSolid);
        yUIBox::Draw();
        DrawColumns();
    }
    Invalidate(false);
}

yHistogramColumnStyle yUIHistogramMulti::ColumnStyle() const
{
    yHistogramColumnStyle style;
    style.inColor = m_displayInColor;
    style.colorModel = m_colorModel;
    style.highlight = m_highlight;
    style.modelToRGB = m_colorModel == kModelRGB ? nullptr : ModelToRGB;
    const yColor8 back = GetEffectiveBackColor();
    style.shadow = yColor8(back.alpha, 255 - back.red, 255 - back.green, 255 - back.blue);
    return style;
}

yColor8 yUIHistogramMulti::GetBarColor(int channel, yMath::U8 v) const
{
    return SingleChannelColor(ColumnStyle(), channel, v);
}

void yUIHistogramMulti::DrawColumns()
{
    yDrawPort* port = GetDrawPort();
    if (!IsVisibleInHierarchy() || port == nullptr || !CanDraw())
        return;
    yDrawingScope pass(*port);
    port->SetClipRect(GetClipRect());
    const yRect screen = GetScreenRect();
    port->SetDrawOffset(yPointL(screen.left, screen.top));

    yHistogramColumnStyle style = ColumnStyle();
    style.top = kBorder - 1;
    style.bottom = static_cast<int>(screen.Height()) - kBorder - 1;
    const int left = kBorder;
    const int right = static_cast<int>(screen.Width()) - kBorder;

    const yColor8 black(255, 0, 0, 0);
    yHistogramColumnStrokes strokes;
    for (int x = left; x < right; ++x)
    {
        const yHistogramColumns::Heights col = m_columns.GetColumnHeights(static_cast<unsigned long>(x));
        uint32_t h[4];
        for (int k = 0; k < 4; ++k)
            h[k] = m_shown[k] ? col.height[k] : 0;
        const uint32_t v = col.value;
        const bool selected = m_selectionShown && m_selectionFirst <= v && v <= m_selectionLast;
        yMath::U8 g;
        if (!m_deep)
            g = static_cast<yMath::U8>(v & 0xff);
        else
            g = static_cast<yMath::U8>(v == 0 ? 0 : (v >> 7) > 255 ? 255 : (v >> 7));
        BuildColumnStrokes(style, h, g, selected, strokes);
        for (int i = 0; i < strokes.count; ++i)
        {
            port->SetForeColor(strokes.strokes[i].color);
            port->Line(static_cast<short>(x), static_cast<short>(strokes.strokes[i].from), static_cast<short>(x),
                       static_cast<short>(strokes.strokes[i].to));
        }
        if (strokes.hasTopPixel)
            port->SetPixel(x, strokes.topPixelY, black);
    }

    SetFillMode(kFillNone);
    yUIBox::Draw();
}
