// The live data object of one effect instance: the panel with its histogram
// under a root region, and the row kernel the render samples with. It lives
// as long as the instance's sequence data.
#pragma once

#include "effect/color/zelSampleKernel.h"
#include "panel/zelTonescopeUI.h"
#include "host/bridge/yAEPluginDataCustomUI.h"
#include "effect/plugin/zelRowBands.h"
#include "effect/plugin/zelSampleRect.h"
#include "effect/plugin/zelTonescopeDataFlat.h"

#include <cstdint>

namespace zelTonescope
{
class zelTonescopeData : public yAE::PluginDataCustomUI
{
  public:
    static constexpr int32_t kRootWidth = 340;
    static constexpr int32_t kRootHeight = 300;

    zelTonescopeData();

    // The panel's settings into a flat record (the tag is the caller's).
    void Flatten(uint8_t* record) const;
    // A flat record into this freshly made object: slider positions
    // (clamped), channel and selection toggles with their commands, the
    // highlight colour into panel and swatch, the selection.
    void Unflatten(const uint8_t* record);
    // Another live object's settings into this one, the same way.
    void CopyFrom(const zelTonescopeData& source);

    // The panel lays itself out in the root's new size.
    void LayoutUI() override;

    zelTonescopeUI& GetPanel() { return m_panel; }
    const zelTonescopeUI& GetPanel() const { return m_panel; }
    zelSampleKernel& GetKernel() { return m_kernel; }
    // The render's per-band counts while it runs over several threads.
    zelRowBands& GetBands() { return m_bands; }
    // The rectangle the last render sampled, for the host's report.
    const zelSampleRect& GetLastRect() const { return m_lastRect; }
    void SetLastRect(const zelSampleRect& rect) { m_lastRect = rect; }

  private:
    zelTonescopeUI m_panel;
    zelSampleKernel m_kernel;
    zelRowBands m_bands;
    zelSampleRect m_lastRect;
};
} // namespace zelTonescope
