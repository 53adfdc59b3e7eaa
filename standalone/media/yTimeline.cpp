#include "standalone/media/yTimeline.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

namespace yStandalone
{
namespace
{
const int kMargin = 10;
const int kStripGap = 6;
const int kTickLength = 3;
const PF_Pixel8 kBlack = {255, 0, 0, 0};
const PF_Pixel8 kOutline = {255, 60, 60, 60};
const PF_Pixel8 kText = {255, 200, 200, 200};

// Digits 0-9, the minus sign, A-Z and the asterisk (as in "a*"), 3 x 5
// pixels, a row to a byte (bit 2 leftmost), drawn at kGlyphScale.
const uint8_t kGlyphs[38][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1}, {7, 4, 7, 1, 7},
    {7, 4, 7, 5, 7}, {7, 1, 1, 1, 1}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7}, {0, 0, 7, 0, 0}, {2, 5, 7, 5, 5},
    {6, 5, 6, 5, 6}, {3, 4, 4, 4, 3}, {6, 5, 5, 5, 6}, {7, 4, 6, 4, 7}, {7, 4, 6, 4, 4}, {3, 4, 5, 5, 3},
    {5, 5, 7, 5, 5}, {7, 2, 2, 2, 7}, {1, 1, 1, 5, 2}, {5, 5, 6, 5, 5}, {4, 4, 4, 4, 7}, {5, 7, 7, 5, 5},
    {6, 5, 5, 5, 5}, {2, 5, 5, 5, 2}, {6, 5, 6, 4, 4}, {2, 5, 5, 6, 3}, {6, 5, 6, 5, 5}, {3, 4, 2, 1, 6},
    {7, 2, 2, 2, 2}, {5, 5, 5, 5, 7}, {5, 5, 5, 5, 2}, {5, 5, 7, 7, 5}, {5, 5, 2, 5, 5}, {5, 5, 2, 2, 2},
    {7, 1, 2, 4, 7}, {0, 5, 2, 5, 0},
};

// A character's glyph, letters in capitals; nullptr leaves a blank.
const uint8_t* GlyphOf(char c)
{
    const char upper = char(std::toupper(static_cast<unsigned char>(c)));
    if (c >= '0' && c <= '9') return kGlyphs[c - '0'];
    if (upper >= 'A' && upper <= 'Z') return kGlyphs[11 + upper - 'A'];
    return c == '-' ? kGlyphs[10] : c == '*' ? kGlyphs[37] : nullptr;
}
const int kGlyphScale = 2;
const int kGlyphWidth = 3 * kGlyphScale;
const int kGlyphHeight = 5 * kGlyphScale;
const int kGlyphAdvance = kGlyphWidth + kGlyphScale;
const int kLabelSpace = 2 * kGlyphAdvance; // at least this much between two labels
const int kLabelTop = kTickLength + 2;     // below the last strip
const int kLabelHeight = kLabelTop + kGlyphHeight;
const int kNameGap = 8; // between a strip's name and the strip

int TextWidth(const std::string& text)
{
    return int(text.size()) * kGlyphAdvance - kGlyphScale;
}

void Fill(yWorld& world, int left, int top, int width, int height, const PF_Pixel8& color)
{
    const PF_Rect rect = {left, top, left + width, top + height};
    FillWorld(&color, &rect, &world.World());
}

void DrawText(yWorld& world, int left, int top, const std::string& text)
{
    for (size_t i = 0; i < text.size(); ++i)
    {
        const uint8_t* glyph = GlyphOf(text[i]);
        for (int row = 0; row < 5 && glyph; ++row)
            for (int col = 0; col < 3; ++col)
                if (glyph[row] & (4 >> col))
                    Fill(world, left + int(i) * kGlyphAdvance + col * kGlyphScale, top + row * kGlyphScale,
                         kGlyphScale, kGlyphScale, kText);
    }
}

// Each value's bar colour at full brightness. A black colour carries no hue (a
// channel's value 0, or a panel drawing in grey) and takes its nearest
// neighbour's; a channel black throughout is drawn in white.
std::array<std::array<uint8_t, 3>, yTimeline::kRows> FullColors(const yChannelStats& channel)
{
    std::array<std::array<uint8_t, 3>, yTimeline::kRows> out{};
    std::array<bool, yTimeline::kRows> lit{};
    for (int v = 0; v < yTimeline::kRows; ++v)
    {
        const auto& c = channel.barColor[size_t(v)];
        const int top = std::max({c[0], c[1], c[2]});
        lit[size_t(v)] = top > 0;
        for (int i = 0; i < 3 && top > 0; ++i)
            out[size_t(v)][size_t(i)] = uint8_t((c[size_t(i)] * 255 + top / 2) / top);
    }
    for (int v = 0; v < yTimeline::kRows; ++v)
    {
        if (lit[size_t(v)]) continue;
        out[size_t(v)] = {255, 255, 255};
        for (int d = 1; d < yTimeline::kRows; ++d)
        {
            if (v - d >= 0 && lit[size_t(v - d)])
                out[size_t(v)] = out[size_t(v - d)];
            else if (v + d < yTimeline::kRows && lit[size_t(v + d)])
                out[size_t(v)] = out[size_t(v + d)];
            else
                continue;
            break;
        }
    }
    return out;
}
} // namespace

int yTimeline::RowOfBin(int bin, int binCount)
{
    return int(int64_t(bin) * kRows / binCount);
}

