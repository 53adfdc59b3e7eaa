#include "draw/yDrawPort.h"

#include "host/sdk/ZT_DrawSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

namespace
{
using Pixels = std::set<std::pair<int, int>>;

const yColor8 kWhite(255, 255, 255);
const yColor8 kBlack(0, 0, 0);

// The bytes of the pixel at (x, y) counted from the top, as stored.
uint8_t* Bytes(yDrawPort const& port, long x, long y)
{
    auto* base = reinterpret_cast<uint8_t*>(port.GetPixelBasePtr());
    return base + (port.GetHeight() - 1 - y) * port.GetRowBytes() + 4 * x;
}

// Paints the whole surface white through memory, whatever offset or origin.
void Whiten(yDrawPort& port)
{
    for (long y = 0; y < port.GetHeight(); ++y)
        for (long x = 0; x < port.GetWidth(); ++x)
            std::fill_n(Bytes(port, x, y), 4, uint8_t(255));
}

// A created port of the given size, cleared to white.
void MakeWhite(yDrawPort& port, long w, long h)
{
    port.SetSize(w, h);
    ASSERT_EQ(port.Create(), 0);
    Whiten(port);
}

// Every pixel that is not white, read from memory.
Pixels Inked(yDrawPort const& port)
{
    Pixels inked;
    for (long y = 0; y < port.GetHeight(); ++y)
        for (long x = 0; x < port.GetWidth(); ++x)
        {
            const uint8_t* p = Bytes(port, x, y);
            if (p[0] != 255 || p[1] != 255 || p[2] != 255)
                inked.insert({int(x), int(y)});
        }
    return inked;
}

Pixels Box(int left, int top, int right, int bottom)
{
    Pixels p;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            p.insert({x, y});
    return p;
}

// The 1-pixel frame just inside a box.
Pixels Frame(int left, int top, int right, int bottom)
{
    Pixels frame = Box(left, top, right, bottom);
    for (const auto& p : Box(left + 1, top + 1, right - 1, bottom - 1))
        frame.erase(p);
    return frame;
}
} // namespace

TEST(yDrawPort, StartsWithTheDefaultsAndNoDevice)
{
    yDrawPort port;
    EXPECT_EQ(port.GetForeColor(), yColor8(255, 0, 0, 0));
    EXPECT_EQ(port.GetBackColor(), yColor8(255, 255, 255, 255));
    EXPECT_EQ(port.GetFont(), yFont());
    EXPECT_EQ(port.GetFont().size, 12);
    const yDrawPort::ClipRect clip = port.GetClipRect();
    EXPECT_EQ(clip.left, 0);
    EXPECT_EQ(clip.top, 0);
    EXPECT_EQ(clip.right, 5000);
    EXPECT_EQ(clip.bottom, 5000);
    EXPECT_EQ(port.GetDevice(), nullptr);
    EXPECT_EQ(port.GetDepth(), 32);
    EXPECT_EQ(port.GetPixelBasePtr(), nullptr);
    EXPECT_EQ(port.GetRowBytes(), 0);
    // Without a device nothing happens and pixels read opaque black.
    port.Fill(yRect(0, 0, 10, 10));
    port.Line(0, 0, 5, 5);
    yString text("abc");
    port.DrawTextA(text);
    EXPECT_EQ(port.MeasureText(text), 0);
    EXPECT_EQ(port.GetPixel(0, 0), kBlack);
}

TEST(yDrawPort, WorldExtentFollowsSizeAndOrigin)
{
    yDrawPort port;
    port.SetSize(200, 100);
    ASSERT_EQ(port.Create(), 0);
    EXPECT_EQ(port.GetWorldExtentRect(), yRect(0, 0, 100, 200));
    port.SetOrigin(yPointL(10, 20));
    EXPECT_EQ(port.GetWorldExtentRect(), yRect(20, 10, 120, 210));
    EXPECT_EQ(port.GetRowBytes(), 800);
}

