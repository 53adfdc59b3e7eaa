#include "draw/yCompositeBlend.h"
#include "draw/yDrawPort.h"

#include "host/sdk/AE_Effect.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
uint8_t* Bytes(yDrawPort const& port, long x, long y)
{
    auto* base = reinterpret_cast<uint8_t*>(port.GetPixelBasePtr());
    return base + (port.GetHeight() - 1 - y) * port.GetRowBytes() + 4 * x;
}

void Make(yDrawPort& port, long w, long h)
{
    port.SetSize(w, h);
    ASSERT_EQ(port.Create(), 0);
}

// Every pixel set to blue b, green g, red r and fourth byte a.
void Paint(yDrawPort& port, uint8_t b, uint8_t g, uint8_t r, uint8_t a)
{
    for (long y = 0; y < port.GetHeight(); ++y)
        for (long x = 0; x < port.GetWidth(); ++x)
        {
            uint8_t* p = Bytes(port, x, y);
            p[0] = b, p[1] = g, p[2] = r, p[3] = a;
        }
}

// A source whose pixels name their position: blue x, green y (from the top),
// full coverage.
void PaintCoordinates(yDrawPort& port)
{
    for (long y = 0; y < port.GetHeight(); ++y)
        for (long x = 0; x < port.GetWidth(); ++x)
        {
            uint8_t* p = Bytes(port, x, y);
            p[0] = uint8_t(x), p[1] = uint8_t(y), p[2] = 99, p[3] = 255;
        }
}
} // namespace

TEST(yCompositeBlend, WorkedCases)
{
    using namespace yComposite;
    EXPECT_EQ(Blend(255, 0, 128), 128);   // the source byte is full, so its term is the coverage
    EXPECT_EQ(Blend(100, 200, 128), 150); // 50 + 100
    EXPECT_EQ(OpacityFactor(0.5f), 127u);
    EXPECT_EQ(Scale(255, OpacityFactor(0.5f)), 127);
    EXPECT_EQ(OpacityFactor(1.0f), 255u);
    EXPECT_EQ(OpacityFactor(-3.0f), 0u);
    EXPECT_EQ(OpacityFactor(7.0f), 255u);
    EXPECT_EQ(OpacityFactor(0.0f / 0.0f), 0u); // NaN blends nothing
    for (unsigned s = 0; s < 256; ++s)
        for (unsigned d = 0; d < 256; ++d)
        {
            ASSERT_EQ(Blend(s, d, 255), s);
            ASSERT_EQ(Blend(s, d, 0), d);
            // Any coverage lands between the two (within the rounding of the shifts).
            for (unsigned a = 1; a < 255; a += 37)
            {
                const int v = Blend(s, d, a), lo = int(std::min(s, d)), hi = int(std::max(s, d));
                ASSERT_GE(v, lo - 1) << s << " " << d << " " << a;
                ASSERT_LE(v, hi + 1) << s << " " << d << " " << a;
            }
        }
}

TEST(yDrawPortComposite, BlendsByCoverageAndKeepsDestinationAlpha)
{
    yDrawPort src, dst;
    Make(src, 4, 1);
    Make(dst, 4, 1);
    const uint8_t coverage[4] = {255, 0, 128, 128};
    for (int x = 0; x < 4; ++x)
    {
        uint8_t* s = Bytes(src, x, 0);
        s[0] = 255, s[1] = 100, s[2] = 7, s[3] = coverage[x];
        uint8_t* d = Bytes(dst, x, 0);
        d[0] = 0, d[1] = 200, d[2] = 9, d[3] = 33;
    }
    src.CompositeTo(&dst, yRect(0, 0, 1, 4), yRect(0, 0, 1, 4), 1.0f, yDrawPort::kModeBlend);
    EXPECT_EQ(Bytes(dst, 0, 0)[0], 255);
    EXPECT_EQ(Bytes(dst, 0, 0)[2], 7);
    EXPECT_EQ(Bytes(dst, 1, 0)[0], 0); // coverage 0 leaves it exactly
    EXPECT_EQ(Bytes(dst, 1, 0)[1], 200);
    EXPECT_EQ(Bytes(dst, 2, 0)[0], 128);
    EXPECT_EQ(Bytes(dst, 2, 0)[1], 150);
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(Bytes(dst, x, 0)[3], 33) << x;

    // Opacity 0.5 halves full coverage to 127.
    Paint(dst, 0, 0, 0, 0);
    Paint(src, 255, 255, 255, 255);
    src.CompositeTo(&dst, yRect(0, 0, 1, 4), yRect(0, 0, 1, 4), 0.5f, yDrawPort::kModeBlend);
    EXPECT_EQ(Bytes(dst, 3, 0)[2], 127);
}

