// The host's side of the Drawbot suites, through which a module of today's
// hosts draws its custom UI: one drawing reference for the window of the
// draw event that is running, its supplier and surface, and the images the
// module makes from its own pixels, drawn into the window's memory. Every
// reference the module passes is checked against what this host gave out.
#pragma once

#include "host/sdk/DrawbotSuite.h"
#include "host/sdk/ZT_DrawSurface.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace yStandalone
{
class yDrawbotHost
{
  public:
    // The window memory draws go into for the length of a draw event (null
    // outside one: no drawing reference is given then).
    void SetTarget(ZT_DrawSurface* window) { m_target = window; }
    ZT_DrawSurface* Target() const { return m_target; }

    DRAWBOT_DrawRef DrawRef() { return reinterpret_cast<DRAWBOT_DrawRef>(&m_drawToken); }
    DRAWBOT_SupplierRef Supplier() { return reinterpret_cast<DRAWBOT_SupplierRef>(&m_supplierToken); }
    DRAWBOT_SurfaceRef Surface() { return reinterpret_cast<DRAWBOT_SurfaceRef>(&m_surfaceToken); }
    bool IsDrawRef(DRAWBOT_DrawRef ref) const { return ref == reinterpret_cast<const void*>(&m_drawToken); }
    bool IsSupplier(DRAWBOT_SupplierRef ref) const
    {
        return ref == reinterpret_cast<const void*>(&m_supplierToken);
    }
    bool IsSurface(DRAWBOT_SurfaceRef ref) const
    {
        return ref == reinterpret_cast<const void*>(&m_surfaceToken);
    }

    // A copy of the module's pixels as an image; null when the description
    // is not one (no data, a side outside 1..16384, rows shorter than the
    // width, an unknown layout).
    DRAWBOT_ImageRef NewImage(int32_t width, int32_t height, int32_t rowBytes, DRAWBOT_PixelLayout layout,
                              const void* data);
    // False for anything but an image of this host not yet released.
    bool Release(DRAWBOT_ObjectRef object);
    // Draws the image with its top-left corner at origin (rounded down to
    // whole pixels) into the target, inside the clip; alpha scales its
    // coverage. False for an unknown image or no target.
    bool DrawImage(DRAWBOT_ImageRef image, const DRAWBOT_PointF32& origin, float alpha);
    // The clip is a stack: Push keeps it, Clip narrows it, Pop restores it.
    void Push();
    bool Pop();
    void Clip(const DRAWBOT_Rect32& rect);

    // Images made and not released: a module that leaves one leaks it.
    size_t LiveImages() const { return m_images.size(); }
    // Images drawn since the host was made.
    int ImagesDrawn() const { return m_drawn; }

  private:
    struct yImage
    {
        int32_t width = 0, height = 0;
        DRAWBOT_PixelLayout layout = 0;
        std::vector<uint8_t> pixels; // rows of the module's layout, packed
    };
    struct yBox
    {
        int32_t left, top, right, bottom;
    };
    yImage* Find(const void* ref);

    char m_drawToken = 0, m_supplierToken = 0, m_surfaceToken = 0;
    ZT_DrawSurface* m_target = nullptr;
    std::vector<std::unique_ptr<yImage>> m_images;
    std::vector<yBox> m_clips;   // the innermost last; none is the whole target
    std::vector<size_t> m_saved; // clip depths pushed
    int m_drawn = 0;
};
} // namespace yStandalone
