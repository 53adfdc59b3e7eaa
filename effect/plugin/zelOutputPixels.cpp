#include "effect/plugin/zelOutputPixels.h"

#include "base/yVectorClones.h"

#include <cstring>

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "pixels are read as little-endian words");

namespace zelTonescope
{
zelOutputPixels::zelOutputPixels(const bool channelShown[4], bool selectionShown, uint32_t selectionFirst,
                                 uint32_t selectionLast, const yColor8& highlight)
    : m_shown{channelShown[0], channelShown[1], channelShown[2], channelShown[3]},
      m_selectionShown(selectionShown), m_first(selectionFirst), m_last(selectionLast)
{
    m_keeps = m_shown[0] && m_shown[1] && m_shown[2] && m_shown[3] && !m_selectionShown;
    // first <= v <= last is one unsigned comparison of v - first with the
    // span; an inverted selection selects nothing.
    const bool selecting = m_selectionShown && m_first <= m_last;
    m_span = m_last - m_first;
    for (int k = 0; k < 4; ++k)
        m_test[k] = selecting && m_shown[k] ? 1u : 0u;
    m_highlight8 = {255, highlight.red, highlight.green, highlight.blue};
    m_highlight16 = {kFull16, Widen(highlight.red), Widen(highlight.green), Widen(highlight.blue)};
}

uint16_t zelOutputPixels::Widen(uint8_t c)
{
    const uint32_t wide = uint32_t(c) * 128u + uint32_t(c) / 2u;
    return static_cast<uint16_t>(wide > kFull16 ? kFull16 : wide);
}

namespace
{
// What the selection test needs: v is selected when v - first <= span for
// a channel whose test is 1.
struct Selection
{
    uint32_t first, span, testA, testB, testC, testD;
};

// A pixel is handled as one word (alpha in the lowest component on this
// little-endian layout) without branches, which the compiler turns into
// vector code: keep masks the shown channels, fill gives a hidden D its full
// value, and a selected pixel becomes the highlight word.
template <class WordT>
inline void ApplyWords(unsigned char* bytes, int32_t count, WordT keep, WordT fill, WordT highlight,
                       const Selection& s)
{
    constexpr int kBits = int(sizeof(WordT)) * 2; // bits of one component
    constexpr uint32_t kComponent = (1u << kBits) - 1u;
    const uint32_t first = s.first, span = s.span;
    const uint32_t testA = s.testA, testB = s.testB, testC = s.testC, testD = s.testD;
    for (int32_t i = 0; i < count; ++i)
    {
        WordT w;
        std::memcpy(&w, bytes + sizeof(WordT) * size_t(i), sizeof(WordT));
        w = (w & keep) | fill;
        const uint32_t d = uint32_t(w) & kComponent;
        const uint32_t a = uint32_t(w >> kBits) & kComponent;
        const uint32_t b = uint32_t(w >> (2 * kBits)) & kComponent;
        const uint32_t c = uint32_t(w >> (3 * kBits)) & kComponent;
        const uint32_t selected = (testA & uint32_t(a - first <= span)) | (testB & uint32_t(b - first <= span)) |
                                  (testC & uint32_t(c - first <= span)) | (testD & uint32_t(d - first <= span));
        const WordT mask = WordT(0) - WordT(selected);
        w = (highlight & mask) | (w & ~mask);
        std::memcpy(bytes + sizeof(WordT) * size_t(i), &w, sizeof(WordT));
    }
}

Y_VECTOR_CLONES void ApplyWords8(unsigned char* bytes, int32_t count, uint32_t keep, uint32_t fill,
                                 uint32_t highlight, const Selection& s)
{
    ApplyWords<uint32_t>(bytes, count, keep, fill, highlight, s);
}

Y_VECTOR_CLONES void ApplyWords16(unsigned char* bytes, int32_t count, uint64_t keep, uint64_t fill,
                                  uint64_t highlight, const Selection& s)
{
    ApplyWords<uint64_t>(bytes, count, keep, fill, highlight, s);
}
} // namespace

template <class WordT, class PixelT> WordT zelOutputPixels::Word(const PixelT& p)
{
    constexpr int kBits = int(sizeof(WordT)) * 2;
    return WordT(p.alpha) | WordT(p.red) << kBits | WordT(p.green) << (2 * kBits) | WordT(p.blue) << (3 * kBits);
}

void zelOutputPixels::Apply(PF_Pixel* pixels, int32_t count) const
{
    if (m_keeps) return;
    const PF_Pixel keep = {A_u_char(m_shown[3] ? 255 : 0), A_u_char(m_shown[0] ? 255 : 0),
                           A_u_char(m_shown[1] ? 255 : 0), A_u_char(m_shown[2] ? 255 : 0)};
    const uint32_t fill = m_shown[3] ? 0u : 255u;
    ApplyWords8(reinterpret_cast<unsigned char*>(pixels), count, Word<uint32_t>(keep), fill,
                Word<uint32_t>(m_highlight8), {m_first, m_span, m_test[0], m_test[1], m_test[2], m_test[3]});
}

void zelOutputPixels::Apply(PF_Pixel16* pixels, int32_t count) const
{
    if (m_keeps) return;
    const PF_Pixel16 keep = {A_u_short(m_shown[3] ? 0xFFFF : 0), A_u_short(m_shown[0] ? 0xFFFF : 0),
                             A_u_short(m_shown[1] ? 0xFFFF : 0), A_u_short(m_shown[2] ? 0xFFFF : 0)};
    const uint64_t fill = m_shown[3] ? 0u : kFull16;
    ApplyWords16(reinterpret_cast<unsigned char*>(pixels), count, Word<uint64_t>(keep), fill,
                 Word<uint64_t>(m_highlight16), {m_first, m_span, m_test[0], m_test[1], m_test[2], m_test[3]});
}
} // namespace zelTonescope