TEST(yDrawPortComposite, CopyModeIgnoresCoverage)
{
    yDrawPort src, dst;
    Make(src, 2, 2);
    Make(dst, 2, 2);
    Paint(src, 1, 2, 3, 0);
    Paint(dst, 50, 50, 50, 7);
    src.CompositeTo(&dst, yRect(0, 0, 2, 2), yRect(0, 0, 2, 2), 0.25f, yDrawPort::kModeCopy);
    const uint8_t* p = Bytes(dst, 1, 1);
    EXPECT_EQ(p[0], 1);
    EXPECT_EQ(p[1], 2);
    EXPECT_EQ(p[2], 3);
    EXPECT_EQ(p[3], 255);
}

TEST(yDrawPortComposite, SourceRowsCountFromTheBottom)
{
    // A strip 68 rows high, each row naming itself in green.
    yDrawPort strip, dst;
    Make(strip, 1, 68);
    Make(dst, 1, 17);
    PaintCoordinates(strip);
    strip.CompositeTo(&dst, yRect(0, 0, 17, 1), yRect(51, 0, 68, 1), 1.0f, yDrawPort::kModeBlend);
    for (int y = 0; y < 17; ++y)
        EXPECT_EQ(Bytes(dst, 0, y)[1], y) << "the top 17 rows, not mirrored";
    strip.CompositeTo(&dst, yRect(0, 0, 17, 1), yRect(0, 0, 17, 1), 1.0f, yDrawPort::kModeBlend);
    for (int y = 0; y < 17; ++y)
        EXPECT_EQ(Bytes(dst, 0, y)[1], 51 + y) << "the bottom 17 rows";
}

TEST(yDrawPortComposite, CutsTheDestinationAndMovesTheSourceAlong)
{
    yDrawPort src, dst;
    Make(src, 30, 30);
    Make(dst, 10, 10);
    PaintCoordinates(src);
    // Columns: the 3 cut on the left are cut from the source too, so each
    // visible column shows the source column it showed uncut. Rows: they are
    // read upwards from the source rectangle's bottom (20, not cut here), so
    // destination row i shows picture row 30 - 20 + i.
    auto expectedAt = [](int dx, int dy) { return std::make_pair(13 + dx, 10 + dy); };
    dst.SetOrigin(yPointL(100, 200));
    Paint(dst, 0, 0, 0, 0);
    // The destination rectangle sticks out 3 to the left and 4 above.
    src.CompositeTo(&dst, yRect(196, 97, 206, 107), yRect(10, 10, 20, 20), 1.0f, yDrawPort::kModeBlend);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
        {
            const uint8_t* p = Bytes(dst, x, y);
            if (x < 7 && y < 6)
            {
                const auto e = expectedAt(x, y);
                ASSERT_EQ(p[0], e.first) << x << "," << y;
                ASSERT_EQ(p[1], e.second) << x << "," << y;
            }
            else
                ASSERT_EQ(p[2], 0) << x << "," << y << " lies outside the destination rectangle";
        }

    // The clip rectangle narrows what may change.
    Paint(dst, 0, 0, 0, 0);
    dst.SetClipRect(yRect(202, 102, 204, 104));
    src.CompositeTo(&dst, yRect(200, 100, 210, 110), yRect(10, 10, 20, 20), 1.0f, yDrawPort::kModeBlend);
    int changed = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            changed += Bytes(dst, x, y)[2] != 0;
    EXPECT_EQ(changed, 4);
    EXPECT_EQ(Bytes(dst, 2, 2)[0], 12);
}

