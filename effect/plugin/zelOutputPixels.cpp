#include "zelOutputPixels.h"

#include <cstring>

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "8-bit pixels are read as little-endian words");

namespace zelTonescope
{
zelOutputPixels::zelOutputPixels(const bool channelShown[4], bool selectionShown, uint32_t selectionFirst,
                                 uint32_t selectionLast, const yColor8& highlight)
    : m_shown{channelShown[0], channelShown[1], channelShown[2], channelShown[3]},
      m_selectionShown(selectionShown), m_first(selectionFirst), m_last(selectionLast)
{
    m_keeps = m_shown[0] && m_shown[1] && m_shown[2] && m_shown[3] && !m_selectionShown;
    m_highlight8 = {255, highlight.red, highlight.green, highlight.blue};
    m_highlight16 = {kFull16, Widen(highlight.red), Widen(highlight.green), Widen(highlight.blue)};
}

uint16_t zelOutputPixels::Widen(uint8_t c)
{
    const uint32_t wide = uint32_t(c) * 128u + uint32_t(c) / 2u;
    return static_cast<uint16_t>(wide > kFull16 ? kFull16 : wide);
}

// Written without branches on the pixel, so that the compiler can work on
// several pixels at once: masks stand for the shown flags, and first <= v <=
// last is one unsigned comparison of v - first against the span.
template <class PixelT, class ValueT>
void zelOutputPixels::ApplyAs(PixelT* pixels, int32_t count, ValueT full, const PixelT& highlight) const
{
    const ValueT maskA = m_shown[0] ? ValueT(~ValueT(0)) : ValueT(0);
    const ValueT maskB = m_shown[1] ? ValueT(~ValueT(0)) : ValueT(0);
    const ValueT maskC = m_shown[2] ? ValueT(~ValueT(0)) : ValueT(0);
    const ValueT maskD = m_shown[3] ? ValueT(~ValueT(0)) : ValueT(0);
    const ValueT fillD = ValueT(full & ~maskD);
    // An inverted selection selects nothing.
    const bool selecting = m_selectionShown && m_first <= m_last;
    const uint32_t first = m_first;
    const uint32_t span = m_last - m_first;
    const uint32_t testA = selecting && m_shown[0] ? 1u : 0u;
    const uint32_t testB = selecting && m_shown[1] ? 1u : 0u;
    const uint32_t testC = selecting && m_shown[2] ? 1u : 0u;
    const uint32_t testD = selecting && m_shown[3] ? 1u : 0u;
    for (int32_t i = 0; i < count; ++i)
    {
        PixelT& p = pixels[i];
        const ValueT a = ValueT(p.red & maskA);
        const ValueT b = ValueT(p.green & maskB);
        const ValueT c = ValueT(p.blue & maskC);
        const ValueT d = ValueT((p.alpha & maskD) | fillD);
        const uint32_t selected = (testA & uint32_t(uint32_t(a) - first <= span)) |
                                  (testB & uint32_t(uint32_t(b) - first <= span)) |
                                  (testC & uint32_t(uint32_t(c) - first <= span)) |
                                  (testD & uint32_t(uint32_t(d) - first <= span));
        p.alpha = selected ? highlight.alpha : d;
        p.red = selected ? highlight.red : a;
        p.green = selected ? highlight.green : b;
        p.blue = selected ? highlight.blue : c;
    }
}

// Each 8-bit pixel is handled as one 32-bit word (alpha in the low byte on
// this little-endian layout), which the compiler turns into vector code.
void zelOutputPixels::Apply(PF_Pixel* pixels, int32_t count) const
{
    if (m_keeps) return;
    const uint32_t keep = (m_shown[3] ? 0xFFu : 0u) | (m_shown[0] ? 0xFF00u : 0u) | (m_shown[1] ? 0xFF0000u : 0u) |
                          (m_shown[2] ? 0xFF000000u : 0u);
    const uint32_t fill = m_shown[3] ? 0u : 0xFFu;
    const uint32_t highlight = uint32_t(m_highlight8.alpha) | uint32_t(m_highlight8.red) << 8 |
                               uint32_t(m_highlight8.green) << 16 | uint32_t(m_highlight8.blue) << 24;
    const bool selecting = m_selectionShown && m_first <= m_last;
    const uint32_t first = m_first;
    const uint32_t span = m_last - m_first;
    const uint32_t testA = selecting && m_shown[0] ? 1u : 0u;
    const uint32_t testB = selecting && m_shown[1] ? 1u : 0u;
    const uint32_t testC = selecting && m_shown[2] ? 1u : 0u;
    const uint32_t testD = selecting && m_shown[3] ? 1u : 0u;
    auto* bytes = reinterpret_cast<unsigned char*>(pixels);
    for (int32_t i = 0; i < count; ++i)
    {
        uint32_t w;
        std::memcpy(&w, bytes + 4 * i, 4);
        w = (w & keep) | fill;
        const uint32_t d = w & 0xFFu;
        const uint32_t a = (w >> 8) & 0xFFu;
        const uint32_t b = (w >> 16) & 0xFFu;
        const uint32_t c = w >> 24;
        const uint32_t selected = (testA & uint32_t(a - first <= span)) | (testB & uint32_t(b - first <= span)) |
                                  (testC & uint32_t(c - first <= span)) | (testD & uint32_t(d - first <= span));
        const uint32_t mask = 0u - selected;
        w = (highlight & mask) | (w & ~mask);
        std::memcpy(bytes + 4 * i, &w, 4);
    }
}

void zelOutputPixels::Apply(PF_Pixel16* pixels, int32_t count) const
{
    if (!m_keeps) ApplyAs<PF_Pixel16, A_u_short>(pixels, count, kFull16, m_highlight16);
}
} // namespace zelTonescope
