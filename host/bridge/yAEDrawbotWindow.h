// The window of a draw event in today's hosts, which take custom UI only as
// images through the Drawbot suites. The panel is drawn into memory of the
// module's own, laid out as the window (window pixels, 32-bit blue, green,
// red, alpha, bottom-up) so that the drawing port binds to it as to a host's
// window device; Present then hands one rectangle of it to the host as an
// image drawn at the same place.
#pragma once

#include "host/sdk/AE_Effect.h"
#include "host/sdk/AE_EffectUI.h"
#include "host/sdk/ZT_DrawSurface.h"

#include <cstdint>
#include <vector>

namespace yAE
{
class DrawbotWindow
{
  public:
    // Memory covering the window from its top-left corner to area's
    // bottom-right corner: the device the drawing port binds to (the same
    // address every time), or null when area lies wholly above or left of
    // the window or memory runs out.
    void* Cover(const PF_Rect& area);
    // Hands the area (window pixels, clipped to the memory) to the event's
    // window as an image. False when the host serves no drawing reference or
    // no Drawbot suite, or refuses the image: nothing is drawn then.
    bool Present(const PF_InData* in_data, PF_ContextH context, const PF_Rect& area);

  private:
    std::vector<uint8_t> m_pixels;
    std::vector<uint8_t> m_image; // the area, top row first
    ZT_DrawSurface m_surface = {};
};
} // namespace yAE