TEST(yDrawPort, CreateRefusesEmptyAndHugeSurfaces)
{
    yDrawPort port;
    EXPECT_EQ(port.Create(), 4); // size 0 x 0
    EXPECT_EQ(port.GetPixelBasePtr(), nullptr);
    port.Fill(yRect(0, 0, 10, 10)); // a device without a surface draws nothing
    EXPECT_EQ(port.GetPixel(0, 0), kBlack);
    port.SetSize(-5, 10);
    EXPECT_EQ(port.GetPixelBasePtr(), nullptr);
    port.SetSize(1 << 20, 1 << 20);
    EXPECT_EQ(port.GetPixelBasePtr(), nullptr);
    port.SetSize(4, 3); // rebuilt on resize, since a device exists
    ASSERT_NE(port.GetPixelBasePtr(), nullptr);
    EXPECT_EQ(port.GetRowBytes(), 16);
}

TEST(yDrawPort, ResolveRectsCutsTheLargerToTheSmaller)
{
    yRect a(0, 0, 10, 20), b(5, 5, 25, 15);
    EXPECT_EQ(yDrawPort::ResolveRects(a, b), 0);
    EXPECT_EQ(a, yRect(0, 0, 10, 10));
    EXPECT_EQ(b, yRect(5, 5, 15, 15));

    // The sizes compared are those on entry: each side is cut independently.
    yRect c(0, 0, 30, 5), d(0, 0, 10, 50);
    EXPECT_EQ(yDrawPort::ResolveRects(c, d), 0);
    EXPECT_EQ(c, yRect(0, 0, 10, 5));
    EXPECT_EQ(d, yRect(0, 0, 10, 5));

    // Zero height, zero width, inverted: 24 and nothing changes.
    for (yRect bad : {yRect(3, 0, 3, 10), yRect(0, 4, 10, 4), yRect(10, 10, 0, 0)})
    {
        yRect e = bad, f(0, 0, 10, 10);
        EXPECT_EQ(yDrawPort::ResolveRects(e, f), 24);
        EXPECT_EQ(yDrawPort::ResolveRects(f, e), 24);
        EXPECT_EQ(e, bad);
        EXPECT_EQ(f, yRect(0, 0, 10, 10));
    }
}

TEST(yDrawPort, ResolveRectsCutsTheThirdWhenTheFirstIsCut)
{
    yRect a(0, 0, 40, 40), b(0, 0, 10, 20), c(100, 200, 140, 240);
    EXPECT_EQ(yDrawPort::ResolveRects(a, b, c), 0);
    EXPECT_EQ(a, yRect(0, 0, 10, 20));
    EXPECT_EQ(c, yRect(100, 200, 110, 220));

    // The first is the smaller: the third keeps its size.
    yRect s(0, 0, 5, 5), l(0, 0, 50, 50), t(1, 1, 9, 9);
    EXPECT_EQ(yDrawPort::ResolveRects(s, l, t), 0);
    EXPECT_EQ(l, yRect(0, 0, 5, 5));
    EXPECT_EQ(t, yRect(1, 1, 9, 9));
}

TEST(yDrawPort, OutlineDrawsTheFrameJustInside)
{
    yDrawPort port;
    MakeWhite(port, 60, 40);
    port.BeginDrawing();
    port.Outline(yRect(10, 20, 30, 50));
    port.EndDrawing();
    EXPECT_EQ(Inked(port), Frame(20, 10, 50, 30));
    EXPECT_EQ(port.GetPixel(20, 10), kBlack);
    EXPECT_EQ(port.GetPixel(20, 29), kBlack);
    EXPECT_EQ(port.GetPixel(49, 29), kBlack);
    EXPECT_EQ(port.GetPixel(49, 10), kBlack);
}

TEST(yDrawPort, XDrawsBothDiagonalsWithTheirEndsExcluded)
{
    yDrawPort port;
    MakeWhite(port, 20, 20);
    port.BeginDrawing();
    port.X(yRect(0, 0, 6, 6));
    port.EndDrawing();
    // (0,0) to (5,5) without (5,5); (0,5) to (5,0) without (5,0).
    const Pixels expected = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {0, 5}, {1, 4}, {2, 3}, {3, 2}, {4, 1}};
    EXPECT_EQ(Inked(port), expected);

    Whiten(port);
    port.BeginDrawing();
    port.OutlineX(yRect(0, 0, 6, 6));
    port.EndDrawing();
    Pixels outlined = Frame(0, 0, 6, 6);
    outlined.insert(expected.begin(), expected.end());
    EXPECT_EQ(Inked(port), outlined);
}

