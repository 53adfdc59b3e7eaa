#include "draw/yDrawPort.h"

#include "host/sdk/ZT_DrawSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
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
        std::fill_n(Bytes(port, 0, y), 4 * port.GetWidth(), uint8_t(255));
}

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

Pixels Join(Pixels a, Pixels const& b) { return a.insert(b.begin(), b.end()), a; }

// Both diagonals of the box (0, 0)-(6, 6), each without its end pixel.
const Pixels kX = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {0, 5}, {1, 4}, {2, 3}, {3, 2}, {4, 1}};
} // namespace

TEST(yDrawPort, DrawsExactlyThesePixels)
{
    struct Row { char const* what; std::function<void(yDrawPort&)> draw; Pixels expected; } const rows[] = {
        {"outline just inside", [](yDrawPort& p) { p.Outline(yRect(3, 2, 8, 9)); }, Frame(2, 3, 9, 8)},
        {"outline of the extent", [](yDrawPort& p) { p.Outline(); }, Frame(0, 0, 30, 20)},
        {"X", [](yDrawPort& p) { p.X(yRect(0, 0, 6, 6)); }, kX},
        {"outlined X", [](yDrawPort& p) { p.OutlineX(yRect(0, 0, 6, 6)); }, Join(kX, Frame(0, 0, 6, 6))},
        {"lines follow the offset, end excluded",
         [](yDrawPort& p) { p.SetDrawOffset(yPointL(2, 3)), p.Line(0, 0, 4, 0), p.Line(10, 10, 10, 6); },
         {{2, 3}, {3, 3}, {4, 3}, {5, 3}, {12, 13}, {12, 12}, {12, 11}, {12, 10}}},
        {"move is relative, a zero-length line draws nothing",
         [](yDrawPort& p) { p.MoveTo(5, 5), p.Move(2, -1), p.LineTo(7, 4), p.LineTo(9, 4); },
         {{7, 4}, {8, 4}}},
        {"fill follows the offset", [](yDrawPort& p) { p.SetDrawOffset(yPointL(5, 6)), p.Fill(yRect(0, 0, 2, 3)); }, Box(5, 6, 8, 8)},
        {"empty and inverted fills", [](yDrawPort& p) { p.Fill(yRect(3, 3, 3, 10)), p.Fill(yRect(8, 8, 2, 2)); }, {}},
        {"fill everything", [](yDrawPort& p) { p.Fill(); }, Box(0, 0, 30, 20)},
        {"erase a box in the back colour", [](yDrawPort& p) { p.SetBackColor(0, 0, 0), p.Erase(yRect(1, 2, 3, 5)); }, Box(2, 1, 5, 3)},
        {"erase takes the pen home", [](yDrawPort& p) { p.MoveTo(5, 5), p.Erase(), p.LineTo(3, 0); }, {{0, 0}, {1, 0}, {2, 0}}},
        {"far outside is clipped",
         [](yDrawPort& p) {
             p.Fill(yRect(-100000, -100000, 2, 100000));
             p.Line(-32000, 4, 32000, 4);
             p.SetPixel(-1, 5, kBlack), p.SetPixel(30, 5, kBlack), p.SetPixel(0, 20, kBlack);
             p.SetDrawOffset(yPointL(2000000000, 2000000000));
             p.Fill(yRect(2000000000, 2000000000, 2100000000, 2100000000));
         },
         Join(Box(0, 0, 30, 2), Box(0, 4, 30, 5))},
        {"the clip rectangle holds fills, lines and pixels, right and bottom excluded",
         [](yDrawPort& p) {
             p.SetClipRect(yRect(2, 3, 6, 8));
             p.Fill(yRect(0, 0, 4, 30)), p.Line(0, 5, 30, 5), p.Line(0, 0, 29, 19);
             p.SetPixel(1, 1, kBlack), p.SetPixel(8, 3, kBlack), p.SetPixel(7, 4, kBlack);
         },
         Join(Join(Box(3, 2, 8, 4), Box(3, 5, 8, 6)), {{7, 4}, {6, 4}})},
    };
    yDrawPort port;
    MakeWhite(port, 30, 20);
    for (Row const& r : rows)
    {
        Whiten(port);
        port.SetDrawOffset(yPointL(0, 0));
        port.SetClipRect(yRect(0, 0, 5000, 5000));
        port.SetForeColor(0, 0, 0);
        port.SetBackColor(255, 255, 255);
        port.BeginDrawing();
        r.draw(port);
        port.EndDrawing();
        EXPECT_EQ(Inked(port), r.expected) << r.what;
    }
}

