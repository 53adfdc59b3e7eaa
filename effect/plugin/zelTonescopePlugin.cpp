#include "zelTonescopePlugin.h"

#include "AE_EffectUI.h"

namespace zelTonescope
{
namespace
{
constexpr PF_Fixed Fixed(int whole)
{
    return static_cast<PF_Fixed>(whole * 65536);
}
} // namespace

zelTonescopePlugin::zelTonescopePlugin()
{
    yBroadcaster::SetName("zelTonescopePlugin");
}

void zelTonescopePlugin::GlobalSetup()
{
    CreateGlobalData();
    GlobalSetupHook();
    if (!out_data) return;
    out_data->my_version = kPluginVersion;
    out_data->out_flags |= kOutFlags;
    out_data->out_flags2 |= kOutFlags2;
}

void zelTonescopePlugin::ParamsSetup()
{
    AddPopupParam("Color Model", 12, 1, kColorModelChoices, PF_ParamFlag_SUPERVISE, PF_PUI_NONE,
                  kParamColorModel);
    AddCheckBoxParam("", "Render Output", false, 0, PF_PUI_NONE, kParamRenderOutput);
    AddArbitraryParam("Histogram", kPanelWidth, kPanelHeight, PF_PUI_CONTROL | PF_PUI_DONT_ERASE_CONTROL, 0,
                      PF_ParamFlag_CANNOT_TIME_VARY, PF_PUI_NONE, kParamHistogram);
    AddPopupParam("Sample", 3, kSampleWholeImage, kSampleChoices, PF_ParamFlag_SUPERVISE, PF_PUI_NONE,
                  kParamSample);
    AddPointParam("Position", Fixed(50), Fixed(50), false, 0, PF_PUI_NONE, kParamPosition);
    AddFixedSliderParam("Width", Fixed(-10000), Fixed(10000), Fixed(0), Fixed(200), Fixed(100), 2, 0,
                        PF_ParamFlag_START_COLLAPSED, PF_PUI_NONE, kParamWidth);
    AddFixedSliderParam("Height", Fixed(-10000), Fixed(10000), Fixed(0), Fixed(200), Fixed(100), 2, 0,
                        PF_ParamFlag_START_COLLAPSED, PF_PUI_NONE, kParamHeight);
    if (out_data) out_data->num_params = kParamCount;
}
} // namespace zelTonescope
