#include "standalone/yEffectHost.h"

#include "standalone/yHostPlatform.h"
#include "standalone/yModule.h"
#include "standalone/ySuiteTables.h"

#include <cstring>

namespace yHost
{
yEffectHost::yEffectHost(const yModule& module) : m_module(&module)
{
    Init();
}

yEffectHost::yEffectHost(PF_FilterProc entry) : m_entry(entry)
{
    Init();
}

yEffectHost::~yEffectHost() = default;

void yEffectHost::Init()
{
    yHostPlatform::Instance(); // the exported table lives beside this state

    BindCallbacks(m_utils, m_in.inter, m_basic);
    m_in.utils = &m_utils;
    m_in.effect_ref = reinterpret_cast<PF_ProgPtr>(this);
    m_in.quality = PF_Quality_HI;
    m_in.version = {PF_PLUG_IN_VERSION, PF_PLUG_IN_SUBVERS};
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

const void* yEffectHost::AcquireSuite(const char* name, int32_t version)
{
    if (m_probe && !m_probe->ServesSuite(name)) return nullptr;
    const void* table = ServedSuite(name, version);
    if (table) ++m_openSuites;
    return table;
}
} // namespace yHost
