#include "draw/yCompositeBlend.h"
#include "draw/yDrawPort.h"

#include "host/sdk/AE_Effect.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{
uint8_t* Bytes(yDrawPort const& port, long x, long y)
{
    auto* base = reinterpret_cast<uint8_t*>(port.GetPixelBasePtr());
    return base + (port.GetHeight() - 1 - y) * port.GetRowBytes() + 4 * x;
}

// A created port with every pixel set to blue b, green g, red r and fourth
// byte a; b < 0 makes the pixels name their position: blue x, green y (from
// the top), red 99, full coverage.
void Make(yDrawPort& port, long w, long h, int b, uint8_t g = 0, uint8_t r = 0, uint8_t a = 0)
{
    port.SetSize(w, h);
    ASSERT_EQ(port.Create(), 0);
    for (long y = 0; y < h; ++y)
        for (long x = 0; x < w; ++x)
        {
            uint8_t* p = Bytes(port, x, y);
            p[0] = uint8_t(b < 0 ? x : b), p[1] = uint8_t(b < 0 ? y : g), p[2] = b < 0 ? 99 : r, p[3] = b < 0 ? 255 : a;
        }
}

int Changed(yDrawPort const& port)
{
    int changed = 0;
    for (long y = 0; y < port.GetHeight(); ++y)
        for (long x = 0; x < port.GetWidth(); ++x)
            changed += Bytes(port, x, y)[2] != 0;
    return changed;
}
} // namespace

TEST(yCompositeBlend, WorkedCasesAndBounds)
{
    using namespace yComposite;
    EXPECT_TRUE(Blend(255, 0, 128) == 128 && Blend(100, 200, 128) == 150); // 50 + 100
    EXPECT_EQ(Scale(255, OpacityFactor(0.5f)), 127);
    for (float f : {1.0f, -3.0f, 7.0f, 0.0f / 0.0f}) // out of range is clamped, NaN blends nothing
        EXPECT_EQ(OpacityFactor(f), f > 0 ? 255u : 0u) << f;
    for (unsigned s = 0; s < 256; ++s)
        for (unsigned d = 0; d < 256; ++d)
        {
            ASSERT_TRUE(Blend(s, d, 255) == s && Blend(s, d, 0) == d) << s << " " << d;
            for (unsigned a = 1; a < 255; a += 37) // between the two, within the rounding of the shifts
            {
                const int v = Blend(s, d, a), lo = int(std::min(s, d)), hi = int(std::max(s, d));
                ASSERT_TRUE(v >= lo - 1 && v <= hi + 1) << s << " " << d << " " << a;
            }
        }
}

TEST(yDrawPortComposite, BlendsByCoverageOrCopies)
{
    yDrawPort src, dst;
    Make(src, 4, 1, 255, 100, 7), Make(dst, 4, 1, 0, 200, 9, 33);
    const uint8_t coverage[4] = {255, 0, 128, 128};
    for (int x = 0; x < 4; ++x)
        Bytes(src, x, 0)[3] = coverage[x];
    src.CompositeTo(&dst, yRect(0, 0, 1, 4), yRect(0, 0, 1, 4), 1.0f, yDrawPort::kModeBlend);
    struct Row { uint8_t b, g, r; } const expected[4] = {
        {255, 100, 7}, // full coverage: the source
        {0, 200, 9},   // none: the destination exactly
        {128, 150, 9}, // half
        {128, 150, 9},
    };
    for (int x = 0; x < 4; ++x)
    {
        const uint8_t* p = Bytes(dst, x, 0);
        EXPECT_EQ(p[0] << 24 | p[1] << 16 | p[2] << 8 | p[3], expected[x].b << 24 | expected[x].g << 16 | expected[x].r << 8 | 33)
            << x; // the destination keeps its own fourth byte
    }
    Make(dst, 4, 1, 0, 0, 0, 0), Make(src, 4, 1, 255, 255, 255, 255);
    src.CompositeTo(&dst, yRect(0, 0, 1, 4), yRect(0, 0, 1, 4), 0.5f, yDrawPort::kModeBlend);
    EXPECT_EQ(Bytes(dst, 3, 0)[2], 127); // opacity 0.5 halves full coverage
    // Copy mode ignores coverage and opacity and sets the fourth byte.
    Make(src, 2, 2, 1, 2, 3, 0), Make(dst, 2, 2, 50, 50, 50, 7);
    src.CompositeTo(&dst, yRect(0, 0, 2, 2), yRect(0, 0, 2, 2), 0.25f, yDrawPort::kModeCopy);
    const uint8_t* p = Bytes(dst, 1, 1);
    EXPECT_EQ(p[0] << 24 | p[1] << 16 | p[2] << 8 | p[3], 1 << 24 | 2 << 16 | 3 << 8 | 255);
}