void yTimeline::AddFrame(int frameNumber, const yHistogramStats& stats, const std::vector<yBinCounts>& bins)
{
    if (m_frameNumbers.empty())
        for (int k = 0; k < 4; ++k)
            if (stats.channels[size_t(k)].shown)
            {
                Strip strip;
                strip.channel = k;
                strip.name = stats.channels[size_t(k)].name;
                strip.color = FullColors(stats.channels[size_t(k)]);
                m_strips.push_back(std::move(strip));
            }
    m_frameNumbers.push_back(frameNumber);
    const int binCount = int(bins.size());
    for (Strip& strip : m_strips)
    {
        strip.counts.resize(m_frameNumbers.size() * kRows, 0);
        uint32_t* rows = strip.counts.data() + (m_frameNumbers.size() - 1) * kRows;
        for (int b = 0; b < binCount; ++b)
        {
            uint32_t& row = rows[RowOfBin(b, binCount)];
            const uint64_t sum = uint64_t(row) + bins[size_t(b)][size_t(strip.channel)];
            row = uint32_t(std::min<uint64_t>(sum, UINT32_MAX));
        }
    }
}

int yTimeline::ColumnWidth() const
{
    const int frames = std::max(Length(), 1);
    return std::max(1, (kMinPlotWidth + frames - 1) / frames);
}

int yTimeline::PlotLeft() const
{
    int names = 0; // the widest strip name, a column left of the strips
    for (const Strip& strip : m_strips)
        names = std::max(names, strip.name.empty() ? 0 : TextWidth(strip.name) + kNameGap);
    return kMargin + names;
}

yWorld yTimeline::Draw() const
{
    const int plotWidth = ColumnWidth() * std::max(Length(), 1);
    const int strips = StripCount();
    const int stripsHeight = strips * kRows + std::max(strips - 1, 0) * kStripGap;
    const int left = PlotLeft();
    yWorld world(left + plotWidth + kMargin, stripsHeight + kLabelHeight + 2 * kMargin, false);
    FillWorld(&kBlack, nullptr, &world.World());
    for (int s = 0; s < strips; ++s)
    {
        const int top = kMargin + s * (kRows + kStripGap);
        DrawStrip(world, m_strips[size_t(s)], left, top);
        DrawText(world, kMargin, top + (kRows - kGlyphHeight) / 2, m_strips[size_t(s)].name);
    }
    DrawFrameNumbers(world, left, kMargin + stripsHeight);
    return world;
}

void yTimeline::DrawStrip(yWorld& world, const Strip& strip, int left, int top) const
{
    const int width = ColumnWidth();
    const int plotWidth = width * std::max(Length(), 1);
    // A dim outline just outside the strip tells an empty strip from the gap.
    Fill(world, left - 1, top - 1, plotWidth + 2, 1, kOutline);
    Fill(world, left - 1, top + kRows, plotWidth + 2, 1, kOutline);
    Fill(world, left - 1, top, 1, kRows, kOutline);
    Fill(world, left + plotWidth, top, 1, kRows, kOutline);

    const uint32_t largest =
        strip.counts.empty() ? 0 : *std::max_element(strip.counts.begin(), strip.counts.end());
    if (largest == 0) return;
    const double scale = 1.0 / std::log1p(double(largest));
    for (int f = 0; f < FrameCount(); ++f)
        for (int r = 0; r < kRows; ++r)
        {
            const uint32_t count = strip.counts[size_t(f) * kRows + size_t(r)];
            if (count == 0) continue;
            const double light = std::log1p(double(count)) * scale;
            const auto& c = strip.color[size_t(r)];
            PF_Pixel8 p;
            p.alpha = 255;
            p.red = uint8_t(std::lround(c[0] * light));
            p.green = uint8_t(std::lround(c[1] * light));
            p.blue = uint8_t(std::lround(c[2] * light));
            Fill(world, left + f * width, top + kRows - 1 - r, width, 1, p);
        }
}

void yTimeline::DrawFrameNumbers(yWorld& world, int left, int top) const
{
    if (m_frameNumbers.empty()) return;
    const int width = ColumnWidth();
    const auto [low, high] = std::minmax_element(m_frameNumbers.begin(), m_frameNumbers.end());
    const int widest = std::max(TextWidth(std::to_string(*low)), TextWidth(std::to_string(*high)));
    // Labels on multiples of 1, 2, 5, 10, 20, 50 ... frames, the smallest
    // step that leaves room between two labels.
    int64_t step = 1;
    for (int64_t power = 1; step * width < widest + kLabelSpace; power *= 10)
        for (const int m : {1, 2, 5})
            if ((step = m * power) * width >= widest + kLabelSpace) break;
    int free = 0; // the first column a label may take
    for (int f = 0; f < FrameCount(); ++f)
    {
        const int number = m_frameNumbers[size_t(f)];
        if (number % step != 0) continue;
        const std::string text = std::to_string(number);
        const int centre = left + f * width + width / 2;
        const int x = centre - TextWidth(text) / 2;
        // Frame numbers need not be evenly spaced: a label that would touch
        // the one before or leave the picture is left out.
        if (x < free || x + TextWidth(text) > world.Width()) continue;
        Fill(world, centre, top + 1, 1, kTickLength, kOutline);
        DrawText(world, x, top + kLabelTop, text);
        free = x + TextWidth(text) + kLabelSpace;
    }
}
} // namespace yStandalone
