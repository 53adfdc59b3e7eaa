#include "standalone/emulator/yWindowDevice.h"

namespace yStandalone
{
// The module draws straight into the host's pixels.
yWindowDevice::yWindowDevice(ZT_DrawSurface& surface) : m_surface(surface), m_context(&surface) {}
yWindowDevice::~yWindowDevice() = default;
void yWindowDevice::Finish() {}
} // namespace yStandalone
