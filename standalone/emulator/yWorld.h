// Images as the host hands them to a module: an owning world with padded rows
// (so that code ignoring the row pitch shows up), and the host's block copy
// and fill over any world.
#pragma once

#include "host/sdk/AE_Effect.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace yStandalone
{
class yWorld
{
  public:
    // Every row carries kRowPadding bytes beyond its pixels.
    static constexpr int kRowPadding = 24;

    yWorld() = default;
    // Throws yOutOfMemory when the pixels cannot be had.
    yWorld(int width, int height, bool deep);
    yWorld(const yWorld& other);
    yWorld& operator=(const yWorld& other);
    yWorld(yWorld&& other) noexcept;
    yWorld& operator=(yWorld&& other) noexcept;

    // Every byte back to zero.
    void Clear();

    PF_EffectWorld& World() { return m_world; }
    const PF_EffectWorld& World() const { return m_world; }
    int Width() const { return m_world.width; }
    int Height() const { return m_world.height; }
    bool IsDeep() const { return (m_world.world_flags & PF_WorldFlag_DEEP) != 0; }

    PF_Pixel8& Pixel8(int x, int y);
    PF_Pixel16& Pixel16(int x, int y);
    const PF_Pixel8& Pixel8(int x, int y) const;
    const PF_Pixel16& Pixel16(int x, int y) const;

  private:
    // Zero-filled pixels of that many bytes, or yOutOfMemory.
    void Allocate(size_t bytes);
    void Bind();

    PF_EffectWorld m_world{};
    std::vector<uint8_t> m_pixels;
};

// Every n-th pixel of every n-th row: the world at 1/n of its size.
yWorld Downsampled(const yWorld& world, int n);

// Copies src's rectangle into dst's (null: the whole world), clipped to both
// worlds; a destination rectangle of another size takes the smaller extent.
PF_Err CopyWorld(const PF_EffectWorld* src, PF_EffectWorld* dst, const PF_Rect* srcRect,
                 const PF_Rect* dstRect);
// Fills a rectangle (null: the whole world) of an 8-bit or a deep world.
PF_Err FillWorld(const PF_Pixel8* color, const PF_Rect* rect, PF_EffectWorld* world);
PF_Err FillWorld16(const PF_Pixel16* color, const PF_Rect* rect, PF_EffectWorld* world);
} // namespace yStandalone
