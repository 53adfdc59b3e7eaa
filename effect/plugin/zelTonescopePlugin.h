// The effect's plug-in object: announces the module, adds its parameters
// and renders the histogram of the sampled region.
#pragma once

#include "yAEPluginWithCustomUI.h"
#include "zelTonescopeData.h"
#include "zelTonescopeDataFlat.h"

namespace zelTonescope
{
// Parameter indices as the host numbers them (0 is the input layer).
enum ParamIndex : A_long
{
    kParamInput = 0,
    kParamColorModel,
    kParamRenderOutput,
    kParamHistogram,
    kParamSample,
    kParamPosition,
    kParamWidth,
    kParamHeight,
    kParamCount
};

// Sample choices (popup values are 1-based).
enum SampleMode : A_short
{
    kSampleRegion = 1,
    kSampleWholeImage = 2
};

constexpr const char* kPluginName = "zel Tonescope";
constexpr const char* kColorModelChoices = "RGB|HLS|HSV|CMY|CMYK|XYZ|xyY|Y'UV|Y'IQ|Lab|Luv|";
constexpr const char* kSampleChoices = "Region|Whole Image|";
// Version 2.2, release stage.
constexpr A_u_long kPluginVersion = PF_VERSION(2, 2, 0, PF_Stage_RELEASE, 0);
constexpr PF_OutFlags kOutFlags = PF_OutFlag_KEEP_RESOURCE_OPEN | PF_OutFlag_WIDE_TIME_INPUT |
                                  PF_OutFlag_SEQUENCE_DATA_NEEDS_FLATTENING | PF_OutFlag_CUSTOM_UI |
                                  PF_OutFlag_I_USE_SHUTTER_ANGLE | PF_OutFlag_DEEP_COLOR_AWARE |
                                  PF_OutFlag_SEND_UPDATE_PARAMS_UI;
constexpr PF_OutFlags2 kOutFlags2 = PF_OutFlag2_PARAM_GROUP_START_COLLAPSED_FLAG;
// Size of the panel in the Effect Controls window.
constexpr A_short kPanelWidth = 300;
constexpr A_short kPanelHeight = 300;

class zelTonescopePlugin
    : public yAE::PluginWithCustomUI<zelTonescopeData, zelTonescopeDataFlat, zelTonescopeDataFlat>
{
  public:
    zelTonescopePlugin();

    void GlobalSetup() override;
    void ParamsSetup() override;
    void UpdateParamsUI() override {}
    void Render() override { DoRender(); }

    // Samples the region into the panel's histogram and writes the output.
    void DoRender() {}
};
} // namespace zelTonescope
