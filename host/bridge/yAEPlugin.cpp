#include "host/bridge/yAEPlugin.h"

#include "host/bridge/yAEArbitrary.h"
#include "host/bridge/yAEHandle.h"
#include "host/bridge/yAEMessages.h"
#include "host/bridge/yAEModule.h"
#include "host/bridge/yAESuite.h"
#include "host/sdk/AE_Profile.h"

#include <cstring>
#include <string>

namespace yAE
{
namespace
{
constexpr const char* kAboutTitle = "zel Tonescope";

// The file-name part of a path.
const char* FileNamePart(const char* path)
{
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}
} // namespace

Plugin::Plugin() : m_name("Plugin") {}

void Plugin::Main(PF_Cmd& cmd, PF_InData* inData, PF_OutData* outData, PF_ParamDef* paramList[],
                  PF_LayerDef* outputWorld, void* extraArg)
{
    err = PF_Err_NONE;
    in_data = inData;
    out_data = outData;
    params = paramList;
    output = outputWorld;
    extra = extraArg;

    switch (cmd)
    {
    case PF_Cmd_ABOUT:
        About();
        break;
    case PF_Cmd_GLOBAL_SETUP:
        GlobalSetup();
        break;
    case PF_Cmd_GLOBAL_SETDOWN:
        GlobalSetdown();
        break;
    case PF_Cmd_PARAMS_SETUP:
        ParamsSetup();
        break;
    case PF_Cmd_SEQUENCE_SETUP:
        SequenceSetup();
        break;
    case PF_Cmd_SEQUENCE_RESETUP:
        SequenceResetup();
        break;
    case PF_Cmd_SEQUENCE_FLATTEN:
        SequenceFlatten();
        break;
    case PF_Cmd_SEQUENCE_SETDOWN:
        SequenceSetdown();
        break;
    case PF_Cmd_DO_DIALOG:
        EnsureData();
        DoDialog();
        break;
    case PF_Cmd_FRAME_SETUP:
        EnsureData();
        FrameSetup();
        break;
    case PF_Cmd_RENDER:
        EnsureData();
        RenderHook();
        PrepareRender();
        Render();
        FinishRender(output);
        break;
    case PF_Cmd_FRAME_SETDOWN:
        FrameSetdown();
        break;
    case PF_Cmd_USER_CHANGED_PARAM:
        EnsureData();
        UserChangedParam();
        break;
    case PF_Cmd_UPDATE_PARAMS_UI:
        EnsureData();
        UpdateParamsUI();
        break;
    case PF_Cmd_EVENT:
        EnsureData();
        HandleEvent();
        break;
    case PF_Cmd_QUERY_DYNAMIC_FLAGS:
        EnsureData();
        QueryDynamicFlags();
        break;
    case PF_Cmd_ARBITRARY_CALLBACK:
        // The legacy interface's arbitrary parameter carries no value, so
        // there is nothing to answer; today's hosts keep one.
        if constexpr (ae_profile::kDrawsImages) AnswerArbitraryCallback();
        break;
    default:
        break;
    }
}

void Plugin::About()
{
    const GlobalData* global = GetGlobalData();
    std::string text = "A histogram scope for the layer's pixels in eleven colour models.\nModule: ";
    text += global ? global->modulePath : ModuleFilePath().c_str();
    ReportMessage(kAboutTitle, text.c_str());
}

void Plugin::GlobalSetup()
{
    CreateGlobalData();
    GlobalSetupHook();
    if (out_data) out_data->out_flags |= kPluginOutFlags;
}

void Plugin::GlobalSetdown()
{
    DisposeGlobalData();
}

template <class PixelT> void Plugin::CopyRows()
{
    const PF_Rect area = output->extent_hint;
    A_long rows = area.bottom - area.top;
    for (A_long y = area.top; y < area.bottom && err == PF_Err_NONE; ++y)
    {
        if (y < 0 || y >= output->height || y >= input->height) continue;
        auto* src = reinterpret_cast<const PixelT*>(reinterpret_cast<const char*>(input->data) +
                                                    static_cast<ptrdiff_t>(y) * input->rowbytes);
        auto* dst = reinterpret_cast<PixelT*>(reinterpret_cast<char*>(output->data) +
                                              static_cast<ptrdiff_t>(y) * output->rowbytes);
        for (A_long x = std::max<A_long>(area.left, 0);
             x < area.right && x < output->width && x < input->width; ++x)
            dst[x] = src[x];
        A_long done = y - area.top + 1;
        Progress(done, rows);
    }
}

void Plugin::Render()
{
    if (!input || !output || !input->data || !output->data) return;
    if (deep)
        CopyRows<PF_Pixel16>();
    else
        CopyRows<PF_Pixel>();
}

void Plugin::PrepareRender()
{
    PF_ParamDef* layer = HostParam(in_data, params, 0);
    input = layer ? &layer->u.ld : nullptr;
    deep = output && (output->world_flags & PF_WorldFlag_DEEP) != 0;
}

void Plugin::CopyWorld(PF_EffectWorld* src, PF_EffectWorld* dst)
{
    if (err != PF_Err_NONE || !src || !dst) return;
    Suite<PF_WorldTransformSuite1> suite(in_data, kPFWorldTransformSuite,
                                         ae_profile::kWorldTransformSuiteVersion);
    if (suite && suite->copy) err = suite->copy(in_data->effect_ref, src, dst, nullptr, nullptr);
}

// Runs even while err is set: it is how a failed render still shows its input.
void Plugin::DoRenderNone()
{
    Suite<PF_WorldTransformSuite1> suite(in_data, kPFWorldTransformSuite,
                                         ae_profile::kWorldTransformSuiteVersion);
    if (!suite)
    {
        ReportError("DoRenderNone", kNoWorldTransformSuite);
        return;
    }
    if (!input || !output || !suite->copy) return;
    PF_Rect area = output->extent_hint;
    PF_Rect destination = output->extent_hint;
    err = suite->copy(in_data->effect_ref, input, output, &area, &destination);
}

void Plugin::ClearWorld(PF_EffectWorld* world)
{
    if (!world || err != PF_Err_NONE) return;
    Suite<PF_FillMatteSuite2> suite(in_data, kPFFillMatteSuite, ae_profile::kFillMatteSuiteVersion);
    if (!suite)
    {
        ReportError("DoRenderNone", kNoFillMatteSuite);
        return;
    }
    if (deep)
    {
        const PF_Pixel16 transparent = {0, 0, 0, 0};
        if (suite->fill16) err = suite->fill16(in_data->effect_ref, &transparent, nullptr, world);
    }
    else
    {
        const PF_Pixel transparent = {0, 0, 0, 0};
        if (suite->fill) err = suite->fill(in_data->effect_ref, &transparent, nullptr, world);
    }
}

void Plugin::Progress(A_long& current, A_long& total)
{
    if (err == PF_Err_NONE && in_data && in_data->inter.progress)
        err = in_data->inter.progress(in_data->effect_ref, current, total);
}

void Plugin::ReportError(const char* function, const char* message)
{
    WriteErrorMessage(in_data, out_data, m_name, function, message);
}

void Plugin::ReportMessage(const char* title, const char* text)
{
    WriteMessage(in_data, out_data, title, text);
}

void Plugin::RefreshAllWindows()
{
    if (err != PF_Err_NONE) return;
    Suite<PF_AdvAppSuite2> suite(in_data, kPFAdvAppSuite, ae_profile::kAdvAppSuiteVersion);
    if (!suite)
    {
        ReportError("RefreshAllWindows", kNoAdvAppSuite);
        return;
    }
    if (suite->PF_RefreshAllWindows) err = suite->PF_RefreshAllWindows();
}

void Plugin::RequestUIRefresh()
{
    if (out_data) out_data->out_flags |= PF_OutFlag_REFRESH_UI;
}

void Plugin::CreateGlobalData()
{
    if (err != PF_Err_NONE || !in_data || !out_data) return;
    Suite<PF_HandleSuite1> handles(in_data, kPFHandleSuite, ae_profile::kHandleSuiteVersion);
    if (!handles || !handles->host_new_handle || !handles->host_lock_handle)
    {
        ReportError("CreateGlobalData", kNoHandleSuite);
        return;
    }
    Handle handle(Handle::From(*handles.Get()), sizeof(GlobalData));
    if (!handle)
    {
        ReportError("CreateGlobalData", "Could not allocate global handle.");
        return;
    }
    // The block stays locked for the module's life.
    auto* global = static_cast<GlobalData*>(handle.Lock());
    if (!global)
    {
        ReportError("CreateGlobalData", "Error creating global handle.");
        return;
    }
    std::memset(global, 0, sizeof *global);
    global->module = ModuleHandle();
    global->hostWindow = HostWindow();
    global->pluginId = kInitialPluginId;
    const std::string path = ModuleFilePath();
    std::strncpy(global->modulePath, path.c_str(), kModulePathSize - 1);

    Suite<ae_profile::UtilitySuite> utility(in_data, kAEGPUtilitySuite, ae_profile::kUtilitySuiteVersion);
    if (utility && utility->AEGP_RegisterWithAEGP)
        err = utility->AEGP_RegisterWithAEGP(nullptr, FileNamePart(global->modulePath), &global->pluginId);
    else
        ReportError("CreateGlobalData", kNoUtilitySuite);

    out_data->global_data = handle.Get();
    in_data->global_data = handle.Release();
}

void Plugin::DisposeGlobalData()
{
    if (!in_data || !in_data->global_data) return;
    // A host that no longer serves the handle suite still takes the block back
    // through its callbacks.
    Suite<PF_HandleSuite1> handles(in_data, kPFHandleSuite, ae_profile::kHandleSuiteVersion);
    const ae_profile::PF_UtilCallbacks* utils = ae_profile::UtilsOf(in_data);
    if (handles && handles->host_dispose_handle)
        handles->host_dispose_handle(in_data->global_data);
    else if (utils && utils->host_dispose_handle)
        utils->host_dispose_handle(in_data->global_data);
    if (out_data) out_data->global_data = nullptr;
    in_data->global_data = nullptr;
}

void Plugin::GlobalSetupHook()
{
    if (GetGlobalData()) RenderHook();
}

void Plugin::RenderHook()
{
    GetGlobalData();
}

GlobalData* Plugin::GetGlobalData() const
{
    if (!in_data || !in_data->global_data) return nullptr;
    return static_cast<GlobalData*>(*in_data->global_data);
}

void Plugin::DoPurgeAll()
{
    if (!in_data || err != PF_Err_NONE) return;
    Suite<AEGP_CommandSuite1> suite(in_data, kAEGPCommandSuite, ae_profile::kCommandSuiteVersion);
    if (!suite)
    {
        ReportError("DoPurgeAll", kNoCommandSuite);
        return;
    }
    if (suite->AEGP_DoCommand) err = suite->AEGP_DoCommand(kPurgeAllCommand);
}

void Plugin::SetParamVisibility(PF_ParamIndex index, A_long& mode, const char* newName, bool touchFlags)
{
    Suite<PF_ParamUtilsSuite3> suite(in_data, kPFParamUtilsSuite, ae_profile::kParamUtilsSuiteVersion);
    if (!suite)
    {
        ReportError("SetParamVisibility", kNoParamUtilsSuite);
        return;
    }
    const PF_ParamDef* param = HostParam(in_data, params, index);
    if (!param) return;
    PF_ParamDef def = *param;
    if (mode == kParamEnable || mode == kParamEnableAlt)
    {
        def.ui_flags = PF_PUI_NONE;
        if (touchFlags) def.flags &= ~PF_ParamFlag_COLLAPSE_TWIRLY;
    }
    else if (mode == kParamDisable || mode == kParamDisableAlt)
    {
        def.ui_flags = PF_PUI_DISABLED;
        if (touchFlags) def.flags |= PF_ParamFlag_COLLAPSE_TWIRLY;
    }
    if (newName) CopyName(def.name, newName);
    def.uu.change_flags = PF_ChangeFlag_CHANGED_VALUE;
    if (err == PF_Err_NONE && suite->PF_UpdateParamUI)
        err = suite->PF_UpdateParamUI(in_data->effect_ref, index, &def);
}

void Plugin::AnswerArbitraryCallback()
{
    const ae_profile::PF_UtilCallbacks* utils = ae_profile::UtilsOf(in_data);
    auto* call = static_cast<PF_ArbParamsExtra*>(extra);
    if (!call || !utils || !utils->host_new_handle)
    {
        err = PF_Err_BAD_CALLBACK_PARAM;
        return;
    }
    err = AnswerArbitrary(*call, Handle::From(*utils));
}

void Plugin::CopyName(A_char* dst, const char* name) const
{
    // Cut to the definition's field first: the host's strcpy does not bound.
    char cut[PF_MAX_EFFECT_PARAM_NAME_LEN + 1] = {};
    std::strncpy(cut, name ? name : "", PF_MAX_EFFECT_PARAM_NAME_LEN);
    const ae_profile::PF_UtilCallbacks* utils = ae_profile::UtilsOf(in_data);
    if (utils && utils->ansi.strcpy)
        utils->ansi.strcpy(dst, cut);
    else
        std::memcpy(dst, cut, sizeof cut);
}

void Plugin::AddParam(PF_ParamDef& def)
{
    if (err == PF_Err_NONE && in_data && in_data->inter.add_param)
        err = in_data->inter.add_param(in_data->effect_ref, -1, &def);
}

void Plugin::AddPopupParam(const char* name, A_short choiceCount, A_short dephault, const char* choices,
                           PF_ParamFlags paramFlags, PF_ParamUIFlags uiFlags, A_long id)
{
    if (err != PF_Err_NONE) return;
    PF_ParamDef def = {};
    CopyName(def.name, name);
    def.param_type = PF_Param_POPUP;
    def.u.pd.num_choices = choiceCount;
    def.u.pd.dephault = dephault;
    def.u.pd.value = dephault;
    def.u.pd.u.namesptr = choices;
    def.flags |= paramFlags;
    def.ui_flags |= uiFlags;
    def.uu.id = id;
    AddParam(def);
}

void Plugin::AddCheckBoxParam(const char* name, const char* label, PF_Boolean dephault,
                              PF_ParamFlags paramFlags, PF_ParamUIFlags uiFlags, A_long id)
{
    if (err != PF_Err_NONE) return;
    PF_ParamDef def = {};
    CopyName(def.name, name);
    def.param_type = PF_Param_CHECKBOX;
    def.u.bd.value = dephault;
    def.u.bd.dephault = dephault;
    def.u.bd.u.nameptr = label;
    def.flags |= paramFlags;
    def.ui_flags |= uiFlags;
    def.uu.id = id;
    AddParam(def);
}

void Plugin::AddArbitraryParam(const char* name, A_short uiWidth, A_short uiHeight,
                               PF_ParamUIFlags uiFlagsSet, A_long /*unused*/, PF_ParamFlags paramFlags,
                               PF_ParamUIFlags uiFlags, A_long id)
{
    if (err != PF_Err_NONE) return;
    PF_ParamDef def = {};
    CopyName(def.name, name);
    def.param_type = PF_Param_ARBITRARY_DATA;
    def.ui_width = uiWidth;
    def.ui_height = uiHeight;
    def.ui_flags = uiFlagsSet;
    def.u.arb_d.id = static_cast<A_short>(id);
    def.u.arb_d.dephault = nullptr;
    def.u.arb_d.value = nullptr;
    def.u.arb_d.refconPV = reinterpret_cast<void*>(kArbitraryRefcon);
    def.flags |= paramFlags;
    def.ui_flags |= uiFlags;
    def.uu.id = id;

    PF_CustomUIInfo ui = {};
    ui.events = PF_CustomEFlag_EFFECT;
    if (err == PF_Err_NONE && in_data && in_data->inter.register_ui)
        err = in_data->inter.register_ui(in_data->effect_ref, &ui);
    if constexpr (ae_profile::kDrawsImages)
    {
        // Today's hosts take the default when the parameter is added and keep
        // a value made from it; until then it is ours.
        if (err != PF_Err_NONE) return;
        const ae_profile::PF_UtilCallbacks* utils = ae_profile::UtilsOf(in_data);
        if (!utils || !utils->host_new_handle) return ReportError("AddArbitraryParam", kNoHandleSuite);
        PF_Handle made = NewArbitraryValue(Handle::From(*utils));
        if (!made)
        {
            err = PF_Err_OUT_OF_MEMORY;
            return;
        }
        def.u.arb_d.dephault = made;
        AddParam(def);
        if (err != PF_Err_NONE && utils->host_dispose_handle) utils->host_dispose_handle(made);
        return;
    }
    AddParam(def);
}

void Plugin::AddPointParam(const char* name, PF_Fixed xDefault, PF_Fixed yDefault, PF_Boolean restrictBounds,
                           PF_ParamFlags paramFlags, PF_ParamUIFlags uiFlags, A_long id)
{
    if (err != PF_Err_NONE) return;
    PF_ParamDef def = {};
    CopyName(def.name, name);
    def.param_type = PF_Param_POINT;
    def.u.td.x_value = def.u.td.x_dephault = xDefault;
    def.u.td.y_value = def.u.td.y_dephault = yDefault;
    def.u.td.restrict_bounds = restrictBounds;
    def.flags |= paramFlags;
    def.ui_flags |= uiFlags;
    def.uu.id = id;
    AddParam(def);
}

void Plugin::AddFixedSliderParam(const char* name, PF_Fixed validMin, PF_Fixed validMax, PF_Fixed sliderMin,
                                 PF_Fixed sliderMax, PF_Fixed dephault, A_short precision,
                                 PF_ValueDisplayFlags displayFlags, PF_ParamFlags paramFlags,
                                 PF_ParamUIFlags uiFlags, A_long id)
{
    if (err != PF_Err_NONE) return;
    PF_ParamDef def = {};
    CopyName(def.name, name);
    def.param_type = PF_Param_FIX_SLIDER;
    def.u.fd.valid_min = validMin;
    def.u.fd.valid_max = validMax;
    def.u.fd.slider_min = sliderMin;
    def.u.fd.slider_max = sliderMax;
    def.u.fd.value = def.u.fd.dephault = dephault;
    def.u.fd.precision = precision;
    def.u.fd.display_flags = displayFlags;
    def.flags |= paramFlags;
    def.ui_flags |= uiFlags;
    def.uu.id = id;
    AddParam(def);
}
} // namespace yAE