TEST(yDrawPortComposite, SourceRowsCountFromTheBottom)
{
    yDrawPort strip, dst;
    Make(strip, 1, 68, -1), Make(dst, 1, 17, 0); // each row names itself in green
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
    Make(src, 30, 30, -1), Make(dst, 10, 10, 0);
    dst.SetOrigin(yPointL(100, 200));
    // The destination rectangle sticks out 3 to the left and 4 above. The 3
    // columns cut on the left are cut from the source too; rows are read
    // upwards from the source rectangle's bottom (20, not cut here), so
    // destination (x, y) shows picture (13 + x, 10 + y).
    src.CompositeTo(&dst, yRect(196, 97, 206, 107), yRect(10, 10, 20, 20), 1.0f, yDrawPort::kModeBlend);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
        {
            const uint8_t* p = Bytes(dst, x, y);
            if (x < 7 && y < 6)
                ASSERT_TRUE(p[0] == 13 + x && p[1] == 10 + y) << x << "," << y;
            else
                ASSERT_EQ(p[2], 0) << x << "," << y << " lies outside the destination rectangle";
        }
    // The clip rectangle narrows what may change.
    Make(dst, 10, 10, 0);
    dst.SetClipRect(yRect(202, 102, 204, 104));
    src.CompositeTo(&dst, yRect(200, 100, 210, 110), yRect(10, 10, 20, 20), 1.0f, yDrawPort::kModeBlend);
    EXPECT_TRUE(Changed(dst) == 4 && Bytes(dst, 2, 2)[0] == 12 && Bytes(dst, 3, 3)[1] == 17);
}

TEST(yDrawPortComposite, NeverReadsOutsideTheSourceAndEndsDrawing)
{
    yDrawPort src, dst;
    Make(src, 4, 4, -1), Make(dst, 50, 50, 0);
    // Rectangles far larger than the source, reaching out of it on every side, inverted ones.
    src.CompositeTo(&dst, yRect(0, 0, 50, 50), yRect(-20, -20, 40, 40), 1.0f, 1);
    src.CompositeTo(&dst, yRect(-100000, -100000, 100000, 100000), yRect(-7, 3, 9, 2), 1.0f, 0);
    src.CompositeTo(&dst, yRect(10, 10, 0, 0), yRect(0, 0, 4, 4), 1.0f, 1);
    src.CompositeTo(nullptr, yRect(0, 0, 4, 4), yRect(0, 0, 4, 4), 1.0f, 1);
    // With matching rectangles the picture lands once, right side up.
    Make(dst, 50, 50, 0);
    dst.BeginDrawing();
    src.CompositeTo(&dst, yRect(0, 0, 50, 50), yRect(0, 0, 4, 4), 1.0f, 1);
    EXPECT_TRUE(Changed(dst) == 16 && Bytes(dst, 3, 3)[0] == 3 && Bytes(dst, 3, 3)[1] == 3 && Bytes(dst, 0, 3)[1] == 3);
    EXPECT_FALSE(dst.IsDrawing() || src.IsDrawing());
    // Rectangles that cut to nothing return before drawing begins or ends.
    src.BeginDrawing();
    src.CompositeTo(&dst, yRect(5, 5, 4, 4), yRect(0, 0, 2, 2), 1.0f, 1);
    EXPECT_TRUE(src.IsDrawing());
}

TEST(yDrawPortComposite, WritesIntoAnEightBitHostWorld)
{
    yDrawPort port;
    Make(port, 100, 50, -1);
    const int w = 120, h = 60, rowBytes = w * 4 + 12; // padded rows
    std::vector<uint8_t> pixels(size_t(rowBytes) * h, 0xAB);
    PF_LayerDef world{};
    world.data = reinterpret_cast<PF_PixelPtr>(pixels.data());
    world.rowbytes = rowBytes, world.width = w, world.height = h;
    world.world_flags = PF_WorldFlag_DEEP; // deep worlds are left alone
    port.CompositeTo(&world, yPointL(0, 0), 1.0f, 1, nullptr, 1);
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0xAB), long(pixels.size()));
    world.world_flags = 0;
    world.rowbytes = w * 4 - 4; // rows narrower than the width: refused, not written across
    port.CompositeTo(&world, yPointL(0, 0), 1.0f, 1, nullptr, 1);
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0xAB), long(pixels.size()));
    world.rowbytes = rowBytes;

    // Step 2: every second pixel, a 50 x 25 block at (5, 3), as alpha, red, green, blue.
    port.CompositeTo(&world, yPointL(5, 3), 1.0f, 1, nullptr, 2);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w + 3; ++x) // the padding too
        {
            const uint8_t* p = &pixels[size_t(y) * rowBytes + size_t(x) * 4];
            if (x >= 5 && x < 55 && y >= 3 && y < 28)
                ASSERT_TRUE(p[0] == 255 && p[1] == 99 && p[2] == (y - 3) * 2 && p[3] == (x - 5) * 2) << x << "," << y;
            else
                ASSERT_EQ(p[0], 0xAB) << x << "," << y;
        }
    // Placed partly outside, only the part inside the world is written.
    std::fill(pixels.begin(), pixels.end(), 0);
    port.CompositeTo(&world, yPointL(-90, 30), 1.0f, 1, nullptr, 1);
    EXPECT_EQ(pixels[size_t(39) * rowBytes + 3], 90); // the world's first column
    EXPECT_EQ(pixels[size_t(39) * rowBytes + 9 * 4 + 3], 99);
    EXPECT_EQ(pixels[size_t(29) * rowBytes + 1] + pixels[size_t(30) * rowBytes + 10 * 4 + 1], 0);
    port.CompositeTo(nullptr, yPointL(0, 0), 1.0f, 1, nullptr, 0);
}
