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
            {
                ++ink.count;
                ink.left = std::min(ink.left, x);
                ink.top = std::min(ink.top, y);
                ink.right = std::max(ink.right, x + 1);
                ink.bottom = std::max(ink.bottom, y + 1);
            }
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

long Measure(yDrawPort& port, const char* text)
{
    yString s(text);
    return port.MeasureText(s);
}
} // namespace

TEST(yDrawPortText, MeasuresWidthsThatAddUp)
{
    yDrawPort port;
    MakeWhite(port, 10, 10);
    EXPECT_EQ(Measure(port, ""), 0);
    const long abc = Measure(port, "Histogram Scale");
    EXPECT_GT(abc, 40);
    EXPECT_LT(abc, 120);
    EXPECT_EQ(Measure(port, "Histogram Scale"), abc); // stable
    EXPECT_EQ(Measure(port, "ab"), Measure(port, "a") + Measure(port, "b")); // no kerning
    EXPECT_LT(Measure(port, "iiii"), Measure(port, "WWWW"));
    const long regular = Measure(port, "Red Channel");

    yFont bold;
    bold.bold = 1;
    port.SetFont(bold);
    EXPECT_GT(Measure(port, "Red Channel"), regular);
    port.SetFont(yFont(yFont::kFaceArial, 24));
    EXPECT_GT(Measure(port, "Red Channel"), regular * 3 / 2);
    port.SetFont(yFont(yFont::kFaceVerdana, 12));
    EXPECT_NE(Measure(port, "Red Channel"), regular); // another face
    port.SetFont(yFont(7, 12)); // an unknown face is the default face
    EXPECT_EQ(Measure(port, "Red Channel"), regular);
    port.SetFont(yFont(yFont::kFaceArial, 0)); // a size of 0 falls back to 12
    EXPECT_EQ(Measure(port, "Red Channel"), regular);
}

TEST(yDrawPortText, DrawsInsideItsBoxAboveThePen)
{
    yDrawPort port;
    MakeWhite(port, 120, 40);
    yString text("Tgjy 128");
    const long width = port.MeasureText(text);
    port.BeginDrawing();
    port.SetForeColor(200, 0, 0);
    port.MoveTo(10, 20);
    port.DrawTextA(text);
    // The box runs from the pen's x and (size - 2) above it, 12 high.
    const Ink ink = Inked(port);
    EXPECT_GT(ink.count, 20);
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 10 + width);
    EXPECT_GE(ink.top, 10);
    EXPECT_LE(ink.bottom, 22);
    EXPECT_LE(ink.top, 12); // capitals reach near the top
    EXPECT_GE(ink.bottom, 21); // descenders reach below the pen's row
    // Ink is a blend towards the fore colour only.
    for (long y = 0; y < 40; ++y)
        for (long x = 0; x < 120; ++x)
        {
            const yColor8 p = port.GetPixel(x, y);
            ASSERT_EQ(p.green, p.blue);
            ASSERT_GE(p.red, p.green);
        }
    // The pen has not moved.
    port.SetForeColor(0, 0, 255);
    port.LineTo(13, 20);
    port.EndDrawing();
    EXPECT_EQ(port.GetPixel(10, 20), yColor8(0, 0, 255));
    EXPECT_EQ(port.GetPixel(12, 20), yColor8(0, 0, 255));
}

TEST(yDrawPortText, FollowsTheDrawOffsetAndClipsAtTheSurface)
{
    yDrawPort a, b;
    MakeWhite(a, 80, 30);
    MakeWhite(b, 80, 30);
    yString text("Offset");
    a.MoveTo(15, 22);
    a.DrawTextA(text);
    b.SetDrawOffset(yPointL(5, 2));
    b.MoveTo(10, 20);
    b.DrawTextA(text);
    b.SetDrawOffset(yPointL(0, 0));
    EXPECT_EQ(Snapshot(a), Snapshot(b));
    // Text running off every edge touches nothing outside the surface.
    a.MoveTo(-20, 5);
    a.DrawTextA(text);
    a.MoveTo(60, 40);
    a.DrawTextA(text);
    a.MoveTo(32000, -32000);
    a.DrawTextA(text);
    EXPECT_GT(Inked(a).count, 0);
}

TEST(yDrawPortText, DrawNumberFormatsThenDrawsText)
{
    yDrawPort number, text;
    MakeWhite(number, 60, 20);
    MakeWhite(text, 60, 20);
    number.MoveTo(2, 14);
    text.MoveTo(2, 14);
    number.DrawNumber(2.5f);
    yString s("2.50");
    text.DrawTextA(s);
    EXPECT_EQ(Snapshot(number), Snapshot(text));
    EXPECT_GT(Inked(number).count, 0);

    number.Erase();
    text.Erase();
    number.MoveTo(2, 14);
    text.MoveTo(2, 14);
    number.DrawNumber(42);
    s = "42";
    text.DrawTextA(s);
    EXPECT_EQ(Snapshot(number), Snapshot(text));
}

TEST(yDrawPortText, UnderlineAddsALineUnderTheText)
{
    yDrawPort plain, underlined;
    MakeWhite(plain, 60, 20);
    MakeWhite(underlined, 60, 20);
    yFont f;
    f.underline = 1;
    underlined.SetFont(f);
    yString s("ace");
    plain.MoveTo(2, 14);
    plain.DrawTextA(s);
    underlined.MoveTo(2, 14);
    underlined.DrawTextA(s);
    const Ink p = Inked(plain), u = Inked(underlined);
    EXPECT_GT(u.count, p.count + 10);
    EXPECT_GT(u.bottom, p.bottom);
    EXPECT_LE(u.bottom, 14 + 2); // still inside the text box
}
