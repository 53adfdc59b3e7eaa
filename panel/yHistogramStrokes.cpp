#include "panel/yHistogramStrokes.h"

#include <algorithm>

namespace
{
const short kModelRGB = 1;
const short kModelHLS = 2;
const short kModelHSV = 3;

int Clip(uint32_t h, int bottom, int top)
{
    const int64_t end = static_cast<int64_t>(bottom) - static_cast<int64_t>(h);
    return end > top ? static_cast<int>(end) : top;
}

void Add(yHistogramColumnStrokes& out, int from, int to, const yColor8& color)
{
    out.strokes[out.count].from = from;
    out.strokes[out.count].to = to;
    out.strokes[out.count].color = color;
    ++out.count;
}
} // namespace

void OrderColumnChannels(const uint32_t h[4], yMath::U8 g, uint32_t s[3], yColor8 c[3])
{
    const uint32_t a = h[0], b = h[1], cc = h[2];
    const yMath::U8 o = 0;
    c[0] = yColor8(255, g, g, g);
    // Channel A lights red, B green, C blue; ties go to the first row that fits.
    if (a <= b && b <= cc)
    {
        s[0] = a, s[1] = b, s[2] = cc;
        c[1] = yColor8(255, o, g, g), c[2] = yColor8(255, o, o, g);
    }
    else if (a <= cc && cc <= b)
    {
        s[0] = a, s[1] = cc, s[2] = b;
        c[1] = yColor8(255, o, g, g), c[2] = yColor8(255, o, g, o);
    }
    else if (b <= a && a <= cc)
    {
        s[0] = b, s[1] = a, s[2] = cc;
        c[1] = yColor8(255, g, o, g), c[2] = yColor8(255, o, o, g);
    }
    else if (b <= cc && cc <= a)
    {
        s[0] = b, s[1] = cc, s[2] = a;
        c[1] = yColor8(255, g, o, g), c[2] = yColor8(255, g, o, o);
    }
    else if (cc <= b && b <= a)
    {
        s[0] = cc, s[1] = b, s[2] = a;
        c[1] = yColor8(255, g, g, o), c[2] = yColor8(255, g, o, o);
    }
    else // C <= A <= B
    {
        s[0] = cc, s[1] = a, s[2] = b;
        c[1] = yColor8(255, g, g, o), c[2] = yColor8(255, o, g, o);
    }
}

yColor8 AdjustColumnColor(const yColor8& c, short model, yModelToRGB modelToRGB)
{
    if (model == kModelRGB || modelToRGB == nullptr)
        return c;
    yColor8 m = c;
    if (model == kModelHLS)
    {
        // No hue reads as full hue, no lightness as middle grey, no saturation as full.
        if (m.red == 0)
            m.red = 0xff;
        if (m.green == 0)
            m.green = 0x7f;
        if (m.blue == 0)
            m.blue = 0xff;
    }
    else if (model == kModelHSV)
    {
        if (m.red == 0)
            m.red = 0xff;
        if (m.green == 0)
            m.green = 0xff;
        if (m.blue == 0)
            m.blue = 0xff;
    }
    yColor8 rgb = modelToRGB(m, model);
    rgb.alpha = c.alpha;
    return rgb;
}

void BuildColumnStrokes(const yHistogramColumnStyle& style, const uint32_t h[4], yMath::U8 g, bool selected,
                        yHistogramColumnStrokes& out)
{
    out.count = 0;
    out.hasTopPixel = false;
    const int bottom = style.bottom;
    const int top = style.top;

    if (!style.inColor || selected)
    {
        const uint32_t tallest = std::max(std::max(h[0], h[1]), std::max(h[2], h[3]));
        if (tallest > 0)
            Add(out, bottom, Clip(tallest, bottom, top), selected ? style.highlight : yColor8(255, 0, 0, 0));
        return;
    }

    if (h[3] > 0)
        Add(out, bottom, Clip(h[3], bottom, top), style.shadow);

    uint32_t s[3];
    yColor8 c[3];
    OrderColumnChannels(h, g, s, c);
    for (yColor8& color : c)
        color = AdjustColumnColor(color, style.colorModel, style.modelToRGB);

    int end = bottom;
    // A shared part only one pixel tall is left out, so a column where the
    // channels barely overlap shows no stray grey pixel.
    if (s[0] > 1)
    {
        const int to = Clip(s[0], bottom, top);
        Add(out, end, to, c[0]);
        end = to;
    }
    if (s[1] > s[0] && end > top)
    {
        const int to = Clip(s[1], bottom, top);
        Add(out, end, to, c[1]);
        end = to;
    }
    if (s[2] > s[1] && end > top)
        Add(out, end, Clip(s[2], bottom, top), c[2]);

    if (h[3] > 0)
    {
        out.hasTopPixel = true;
        out.topPixelY = Clip(h[3], bottom, top);
    }
}

yColor8 SingleChannelColor(const yHistogramColumnStyle& style, int channel, yMath::U8 g)
{
    yHistogramColumnStyle tall = style;
    tall.top = 0;
    tall.bottom = 2;
    uint32_t h[4] = {0, 0, 0, 0};
    h[channel & 3] = 1;
    yHistogramColumnStrokes strokes;
    BuildColumnStrokes(tall, h, g, false, strokes);
    // The last stroke is the channel's own; the one before it, if any, is D's shade.
    return strokes.count > 0 ? strokes.strokes[strokes.count - 1].color : yColor8(255, 0, 0, 0);
}
