// Choosing a device's font: the same on both platforms.
#include "platform/posix/yTextEngine.h"

#include <algorithm>
#include <cstring>

namespace yPlatform
{
uint32_t FontResourceFor(const char* face, bool bold, bool italic)
{
    const uint32_t base = face && std::strcmp(face, "Verdana") == 0 ? kVerdanaBase : kArialBase;
    return base + (bold ? 1 : 0) + (italic ? 2 : 0);
}

void Device::SelectFont(const char* face, int32_t cellHeight, int32_t weight, bool italic, bool underline)
{
    if (!m_font)
        m_font.reset(new FontState);
    m_font->resource = FontResourceFor(face, weight >= 700, italic);
    m_font->cellHeight = cellHeight > 0 ? std::min(cellHeight, kMaxCellHeight) : kDefaultCellHeight;
    m_font->underline = underline;
}
} // namespace yPlatform
