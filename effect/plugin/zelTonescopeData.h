// The live data object of one effect instance: the root region of the panel
// and the settings that persist with the effect.
#pragma once

#include "yAEPluginDataCustomUI.h"
#include "zelTonescopeDataFlat.h"

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
    // A flat record into this freshly made object.
    void Unflatten(const uint8_t* record);
    // Another live object's settings into this one.
    void CopyFrom(const zelTonescopeData& source);

  private:
    zelTonescopeDataFlat m_settings;
};
} // namespace zelTonescope
