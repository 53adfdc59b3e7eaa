// What "Render Output" makes of a converted pixel: channels that are not
// shown give way to black (alpha to full), and while the selection is shown a
// pixel with a shown channel inside the selection takes the highlight colour.
// Pixels hold channel A in red, B in green, C in blue and D in alpha.
#pragma once

#include "host/sdk/AE_Effect.h"
#include "draw/yColor.h"

#include <cstdint>

namespace zelTonescope
{
class zelOutputPixels
{
  public:
    static constexpr uint16_t kFull16 = 32768;

    zelOutputPixels(const bool channelShown[4], bool selectionShown, uint32_t selectionFirst, uint32_t selectionLast,
                    const yColor8& highlight);

    // True when every pixel stays as converted, so there is nothing to do.
    bool KeepsPixels() const { return m_keeps; }
    // Rewrites count converted pixels in place.
    void Apply(PF_Pixel* pixels, int32_t count) const;
    void Apply(PF_Pixel16* pixels, int32_t count) const;

    // A highlight component widened to 16 bits: c * 128 + c / 2, at most 32768.
    static uint16_t Widen(uint8_t c);

  private:
    // A pixel's components packed into one word, alpha lowest.
    template <class WordT, class PixelT> static WordT Word(const PixelT& p);

    bool m_shown[4];
    bool m_selectionShown;
    uint32_t m_first;
    uint32_t m_last;
    bool m_keeps;
    uint32_t m_span = 0;    // last - first
    uint32_t m_test[4] = {}; // 1 where a channel takes part in the selection test
    PF_Pixel m_highlight8;
    PF_Pixel16 m_highlight16;
};
} // namespace zelTonescope
