#include "standalone/emulator/yEffectHost.h"

#include "standalone/emulator/yHostPlatform.h"
#include "standalone/emulator/yKeyCodes.h"
#include "standalone/emulator/yModule.h"
#include "standalone/emulator/ySuiteTables.h"

#include <cstring>

namespace yStandalone
{
yEffectHost::yEffectHost(const yModule& module) : m_module(&module), m_profile(module.Profile())
{
    Init();
}

yEffectHost::yEffectHost(PF_FilterProc entry, yProfile profile) : m_entry(entry), m_profile(profile)
{
    Init();
}

yEffectHost::~yEffectHost() = default;

void yEffectHost::Init()
{
    yHostPlatform::Instance(); // the exported table lives beside this state

    BindCallbacks(m_utilsLegacy, m_utilsCurrent, m_in.inter, m_basic);
    m_contextLegacy.magic = m_contextCurrent.magic = PF_CONTEXT_MAGIC;
    m_contextLegacy.w_type = m_contextCurrent.w_type = PF_Window_EFFECT;
    // The port get_cgraf_data is asked about; the host has one window.
    m_contextLegacy.cgrafptr = this;
    if (m_profile == yProfile::Current)
    {
        m_in.utils = reinterpret_cast<_PF_UtilCallbacks*>(&m_utilsCurrent);
        m_in.version = {ae_current::kInterfaceMajor, ae_current::kInterfaceMinor};
        m_contextPtr = reinterpret_cast<PF_ContextPtr>(&m_contextCurrent);
    }
    else
    {
        m_in.utils = reinterpret_cast<_PF_UtilCallbacks*>(&m_utilsLegacy);
        m_in.version = {ae_legacy::kInterfaceMajor, ae_legacy::kInterfaceMinor};
        m_contextPtr = reinterpret_cast<PF_ContextPtr>(&m_contextLegacy);
    }
    m_in.effect_ref = reinterpret_cast<PF_ProgPtr>(this);
    m_in.quality = PF_Quality_HI;
    m_in.appl_id = 0x544E5343; // 'TNSC'
    m_in.time_step = m_in.local_time_step = m_in.total_time = 1;
    m_in.time_scale = 1;
    m_in.downsample_x = m_in.downsample_y = m_in.pixel_aspect_ratio = {1, 1};
    m_in.pica_basicP = &m_basic;

    // Parameter 0 is the input layer, which the host supplies.
    auto layer = std::make_unique<yParam>();
    layer->def.param_type = PF_Param_LAYER;
    std::strcpy(layer->def.name, "Input");
    m_params.push_back(std::move(layer));
}

PF_FilterProc yEffectHost::Entry() const
{
    return m_module ? m_module->Entry() : m_entry;
}

PF_Err yEffectHost::Call(PF_Cmd cmd, PF_LayerDef* output, void* extra)
{
    const PF_FilterProc entry = Entry();
    if (!entry) return PF_Err_INVALID_CALLBACK;
    m_out = PF_OutData{};
    m_out.global_data = m_in.global_data;
    m_out.sequence_data = m_in.sequence_data;
    const PF_Handle sequence = m_in.sequence_data;
    m_in.num_params = A_long(m_params.size());
    std::vector<PF_ParamDef*> params;
    for (auto& param : m_params)
        params.push_back(&param->def);
    params.push_back(nullptr);

    PF_Err err;
    {
        yActiveHost active(this);
        err = entry(cmd, &m_in, &m_out, params.data(), output, extra);
    }

    m_in.global_data = cmd == PF_Cmd_GLOBAL_SETDOWN ? nullptr : m_out.global_data;
    m_in.sequence_data = cmd == PF_Cmd_SEQUENCE_SETDOWN ? nullptr : m_out.sequence_data;
    // A flat record, or a live handle the module rebuilt into a new one, is
    // the host's to free once the module has moved on from it.
    const bool replaced = cmd == PF_Cmd_SEQUENCE_RESETUP && sequence != m_in.sequence_data;
    if ((replaced || cmd == PF_Cmd_SEQUENCE_SETDOWN) && IsHandle(sequence)) m_handles.Dispose(sequence);
    return err;
}

std::string yEffectHost::ReturnMessage() const
{
    return std::string(m_out.return_msg, strnlen(m_out.return_msg, sizeof m_out.return_msg));
}

int yEffectHost::FindParam(const std::string& name) const
{
    for (size_t i = 0; i < m_params.size(); ++i)
        if (name == m_params[i]->def.name || (!m_params[i]->label.empty() && name == m_params[i]->label))
            return int(i);
    return -1;
}

void yEffectHost::SetInputLayer(const PF_EffectWorld& world)
{
    m_params[0]->def.u.ld = world;
    m_in.width = world.width;
    m_in.height = world.height;
    m_in.extent_hint = {0, 0, world.width, world.height};
}

PF_Handle yEffectHost::NewHandleWith(const std::vector<uint8_t>& bytes)
{
    const PF_Handle handle = m_handles.New(bytes.size());
    if (handle && !bytes.empty()) std::memcpy(*handle, bytes.data(), bytes.size());
    return handle;
}

void yEffectHost::SetDownsample(PF_RationalScale x, PF_RationalScale y)
{
    m_in.downsample_x = x;
    m_in.downsample_y = y;
}

PF_Err yEffectHost::AddParam(PF_ParamIndex index, const PF_ParamDef* def)
{
    if (!def) return PF_Err_BAD_CALLBACK_PARAM;
    if (index != -1 && size_t(index) != m_params.size()) return PF_Err_INVALID_INDEX;
    auto param = std::make_unique<yParam>();
    param->def = *def;
    param->def.name[sizeof param->def.name - 1] = 0;
    // Keep our own copies of the texts the definition points to.
    if (def->param_type == PF_Param_POPUP && def->u.pd.u.namesptr)
    {
        param->choices = def->u.pd.u.namesptr;
        param->def.u.pd.u.namesptr = param->choices.c_str();
    }
    if (def->param_type == PF_Param_CHECKBOX && def->u.bd.u.nameptr)
    {
        param->label = def->u.bd.u.nameptr;
        param->def.u.bd.u.nameptr = param->label.c_str();
    }
    m_params.push_back(std::move(param));
    return PF_Err_NONE;
}

void yEffectHost::UpdateParamUI(PF_ParamIndex index, const PF_ParamDef& def)
{
    m_paramUIUpdates.push_back({index, def});
    // What the control shows changes; its value stays the host's.
    PF_ParamDef& kept = m_params[size_t(index)]->def;
    kept.ui_flags = def.ui_flags;
    kept.flags = def.flags;
    std::memcpy(kept.name, def.name, sizeof kept.name);
    kept.name[sizeof kept.name - 1] = 0;
}

PF_EventType yEffectHost::KeyDownEvent() const
{
    return m_profile == yProfile::Current ? ae_current::kKeyDownEvent : ae_legacy::kKeyDownEvent;
}

void yEffectHost::SetKeyDown(PF_EventExtra& extra, uint32_t code, PF_Modifiers modifiers, A_u_long when) const
{
    if (m_profile == yProfile::Legacy)
    {
        extra.u.key_down_obsolete.when = when;
        extra.u.key_down_obsolete.char_code = A_long(code);
        extra.u.key_down_obsolete.key_code = A_long(code);
        extra.u.key_down_obsolete.modifiers = modifiers;
        return;
    }
    // An upper-case letter is typed with shift held.
    if (code >= 'A' && code <= 'Z') modifiers |= PF_Mod_SHIFT_KEY;
    extra.u.key_down.when = when;
    extra.u.key_down.keycode = CurrentKeyCode(code);
    extra.u.key_down.modifiers = modifiers;
}

void yEffectHost::SetDrawWindow(ZT_DrawSurface* memory, void* device)
{
    m_surface = device;
    m_drawbot.SetTarget(memory);
}

bool yEffectHost::MakeArbitraryValues(std::string& error)
{
    if (m_profile != yProfile::Current) return true;
    for (size_t k = 1; k < m_params.size(); ++k)
    {
        PF_ArbitraryDef& arb = m_params[k]->def.u.arb_d;
        if (m_params[k]->def.param_type != PF_Param_ARBITRARY_DATA || arb.value) continue;
        if (!arb.dephault || !IsHandle(arb.dephault))
        {
            error = "The module gave its arbitrary parameter \"" + std::string(m_params[k]->def.name) +
                    "\" no default that is a handle of this host.";
            return false;
        }
        PF_ArbParamsExtra call{};
        call.which_function = PF_Arbitrary_COPY_FUNC;
        call.u.copy_func_params.src_arbH = arb.dephault;
        call.u.copy_func_params.dst_arbPH = &arb.value;
        const PF_Err err = CallArbitrary(PF_ParamIndex(k), call);
        if (err != PF_Err_NONE || !arb.value || !IsHandle(arb.value))
        {
            arb.value = nullptr;
            error = "The module made no value for its arbitrary parameter \"" +
                    std::string(m_params[k]->def.name) + "\" from its default (error " + std::to_string(err) +
                    ").";
            return false;
        }
    }
    return true;
}

void yEffectHost::DisposeArbitraryValues()
{
    if (m_profile != yProfile::Current) return;
    for (size_t k = 1; k < m_params.size(); ++k)
    {
        PF_ArbitraryDef& arb = m_params[k]->def.u.arb_d;
        if (m_params[k]->def.param_type != PF_Param_ARBITRARY_DATA) continue;
        for (PF_Handle* handle : {&arb.value, &arb.dephault})
        {
            if (!*handle) continue;
            PF_ArbParamsExtra call{};
            call.which_function = PF_Arbitrary_DISPOSE_FUNC;
            call.u.dispose_func_params.arbH = *handle;
            CallArbitrary(PF_ParamIndex(k), call);
            *handle = nullptr;
        }
    }
}

PF_Err yEffectHost::CallArbitrary(PF_ParamIndex index, PF_ArbParamsExtra& call)
{
    if (index < 0 || size_t(index) >= m_params.size()) return PF_Err_INVALID_INDEX;
    call.id = A_short(m_params[size_t(index)]->def.u.arb_d.id);
    return Call(PF_Cmd_ARBITRARY_CALLBACK, nullptr, &call);
}

PF_Handle yEffectHost::CopyArbitraryValue(PF_ParamIndex index)
{
    if (m_profile != yProfile::Current || index < 1 || size_t(index) >= m_params.size()) return nullptr;
    PF_Handle copy = nullptr;
    PF_ArbParamsExtra call{};
    call.which_function = PF_Arbitrary_COPY_FUNC;
    call.u.copy_func_params.src_arbH = m_params[size_t(index)]->def.u.arb_d.value;
    call.u.copy_func_params.dst_arbPH = &copy;
    if (!call.u.copy_func_params.src_arbH || CallArbitrary(index, call) != PF_Err_NONE || !IsHandle(copy))
        return nullptr;
    return copy;
}

bool yEffectHost::ArbitraryValueChanged(PF_ParamIndex index, PF_Handle before)
{
    if (!before) return false;
    PF_ArbCompareResult result = PF_ArbCompare_EQUAL;
    PF_ArbParamsExtra call{};
    call.which_function = PF_Arbitrary_COMPARE_FUNC;
    call.u.compare_func_params.a_arbH = before;
    call.u.compare_func_params.b_arbH = m_params[size_t(index)]->def.u.arb_d.value;
    call.u.compare_func_params.compareP = &result;
    const bool compared = CallArbitrary(index, call) == PF_Err_NONE;
    PF_ArbParamsExtra dispose{};
    dispose.which_function = PF_Arbitrary_DISPOSE_FUNC;
    dispose.u.dispose_func_params.arbH = before;
    CallArbitrary(index, dispose);
    return compared && result != PF_ArbCompare_EQUAL;
}

const void* yEffectHost::AcquireSuite(const char* name, int32_t version)
{
    if (m_probe && !m_probe->ServesSuite(name)) return nullptr;
    const void* table = ServedSuite(m_profile, name, version);
    if (table) ++m_openSuites;
    return table;
}
} // namespace yStandalone
