#include "standalone/emulator/ySuiteTables.h"

#include "host/sdk/DrawbotSuite.h"
#include "standalone/emulator/yEffectHost.h"
#include "standalone/emulator/yIteratePool.h"
#include "standalone/emulator/yWorld.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace yStandalone
{
namespace
{
// The host whose call is running; the callbacks without an effect reference
// (handles, the ansi helpers) find it here.
thread_local yEffectHost* g_active = nullptr;

constexpr SPErr kSuiteNotFound = kSPSuiteNotFoundError;

bool InsideBuffer(const void* p, const char* buffer, size_t size)
{
    const std::less_equal<const void*> le;
    return le(buffer, p) && !le(buffer + size, p);
}
} // namespace

yActiveHost::yActiveHost(yEffectHost* host) : m_previous(g_active)
{
    g_active = host;
}

yActiveHost::~yActiveHost()
{
    g_active = m_previous;
}

// Each callback finds its host, logs the call and gives the injected
// failure when there is one.
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
        return host->m_handles.New(size_t(std::min<A_HandleSize>(size, yHandleStore::kMaxSize + 1)));
    }
    static void* LockHandle(PF_Handle handle)
    {
        yEffectHost* host = g_active;
        if (!host || host->Enter(yHostCall::LockHandle) != PF_Err_NONE) return nullptr;
        yHandleStore::yBlock* block = host->m_handles.Block(handle);
        if (!block) return nullptr;
        ++block->locks;
        return block->data;
    }
    static void UnlockHandle(PF_Handle handle)
    {
        yEffectHost* host = g_active;
        if (!host || host->Enter(yHostCall::UnlockHandle) != PF_Err_NONE) return;
        if (yHandleStore::yBlock* block = host->m_handles.Block(handle); block && block->locks > 0) --block->locks;
    }
    static void DisposeHandle(PF_Handle handle)
    {
        yEffectHost* host = g_active;
        if (host && host->Enter(yHostCall::DisposeHandle) == PF_Err_NONE) host->m_handles.Dispose(handle);
    }
    static A_HandleSize GetHandleSize(PF_Handle handle)
    {
        yEffectHost* host = g_active;
        if (!host || host->Enter(yHostCall::GetHandleSize) != PF_Err_NONE) return 0;
        const yHandleStore::yBlock* block = host->m_handles.Block(handle);
        return block ? block->size : 0;
    }
    static PF_Err ResizeHandle(A_HandleSize size, PF_Handle* handle)
    {
        yEffectHost* host = g_active;
        if (!host) return PF_Err_INVALID_CALLBACK;
        if (PF_Err err = host->Enter(yHostCall::ResizeHandle)) return err;
        if (!handle) return PF_Err_BAD_CALLBACK_PARAM;
        return host->m_handles.Resize(*handle, size_t(std::min<A_HandleSize>(size, yHandleStore::kMaxSize + 1)));
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
    static PF_Err GetDrawSurface(PF_ProgPtr ref, void*, ae_legacy::PF_CGrafDataID which, void** data)
    {
        yEffectHost* host = From(ref);
        if (!host || !data || which != ae_legacy::PF_CGrafData_HDC) return PF_Err_BAD_CALLBACK_PARAM;
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

    // Custom UI through Drawbot, for the draw event that is running.
    static PF_Err GetDrawingReference(const PF_ContextH context, DRAWBOT_DrawRef* reference)
    {
        yEffectHost* host = g_active;
        if (!host || !reference) return PF_Err_BAD_CALLBACK_PARAM;
        if (PF_Err err = host->Enter(yHostCall::GetDrawingReference)) return err;
        if (context != host->WindowContext()) return PF_Err_BAD_CALLBACK_PARAM;
        // Outside a draw event there is nothing to draw in.
        *reference = host->m_drawbot.Target() ? host->m_drawbot.DrawRef() : nullptr;
        return PF_Err_NONE;
    }
    static yDrawbotHost* Drawbot() { return g_active ? &g_active->m_drawbot : nullptr; }
    static DRAWBOT_Err GetSupplier(DRAWBOT_DrawRef ref, DRAWBOT_SupplierRef* supplier)
    {
        yDrawbotHost* drawbot = Drawbot();
        if (!drawbot || !drawbot->IsDrawRef(ref) || !supplier) return kSPBadParameterError;
        *supplier = drawbot->Supplier();
        return kSPNoError;
    }
    static DRAWBOT_Err GetSurface(DRAWBOT_DrawRef ref, DRAWBOT_SurfaceRef* surface)
    {
        yDrawbotHost* drawbot = Drawbot();
        if (!drawbot || !drawbot->IsDrawRef(ref) || !surface) return kSPBadParameterError;
        *surface = drawbot->Surface();
        return kSPNoError;
    }
    static DRAWBOT_Err NewImageFromBuffer(DRAWBOT_SupplierRef supplier, int32_t width, int32_t height,
                                          int32_t rowBytes, DRAWBOT_PixelLayout layout, const void* data,
                                          DRAWBOT_ImageRef* image)
    {
        yDrawbotHost* drawbot = Drawbot();
        if (!drawbot || !drawbot->IsSupplier(supplier) || !image) return kSPBadParameterError;
        if (SPErr err = g_active->Enter(yHostCall::NewImage)) return err;
        *image = drawbot->NewImage(width, height, rowBytes, layout, data);
        return *image ? kSPNoError : kSPBadParameterError;
    }
    static DRAWBOT_Err ReleaseObject(DRAWBOT_ObjectRef object)
    {
        yDrawbotHost* drawbot = Drawbot();
        return drawbot && drawbot->Release(object) ? kSPNoError : kSPBadParameterError;
    }
    static DRAWBOT_Err PushStateStack(DRAWBOT_SurfaceRef surface)
    {
        yDrawbotHost* drawbot = Drawbot();
        if (!drawbot || !drawbot->IsSurface(surface)) return kSPBadParameterError;
        drawbot->Push();
        return kSPNoError;
    }
    static DRAWBOT_Err PopStateStack(DRAWBOT_SurfaceRef surface)
    {
        yDrawbotHost* drawbot = Drawbot();
        return drawbot && drawbot->IsSurface(surface) && drawbot->Pop() ? kSPNoError : kSPBadParameterError;
    }
    static DRAWBOT_Err Clip(DRAWBOT_SurfaceRef surface, DRAWBOT_SupplierRef supplier,
                            const DRAWBOT_Rect32* rect)
    {
        yDrawbotHost* drawbot = Drawbot();
        if (!drawbot || !drawbot->IsSurface(surface) || !drawbot->IsSupplier(supplier) || !rect)
            return kSPBadParameterError;
        drawbot->Clip(*rect);
        return kSPNoError;
    }
    static DRAWBOT_Err DrawImage(DRAWBOT_SurfaceRef surface, DRAWBOT_ImageRef image,
                                 const DRAWBOT_PointF32* origin, float alpha)
    {
        yDrawbotHost* drawbot = Drawbot();
        if (!drawbot || !drawbot->IsSurface(surface) || !origin) return kSPBadParameterError;
        if (SPErr err = g_active->Enter(yHostCall::DrawImage)) return err;
        return drawbot->DrawImage(image, *origin, alpha) ? kSPNoError : kSPBadParameterError;
    }
    static DRAWBOT_Err Flush(DRAWBOT_SurfaceRef surface)
    {
        yDrawbotHost* drawbot = Drawbot();
        return drawbot && drawbot->IsSurface(surface) ? kSPNoError : kSPBadParameterError;
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

    // Iterations run on the pool's threads; they may not call back into the host.
    static PF_Err IterateGeneric(A_long iterations, void* refcon, PF_IterateGenericFunc fn)
    {
        return yIteratePool::Instance().Run(iterations, refcon, fn);
    }
};

namespace
{
// One table per suite the host serves; functions the module does not use stay null.
struct ySuiteTables
{
    PF_HandleSuite1 handles{yHostCallbacks::NewHandle,     yHostCallbacks::LockHandle,
                            yHostCallbacks::UnlockHandle,  yHostCallbacks::DisposeHandle,
                            yHostCallbacks::GetHandleSize, yHostCallbacks::ResizeHandle};
    AEGP_UtilitySuite1 utilityLegacy{};
    AEGP_UtilitySuite6 utilityCurrent{};
    PF_WorldTransformSuite1 transform{};
    PF_FillMatteSuite2 fillMatte{};
    PF_AdvAppSuite2 advApp{};
    AEGP_CommandSuite1 command{};
    PF_ParamUtilsSuite3 paramUtils{};
    PF_AppSuite6 app{};
    PF_Iterate8Suite1 iterate8{};
    PF_EffectCustomUISuite1 customUI{yHostCallbacks::GetDrawingReference};
    DRAWBOT_DrawbotSuite1 draw{yHostCallbacks::GetSupplier, yHostCallbacks::GetSurface};
    DRAWBOT_SupplierSuite1 supplier{};
    DRAWBOT_SurfaceSuite2 surface{};

    ySuiteTables()
    {
        utilityLegacy.AEGP_RegisterWithAEGP = yHostCallbacks::RegisterWithAEGP;
        utilityCurrent.AEGP_RegisterWithAEGP = yHostCallbacks::RegisterWithAEGP;
        fillMatte.fill = yHostCallbacks::Fill;
        fillMatte.fill16 = yHostCallbacks::Fill16;
        paramUtils.PF_UpdateParamUI = yHostCallbacks::UpdateParamUI;
        app.PF_AppGetBgColor = yHostCallbacks::GetBackgroundColor;
        transform.copy = yHostCallbacks::Copy;
        advApp.PF_RefreshAllWindows = yHostCallbacks::RefreshAllWindows;
        command.AEGP_DoCommand = yHostCallbacks::DoCommand;
        iterate8.iterate_generic = yHostCallbacks::IterateGeneric;
        supplier.NewImageFromBuffer = yHostCallbacks::NewImageFromBuffer;
        supplier.ReleaseObject = yHostCallbacks::ReleaseObject;
        surface.PushStateStack = yHostCallbacks::PushStateStack;
        surface.PopStateStack = yHostCallbacks::PopStateStack;
        surface.Clip = yHostCallbacks::Clip;
        surface.DrawImage = yHostCallbacks::DrawImage;
        surface.Flush = yHostCallbacks::Flush;
    }
};

const ySuiteTables& Suites()
{
    static const ySuiteTables tables;
    return tables;
}

struct yServedSuite
{
    const char* name;
    int32_t version;
    const void* table;
};

// Each interface's suites at the versions it asks for; tables served under
// another version are the same table, longer or shorter than the caller's
// where the versions differ only at their end.
template <class ProfileSuites>
const void* Find(const ProfileSuites& served, const char* name, int32_t version)
{
    for (const yServedSuite& suite : served)
        if (version == suite.version && std::strcmp(name, suite.name) == 0) return suite.table;
    return nullptr;
}
} // namespace

const void* ServedSuite(yProfile profile, const char* name, int32_t version)
{
    const ySuiteTables& s = Suites();
    if (profile == yProfile::Legacy)
    {
        const yServedSuite served[] = {
            {kPFHandleSuite, ae_legacy::kHandleSuiteVersion, &s.handles},
            {kAEGPUtilitySuite, ae_legacy::kUtilitySuiteVersion, &s.utilityLegacy},
            {kPFWorldTransformSuite, ae_legacy::kWorldTransformSuiteVersion, &s.transform},
            {kPFFillMatteSuite, ae_legacy::kFillMatteSuiteVersion, &s.fillMatte},
            {kPFAdvAppSuite, ae_legacy::kAdvAppSuiteVersion, &s.advApp},
            {kAEGPCommandSuite, ae_legacy::kCommandSuiteVersion, &s.command},
            {kPFParamUtilsSuite, ae_legacy::kParamUtilsSuiteVersion, &s.paramUtils},
            {kPFAppSuite, ae_legacy::kAppSuiteVersion, &s.app},
            {kPFIterate8Suite, ae_legacy::kIterate8SuiteVersion, &s.iterate8},
        };
        return Find(served, name, version);
    }
    const yServedSuite served[] = {
        {kPFHandleSuite, ae_current::kHandleSuiteVersion, &s.handles},
        {kAEGPUtilitySuite, ae_current::kUtilitySuiteVersion, &s.utilityCurrent},
        {kPFWorldTransformSuite, ae_current::kWorldTransformSuiteVersion, &s.transform},
        {kPFFillMatteSuite, ae_current::kFillMatteSuiteVersion, &s.fillMatte},
        {kPFAdvAppSuite, ae_current::kAdvAppSuiteVersion, &s.advApp},
        {kAEGPCommandSuite, ae_current::kCommandSuiteVersion, &s.command},
        {kPFParamUtilsSuite, ae_current::kParamUtilsSuiteVersion, &s.paramUtils},
        {kPFAppSuite, ae_current::kAppSuiteVersion, &s.app},
        {kPFIterate8Suite, ae_current::kIterate8SuiteVersion, &s.iterate8},
        {kPFEffectCustomUISuite, ae_current::kCustomUISuiteVersion, &s.customUI},
        {kDRAWBOT_DrawSuite, ae_current::kDrawSuiteVersion, &s.draw},
        {kDRAWBOT_SupplierSuite, ae_current::kSupplierSuiteVersion, &s.supplier},
        {kDRAWBOT_SurfaceSuite, ae_current::kSurfaceSuiteVersion, &s.surface},
    };
    return Find(served, name, version);
}

namespace
{
// What both interfaces' utility tables hold, at their own places.
template <class UtilsT> void BindUtilities(UtilsT& utils)
{
    utils.copy = yHostCallbacks::Copy;
    utils.fill = yHostCallbacks::Fill;
    utils.fill16 = yHostCallbacks::Fill16;
    utils.host_new_handle = yHostCallbacks::NewHandle;
    utils.host_lock_handle = yHostCallbacks::LockHandle;
    utils.host_unlock_handle = yHostCallbacks::UnlockHandle;
    utils.host_dispose_handle = yHostCallbacks::DisposeHandle;
    utils.host_get_handle_size = yHostCallbacks::GetHandleSize;
    utils.host_resize_handle = yHostCallbacks::ResizeHandle;
    utils.get_platform_data = yHostCallbacks::GetPlatformData;
    PF_ANSICallbacks& ansi = utils.ansi;
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
}
} // namespace

void BindCallbacks(ae_legacy::PF_UtilCallbacks& legacy, ae_current::PF_UtilCallbacks& current,
                   PF_InteractCallbacks& inter, SPBasicSuite& basic)
{
    BindUtilities(legacy);
    legacy.get_cgraf_data = yHostCallbacks::GetDrawSurface;
    BindUtilities(current);

    inter.add_param = yHostCallbacks::AddParam;
    inter.progress = yHostCallbacks::Progress;
    inter.register_ui = yHostCallbacks::RegisterUI;

    basic.AcquireSuite = yHostCallbacks::AcquireSuite;
    basic.ReleaseSuite = yHostCallbacks::ReleaseSuite;
    basic.IsEqual = yHostCallbacks::IsEqual;
    basic.AllocateBlock = yHostCallbacks::AllocateBlock;
    basic.FreeBlock = yHostCallbacks::FreeBlock;
    basic.ReallocateBlock = yHostCallbacks::ReallocateBlock;
    basic.Undefined = yHostCallbacks::Undefined;
}
} // namespace yStandalone
