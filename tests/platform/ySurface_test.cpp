#include "platform/ySurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

using yPlatform::Box;
using yPlatform::Device;
using yPlatform::Pen;
using yPlatform::Rgb;
using yPlatform::Surface;

namespace
{
using Points = std::set<std::pair<int, int>>;

// A 40-byte header and rows as stored in a bitmap resource.
std::vector<uint8_t> Dib(int32_t w, int32_t h, uint16_t bits, uint32_t compression = 0, uint32_t headerSize = 40)
{
    std::vector<uint8_t> d;
    auto u32 = [&](uint32_t v) { d.insert(d.end(), {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}); };
    u32(headerSize), u32(uint32_t(w)), u32(uint32_t(h)), u32(1u | uint32_t(bits) << 16), u32(compression);
    for (int i = 0; i < 5; ++i)
        u32(0);
    const size_t row = (size_t(w < 0 ? 0 : w) * (bits / 8) + 3) & ~size_t(3);
    for (size_t i = 0; i < row * size_t(h < 0 ? -h : h); ++i)
        d.push_back(uint8_t(i));
    return d;
}

// The pixels a line puts on a 20 x 20 surface.
Points LinePixels(int x0, int y0, int x1, int y1)
{
    auto s = Surface::Create(20, 20);
    auto d = Device::CreateMemory();
    d->Select(s.get()), d->MoveTo(x0, y0), d->LineTo(x1, y1);
    Points p;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if (s->PixelAt(x, y)[3] == 255)
                p.insert({x, y});
    return p;
}
} // namespace

TEST(ySurface, CreateAndWrapRefuseUnusableSizes)
{
    const int32_t m = Surface::kMaxSide;
    const int32_t refused[][2] = {{0, 10}, {10, 0}, {-1, 10}, {m + 1, 1}, {1, m + 1}};
    for (auto const& size : refused)
        EXPECT_FALSE(Surface::Create(size[0], size[1])) << size[0] << " x " << size[1];
    EXPECT_TRUE(Surface::Create(m, 1) && Surface::Create(1, m));
    auto s = Surface::Create(3, 2);
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->Stride() == 12 && std::count(s->Bits(), s->Bits() + 24, 0) == 24); // cleared
    // Bottom-up: row 0 (top) is the last in memory.
    EXPECT_TRUE(s->Row(0) == s->Bits() + 12 && s->Row(1) == s->Bits() && s->Row(2) == nullptr);
    EXPECT_EQ(s->PixelAt(2, 1), s->Bits() + 8);
    EXPECT_TRUE(s->PixelAt(3, 0) == nullptr && s->PixelAt(-1, 0) == nullptr && s->PixelAt(0, -1) == nullptr);
    auto topDown = Surface::Create(3, 2, false);
    EXPECT_EQ(topDown->Row(0), topDown->Bits());

    std::vector<uint8_t> mem(64);
    // No memory, a stride shorter than a row, no width; then exactly a row and a single pixel.
    EXPECT_FALSE(Surface::Wrap(nullptr, 2, 2, 8, true) || Surface::Wrap(mem.data(), 4, 2, 15, true) ||
                 Surface::Wrap(mem.data(), 0, 2, 16, true));
    EXPECT_TRUE(Surface::Wrap(mem.data(), 4, 2, 16, true) && Surface::Wrap(mem.data(), 1, 1, 4, true));
    auto w = Surface::Wrap(mem.data(), 2, 2, 32, true);      // padded rows
    ASSERT_TRUE(w);
    EXPECT_EQ(w->PixelAt(1, 0), mem.data() + 32 + 4);
    auto t = Surface::Wrap(mem.data(), 2, 2, 32, false);
    EXPECT_EQ(t->PixelAt(1, 1), mem.data() + 32 + 4);
}

TEST(ySurface, ReadsStoredBitmaps)
{
    // 32 bits: the bytes as stored, bottom row first.
    auto d32 = Dib(2, 2, 32);
    auto s = Surface::FromDib(d32.data(), d32.size());
    ASSERT_TRUE(s);
    EXPECT_EQ(s->StoredBitsPerPixel(), 32);
    EXPECT_TRUE(s->PixelAt(0, 1)[0] == 0 && s->PixelAt(1, 0)[3] == 15); // the first stored pixel is the bottom-left one
    // 24 bits: rows padded to 4 bytes, a fourth byte of 255 added.
    auto d24 = Dib(3, 2, 24);
    auto t = Surface::FromDib(d24.data(), d24.size());
    ASSERT_TRUE(t);
    EXPECT_EQ(t->StoredBitsPerPixel(), 24);
    const uint8_t* p = t->PixelAt(0, 0); // the second stored row starts at byte 12
    EXPECT_EQ(p[0] << 24 | p[1] << 16 | p[2] << 8 | p[3], 12 << 24 | 13 << 16 | 14 << 8 | 255);
    EXPECT_TRUE(t->PixelAt(2, 0)[0] == 18 && t->PixelAt(2, 1)[2] == 8);
    // Malformed: truncated, wrong header, depth, compression, top-down, empty, huge.
    auto cut = Dib(4, 4, 32);
    cut.pop_back();
    EXPECT_FALSE(Surface::FromDib(cut.data(), cut.size()) || Surface::FromDib(d32.data(), 39) || Surface::FromDib(nullptr, 100));
    for (auto bad : {Dib(2, 2, 16), Dib(2, 2, 32, 3), Dib(2, 2, 32, 0, 108), Dib(2, -2, 32), Dib(0, 2, 32), Dib(2, 0, 32)})
        EXPECT_FALSE(Surface::FromDib(bad.data(), bad.size()));
    auto huge = Dib(1, 1, 32);
    huge[4] = 0xFF, huge[5] = 0xFF, huge[6] = 0xFF, huge[7] = 0x7F;
    EXPECT_FALSE(Surface::FromDib(huge.data(), huge.size()));
}

