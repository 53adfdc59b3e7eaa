#include "standalone/yEffectHost.h"

#include "standalone/yHostPlatform.h"
#include "standalone/yModule.h"
#include "standalone/yWorld.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace yHost
{
namespace
{
// The host whose call is running; the callbacks without an effect reference
// (handles, the ansi helpers) find it here.
thread_local yEffectHost* g_active = nullptr;

// The basic suite's answer for a suite it does not have ('S!Ut').
constexpr SPErr kSuiteNotFound = 0x53215574;
// Larger handles are refused, as a host out of memory would.
constexpr size_t kMaxHandleSize = size_t(1) << 30;

class yActiveHost
{
  public:
    explicit yActiveHost(yEffectHost* host) : m_previous(g_active) { g_active = host; }
    ~yActiveHost() { g_active = m_previous; }
    yActiveHost(const yActiveHost&) = delete;
    yActiveHost& operator=(const yActiveHost&) = delete;

  private:
    yEffectHost* m_previous;
};

bool InsideBuffer(const void* p, const char* buffer, size_t size)
{
    const std::less_equal<const void*> le;
    return le(buffer, p) && !le(buffer + size, p);
}
} // namespace

const char* HostCallName(yHostCall call)
{
    switch (call)
    {
    case yHostCall::NewHandle:
        return "new handle";
    case yHostCall::LockHandle:
        return "lock handle";
    case yHostCall::UnlockHandle:
        return "unlock handle";
    case yHostCall::DisposeHandle:
        return "dispose handle";
    case yHostCall::GetHandleSize:
        return "get handle size";
    case yHostCall::ResizeHandle:
        return "resize handle";
    case yHostCall::AddParam:
        return "add_param";
    case yHostCall::RegisterUI:
        return "register_ui";
    case yHostCall::Progress:
        return "progress";
    case yHostCall::CopyWorld:
        return "copy";
    case yHostCall::Fill:
        return "fill";
    case yHostCall::Fill16:
        return "fill16";
    case yHostCall::RegisterWithAEGP:
        return "AEGP_RegisterWithAEGP";
    case yHostCall::RefreshAllWindows:
        return "refresh all windows";
    case yHostCall::DoCommand:
        return "do command";
    case yHostCall::UpdateParamUI:
        return "update param UI";
    case yHostCall::GetBackgroundColor:
        return "get background colour";
    case yHostCall::GetDrawSurface:
        return "get_cgraf_data";
    case yHostCall::AcquireSuite:
        return "acquire suite";
    case yHostCall::ReleaseSuite:
        return "release suite";
    }
    return "?";
}

// The C functions the module calls. Each finds its host, logs the call and
// gives the injected failure when there is one.
struct yHostCallbacks
{
    static yEffectHost* From(PF_ProgPtr ref)
    {
        return g_active && reinterpret_cast<PF_ProgPtr>(g_active) == ref ? g_active : nullptr;
    }

    // Handles.
    static PF_Handle NewHandle(A_HandleSize size)
    {
        yEffectHost* host = g_active;
        if (!host || host->Enter(yHostCall::NewHandle) != PF_Err_NONE) return nullptr;
        return host->NewHandle(size_t(std::min<A_HandleSize>(size, kMaxHandleSize + 1)));
    }
    static void* LockHandle(PF_Handle handle)
    {
        yEffectHost* host = g_active;
        if (!host || host->Enter(yHostCall::LockHandle) != PF_Err_NONE) return nullptr;
        yEffectHost::yHandleBlock* block = host->Block(handle);
        if (!block) return nullptr;
        ++block->locks;
        return block->data;
    }
    static void UnlockHandle(PF_Handle handle)
    {
        yEffectHost* host = g_active;
        if (!host || host->Enter(yHostCall::UnlockHandle) != PF_Err_NONE) return;
        if (yEffectHost::yHandleBlock* block = host->Block(handle); block && block->locks > 0) --block->locks;
    }
    static void DisposeHandle(PF_Handle handle)
    {
        yEffectHost* host = g_active;
        if (host && host->Enter(yHostCall::DisposeHandle) == PF_Err_NONE) host->DisposeHandle(handle);
    }
    static A_HandleSize GetHandleSize(PF_Handle handle)
    {
        yEffectHost* host = g_active;
        if (!host || host->Enter(yHostCall::GetHandleSize) != PF_Err_NONE) return 0;
        const yEffectHost::yHandleBlock* block = host->Block(handle);
        return block ? block->size : 0;
    }
    static PF_Err ResizeHandle(A_HandleSize size, PF_Handle* handle)
    {
        yEffectHost* host = g_active;
        if (!host) return PF_Err_INVALID_CALLBACK;
        if (PF_Err err = host->Enter(yHostCall::ResizeHandle)) return err;
        yEffectHost::yHandleBlock* block = handle ? host->Block(*handle) : nullptr;
        if (!block) return PF_Err_BAD_CALLBACK_PARAM;
        if (size > kMaxHandleSize) return PF_Err_OUT_OF_MEMORY;
        void* data = std::realloc(block->data, std::max<size_t>(size, 1));
        if (!data) return PF_Err_OUT_OF_MEMORY;
        if (size > block->size) std::memset(static_cast<char*>(data) + block->size, 0, size - block->size);
        block->data = data;
        block->size = size;
        return PF_Err_NONE;
    }

    // Interaction callbacks.
    static PF_Err AddParam(PF_ProgPtr ref, PF_ParamIndex index, PF_ParamDefPtr def)
    {
        yEffectHost* host = From(ref);
        if (!host) return PF_Err_BAD_CALLBACK_PARAM;
        if (PF_Err err = host->Enter(yHostCall::AddParam)) return err;
        return host->AddParam(index, def);
    }
    static PF_Err RegisterUI(PF_ProgPtr ref, PF_CustomUIInfo* info)
    {
        yEffectHost* host = From(ref);
        if (!host || !info) return PF_Err_BAD_CALLBACK_PARAM;
        if (PF_Err err = host->Enter(yHostCall::RegisterUI)) return err;
        host->m_customUIs.push_back(*info);
        return PF_Err_NONE;
    }
    static PF_Err Progress(PF_ProgPtr ref, A_long, A_long)
    {
        yEffectHost* host = From(ref);
        return host ? host->Enter(yHostCall::Progress) : PF_Err_BAD_CALLBACK_PARAM;
    }

    // Worlds.
    static PF_Err Copy(PF_ProgPtr ref, PF_EffectWorld* src, PF_EffectWorld* dst, PF_Rect* srcRect,
                       PF_Rect* dstRect)
    {
        yEffectHost* host = From(ref);
        if (!host) return PF_Err_BAD_CALLBACK_PARAM;
        if (PF_Err err = host->Enter(yHostCall::CopyWorld)) return err;
        return CopyWorld(src, dst, srcRect, dstRect);
    }
    static PF_Err Fill(PF_ProgPtr ref, const PF_Pixel* color, const PF_Rect* rect, PF_EffectWorld* world)
    {
        yEffectHost* host = From(ref);
        if (!host) return PF_Err_BAD_CALLBACK_PARAM;
        if (PF_Err err = host->Enter(yHostCall::Fill)) return err;
        return FillWorld(color, rect, world);
    }
    static PF_Err Fill16(PF_ProgPtr ref, const PF_Pixel16* color, const PF_Rect* rect, PF_EffectWorld* world)
    {
        yEffectHost* host = From(ref);
        if (!host) return PF_Err_BAD_CALLBACK_PARAM;
        if (PF_Err err = host->Enter(yHostCall::Fill16)) return err;
        return FillWorld16(color, rect, world);
    }

    // The ansi helpers. A message written into out_data's return message is
    // cut at its end; other buffers are the module's to size.
    static int Sprintf(A_char* buffer, const A_char* format, ...)
    {
        if (!buffer || !format) return -1;
        va_list args;
        va_start(args, format);
        int written;
        yEffectHost* host = g_active;
        if (host && InsideBuffer(buffer, host->m_out.return_msg, sizeof host->m_out.return_msg))
            written = std::vsnprintf(buffer,
                                     size_t(host->m_out.return_msg + sizeof host->m_out.return_msg - buffer),
                                     format, args);
        else
            written = std::vsprintf(buffer, format, args);
        va_end(args);
        return written;
    }
    static A_char* Strcpy(A_char* dst, const A_char* src) { return dst && src ? std::strcpy(dst, src) : dst; }

    static PF_Err GetPlatformData(PF_ProgPtr ref, PF_PlatDataID, void* data)
    {
        // There is no main window, no resource file and no instance handle here.
        if (!From(ref) || !data) return PF_Err_BAD_CALLBACK_PARAM;
        *static_cast<void**>(data) = nullptr;
        return PF_Err_NONE;
    }
    static PF_Err GetDrawSurface(PF_ProgPtr ref, void*, PF_CGrafDataID which, void** data)
    {
        yEffectHost* host = From(ref);
        if (!host || !data || which != PF_CGrafData_HDC) return PF_Err_BAD_CALLBACK_PARAM;
        if (PF_Err err = host->Enter(yHostCall::GetDrawSurface)) return err;
        *data = host->m_surface;
        return host->m_surface ? PF_Err_NONE : PF_Err_BAD_CALLBACK_PARAM;
    }

    // Suite functions.
    static A_Err RegisterWithAEGP(AEGP_GlobalRefcon, const A_char* name, AEGP_PluginID* id)
    {
        yEffectHost* host = g_active;
        if (!host || !id) return PF_Err_BAD_CALLBACK_PARAM;
        if (PF_Err err = host->Enter(yHostCall::RegisterWithAEGP)) return err;
        host->m_registeredNames.push_back(name ? name : "");
        *id = yEffectHost::kPluginId;
        return PF_Err_NONE;
    }
    static PF_Err RefreshAllWindows()
    {
        yEffectHost* host = g_active;
        if (!host) return PF_Err_INVALID_CALLBACK;
        if (PF_Err err = host->Enter(yHostCall::RefreshAllWindows)) return err;
        ++host->m_windowRefreshes;
        return PF_Err_NONE;
    }
    static A_Err DoCommand(AEGP_Command command)
    {
        yEffectHost* host = g_active;
        if (!host) return PF_Err_INVALID_CALLBACK;
        if (PF_Err err = host->Enter(yHostCall::DoCommand)) return err;
        host->m_commands.push_back(command);
        return PF_Err_NONE;
    }
    static PF_Err UpdateParamUI(PF_ProgPtr ref, PF_ParamIndex index, const PF_ParamDef* def)
    {
        yEffectHost* host = From(ref);
        if (!host || !def) return PF_Err_BAD_CALLBACK_PARAM;
        if (PF_Err err = host->Enter(yHostCall::UpdateParamUI)) return err;
        if (index < 0 || size_t(index) >= host->m_params.size()) return PF_Err_INVALID_INDEX;
        host->UpdateParamUI(index, *def);
        return PF_Err_NONE;
    }
    static PF_Err GetBackgroundColor(PF_App_Color* color)
    {
        yEffectHost* host = g_active;
        if (!host || !color) return PF_Err_BAD_CALLBACK_PARAM;
        if (PF_Err err = host->Enter(yHostCall::GetBackgroundColor)) return err;
        *color = host->m_background;
        return PF_Err_NONE;
    }

    // The basic suite.
    static SPErr AcquireSuite(const char* name, int32_t version, const void** suite)
    {
        yEffectHost* host = g_active;
        if (!host || !name || !suite) return kSuiteNotFound;
        if (SPErr err = host->Enter(yHostCall::AcquireSuite)) return err;
        const void* table = host->AcquireSuite(name, version);
        if (!table) return kSuiteNotFound;
        *suite = table;
        return kSPNoError;
    }
    static SPErr ReleaseSuite(const char*, int32_t)
    {
        yEffectHost* host = g_active;
        if (!host) return kSuiteNotFound;
        if (SPErr err = host->Enter(yHostCall::ReleaseSuite)) return err;
        --host->m_openSuites;
        return kSPNoError;
    }
    static SPBoolean IsEqual(const char* a, const char* b) { return a && b && std::strcmp(a, b) == 0; }
    static SPErr AllocateBlock(size_t size, void** block)
    {
        if (!block) return kSuiteNotFound;
        *block = std::malloc(std::max<size_t>(size, 1));
        return *block ? kSPNoError : SPErr(PF_Err_OUT_OF_MEMORY);
    }
    static SPErr FreeBlock(void* block)
    {
        std::free(block);
        return kSPNoError;
    }
    static SPErr ReallocateBlock(void* block, size_t size, void** newBlock)
    {
        if (!newBlock) return kSuiteNotFound;
        void* moved = std::realloc(block, std::max<size_t>(size, 1));
        if (!moved) return PF_Err_OUT_OF_MEMORY;
        *newBlock = moved;
        return kSPNoError;
    }
    static SPErr Undefined() { return kSuiteNotFound; }
};

namespace
{
// One table per suite the host serves; functions the module does not use stay null.
struct ySuiteTables
{
    PF_HandleSuite1 handles{yHostCallbacks::NewHandle,     yHostCallbacks::LockHandle,
                            yHostCallbacks::UnlockHandle,  yHostCallbacks::DisposeHandle,
                            yHostCallbacks::GetHandleSize, yHostCallbacks::ResizeHandle};
    AEGP_UtilitySuite3 utility{};
    PF_WorldTransformSuite1 transform{};
    PF_FillMatteSuite1 fillMatte{yHostCallbacks::Fill, yHostCallbacks::Fill16};
    PF_AdvAppSuite1 advApp{};
    AEGP_CommandSuite1 command{};
    PF_ParamUtilsSuite1 paramUtils{yHostCallbacks::UpdateParamUI};
    PF_AppSuite1 app{yHostCallbacks::GetBackgroundColor};

    ySuiteTables()
    {
        utility.AEGP_RegisterWithAEGP = yHostCallbacks::RegisterWithAEGP;
        transform.copy = yHostCallbacks::Copy;
        advApp.PF_RefreshAllWindows = yHostCallbacks::RefreshAllWindows;
        command.AEGP_DoCommand = yHostCallbacks::DoCommand;
    }
};

const ySuiteTables& Suites()
{
    static const ySuiteTables tables;
    return tables;
}
} // namespace

yEffectHost::yEffectHost(const yModule& module) : m_module(module)
{
    yHostPlatform::Instance(); // the exported table lives beside this state

    m_utils.copy = yHostCallbacks::Copy;
    m_utils.fill = yHostCallbacks::Fill;
    m_utils.fill16 = yHostCallbacks::Fill16;
    m_utils.host_new_handle = yHostCallbacks::NewHandle;
    m_utils.host_lock_handle = yHostCallbacks::LockHandle;
    m_utils.host_unlock_handle = yHostCallbacks::UnlockHandle;
    m_utils.host_dispose_handle = yHostCallbacks::DisposeHandle;
    m_utils.host_get_handle_size = yHostCallbacks::GetHandleSize;
    m_utils.host_resize_handle = yHostCallbacks::ResizeHandle;
    m_utils.get_platform_data = yHostCallbacks::GetPlatformData;
    m_utils.get_cgraf_data = yHostCallbacks::GetDrawSurface;
    PF_ANSICallbacks& ansi = m_utils.ansi;
    ansi.atan = [](A_FpLong x) { return std::atan(x); };
    ansi.atan2 = [](A_FpLong y, A_FpLong x) { return std::atan2(y, x); };
    ansi.ceil = [](A_FpLong x) { return std::ceil(x); };
    ansi.cos = [](A_FpLong x) { return std::cos(x); };
    ansi.exp = [](A_FpLong x) { return std::exp(x); };
    ansi.fabs = [](A_FpLong x) { return std::fabs(x); };
    ansi.floor = [](A_FpLong x) { return std::floor(x); };
    ansi.fmod = [](A_FpLong x, A_FpLong y) { return std::fmod(x, y); };
    ansi.hypot = [](A_FpLong x, A_FpLong y) { return std::hypot(x, y); };
    ansi.log = [](A_FpLong x) { return std::log(x); };
    ansi.log10 = [](A_FpLong x) { return std::log10(x); };
    ansi.pow = [](A_FpLong x, A_FpLong y) { return std::pow(x, y); };
    ansi.sin = [](A_FpLong x) { return std::sin(x); };
    ansi.sqrt = [](A_FpLong x) { return std::sqrt(x); };
    ansi.tan = [](A_FpLong x) { return std::tan(x); };
    ansi.asin = [](A_FpLong x) { return std::asin(x); };
    ansi.acos = [](A_FpLong x) { return std::acos(x); };
    ansi.sprintf = yHostCallbacks::Sprintf;
    ansi.strcpy = yHostCallbacks::Strcpy;

    m_basic.AcquireSuite = yHostCallbacks::AcquireSuite;
    m_basic.ReleaseSuite = yHostCallbacks::ReleaseSuite;
    m_basic.IsEqual = yHostCallbacks::IsEqual;
    m_basic.AllocateBlock = yHostCallbacks::AllocateBlock;
    m_basic.FreeBlock = yHostCallbacks::FreeBlock;
    m_basic.ReallocateBlock = yHostCallbacks::ReallocateBlock;
    m_basic.Undefined = yHostCallbacks::Undefined;

    m_in.inter.add_param = yHostCallbacks::AddParam;
    m_in.inter.progress = yHostCallbacks::Progress;
    m_in.inter.register_ui = yHostCallbacks::RegisterUI;
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

yEffectHost::~yEffectHost()
{
    for (auto& entry : m_handles)
        std::free(entry.second->data);
}

PF_Err yEffectHost::Call(PF_Cmd cmd, PF_LayerDef* output, void* extra)
{
    if (!m_module.Entry()) return PF_Err_INVALID_CALLBACK;
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
        err = m_module.Entry()(cmd, &m_in, &m_out, params.data(), output, extra);
    }

    m_in.global_data = cmd == PF_Cmd_GLOBAL_SETDOWN ? nullptr : m_out.global_data;
    m_in.sequence_data = cmd == PF_Cmd_SEQUENCE_SETDOWN ? nullptr : m_out.sequence_data;
    // A flat record, or a live handle the module rebuilt into a new one, is
    // the host's to free once the module has moved on from it.
    const bool replaced = cmd == PF_Cmd_SEQUENCE_RESETUP && sequence != m_in.sequence_data;
    if ((replaced || cmd == PF_Cmd_SEQUENCE_SETDOWN) && IsHandle(sequence)) DisposeHandle(sequence);
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

int yEffectHost::CallCount(yHostCall call) const
{
    return int(std::count(m_log.begin(), m_log.end(), call));
}

void yEffectHost::FailCall(yHostCall call, PF_Err err, int succeed)
{
    m_failures[call] = {err, succeed};
}

size_t yEffectHost::HandleSize(PF_Handle handle) const
{
    const auto found = m_handles.find(handle);
    return found == m_handles.end() ? 0 : found->second->size;
}

std::vector<uint8_t> yEffectHost::HandleBytes(PF_Handle handle) const
{
    const auto found = m_handles.find(handle);
    if (found == m_handles.end()) return {};
    const auto* data = static_cast<const uint8_t*>(found->second->data);
    return std::vector<uint8_t>(data, data + found->second->size);
}

PF_Handle yEffectHost::NewHandleWith(const std::vector<uint8_t>& bytes)
{
    const PF_Handle handle = NewHandle(bytes.size());
    if (handle && !bytes.empty()) std::memcpy(*handle, bytes.data(), bytes.size());
    return handle;
}

void yEffectHost::SetDownsample(PF_RationalScale x, PF_RationalScale y)
{
    m_in.downsample_x = x;
    m_in.downsample_y = y;
}

PF_Err yEffectHost::Enter(yHostCall call)
{
    m_log.push_back(call);
    const auto found = m_failures.find(call);
    if (found == m_failures.end()) return PF_Err_NONE;
    if (found->second.succeed > 0)
    {
        --found->second.succeed;
        return PF_Err_NONE;
    }
    return found->second.err;
}

yEffectHost::yHandleBlock* yEffectHost::Block(PF_Handle handle)
{
    const auto found = m_handles.find(handle);
    if (found != m_handles.end()) return found->second.get();
    ++m_badHandleUses;
    return nullptr;
}

PF_Handle yEffectHost::NewHandle(size_t size)
{
    if (size > kMaxHandleSize) return nullptr;
    auto block = std::make_unique<yHandleBlock>();
    block->data = std::calloc(std::max<size_t>(size, 1), 1);
    if (!block->data) return nullptr;
    block->size = size;
    const PF_Handle handle = &block->data;
    m_handles.emplace(handle, std::move(block));
    return handle;
}

void yEffectHost::DisposeHandle(PF_Handle handle)
{
    yHandleBlock* block = Block(handle);
    if (!block) return;
    std::free(block->data);
    m_handles.erase(handle);
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
    if (m_withheld.count(name)) return nullptr;
    const ySuiteTables& suites = Suites();
    const struct
    {
        const char* name;
        int32_t version;
        const void* table;
    } served[] = {
        {kPFHandleSuite, kPFHandleSuiteVersion1, &suites.handles},
        {kAEGPUtilitySuite, kAEGPUtilitySuiteVersion3, &suites.utility},
        {kPFWorldTransformSuite, kPFWorldTransformSuiteVersion1, &suites.transform},
        {kPFFillMatteSuite, kPFFillMatteSuiteVersion1, &suites.fillMatte},
        {kPFAdvAppSuite, kPFAdvAppSuiteVersion1, &suites.advApp},
        {kAEGPCommandSuite, kAEGPCommandSuiteVersion1, &suites.command},
        {kPFParamUtilsSuite, kPFParamUtilsSuiteVersion1, &suites.paramUtils},
        {kPFAppSuite, kPFAppSuiteVersion1, &suites.app},
    };
    for (const auto& suite : served)
        if (version == suite.version && std::strcmp(name, suite.name) == 0)
        {
            ++m_openSuites;
            return suite.table;
        }
    return nullptr;
}
} // namespace yHost