TEST(yDrawPort, LinesExcludeTheirEndPixelAndFollowTheOffset)
{
    yDrawPort port;
    MakeWhite(port, 30, 30);
    port.SetDrawOffset(yPointL(2, 3));
    port.BeginDrawing();
    port.Line(0, 0, 4, 0); // horizontal, rightwards
    port.Line(10, 10, 10, 6); // vertical, upwards
    port.EndDrawing();
    Pixels expected = {{2, 3}, {3, 3}, {4, 3}, {5, 3}, {12, 13}, {12, 12}, {12, 11}, {12, 10}};
    EXPECT_EQ(Inked(port), expected);

    // A shallow diagonal: one pixel per column, the last column left out.
    Whiten(port);
    port.SetDrawOffset(yPointL(0, 0));
    port.BeginDrawing();
    port.MoveTo(0, 0);
    port.LineTo(6, 2);
    port.EndDrawing();
    const Pixels inked = Inked(port);
    EXPECT_EQ(inked.size(), 6u);
    EXPECT_TRUE(inked.count({0, 0}));
    EXPECT_FALSE(inked.count({6, 2}));
    for (int x = 0; x < 6; ++x)
    {
        int inColumn = 0;
        for (int y = 0; y < 3; ++y)
            inColumn += int(inked.count({x, y}));
        EXPECT_EQ(inColumn, 1) << "column " << x;
    }

    // Move goes relative to the pen; a zero-length line draws nothing.
    Whiten(port);
    port.BeginDrawing();
    port.MoveTo(5, 5);
    port.Move(2, -1);
    port.LineTo(7, 4);
    port.LineTo(9, 4);
    port.EndDrawing();
    EXPECT_EQ(Inked(port), (Pixels{{7, 4}, {8, 4}}));
}

TEST(yDrawPort, FillCoversExactlyTheShiftedRectangle)
{
    yDrawPort port;
    MakeWhite(port, 20, 20);
    port.SetDrawOffset(yPointL(5, 5));
    port.SetForeColor(10, 20, 30);
    port.Fill(yRect(0, 0, 2, 2));
    EXPECT_EQ(Inked(port), (Pixels{{5, 5}, {6, 5}, {5, 6}, {6, 6}}));
    EXPECT_EQ(port.GetPixel(0, 0), yColor8(10, 20, 30)); // drawing coordinates
    // Empty and inverted rectangles fill nothing.
    Whiten(port);
    port.Fill(yRect(3, 3, 3, 10));
    port.Fill(yRect(8, 8, 2, 2));
    EXPECT_TRUE(Inked(port).empty());
}

TEST(yDrawPort, DrawingFarOutsideIsClippedToTheSurface)
{
    yDrawPort port;
    MakeWhite(port, 16, 8);
    port.BeginDrawing();
    port.Fill(yRect(-100000, -100000, 100000, 100000));
    EXPECT_EQ(Inked(port).size(), 16u * 8u);
    Whiten(port);
    port.Line(-32000, 4, 32000, 4);
    port.Line(-30000, -30000, 30000, 30000);
    port.Line(30000, -30000, -30000, 30000);
    port.SetPixel(-1, 0, kBlack);
    port.SetPixel(16, 0, kBlack);
    port.SetPixel(0, 8, kBlack);
    port.SetDrawOffset(yPointL(2000000000, 2000000000));
    port.Fill(yRect(2000000000, 2000000000, 2100000000, 2100000000));
    port.EndDrawing();
    const Pixels inked = Inked(port);
    for (int x = 0; x < 16; ++x)
        EXPECT_TRUE(inked.count({x, 4})) << x;
    EXPECT_TRUE(inked.count({0, 0}));
    EXPECT_TRUE(inked.count({7, 7}));
}

TEST(yDrawPort, PixelsAreStoredBottomUpAsBlueGreenRedAlpha)
{
    yDrawPort port;
    MakeWhite(port, 3, 2);
    port.SetPixel(1, 0, yColor8(7, 30, 20, 10));
    // The top row is the last row in memory.
    const auto* base = reinterpret_cast<const uint8_t*>(port.GetPixelBasePtr());
    const uint8_t* p = base + 1 * port.GetRowBytes() + 4;
    EXPECT_EQ(p[0], 10);
    EXPECT_EQ(p[1], 20);
    EXPECT_EQ(p[2], 30);

    uint8_t* q = Bytes(port, 2, 1);
    q[0] = 10, q[1] = 20, q[2] = 30, q[3] = 40;
    // A created surface has no coverage: its fourth byte reads as 255.
    EXPECT_EQ(port.GetPixel(2, 1), yColor8(255, 30, 20, 10));
    EXPECT_FALSE(port.HasAlpha());
}