TEST(yDrawPort, WithoutADeviceNothingHappens)
{
    yDrawPort port;
    yString text("abc");
    port.Fill(yRect(0, 0, 10, 10)), port.Line(0, 0, 5, 5), port.DrawTextA(text);
    EXPECT_EQ(port.MeasureText(text), 0);
    EXPECT_EQ(port.GetPixel(0, 0), kBlack); // pixels read opaque black

    EXPECT_TRUE(port.Create() == 4 && port.GetPixelBasePtr() == nullptr); // size 0 x 0
    port.Fill(yRect(0, 0, 10, 10)); // a device without a surface draws nothing
    EXPECT_EQ(port.GetPixel(0, 0), kBlack);
    for (long side : {-5L, 1L << 20})
    {
        port.SetSize(side, side < 0 ? 10 : side);
        EXPECT_EQ(port.GetPixelBasePtr(), nullptr);
    }
    port.SetSize(4, 3); // rebuilt on resize, since a device exists
    ASSERT_NE(port.GetPixelBasePtr(), nullptr);
    EXPECT_TRUE(port.GetRowBytes() == 16 && port.GetWorldExtentRect() == yRect(0, 0, 3, 4));
}

TEST(yDrawPort, ResolveRectsCutsTheLargerToTheSmaller)
{
    const yRect ten(0, 0, 10, 10);
    struct Row { yRect a, b, toA, toB; int result; } const rows[] = {
        {yRect(0, 0, 10, 20), yRect(5, 5, 25, 15), ten, yRect(5, 5, 15, 15), 0}, // each cut to the smaller
        {yRect(0, 0, 30, 5), yRect(0, 0, 10, 50), yRect(0, 0, 10, 5), yRect(0, 0, 10, 5), 0}, // sides cut alone
        {yRect(3, 0, 3, 10), ten, yRect(3, 0, 3, 10), ten, 24},   // zero height: nothing changes
        {ten, yRect(0, 4, 10, 4), ten, yRect(0, 4, 10, 4), 24},   // zero width, second
        {yRect(10, 10, 0, 0), ten, yRect(10, 10, 0, 0), ten, 24}, // inverted
    };
    for (Row const& r : rows)
    {
        yRect a = r.a, b = r.b;
        EXPECT_EQ(yDrawPort::ResolveRects(a, b), r.result) << "row " << (&r - rows);
        EXPECT_TRUE(a == r.toA && b == r.toB) << "row " << (&r - rows);
    }
    // The third is cut with the first; when the first is the smaller it keeps its size.
    yRect g(0, 0, 40, 40), h(0, 0, 10, 20), i(100, 200, 140, 240);
    EXPECT_EQ(yDrawPort::ResolveRects(g, h, i), 0);
    EXPECT_EQ(i, yRect(100, 200, 110, 220));
    yRect s(0, 0, 5, 5), l(0, 0, 50, 50), t(1, 1, 9, 9);
    EXPECT_EQ(yDrawPort::ResolveRects(s, l, t), 0);
    EXPECT_TRUE(l == yRect(0, 0, 5, 5) && t == yRect(1, 1, 9, 9));
}

TEST(yDrawPort, PixelsClipAndColours)
{
    yDrawPort port;
    MakeWhite(port, 10, 10);
    port.SetPixel(1, 0, yColor8(7, 30, 20, 10));
    const uint8_t* p = reinterpret_cast<const uint8_t*>(port.GetPixelBasePtr()) + 9 * port.GetRowBytes() + 4;
    EXPECT_EQ(p[0] + p[1] * 256 + p[2] * 65536, 10 + 20 * 256 + 30 * 65536); // bottom-up, blue first
    uint8_t* q = Bytes(port, 2, 1);
    q[0] = 10, q[1] = 20, q[2] = 30, q[3] = 40;
    EXPECT_TRUE(port.GetPixel(2, 1) == yColor8(255, 30, 20, 10) && !port.HasAlpha()); // a created surface has no coverage
    Whiten(port);

    for (yPointL outside : {yPointL(10, 0), yPointL(-1, 0), yPointL(0, 10), yPointL(0, 2147483647)})
        EXPECT_EQ(port.GetPixel(outside.x, outside.y), kBlack) << outside.x << "," << outside.y;
    port.SetOrigin(yPointL(100, 100));
    port.SetClipRect(yRect(102, 103, 105, 106)); // port 3..6 wide, 2..5 high, bounds inclusive
    EXPECT_TRUE(port.GetPixel(3, 2) == kWhite && port.GetPixel(6, 5) == kWhite);
    for (yPointL outside : {yPointL(2, 2), yPointL(7, 5), yPointL(3, 1), yPointL(3, 6)})
        EXPECT_EQ(port.GetPixel(outside.x, outside.y), kBlack) << outside.x << "," << outside.y;
    port.SetDrawOffset(yPointL(103, 102)); // in world coordinates, like the clip
    EXPECT_TRUE(port.GetPixel(0, 0) == kWhite && port.GetPixel(-1, 0) == kBlack);
    port.SetBackColor(1, 2, 3);
    port.SetOrigin(yPointL(0, 0));
    port.SetClipRect(yRect(0, 0, 5000, 5000));
    port.Erase(); // the whole surface, whatever the offset
    EXPECT_TRUE(Inked(port) == Box(0, 0, 10, 10) && port.GetPixel(-3, -2) == yColor8(1, 2, 3));
}