TEST(yDrawPortComposite, NeverReadsOutsideTheSource)
{
    yDrawPort src, dst;
    Make(src, 4, 4);
    Make(dst, 50, 50);
    PaintCoordinates(src);
    Paint(dst, 0, 0, 0, 0);
    // A destination rectangle far larger than the source, source rectangles
    // reaching out of it on every side, and inverted ones.
    src.CompositeTo(&dst, yRect(0, 0, 50, 50), yRect(0, 0, 4, 4), 1.0f, 1);
    src.CompositeTo(&dst, yRect(0, 0, 50, 50), yRect(-20, -20, 40, 40), 1.0f, 1);
    src.CompositeTo(&dst, yRect(-100000, -100000, 100000, 100000), yRect(-7, 3, 9, 2), 1.0f, 0);
    src.CompositeTo(&dst, yRect(10, 10, 0, 0), yRect(0, 0, 4, 4), 1.0f, 1);
    src.CompositeTo(nullptr, yRect(0, 0, 4, 4), yRect(0, 0, 4, 4), 1.0f, 1);
    // With matching rectangles the picture lands once, right side up.
    Paint(dst, 0, 0, 0, 0);
    src.CompositeTo(&dst, yRect(0, 0, 50, 50), yRect(0, 0, 4, 4), 1.0f, 1);
    EXPECT_EQ(Bytes(dst, 3, 3)[0], 3);
    EXPECT_EQ(Bytes(dst, 3, 3)[1], 3);
    EXPECT_EQ(Bytes(dst, 4, 0)[2], 0);
    EXPECT_EQ(Bytes(dst, 0, 4)[2], 0);
}

TEST(yDrawPortComposite, EndsDrawingOnBothPorts)
{
    yDrawPort src, dst;
    Make(src, 2, 2);
    Make(dst, 2, 2);
    dst.BeginDrawing();
    src.CompositeTo(&dst, yRect(0, 0, 2, 2), yRect(0, 0, 2, 2), 1.0f, 1);
    EXPECT_FALSE(dst.IsDrawing());
    EXPECT_FALSE(src.IsDrawing());
    // Rectangles that cut to nothing return before drawing begins.
    src.BeginDrawing();
    src.CompositeTo(&dst, yRect(5, 5, 4, 4), yRect(0, 0, 2, 2), 1.0f, 1);
    EXPECT_TRUE(src.IsDrawing());
}

TEST(yDrawPortComposite, WritesIntoAnEightBitHostWorld)
{
    yDrawPort port;
    Make(port, 100, 50);
    for (long y = 0; y < 50; ++y)
        for (long x = 0; x < 100; ++x)
        {
            uint8_t* p = Bytes(port, x, y);
            p[0] = uint8_t(x), p[1] = uint8_t(y), p[2] = 7, p[3] = 0;
        }
    const int w = 120, h = 60, rowBytes = w * 4 + 12; // padded rows
    std::vector<uint8_t> pixels(size_t(rowBytes) * h, 0xAB);
    PF_LayerDef world{};
    world.data = reinterpret_cast<PF_PixelPtr>(pixels.data());
    world.rowbytes = rowBytes;
    world.width = w;
    world.height = h;

    // Deep worlds are left alone.
    world.world_flags = PF_WorldFlag_DEEP;
    port.CompositeTo(&world, yPointL(0, 0), 1.0f, 1, nullptr, 1);
    for (uint8_t b : pixels)
        ASSERT_EQ(b, 0xAB);

    // Step 2: every second pixel, a 50 x 25 block at (5, 3), as alpha, red,
    // green, blue; alpha 255 since a created port has no coverage.
    world.world_flags = 0;
    port.CompositeTo(&world, yPointL(5, 3), 1.0f, 1, nullptr, 2);
    int written = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            const uint8_t* p = &pixels[size_t(y) * rowBytes + size_t(x) * 4];
            const bool inside = x >= 5 && x < 55 && y >= 3 && y < 28;
            if (!inside)
            {
                ASSERT_EQ(p[0], 0xAB) << x << "," << y;
                continue;
            }
            ++written;
            ASSERT_EQ(p[0], 255);
            ASSERT_EQ(p[1], 7);
            ASSERT_EQ(p[2], (y - 3) * 2);
            ASSERT_EQ(p[3], (x - 5) * 2);
        }
    EXPECT_EQ(written, 50 * 25);
    for (int y = 0; y < h; ++y) // the padding stays
        ASSERT_EQ(pixels[size_t(y) * rowBytes + w * 4], 0xAB);

    // Placed partly outside, only the part inside the world is written.
    std::fill(pixels.begin(), pixels.end(), 0);
    port.CompositeTo(&world, yPointL(-90, 30), 1.0f, 1, nullptr, 1);
    EXPECT_EQ(pixels[size_t(39) * rowBytes + 0 * 4 + 3], 90);
    EXPECT_EQ(pixels[size_t(29) * rowBytes + 0 * 4 + 1], 0);
    port.CompositeTo(nullptr, yPointL(0, 0), 1.0f, 1, nullptr, 0);
}