TEST(yDrawPort, GetPixelIsBlackOutsideTheClipAndTheSurface)
{
    yDrawPort port;
    MakeWhite(port, 10, 10);
    EXPECT_EQ(port.GetPixel(9, 9), kWhite);
    EXPECT_EQ(port.GetPixel(10, 0), kBlack);
    EXPECT_EQ(port.GetPixel(-1, 0), kBlack);
    EXPECT_EQ(port.GetPixel(0, 2147483647L), kBlack);
    port.SetOrigin(yPointL(100, 100));
    port.SetClipRect(yRect(102, 103, 105, 106)); // port 3..5 wide, 2..5 high, bounds inclusive
    EXPECT_EQ(port.GetClipRect().left, 3);
    EXPECT_EQ(port.GetClipRect().top, 2);
    EXPECT_EQ(port.GetPixel(3, 2), kWhite);
    EXPECT_EQ(port.GetPixel(6, 5), kWhite);
    EXPECT_EQ(port.GetPixel(2, 2), kBlack);
    EXPECT_EQ(port.GetPixel(7, 5), kBlack);
    EXPECT_EQ(port.GetPixel(3, 6), kBlack);
    // The draw offset is in world coordinates, like the clip.
    port.SetDrawOffset(yPointL(103, 102));
    EXPECT_EQ(port.GetDrawOffset(), yPointL(3, 2));
    EXPECT_EQ(port.GetPixel(0, 0), kWhite);
    EXPECT_EQ(port.GetPixel(-1, 0), kBlack);
}

TEST(yDrawPort, ForeColourFormsAndPenFollowTheDrawingPass)
{
    yDrawPort port;
    MakeWhite(port, 8, 8);
    port.SetForeColor(0x1234AAul);
    EXPECT_EQ(port.GetForeColor(), yColor8(0xAA, 0xAA, 0xAA));
    PF_App_Color host{65535, 32768, 0};
    port.SetForeColor(host);
    EXPECT_EQ(port.GetForeColor(), yColor8(255, 255, 0));
    port.SetBackColor(1, 2, 3);
    EXPECT_EQ(port.GetBackColor(), yColor8(1, 2, 3));
    port.SetDrawOffset(yPointL(5, 5)); // Erase ignores the draw offset
    port.Erase();
    EXPECT_EQ(Inked(port), Box(0, 0, 8, 8));
    EXPECT_EQ(port.GetPixel(2, 2), yColor8(1, 2, 3));
    port.SetDrawOffset(yPointL(0, 0));

    port.BeginDrawing();
    port.SetForeColor(200, 0, 0);
    port.Line(0, 0, 3, 0);
    port.BeginDrawing(); // idempotent
    port.EndDrawing();
    EXPECT_FALSE(port.IsDrawing());
    port.EndDrawing(); // idempotent
    EXPECT_EQ(port.GetPixel(0, 0), yColor8(200, 0, 0));
    EXPECT_EQ(port.GetPixel(2, 0), yColor8(200, 0, 0));
}

TEST(yDrawPort, CopyToMovesPixelsBetweenPortsWithOrigins)
{
    yDrawPort src, dst;
    MakeWhite(src, 10, 10);
    MakeWhite(dst, 40, 30);
    src.SetForeColor(0, 0, 255);
    src.Fill(yRect(0, 0, 10, 10));
    src.SetPixel(0, 0, yColor8(255, 0, 0));
    dst.SetOrigin(yPointL(100, 200));

    // A 4 x 3 block of the source at port (2, 1) lands at world (105, 207).
    src.CopyTo(yRect(1, 2, 4, 6), dst, yRect(207, 105, 237, 145));
    EXPECT_EQ(Inked(dst), Box(5, 7, 9, 10));

    // The whole surface: CopyTo(dst, rect) copies from (0, 0).
    Whiten(dst);
    src.CopyTo(dst, yRect(210, 120, 212, 123));
    EXPECT_EQ(Inked(dst), Box(20, 10, 23, 12));
    EXPECT_EQ(dst.GetPixel(20, 10), yColor8(255, 0, 0));

    // Onto the destination's own extent; a destination without device gets nothing.
    Whiten(dst);
    src.CopyTo(dst);
    EXPECT_EQ(Inked(dst), Box(0, 0, 10, 10));
    yDrawPort none;
    src.CopyTo(none);
    src.CopyTo(yRect(0, 0, 0, 5), dst, yRect(0, 0, 10, 10)); // empty: ResolveRects says 24
    // A block far outside the destination is cut to nothing.
    Whiten(dst);
    src.CopyTo(yRect(0, 0, 10, 10), dst, yRect(-2000000000, -2000000000, 2000000000, 2000000000));
    src.CopyTo(yRect(-5, -5, 5, 5), dst, yRect(200, 100, 210, 110));
    EXPECT_EQ(Inked(dst), Box(5, 5, 10, 10));
}

