// Drives a plug-in class of the tests through the replacement host, the way
// the module's main does: one new object per call, its err the result.
#pragma once

#include "standalone/emulator/yEffectHost.h"
#include "standalone/emulator/ySuiteTables.h"
#include "standalone/emulator/yWorld.h"

#include <functional>
#include <vector>

namespace yAETest
{
template <class PluginT>
PF_Err Entry(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_LayerDef* output,
             void* extra)
{
    PluginT plugin;
    plugin.SetPluginName("zel Tonescope");
    plugin.Main(cmd, in_data, out_data, params, output, extra);
    return plugin.err;
}

// The live data object the host's sequence data holds now, or null.
template <class PluginT> typename PluginT::Data* LiveData(yStandalone::yEffectHost& host)
{
    yStandalone::yActiveHost active(&host);
    PluginT plugin;
    plugin.in_data = &host.InData();
    return plugin.GetDataPtr();
}

// A plug-in whose About runs what the test gives it, inside a host call.
template <class BaseT> struct Scripted : BaseT
{
    static inline std::function<void(BaseT&)> run;
    void About() override { run(*this); }
};
template <class BaseT> PF_Err RunInCall(yStandalone::yEffectHost& host, std::function<void(BaseT&)> run)
{
    Scripted<BaseT>::run = std::move(run);
    return host.Call(PF_Cmd_ABOUT);
}

// A window device for draw events: a bottom-up 32-bit surface.
struct Window
{
    Window(int32_t width, int32_t height) : bytes(size_t(width) * size_t(height) * 4)
    {
        surface = {ZT_DrawSurface_VERSION, bytes.data(), width, height, width * 4};
    }
    // Red, green, blue of the pixel at (x, y) from the top.
    uint32_t Rgb(int32_t x, int32_t y) const
    {
        const uint8_t* p = bytes.data() + size_t(surface.height - 1 - y) * size_t(surface.row_bytes) + size_t(x) * 4;
        return uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
    }
    std::vector<uint8_t> bytes;
    ZT_DrawSurface surface = {};
};
} // namespace yAETest