TEST(yDrawPort, CopyToMovesPixelsBetweenPortsWithOrigins)
{
    yDrawPort src, dst;
    MakeWhite(src, 10, 10);
    MakeWhite(dst, 40, 30);
    src.SetForeColor(0, 0, 255), src.Fill(yRect(0, 0, 10, 10)), src.SetPixel(0, 0, yColor8(255, 0, 0));
    dst.SetOrigin(yPointL(100, 200));
    // A 4 x 3 block of the source at port (2, 1) lands at world (105, 207).
    src.CopyTo(yRect(1, 2, 4, 6), dst, yRect(207, 105, 237, 145));
    EXPECT_EQ(Inked(dst), Box(5, 7, 9, 10));
    Whiten(dst); // the whole surface from (0, 0)
    src.CopyTo(dst, yRect(210, 120, 212, 123));
    EXPECT_TRUE(Inked(dst) == Box(20, 10, 23, 12) && dst.GetPixel(20, 10) == yColor8(255, 0, 0));
    Whiten(dst); // onto the destination's own extent
    src.CopyTo(dst);
    EXPECT_EQ(Inked(dst), Box(0, 0, 10, 10));
    yDrawPort none;
    src.CopyTo(none), src.CopyTo(yRect(0, 0, 0, 5), dst, yRect(0, 0, 10, 10)); // empty
    Whiten(dst); // far outside is cut to nothing; partly outside to the part inside
    src.CopyTo(yRect(0, 0, 10, 10), dst, yRect(-2000000000, -2000000000, 2000000000, 2000000000));
    src.CopyTo(yRect(-5, -5, 5, 5), dst, yRect(200, 100, 210, 110));
    EXPECT_EQ(Inked(dst), Box(5, 5, 10, 10));
}

TEST(yDrawPort, AssignmentWrapsTheOtherDeviceThenBuildsItsOwnSurface)
{
    yDrawPort a;
    MakeWhite(a, 12, 7);
    a.SetForeColor(1, 2, 3), a.SetBackColor(4, 5, 6), a.SetDrawOffset(yPointL(3, 4));
    yDrawPort b;
    b = a;
    EXPECT_TRUE(b.GetWorldExtentRect() == yRect(0, 0, 7, 12) && b.GetDrawOffset() == yPointL(3, 4));
    EXPECT_TRUE(b.GetForeColor() == yColor8(1, 2, 3) && b.GetBackColor() == yColor8(4, 5, 6));
    ASSERT_NE(b.GetPixelBasePtr(), nullptr);
    b.Fill(yRect(0, 0, 100, 100));
    EXPECT_EQ(a.GetPixel(0, 0), kWhite); // not shared
    // SetDrawPort with another port's device draws into that port.
    yDrawPort view;
    view.SetRecreateOnResize(false);
    EXPECT_TRUE(view.SetDrawPort(a.GetDevice()) == 0 && view.GetWidth() == 12);
    view.SetForeColor(9, 9, 9), view.Fill(yRect(0, 0, 1, 1));
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
    EXPECT_TRUE(port.GetHostContext() == &window && port.GetWidth() == 30);
    EXPECT_EQ(port.GetWorldExtentRect(), yRect(0, 0, 5, 7)); // the window's client area
    port.SetForeColor(1, 2, 3), port.Fill(yRect(-10, -10, 50, 50));
    for (size_t i = 0; i < 7 * 5 * 4; i += 4)
        ASSERT_EQ(pixels[i], 3) << i;
    EXPECT_EQ(pixels[7 * 5 * 4], 0xEE); // nothing past the surface
    EXPECT_EQ(port.GetPixel(0, 0), yColor8(1, 1, 1)); // a window answers with a grey of its red
    port.Erase(), port.Erase(yRect(0, 0, 2, 2)); // repaint requests, not fills
    EXPECT_TRUE(port.GetDevice()->RepaintRequests() == 2 && pixels[0] == 3);
    window.row_bytes = 3; // a malformed context draws nothing
    port.Fill(yRect(0, 0, 5, 5));
    EXPECT_EQ(port.GetPixel(0, 0), kBlack);
    port.Destroy();
    EXPECT_EQ(port.GetHostContext(), nullptr);
}
