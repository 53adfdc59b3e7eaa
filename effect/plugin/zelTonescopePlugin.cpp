#include "effect/plugin/zelTonescopePlugin.h"

#include "host/sdk/AE_EffectUI.h"
#include "host/sdk/ZT_Fixed.h"
#include "effect/plugin/zelOutputPixels.h"
#include "host/bridge/yAESuite.h"
#include "host/sdk/AE_EffectUI.h"
#include "host/sdk/AE_Profile.h"
#include "host/sdk/ZT_Fixed.h"

#include <atomic>
#include <cstring>

namespace zelTonescope
{
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
    AddPointParam("Position", ZT_Fixed::FromInt(50), ZT_Fixed::FromInt(50), false, 0, PF_PUI_NONE,
                  kParamPosition);
    AddFixedSliderParam("Width", ZT_Fixed::FromInt(-10000), ZT_Fixed::FromInt(10000), ZT_Fixed::FromInt(0),
                        ZT_Fixed::FromInt(200), ZT_Fixed::FromInt(100), 2, 0, PF_ParamFlag_START_COLLAPSED,
                        PF_PUI_NONE, kParamWidth);
    AddFixedSliderParam("Height", ZT_Fixed::FromInt(-10000), ZT_Fixed::FromInt(10000), ZT_Fixed::FromInt(0),
                        ZT_Fixed::FromInt(200), ZT_Fixed::FromInt(100), 2, 0, PF_ParamFlag_START_COLLAPSED,
                        PF_PUI_NONE, kParamHeight);
    if (out_data) out_data->num_params = kParamCount;
}
} // namespace zelTonescope

