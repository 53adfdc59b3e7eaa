// The window device of one draw event: what the host hands to the module for
// the window, over the host's pixels. On POSIX that is the ZT_DrawSurface
// itself; on Windows a GDI memory device with a DIB section that holds a copy
// of the pixels, copied back when the event is over.
#pragma once

#include "host/sdk/ZT_DrawSurface.h"

namespace yStandalone
{
class yWindowDevice
{
  public:
    explicit yWindowDevice(ZT_DrawSurface& surface);
    ~yWindowDevice();
    yWindowDevice(const yWindowDevice&) = delete;
    yWindowDevice& operator=(const yWindowDevice&) = delete;

    // The context the module's get_cgraf_data receives; null when the device
    // could not be made.
    void* Context() const { return m_context; }
    // Puts what the module drew into the surface's pixels.
    void Finish();

  private:
    ZT_DrawSurface& m_surface;
    void* m_context = nullptr;
    void* m_bitmap = nullptr; // Windows: the DIB section, or a device-dependent bitmap
    void* m_replaced = nullptr; // Windows: the bitmap it replaced in the device
    void* m_bits = nullptr; // the DIB section's pixels; null for the other bitmap
};
} // namespace yStandalone
