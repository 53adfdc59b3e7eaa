#include "host/bridge/yAEDrawbotWindow.h"

#include "host/bridge/yAESuite.h"
#include "host/sdk/AE_ProfileCurrent.h"
#include "host/sdk/DrawbotSuite.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace yAE
{
namespace
{
// The largest window side we draw: beyond it a frame is not a panel.
constexpr int32_t kMaxSide = 16384;
} // namespace

void* DrawbotWindow::Cover(const PF_Rect& area)
{
    const int32_t width = std::min(area.right, kMaxSide);
    const int32_t height = std::min(area.bottom, kMaxSide);
    if (width <= 0 || height <= 0) return nullptr;
    const size_t bytes = size_t(width) * size_t(height) * 4;
    try
    {
        if (m_pixels.size() != bytes) m_pixels.assign(bytes, 0);
    }
    catch (const std::bad_alloc&)
    {
        m_pixels.clear();
        return nullptr;
    }
    m_surface = ZT_DrawSurface{ZT_DrawSurface_VERSION, m_pixels.data(), width, height, width * 4};
    return &m_surface;
}

bool DrawbotWindow::Present(const PF_InData* in_data, PF_ContextH context, const PF_Rect& area)
{
    if (!m_surface.pixels) return false;
    const int32_t left = std::max(area.left, 0), top = std::max(area.top, 0);
    const int32_t right = std::min(area.right, m_surface.width),
                  bottom = std::min(area.bottom, m_surface.height);
    if (right <= left || bottom <= top) return true;

    Suite<PF_EffectCustomUISuite1> customUI(in_data, kPFEffectCustomUISuite,
                                            ae_current::kCustomUISuiteVersion);
    Suite<DRAWBOT_DrawbotSuite1> draw(in_data, kDRAWBOT_DrawSuite, ae_current::kDrawSuiteVersion);
    Suite<DRAWBOT_SupplierSuite1> supplier(in_data, kDRAWBOT_SupplierSuite,
                                           ae_current::kSupplierSuiteVersion);
    Suite<DRAWBOT_SurfaceSuite2> surface(in_data, kDRAWBOT_SurfaceSuite, ae_current::kSurfaceSuiteVersion);
    if (!customUI || !draw || !supplier || !surface || !customUI->PF_GetDrawingReference ||
        !draw->GetSupplier || !draw->GetSurface || !supplier->NewImageFromBuffer ||
        !supplier->ReleaseObject || !surface->DrawImage)
        return false;
    DRAWBOT_DrawRef drawing = nullptr;
    if (customUI->PF_GetDrawingReference(context, &drawing) != PF_Err_NONE || !drawing) return false;
    DRAWBOT_SupplierRef supplierRef = nullptr;
    DRAWBOT_SurfaceRef surfaceRef = nullptr;
    if (draw->GetSupplier(drawing, &supplierRef) != kSPNoError || !supplierRef ||
        draw->GetSurface(drawing, &surfaceRef) != kSPNoError || !surfaceRef)
        return false;

    // The memory is bottom-up; an image starts with its top row.
    const int32_t width = right - left, height = bottom - top;
    const size_t rowBytes = size_t(width) * 4;
    try
    {
        m_image.resize(rowBytes * size_t(height));
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
    for (int32_t y = 0; y < height; ++y)
    {
        const uint8_t* row =
            m_pixels.data() + size_t(m_surface.height - 1 - (top + y)) * size_t(m_surface.row_bytes);
        std::memcpy(m_image.data() + size_t(y) * rowBytes, row + size_t(left) * 4, rowBytes);
    }
    DRAWBOT_ImageRef image = nullptr;
    if (supplier->NewImageFromBuffer(supplierRef, width, height, int32_t(rowBytes),
                                     kDRAWBOT_PixelLayout_32BGR, m_image.data(), &image) != kSPNoError ||
        !image)
        return false;
    const DRAWBOT_PointF32 origin{float(left), float(top)};
    const bool drawn = surface->DrawImage(surfaceRef, image, &origin, 1.0f) == kSPNoError;
    supplier->ReleaseObject(reinterpret_cast<DRAWBOT_ObjectRef>(image));
    return drawn;
}
} // namespace yAE