TEST(yDrawPort, AssignmentWrapsTheOtherDeviceThenBuildsItsOwnSurface)
{
    yDrawPort a;
    MakeWhite(a, 12, 7);
    a.SetForeColor(1, 2, 3);
    a.SetBackColor(4, 5, 6);
    a.SetDrawOffset(yPointL(3, 4));
    yDrawPort b;
    b = a;
    EXPECT_EQ(b.GetWidth(), 12);
    EXPECT_EQ(b.GetHeight(), 7);
    EXPECT_EQ(b.GetForeColor(), yColor8(1, 2, 3));
    EXPECT_EQ(b.GetBackColor(), yColor8(4, 5, 6));
    EXPECT_EQ(b.GetDrawOffset(), yPointL(3, 4));
    ASSERT_NE(b.GetPixelBasePtr(), nullptr);
    EXPECT_NE(b.GetPixelBasePtr(), a.GetPixelBasePtr());
    b.Fill(yRect(0, 0, 100, 100));
    EXPECT_EQ(a.GetPixel(0, 0), kWhite); // not shared

    // SetDrawPort with another port's device draws into that port.
    yDrawPort view;
    view.SetRecreateOnResize(false);
    EXPECT_EQ(view.SetDrawPort(a.GetDevice()), 0);
    EXPECT_EQ(view.GetWidth(), 12);
    view.SetForeColor(9, 9, 9);
    view.Fill(yRect(0, 0, 1, 1));
    EXPECT_EQ(a.GetPixel(-3, -4), yColor8(9, 9, 9));
    view.Destroy(); // forgets, never deletes, a device it does not own
    a.Fill(yRect(0, 0, 1, 1));
}

TEST(yDrawPort, WrapsTheHostWindowSurface)
{
    std::vector<uint8_t> pixels(7 * 5 * 4 + 8, 0xEE);
    ZT_DrawSurface window{ZT_DrawSurface_VERSION, pixels.data(), 7, 5, 7 * 4};
    yDrawPort port;
    port.SetSize(30, 30); // a port of another size: its size stays
    EXPECT_EQ(port.SetDrawPort(static_cast<void*>(&window)), 0);
    EXPECT_EQ(port.GetHostContext(), &window);
    EXPECT_EQ(port.GetWidth(), 30);
    EXPECT_EQ(port.GetWorldExtentRect(), yRect(0, 0, 5, 7)); // the window's client area
    port.SetForeColor(1, 2, 3);
    port.Fill(yRect(-10, -10, 50, 50));
    for (size_t i = 0; i < 7 * 5 * 4; i += 4)
        ASSERT_EQ(pixels[i], 3) << i;
    EXPECT_EQ(pixels[7 * 5 * 4], 0xEE); // nothing past the surface
    // A window answers pixel reads with a grey of its red.
    EXPECT_EQ(port.GetPixel(0, 0), yColor8(1, 1, 1));
    port.Erase(); // a repaint request, not a fill
    EXPECT_EQ(port.GetDevice()->RepaintRequests(), 1);
    EXPECT_EQ(pixels[0], 3);
    // A malformed context draws nothing.
    window.row_bytes = 3;
    port.Fill(yRect(0, 0, 5, 5));
    EXPECT_EQ(port.GetPixel(0, 0), kBlack);
    port.Destroy();
    EXPECT_EQ(port.GetHostContext(), nullptr);
}