TEST(yDevice, LinesExcludeTheEndPixel)
{
    EXPECT_EQ(LinePixels(2, 2, 5, 2), (Points{{2, 2}, {3, 2}, {4, 2}}));
    EXPECT_EQ(LinePixels(5, 2, 2, 2), (Points{{5, 2}, {4, 2}, {3, 2}}));
    EXPECT_EQ(LinePixels(1, 4, 1, 1), (Points{{1, 4}, {1, 3}, {1, 2}}));
    EXPECT_EQ(LinePixels(3, 3, 3, 3), Points{});
    EXPECT_EQ(LinePixels(0, 0, 3, 3), (Points{{0, 0}, {1, 1}, {2, 2}}));
    // Steep: one pixel per row, the x rounded from the slope.
    EXPECT_EQ(LinePixels(0, 0, 2, 6), (Points{{0, 0}, {0, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 5}}));
    // Reversed, the same pixels but for the ends.
    EXPECT_EQ(LinePixels(6, 2, 0, 0), (Points{{6, 2}, {5, 2}, {4, 1}, {3, 1}, {2, 1}, {1, 0}}));
}

TEST(yDevice, LinesOfAnyLengthAreClippedCheaply)
{
    // Runs in the time of one surface side, not of the line's length.
    const Points p = LinePixels(-2000000000, -2000000000, 2000000000, 2000000000);
    EXPECT_TRUE(p.size() == 20u && p.count({0, 0}) && p.count({19, 19}));
    EXPECT_EQ(LinePixels(INT32_MIN, 5, INT32_MAX, 5).size(), 20u);
    EXPECT_LE(LinePixels(INT32_MAX, INT32_MIN, INT32_MIN, INT32_MAX).size(), 20u);
    EXPECT_TRUE(LinePixels(-50, 30, 50, 30).empty());
}

TEST(yDevice, PensBrushesAndNothingSelected)
{
    auto d = Device::CreateMemory();
    // Nothing selected: every call is harmless.
    d->LineTo(5, 5), d->FillBox(Box{0, 0, 10, 10}, yPlatform::Brush::Solid(Rgb{1, 2, 3})), d->SetPixel(0, 0, Rgb{});
    Rgb c;
    EXPECT_TRUE(!d->GetPixel(0, 0, c) && d->ClientBox().right == 0);

    auto s = Surface::Create(4, 4);
    d->Select(s.get());
    const Pen old = d->SelectPen(Pen{}); // the "none" pen draws nothing
    EXPECT_TRUE(old.valid);
    d->MoveTo(0, 0), d->LineTo(4, 0);
    EXPECT_EQ(s->PixelAt(0, 0)[3], 0);
    d->SelectPen(Pen::Solid(Rgb{10, 20, 30}));
    d->MoveTo(0, 0), d->LineTo(4, 0);
    ASSERT_TRUE(d->GetPixel(3, 0, c));
    EXPECT_TRUE(c == (Rgb{10, 20, 30}) && s->PixelAt(3, 0)[0] == 30); // blue first in memory
}

TEST(yDevice, CopyCutsToBothSurfacesAndHandlesOverlap)
{
    auto a = Surface::Create(4, 1), b = Surface::Create(3, 3);
    auto da = Device::CreateMemory(), db = Device::CreateMemory();
    da->Select(a.get()), db->Select(b.get());
    for (int x = 0; x < 4; ++x)
        da->SetPixel(x, 0, Rgb{uint8_t(10 * x + 10), 0, 0});

    // Overlapping copy within one surface: shift right by one.
    EXPECT_TRUE(Device::Copy(*da, 1, 0, 3, 1, *da, 0, 0));
    Rgb c;
    std::vector<int> reds;
    for (int x = 0; x < 4; ++x)
        da->GetPixel(x, 0, c), reds.push_back(c.red);
    EXPECT_EQ(reds, (std::vector<int>{10, 10, 20, 30}));
    // Partly outside both: only what fits is copied.
    EXPECT_TRUE(Device::Copy(*db, -1, 2, 10, 10, *da, 0, 0));
    EXPECT_TRUE(b->PixelAt(0, 2)[2] == 10 && b->PixelAt(2, 2)[2] == 30); // from source column 1
    EXPECT_EQ(b->PixelAt(0, 1)[3], 0);
    // Far outside, inverted, or without a surface: nothing.
    EXPECT_TRUE(Device::Copy(*db, INT32_MAX, INT32_MAX, INT32_MAX, 5, *da, INT32_MIN, 0));
    EXPECT_TRUE(Device::Copy(*db, 0, 0, -5, -5, *da, 0, 0));
    auto empty = Device::CreateMemory();
    EXPECT_FALSE(Device::Copy(*empty, 0, 0, 1, 1, *da, 0, 0));
}
