#include "zelOutputPixels.h"

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

template <class PixelT, class ValueT>
void zelOutputPixels::ApplyAs(PixelT* pixels, int32_t count, ValueT full, const PixelT& highlight) const
{
    for (int32_t i = 0; i < count; ++i)
    {
        PixelT& p = pixels[i];
        const ValueT a = m_shown[0] ? p.red : ValueT(0);
        const ValueT b = m_shown[1] ? p.green : ValueT(0);
        const ValueT c = m_shown[2] ? p.blue : ValueT(0);
        const ValueT d = m_shown[3] ? p.alpha : full;
        if (m_selectionShown)
        {
            const bool selected = (m_shown[0] && m_first <= a && a <= m_last) ||
                                  (m_shown[1] && m_first <= b && b <= m_last) ||
                                  (m_shown[2] && m_first <= c && c <= m_last) ||
                                  (m_shown[3] && m_first <= d && d <= m_last);
            if (selected)
            {
                p = highlight;
                continue;
            }
        }
        p.alpha = d;
        p.red = a;
        p.green = b;
        p.blue = c;
    }
}

void zelOutputPixels::Apply(PF_Pixel* pixels, int32_t count) const
{
    if (!m_keeps) ApplyAs<PF_Pixel, A_u_char>(pixels, count, 255, m_highlight8);
}

void zelOutputPixels::Apply(PF_Pixel16* pixels, int32_t count) const
{
    if (!m_keeps) ApplyAs<PF_Pixel16, A_u_short>(pixels, count, kFull16, m_highlight16);
}
} // namespace zelTonescope
