#include "fuzz/yFuzzEffect.h"

#include "standalone/emulator/yHostPlatform.h"
#include "standalone/emulator/ySuiteTables.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace yFuzz
{
void Require(bool holds, const char* what)
{
    if (holds) return;
    std::fprintf(stderr, "Invariant broken: %s\n", what);
    std::abort();
}

PF_Err EffectEntry(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                   PF_LayerDef* output, void* extra)
{
    zelTonescope::zelTonescopePlugin plugin;
    plugin.SetPluginName(zelTonescope::kPluginName);
    plugin.Main(cmd, in_data, out_data, params, output, extra);
    return plugin.err;
}

yFuzzEffect::yFuzzEffect(bool sequence)
{
    yStandalone::yHostPlatform::Instance().Reset();
    Require(m_host.Call(PF_Cmd_GLOBAL_SETUP) == PF_Err_NONE, "global set-up succeeds");
    Require(m_host.Call(PF_Cmd_PARAMS_SETUP) == PF_Err_NONE, "parameter set-up succeeds");
    std::string refused;
    Require(m_host.MakeArbitraryValues(refused), "the panel parameter gets its value");
    if (sequence) Require(m_host.Call(PF_Cmd_SEQUENCE_SETUP) == PF_Err_NONE, "sequence set-up succeeds");
}

yFuzzEffect::~yFuzzEffect()
{
    if (m_host.InData().sequence_data) m_host.Call(PF_Cmd_SEQUENCE_SETDOWN);
    m_host.DisposeArbitraryValues();
    m_host.Call(PF_Cmd_GLOBAL_SETDOWN);
    Require(m_host.LiveHandles() == 0, "no handle outlives the instance");
    Require(m_host.BadHandleUses() == 0, "the module uses only live handles");
    Require(m_host.OpenSuites() == 0, "every suite acquired is released");
}

zelTonescope::zelTonescopeData* yFuzzEffect::Live()
{
    yStandalone::yActiveHost active(&m_host);
    zelTonescope::zelTonescopePlugin plugin;
    plugin.in_data = &m_host.InData();
    return plugin.GetDataPtr();
}
} // namespace yFuzz
