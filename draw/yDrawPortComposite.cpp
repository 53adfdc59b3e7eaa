// Compositing a port into another port or into an 8-bit host image.
#include "draw/yCompositeBlend.h"
#include "draw/yDrawPort.h"
#include "draw/yDrawingScope.h"

#include "host/sdk/AE_Effect.h"

#include <algorithm>

namespace
{
int32_t Pin(int64_t v) { return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

yRect Shifted(yRect const& r, int64_t dl, int64_t dt, int64_t dr, int64_t db, yPointL const& origin)
{
    return yRect(Pin(r.top + dt - origin.y), Pin(r.left + dl - origin.x), Pin(r.bottom + db - origin.y),
                 Pin(r.right + dr - origin.x));
}
} // namespace

bool yDrawPort::CutForComposite(yDrawPort const& dst, yRect& dstRect, yRect& srcRect) const
{
    // What of the destination may change: its extent within its clip rectangle.
    const yRect extent = dst.GetWorldExtentRect();
    const int64_t visLeft = std::max<int64_t>(extent.left, int64_t(dst.m_clip.left) + dst.m_origin.x);
    const int64_t visTop = std::max<int64_t>(extent.top, int64_t(dst.m_clip.top) + dst.m_origin.y);
    const int64_t visRight = std::min<int64_t>(extent.right, int64_t(dst.m_clip.right) + dst.m_origin.x);
    const int64_t visBottom = std::min<int64_t>(extent.bottom, int64_t(dst.m_clip.bottom) + dst.m_origin.y);
    // Whatever is cut from the destination is cut from the source on the
    // same side, so the visible part shows the same source pixels.
    const int64_t dl = std::max<int64_t>(visLeft - dstRect.left, 0);
    const int64_t dt = std::max<int64_t>(visTop - dstRect.top, 0);
    const int64_t dr = std::min<int64_t>(visRight - dstRect.right, 0);
    const int64_t db = std::min<int64_t>(visBottom - dstRect.bottom, 0);
    dstRect = Shifted(dstRect, dl, dt, dr, db, dst.m_origin);
    srcRect = Shifted(srcRect, dl, dt, dr, db, m_origin);
    // Equal edges go on and change nothing.
    return dstRect.right >= dstRect.left && dstRect.bottom >= dstRect.top && srcRect.right >= srcRect.left &&
           srcRect.bottom >= srcRect.top;
}

void yDrawPort::CompositeTo(yDrawPort* dst, yRect dstRect, yRect srcRect, float const& opacity, short const& mode)
{
    if (!dst || !CutForComposite(*dst, dstRect, srcRect))
        return;
    // Both passes end when compositing is done, whoever began them.
    yDrawingScope dstPass(*dst, yDrawingScope::kEndPass);
    yDrawingScope ownPass(*this, yDrawingScope::kEndPass);

    // Only the block the picture lands on goes through a scratch copy, read
    // once and written back once: a small control costs its own size, not
    // the whole port's.
    const int64_t left = std::max<int64_t>(dstRect.left, 0), top = std::max<int64_t>(dstRect.top, 0);
    const int64_t right = std::min<int64_t>(dstRect.right, dst->m_width);
    const int64_t bottom = std::min<int64_t>(dstRect.bottom, dst->m_height);
    if (right <= left || bottom <= top)
        return;
    auto scratchDevice = yPlatform::Device::CreateMemory();
    if (!scratchDevice)
        return;
    const int32_t blockW = int32_t(right - left), blockH = int32_t(bottom - top);
    auto scratch = yPlatform::Surface::Create(blockW, blockH, false);
    if (scratch && dst->m_device)
    {
        scratchDevice->Select(scratch.get());
        yPlatform::Device::Copy(*scratchDevice, 0, 0, blockW, blockH, *dst->m_device, int32_t(left), int32_t(top));
    }

    const yPlatform::Surface* source = m_surface.get();
    if (scratch && source)
    {
        const unsigned op = yComposite::OpacityFactor(opacity);
        const int64_t rows = int64_t(dstRect.bottom) - dstRect.top, cols = int64_t(dstRect.right) - dstRect.left;
        const int64_t srcH = source->Height(), srcW = source->Width();
        // Source rows count from the bottom of the picture: destination row i
        // reads memory row (source bottom - 1 - i). Rows and columns that
        // would fall outside the source or the block are skipped.
        const int64_t iBegin = std::max<int64_t>({0, int64_t(srcRect.bottom) - srcH, top - dstRect.top});
        const int64_t iEnd = std::min<int64_t>({rows, srcRect.bottom, bottom - dstRect.top});
        const int64_t jBegin = std::max<int64_t>({0, -int64_t(srcRect.left), left - dstRect.left});
        const int64_t jEnd = std::min<int64_t>({cols, srcW - srcRect.left, right - dstRect.left});
        const uint8_t* srcBits = source->Bits();
        const int64_t stride = source->Stride();
        for (int64_t i = iBegin; i < iEnd; ++i)
        {
            uint8_t* d = scratch->PixelAt(int32_t(dstRect.left + jBegin - left), int32_t(dstRect.top + i - top));
            const uint8_t* s = srcBits + (srcRect.bottom - 1 - i) * stride + (srcRect.left + jBegin) * 4;
            for (int64_t j = jBegin; j < jEnd; ++j, d += 4, s += 4)
            {
                if (mode != kModeBlend)
                {
                    d[0] = s[0];
                    d[1] = s[1];
                    d[2] = s[2];
                    d[3] = 255;
                    continue;
                }
                // The fourth byte is coverage whatever the source's alpha flag says.
                const unsigned a = yComposite::Scale(s[3], op);
                d[0] = yComposite::Blend(s[0], d[0], a);
                d[1] = yComposite::Blend(s[1], d[1], a);
                d[2] = yComposite::Blend(s[2], d[2], a);
            }
        }
    }
    if (scratch && dst->m_device)
        yPlatform::Device::Copy(*dst->m_device, int32_t(left), int32_t(top), blockW, blockH, *scratchDevice, 0, 0);
}

void yDrawPort::CompositeTo(PF_LayerDef* world, yPointL const& at, float const&, short const&, yDrawPort*,
                            short step)
{
    if (!world || (world->world_flags & PF_WorldFlag_DEEP) || !world->data || world->width <= 0 ||
        world->height <= 0 || world->rowbytes < int64_t(world->width) * 4)
        return;
    const int64_t stepSize = std::max<short>(step, 1);
    yRect extent = GetWorldExtentRect();
    yRect whole(0, 0, world->height, world->width);
    ResolveRects(extent, whole);
    const int64_t rows = std::max<int64_t>(int64_t(extent.bottom) - extent.top, 0) / stepSize;
    const int64_t cols = std::max<int64_t>(int64_t(extent.right) - extent.left, 0) / stepSize;
    auto* base = reinterpret_cast<uint8_t*>(world->data);
    for (int64_t r = 0; r < rows; ++r)
    {
        const int64_t y = int64_t(at.y) + r;
        if (y < 0 || y >= world->height)
            continue;
        for (int64_t c = 0; c < cols; ++c)
        {
            const int64_t x = int64_t(at.x) + c;
            if (x < 0 || x >= world->width)
                continue;
            const yColor8 p = GetPixel(long(c * stepSize), long(r * stepSize));
            uint8_t* out = base + y * world->rowbytes + x * 4;
            out[0] = p.alpha;
            out[1] = p.red;
            out[2] = p.green;
            out[3] = p.blue;
        }
    }
}
