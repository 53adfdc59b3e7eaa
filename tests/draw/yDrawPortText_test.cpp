#include "draw/yDrawPort.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
struct Ink
{
    int count = 0;
    long left = 1 << 30, top = 1 << 30, right = -1, bottom = -1; // right and bottom exclusive
};

void MakeWhite(yDrawPort& port, long w, long h)
{
    port.SetSize(w, h);
    ASSERT_EQ(port.Create(), 0);
    port.Erase();
}

Ink Inked(yDrawPort const& port)
{
    Ink ink;
    for (long y = 0; y < port.GetHeight(); ++y)
        for (long x = 0; x < port.GetWidth(); ++x)
            if (port.GetPixel(x, y) != yColor8(255, 255, 255))
                ++ink.count, ink.left = std::min(ink.left, x), ink.top = std::min(ink.top, y),
                    ink.right = std::max(ink.right, x + 1), ink.bottom = std::max(ink.bottom, y + 1);
    return ink;
}

std::vector<yColor8> Snapshot(yDrawPort const& port)
{
    std::vector<yColor8> pixels;
    for (long y = 0; y < port.GetHeight(); ++y)
        for (long x = 0; x < port.GetWidth(); ++x)
            pixels.push_back(port.GetPixel(x, y));
    return pixels;
}

long Measure(yDrawPort& port, const char* text) { yString s(text); return port.MeasureText(s); }
} // namespace

TEST(yDrawPortText, MeasuresWidthsThatAddUp)
{
    yDrawPort port;
    MakeWhite(port, 10, 10);
    EXPECT_EQ(Measure(port, ""), 0);
    const long regular = Measure(port, "Red Channel");
    EXPECT_TRUE(regular > 40 && regular < 100) << regular;
    EXPECT_EQ(Measure(port, "ab"), Measure(port, "a") + Measure(port, "b")); // no kerning
    struct Row { yFont font; int compared; } const rows[] = { // -1 narrower, 0 the same, 1 wider, 2 half as wide again
        {yFont(yFont::kFaceArial, 12, 0, 1), 1}, // bold
        {yFont(yFont::kFaceArial, 24), 2},      // twice the size
        {yFont(yFont::kFaceArial, 11), -1},     // a point smaller
        {yFont(yFont::kFaceVerdana, 12), -1},   // another face
        {yFont(7, 12), 0},                      // an unknown face is the default face
        {yFont(yFont::kFaceArial, 0), 0},       // a size of 0 falls back to 12
    };
    for (Row const& r : rows)
    {
        port.SetFont(r.font);
        const long w = Measure(port, "Red Channel");
        const int compared = w > regular * 3 / 2 ? 2 : w > regular ? 1 : w < regular ? -1 : 0;
        EXPECT_EQ(compared, r.compared) << "row " << (&r - rows) << ": " << w << " against " << regular;
    }
}

TEST(yDrawPortText, OffsetNumbersUnderlineAndEdges)
{
    yDrawPort a, b;
    MakeWhite(a, 80, 30), MakeWhite(b, 80, 30);
    yString s("Offset");
    a.MoveTo(15, 22), a.DrawTextA(s);
    b.SetDrawOffset(yPointL(5, 2)), b.MoveTo(10, 20), b.DrawTextA(s); // the draw offset moves the text
    b.SetDrawOffset(yPointL(0, 0));
    EXPECT_TRUE(Snapshot(a) == Snapshot(b));
    for (int i = 0; i < 2; ++i)
    {
        a.Erase(), b.Erase(), a.MoveTo(2, 14), b.MoveTo(2, 14);
        i ? a.DrawNumber(-42) : a.DrawNumber(2.5f); // floats with two decimals
        b.DrawTextA(s = i ? "-42" : "2.50");
        EXPECT_TRUE(Snapshot(a) == Snapshot(b) && Inked(a).count > 10) << i;
    }

    yDrawPort plain, underlined;
    MakeWhite(plain, 60, 20), MakeWhite(underlined, 60, 20);
    yFont f;
    f.underline = 1;
    underlined.SetFont(f);
    s = "ace";
    plain.MoveTo(2, 14), plain.DrawTextA(s);
    underlined.MoveTo(2, 14), underlined.DrawTextA(s);
    const Ink p = Inked(plain), u = Inked(underlined);
    EXPECT_TRUE(u.count > p.count + 10 && u.bottom > p.bottom && u.bottom <= 14 + 2); // still inside the text box
}

TEST(yDrawPortText, TextStaysInsideTheClipRectangle)
{
    yDrawPort clipped, free;
    MakeWhite(clipped, 120, 30), MakeWhite(free, 120, 30);
    yString s("A status text that runs on");
    clipped.SetClipRect(yRect(0, 10, 30, 40));
    clipped.MoveTo(2, 22), clipped.DrawTextA(s);
    free.MoveTo(2, 22), free.DrawTextA(s);
    clipped.SetClipRect(yRect(0, 0, 5000, 5000));
    const Ink all = Inked(free);
    ASSERT_TRUE(all.left < 10 && all.right > 40); // the text runs past both sides
    for (long y = 0; y < 30; ++y)
        for (long x = 0; x < 120; ++x)
        {
            const bool inside = x >= 10 && x < 40;
            ASSERT_EQ(clipped.GetPixel(x, y), inside ? free.GetPixel(x, y) : yColor8(255, 255, 255)) << x << "," << y;
        }
}
