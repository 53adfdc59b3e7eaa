// One instance of the effect in the replacement host, its plug-in linked into
// the fuzz program and called as the module's entry point calls it. The
// instance is set up when made and set down when gone, and by then the host
// must hold no handle, no suite and no bad handle use.
#pragma once

#include "effect/plugin/zelTonescopePlugin.h"
#include "standalone/emulator/yEffectHost.h"

#include <cstdint>

namespace yFuzz
{
// Stops the run (a crash the fuzzer keeps) when an invariant does not hold.
void Require(bool holds, const char* what);

// As the module's entry point: one plug-in object per call. Exceptions are
// not caught here, so that one escaping the plug-in is a finding.
PF_Err EffectEntry(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                   PF_LayerDef* output, void* extra);

class yFuzzEffect
{
  public:
    // Global and parameter set-up; with sequence, a sequence set-up too.
    explicit yFuzzEffect(bool sequence = true);
    ~yFuzzEffect();
    yFuzzEffect(const yFuzzEffect&) = delete;
    yFuzzEffect& operator=(const yFuzzEffect&) = delete;

    yStandalone::yEffectHost& Host() { return m_host; }
    PF_ParamDef& Param(int index) { return m_host.Param(size_t(index)).def; }
    // The live data object the sequence data stands for now, or null.
    zelTonescope::zelTonescopeData* Live();

  private:
    yStandalone::yEffectHost m_host{&EffectEntry, yStandalone::kLinkedProfile};
};
} // namespace yFuzz
