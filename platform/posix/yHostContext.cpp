#include "platform/posix/yHostContext.h"

#include "host/sdk/ZT_DrawSurface.h"

namespace yPlatform
{
bool ReadHostContext(const void* context, HostMemory& memory)
{
    const auto* s = static_cast<const ZT_DrawSurface*>(context);
    if (!s || s->version != ZT_DrawSurface_VERSION)
        return false;
    memory = HostMemory{s->pixels, s->width, s->height, s->row_bytes, true};
    return true;
}

// The host's own pixels were drawn into: nothing to hand over.
void PresentHostContext(const void*) {}
} // namespace yPlatform