namespace zelTonescope
{
using yAE::HostParam;

namespace
{
float Factor(const PF_RationalScale& scale)
{
    return scale.den != 0 ? float(scale.num) / float(scale.den) : 1.0f;
}
} // namespace

void zelTonescopePlugin::UpdateParamsUI()
{
    if (!GetDataPtr())
    {
        ReportError("DoRender", kNoDataMessage);
        return;
    }
    const PF_ParamDef* sample = HostParam(in_data, params, kParamSample);
    A_long mode = sample && sample->u.pd.value == kSampleWholeImage ? yAE::kParamDisableAlt : yAE::kParamEnable;
    for (A_long index : {kParamPosition, kParamWidth, kParamHeight})
        SetParamVisibility(index, mode, nullptr, false);
}

void zelTonescopePlugin::ReadRenderParams()
{
    if (const PF_ParamDef* p = HostParam(in_data, params, kParamColorModel))
        m_colorModel = p->u.pd.value;
    if (const PF_ParamDef* p = HostParam(in_data, params, kParamSample)) m_sampleMode = p->u.pd.value;
    if (const PF_ParamDef* p = HostParam(in_data, params, kParamPosition))
    {
        m_centerX = float(ZT_Fixed::ToDouble(p->u.td.x_value));
        m_centerY = float(ZT_Fixed::ToDouble(p->u.td.y_value));
    }
    if (const PF_ParamDef* p = HostParam(in_data, params, kParamWidth))
        m_width = float(ZT_Fixed::ToDouble(p->u.fd.value));
    if (const PF_ParamDef* p = HostParam(in_data, params, kParamHeight))
        m_height = float(ZT_Fixed::ToDouble(p->u.fd.value));
    if (in_data)
    {
        m_width *= Factor(in_data->downsample_x);
        m_height *= Factor(in_data->downsample_y);
    }
    if (const PF_ParamDef* p = HostParam(in_data, params, kParamRenderOutput))
        m_renderOutput = p->u.bd.value != 0;
}

// What every band of one render shares, read-only while the bands count.
template <class PixelT> struct zelTonescopePlugin::BandJob
{
    zelTonescopePlugin* plugin;
    const zelSampleKernel* kernel;
    const zelOutputPixels* writer;
    zelRowBands* bands;
    uint32_t highest;
    std::atomic<int> used{0}; // the bands this render counts into
};

bool zelTonescopePlugin::OutputFits() const
{
    return m_renderOutput && output && output->data && m_rect.PixelCount() > 0 && m_rect.right <= output->width;
}

template <class PixelT> PixelT* zelTonescopePlugin::OutputRow(int32_t row) const
{
    return reinterpret_cast<PixelT*>(reinterpret_cast<char*>(output->data) + ptrdiff_t(row) * output->rowbytes);
}

// The output rows above and below the sampled rectangle; the bands clear
// beside it, so that every output pixel is written once.
template <class PixelT> void zelTonescopePlugin::ClearAboveAndBelow() const
{
    for (int32_t row = 0; row < output->height; ++row)
        if (row < m_rect.top || row >= m_rect.bottom)
            std::memset(OutputRow<PixelT>(row), 0, sizeof(PixelT) * size_t(output->width));
}

template <class PixelT>
bool zelTonescopePlugin::SampleBand(const BandJob<PixelT>& job, int32_t first, int32_t end,
                                    zelHistogramAccumulator& acc) const
{
    const int32_t count = m_rect.right - m_rect.left;
    const bool writes = OutputFits();
    for (int32_t row = first; row < end; ++row)
    {
        const auto* in = reinterpret_cast<const PixelT*>(reinterpret_cast<const char*>(input->data) +
                                                          ptrdiff_t(row) * input->rowbytes) +
                         m_rect.left;
        PixelT* line = writes && row < output->height ? OutputRow<PixelT>(row) : nullptr;
        PixelT* out = line ? line + m_rect.left : nullptr;
        if (!job.kernel->AddRow(in, count, acc, out)) return false;
        if (!line) continue;
        job.writer->Apply(out, count);
        std::memset(line, 0, sizeof(PixelT) * size_t(m_rect.left));
        std::memset(line + m_rect.right, 0, sizeof(PixelT) * size_t(output->width - m_rect.right));
    }
    return true;
}

// One band on one of the host's threads; the host asks for as many bands as
// it has threads, and those past what the rectangle's size merits do nothing.
template <class PixelT>
PF_Err zelTonescopePlugin::CountBand(void* refcon, A_long thread, A_long band, A_long threads)
{
    auto& job = *static_cast<BandJob<PixelT>*>(refcon);
    const zelSampleRect& rect = job.plugin->m_rect;
    const int bands = zelRowBands::Count(rect.bottom - rect.top, rect.right - rect.left, threads);
    job.used = bands;
    if (band >= bands) return PF_Err_NONE;
    zelHistogramAccumulator* acc = job.bands->Prepare(band, job.highest);
    if (!acc) return PF_Err_OUT_OF_MEMORY;
    int32_t first = 0, end = 0;
    zelRowBands::Rows(band, bands, rect.top, rect.bottom, first, end);
    return job.plugin->SampleBand(job, first, end, *acc) ? PF_Err_NONE : PF_Err_OUT_OF_MEMORY;
}

template <class PixelT> bool zelTonescopePlugin::SampleRows(zelTonescopeData& target)
{
    zelTonescopeUI& panel = target.GetPanel();
    zelHistogramAccumulator& acc = panel.GetAccumulator();
    const bool shown[4] = {panel.IsChannelShown(0), panel.IsChannelShown(1), panel.IsChannelShown(2),
                           panel.IsChannelShown(3)};
    const zelOutputPixels writer(shown, m_selectionShown, panel.GetSelectionFirst(), panel.GetSelectionLast(),
                                 m_highlight);
    if (m_rect.PixelCount() <= 0) return true;
    if (OutputFits()) ClearAboveAndBelow<PixelT>();
    BandJob<PixelT> job{this, &target.GetKernel(), &writer, &target.GetBands(), acc.GetBinCount() - 1};
    // A rectangle too small for two bands is counted here, without the
    // threads' hand-over.
    const int32_t rows = m_rect.bottom - m_rect.top, width = m_rect.right - m_rect.left;
    if (zelRowBands::Count(rows, width, zelRowBands::kMaxBands) > 1 && acc.HasBins())
    {
        yAE::Suite<PF_Iterate8Suite1> iterate(in_data, kPFIterate8Suite, ae_profile::kIterate8SuiteVersion);
        if (iterate && iterate->iterate_generic)
        {
            const PF_Err bandErr =
                iterate->iterate_generic(PF_Iterations_ONCE_PER_PROCESSOR, &job, CountBand<PixelT>);
            if (bandErr != PF_Err_NONE) return false;
            // Only this render's bands: others may hold what a failed render left.
            return job.bands->MergeInto(acc, job.used);
        }
    }
    return SampleBand(job, m_rect.top, m_rect.bottom, acc);
}

void zelTonescopePlugin::DoRender()
{
    ReadRenderParams();
    const int32_t imageWidth = input ? input->width : 0;
    const int32_t imageHeight = input ? input->height : 0;
    m_rect = zelSampleRect::Make(m_sampleMode, m_centerX, m_centerY, m_width, m_height, imageWidth, imageHeight);

    zelTonescopeData* target = GetDataPtr();
    if (!target)
    {
        ReportError("DoRender", kNoDataMessage);
        DoRenderNone();
        return;
    }
    target->SetLastRect(m_rect);
    if (!input || !output || !input->data) return;

    if (err == PF_Err_NONE)
    {
        zelTonescopeUI& panel = target->GetPanel();
        // An empty rectangle samples nothing, and counts as no pixel at all.
        const int64_t pixels = m_rect.PixelCount();
        const unsigned long sampled = pixels > 0 ? static_cast<unsigned long>(pixels) : 0ul;
        m_selectionShown = panel.IsSelectionShown();
        m_highlight = panel.GetHighlightColor();

        // Output that cannot take the converted pixels is cleared; otherwise
        // the bands write every pixel once.
        if (m_renderOutput && !OutputFits()) ClearWorld(output);
        if (!panel.BeginHistogram(deep, sampled) || !target->GetKernel().SetModel(m_colorModel, deep))
        {
            err = PF_Err_OUT_OF_MEMORY;
            return;
        }
        const bool sampledAll = deep ? SampleRows<PF_Pixel16>(*target) : SampleRows<PF_Pixel>(*target);
        if (!sampledAll)
        {
            err = PF_Err_OUT_OF_MEMORY;
            return;
        }
        panel.EndHistogram();
        panel.SetColorModel(m_colorModel);
        if (!m_renderOutput) DoRenderNone();
    }

    if (err == PF_Interrupt_CANCEL || err == PF_Err_NONE) return;
    ReportError("DoRender", kRenderFailedMessage);
    DoRenderNone();
}
} // namespace zelTonescope
