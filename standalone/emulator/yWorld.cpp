#include "standalone/emulator/yWorld.h"

#include "standalone/emulator/yOutOfMemory.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <utility>

namespace yStandalone
{
namespace
{
size_t PixelBytes(const PF_EffectWorld& world)
{
    return (world.world_flags & PF_WorldFlag_DEEP) ? sizeof(PF_Pixel16) : sizeof(PF_Pixel8);
}

uint8_t* Row(const PF_EffectWorld& world, int y)
{
    return reinterpret_cast<uint8_t*>(world.data) + std::ptrdiff_t(y) * world.rowbytes;
}

bool Usable(const PF_EffectWorld* world)
{
    return world && world->data && world->width >= 0 && world->height >= 0 &&
           size_t(world->rowbytes) >= size_t(world->width) * PixelBytes(*world);
}

// The rectangle (null: everything) clipped to the world.
PF_Rect Clip(const PF_Rect* rect, const PF_EffectWorld& world)
{
    PF_Rect r{0, 0, world.width, world.height};
    if (rect)
    {
        r.left = std::max(rect->left, 0);
        r.top = std::max(rect->top, 0);
        r.right = std::min(rect->right, world.width);
        r.bottom = std::min(rect->bottom, world.height);
    }
    return r;
}

template <class PixelT>
PF_Err Fill(const PixelT& color, const PF_Rect* rect, PF_EffectWorld* world, bool deep)
{
    if (!Usable(world) || ((world->world_flags & PF_WorldFlag_DEEP) != 0) != deep)
        return PF_Err_BAD_CALLBACK_PARAM;
    const PF_Rect r = Clip(rect, *world);
    if (r.right <= r.left) return PF_Err_NONE;
    for (int y = r.top; y < r.bottom; ++y)
    {
        auto* row = reinterpret_cast<PixelT*>(Row(*world, y));
        std::fill(row + r.left, row + r.right, color);
    }
    return PF_Err_NONE;
}
} // namespace

yWorld::yWorld(int width, int height, bool deep)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    m_world.world_flags = PF_WorldFlag_WRITEABLE | (deep ? PF_WorldFlag_DEEP : 0);
    m_world.width = width;
    m_world.height = height;
    m_world.rowbytes = A_long(size_t(width) * PixelBytes(m_world) + kRowPadding);
    m_world.extent_hint = {0, 0, width, height};
    m_world.pix_aspect_ratio = {1, 1};
    Allocate(size_t(m_world.rowbytes) * size_t(height));
}

yWorld::yWorld(const yWorld& other)
{
    *this = other;
}

yWorld& yWorld::operator=(const yWorld& other)
{
    if (this == &other) return *this;
    m_world = other.m_world;
    Allocate(other.m_pixels.size());
    std::copy(other.m_pixels.begin(), other.m_pixels.end(), m_pixels.begin());
    Bind();
    return *this;
}

yWorld::yWorld(yWorld&& other) noexcept
{
    *this = std::move(other);
}

yWorld& yWorld::operator=(yWorld&& other) noexcept
{
    m_world = other.m_world;
    m_pixels = std::move(other.m_pixels);
    Bind();
    other.m_world = PF_EffectWorld{};
    other.m_pixels.clear();
    return *this;
}

void yWorld::Allocate(size_t bytes)
{
    if (!TryResize(m_pixels, bytes))
        throw yOutOfMemory("a " + std::to_string(m_world.width) + " x " + std::to_string(m_world.height) +
                               (IsDeep() ? " 16" : " 8") + "-bit image",
                           bytes);
    Bind();
}

void yWorld::Clear()
{
    std::fill(m_pixels.begin(), m_pixels.end(), uint8_t(0));
}

void yWorld::Bind()
{
    m_world.data = m_pixels.empty() ? nullptr : reinterpret_cast<PF_PixelPtr>(m_pixels.data());
}

PF_Pixel8& yWorld::Pixel8(int x, int y)
{
    return reinterpret_cast<PF_Pixel8*>(Row(m_world, y))[x];
}
PF_Pixel16& yWorld::Pixel16(int x, int y)
{
    return reinterpret_cast<PF_Pixel16*>(Row(m_world, y))[x];
}
const PF_Pixel8& yWorld::Pixel8(int x, int y) const
{
    return reinterpret_cast<const PF_Pixel8*>(Row(m_world, y))[x];
}
const PF_Pixel16& yWorld::Pixel16(int x, int y) const
{
    return reinterpret_cast<const PF_Pixel16*>(Row(m_world, y))[x];
}

yWorld Downsampled(const yWorld& world, int n)
{
    n = std::max(n, 1);
    yWorld out((world.Width() + n - 1) / n, (world.Height() + n - 1) / n, world.IsDeep());
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x)
        {
            if (world.IsDeep())
                out.Pixel16(x, y) = world.Pixel16(x * n, y * n);
            else
                out.Pixel8(x, y) = world.Pixel8(x * n, y * n);
        }
    return out;
}

PF_Err CopyWorld(const PF_EffectWorld* src, PF_EffectWorld* dst, const PF_Rect* srcRect,
                 const PF_Rect* dstRect)
{
    if (!Usable(src) || !Usable(dst) || PixelBytes(*src) != PixelBytes(*dst))
        return PF_Err_BAD_CALLBACK_PARAM;
    // Clip both rectangles, keeping the two corners in step (64-bit, so that
    // no rectangle can overflow the arithmetic).
    const PF_Rect s32 = srcRect ? *srcRect : PF_Rect{0, 0, src->width, src->height};
    const PF_Rect d32 = dstRect ? *dstRect : s32;
    const int64_t shiftLeft = std::max({int64_t(0), -int64_t(s32.left), -int64_t(d32.left)});
    const int64_t shiftTop = std::max({int64_t(0), -int64_t(s32.top), -int64_t(d32.top)});
    const int64_t sLeft = s32.left + shiftLeft, dLeft = d32.left + shiftLeft;
    const int64_t sTop = s32.top + shiftTop, dTop = d32.top + shiftTop;
    const int64_t width = std::min({int64_t(s32.right) - sLeft, int64_t(d32.right) - dLeft,
                                    int64_t(src->width) - sLeft, int64_t(dst->width) - dLeft});
    const int64_t height = std::min({int64_t(s32.bottom) - sTop, int64_t(d32.bottom) - dTop,
                                     int64_t(src->height) - sTop, int64_t(dst->height) - dTop});
    if (width <= 0 || height <= 0) return PF_Err_NONE;
    const size_t bytes = size_t(width) * PixelBytes(*src);
    for (int64_t y = 0; y < height; ++y)
        std::memmove(Row(*dst, int(dTop + y)) + size_t(dLeft) * PixelBytes(*dst),
                     Row(*src, int(sTop + y)) + size_t(sLeft) * PixelBytes(*src), bytes);
    return PF_Err_NONE;
}

PF_Err FillWorld(const PF_Pixel8* color, const PF_Rect* rect, PF_EffectWorld* world)
{
    return Fill(color ? *color : PF_Pixel8{}, rect, world, false);
}

PF_Err FillWorld16(const PF_Pixel16* color, const PF_Rect* rect, PF_EffectWorld* world)
{
    return Fill(color ? *color : PF_Pixel16{}, rect, world, true);
}
} // namespace yStandalone
