// The effect's plug-in object: announces the module, adds its parameters
// and renders the histogram of the sampled region.
#pragma once

#include "draw/yColor.h"
#include "host/bridge/yAEPluginWithCustomUI.h"
#include "effect/plugin/zelSampleRect.h"
#include "effect/plugin/zelTonescopeData.h"
#include "effect/plugin/zelTonescopeDataFlat.h"

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
constexpr const char* kNoDataMessage = "Could not get plug-in UI: GetDataPtr()";
constexpr const char* kRenderFailedMessage = "Some error occurred";
constexpr const char* kColorModelChoices = "RGB|HLS|HSV|CMY|CMYK|XYZ|xyY|Y'UV|Y'IQ|Lab|Luv|";
constexpr const char* kSampleChoices = "Region|Whole Image|";
// Version 2.2, release stage.
constexpr A_u_long kPluginVersion = PF_VERSION(2, 2, 0, PF_Stage_RELEASE, 0);
#if defined(TONESCOPE_PROFILE_CURRENT)
// Only what the effect does: it flattens its sequence data, draws its panel,
// renders 16-bit images and greys controls out in update-params-UI. Renders
// of several frames may not run at once: a render fills the panel's
// histogram in the sequence data.
constexpr PF_OutFlags kOutFlags = PF_OutFlag_SEQUENCE_DATA_NEEDS_FLATTENING | PF_OutFlag_CUSTOM_UI |
                                  PF_OutFlag_DEEP_COLOR_AWARE | PF_OutFlag_SEND_UPDATE_PARAMS_UI;
constexpr PF_OutFlags2 kOutFlags2 = PF_OutFlag2_NONE;
#else
constexpr PF_OutFlags kOutFlags = PF_OutFlag_KEEP_RESOURCE_OPEN | PF_OutFlag_WIDE_TIME_INPUT |
                                  PF_OutFlag_SEQUENCE_DATA_NEEDS_FLATTENING | PF_OutFlag_CUSTOM_UI |
                                  PF_OutFlag_I_USE_SHUTTER_ANGLE | PF_OutFlag_DEEP_COLOR_AWARE |
                                  PF_OutFlag_SEND_UPDATE_PARAMS_UI;
constexpr PF_OutFlags2 kOutFlags2 = PF_OutFlag2_PARAM_GROUP_START_COLLAPSED_FLAG;
#endif
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
    // Greys Position, Width and Height out while the whole image is sampled.
    void UpdateParamsUI() override;
    void Render() override { DoRender(); }

    // Samples the rectangle into the panel's histogram and writes the output:
    // the converted channels with the selection highlighted, or the input.
    void DoRender();

    // The render fields, filled by DoRender for one call.
    short m_colorModel = 1;
    short m_sampleMode = kSampleWholeImage;
    float m_centerX = 0.0f; // pixels of the current (downsampled) image
    float m_centerY = 0.0f;
    float m_width = 0.0f; // the parameters' values times the downsample factors
    float m_height = 0.0f;
    zelSampleRect m_rect;
    bool m_renderOutput = false;
    bool m_selectionShown = false;
    yColor8 m_highlight{255, 0, 0, 0};

  private:
    template <class PixelT> struct BandJob;

    void ReadRenderParams();
    // True when "Render Output" writes the converted rectangle into the output.
    bool OutputFits() const;
    template <class PixelT> PixelT* OutputRow(int32_t row) const;
    template <class PixelT> void ClearAboveAndBelow() const;
    // Runs the row kernel over the rectangle, in bands over the host's
    // threads when it is large enough; false when it runs out of memory.
    template <class PixelT> bool SampleRows(zelTonescopeData& target);
    // Counts the rows [first, end) into acc and writes their output.
    template <class PixelT>
    bool SampleBand(const BandJob<PixelT>& job, int32_t first, int32_t end, zelHistogramAccumulator& acc) const;
    template <class PixelT> static PF_Err CountBand(void* refcon, A_long thread, A_long band, A_long threads);
};
} // namespace zelTonescope
