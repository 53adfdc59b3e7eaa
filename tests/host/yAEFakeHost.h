// An in-process stand-in for the host's records and suites, for unit tests of
// the plug-in object: it records every call the module makes, lets a test
// withhold any suite, and answers with configurable errors.
#pragma once

#include "host/sdk/AE_Effect.h"
#include "host/sdk/AE_EffectCB.h"
#include "host/sdk/AE_EffectSuites.h"
#include "host/sdk/AE_EffectUI.h"
#include "host/sdk/AE_GeneralPlug.h"
#include "host/sdk/SPBasic.h"
#include "host/sdk/ZT_DrawSurface.h"
#include "host/sdk/ZT_HostPlatform.h"
#include "platform/yPlatform.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class FakeHost
{
  public:
    struct CopyCall
    {
        PF_EffectWorld* src;
        PF_EffectWorld* dst;
        bool hasRects;
        PF_Rect srcRect, dstRect;
    };
    struct FillCall
    {
        bool deep;
        PF_Pixel16 color; // 8-bit colours widened as they are
        bool hasRect;
        PF_EffectWorld* world;
    };

    FakeHost()
    {
        Current() = this;
        m_utils.host_new_handle = &NewHandle;
        m_utils.host_lock_handle = &LockHandle;
        m_utils.host_unlock_handle = &UnlockHandle;
        m_utils.host_dispose_handle = &DisposeHandle;
        m_utils.ansi.sprintf = &Sprintf;
        m_utils.ansi.strcpy = &Strcpy;
        m_utils.host_get_handle_size = &HandleSize;
        m_utils.get_cgraf_data = &GetDrawSurface;

        m_basic.AcquireSuite = &AcquireSuite;
        m_basic.ReleaseSuite = &ReleaseSuite;

        m_handleSuite = {&NewHandle, &LockHandle, &UnlockHandle, &DisposeHandle, nullptr, nullptr};
        m_utilitySuite.AEGP_RegisterWithAEGP = &Register;
        m_transformSuite.copy = &Copy;
        m_fillSuite = {&Fill, &Fill16};
        m_advAppSuite.PF_RefreshAllWindows = &Refresh;
        m_commandSuite.AEGP_DoCommand = &DoCommand;
        m_paramUtilsSuite.PF_UpdateParamUI = &UpdateParamUI;
        m_appSuite.PF_AppGetBgColor = &GetBgColor;

        in.utils = &m_utils;
        in.pica_basicP = &m_basic;
        in.effect_ref = reinterpret_cast<PF_ProgPtr>(&m_effectRefTarget);
        in.inter.add_param = &AddParam;
        in.inter.register_ui = &RegisterUI;
        in.inter.progress = &Progress;
        in.downsample_x = {1, 1};
        in.downsample_y = {1, 1};
    }
    ~FakeHost()
    {
        for (auto& h : m_handles)
            std::free(h->block);
        Current() = nullptr;
    }
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    // Runs one command as the host does: the sequence-data handle the module
    // hands back is the one the next command gets.
    template <class PluginT>
    PF_Err Call(PluginT& plugin, PF_Cmd command, PF_ParamDef** params = nullptr, PF_LayerDef* output = nullptr,
                void* extra = nullptr)
    {
        out.sequence_data = in.sequence_data;
        plugin.Main(command, &in, &out, params, output, extra);
        in.sequence_data = out.sequence_data;
        return plugin.err;
    }

    void Withhold(const std::string& suiteName) { m_withheld.insert(suiteName); }
    void Restore(const std::string& suiteName) { m_withheld.erase(suiteName); }
    // Handles given and not yet disposed.
    int LiveHandleCount() const
    {
        int n = 0;
        for (auto& held : m_handles)
            n += held->disposed ? 0 : 1;
        return n;
    }
    int CallCount(const std::string& name) const
    {
        int n = 0;
        for (auto& c : calls)
            n += c == name ? 1 : 0;
        return n;
    }
    // A handle of the host's own, holding the given bytes.
    PF_Handle HandleWith(const std::vector<uint8_t>& bytes)
    {
        PF_Handle h = NewHandle(A_HandleSize(bytes.size()));
        std::memcpy(*h, bytes.data(), bytes.size());
        return h;
    }
    bool AllSuitesReleased() const { return m_acquired == m_released; }
    PF_ProgPtr EffectRef() const { return in.effect_ref; }
    bool IsLive(PF_Handle h) const
    {
        for (auto& held : m_handles)
            if (&held->block == reinterpret_cast<void**>(h)) return !held->disposed;
        return false;
    }

    PF_InData in = {};
    PF_OutData out = {};

    // What the module did, in order: one short name per host call.
    std::vector<std::string> calls;
    std::vector<PF_ParamDef> addedParams;
    std::vector<PF_CustomUIInfo> registeredUIs;
    std::vector<std::pair<A_long, A_long>> progressCalls;
    std::vector<CopyCall> copies;
    std::vector<FillCall> fills;
    std::vector<A_long> commands;
    std::vector<std::pair<PF_ParamIndex, PF_ParamDef>> paramUIUpdates;
    std::vector<std::string> registeredNames;
    int sprintfCalls = 0;
    int strcpyCalls = 0;

    // Answers of the host's calls.
    PF_Err addParamResult = PF_Err_NONE;
    int addParamFailAt = -1; // index of the add_param call that fails with addParamResult
    PF_Err progressResult = PF_Err_NONE;
    A_long progressFailAfter = -1; // the progress call (0-based) from which progressResult is returned
    PF_Err registerUIResult = PF_Err_NONE;
    PF_Err copyResult = PF_Err_NONE;
    PF_Err fillResult = PF_Err_NONE;
    AEGP_PluginID pluginIdGiven = 77;
    bool newHandleFails = false;
    bool lockHandleFails = false;
    PF_App_Color background = {0x1234, 0x5678, 0x9abc};
    ZT_DrawSurface* drawSurface = nullptr; // what get_cgraf_data yields

  private:
    struct HeldHandle
    {
        void* block = nullptr;
        A_HandleSize size = 0;
        bool disposed = false;
    };

    static FakeHost*& Current()
    {
        static FakeHost* current = nullptr;
        return current;
    }
    static FakeHost& Host() { return *Current(); }

    static PF_Handle NewHandle(A_HandleSize size)
    {
        Host().calls.push_back("new_handle");
        if (Host().newHandleFails) return nullptr;
        auto held = std::make_unique<HeldHandle>();
        held->block = std::calloc(1, size ? size : 1);
        held->size = size;
        Host().m_handles.push_back(std::move(held));
        return reinterpret_cast<PF_Handle>(&Host().m_handles.back()->block);
    }
    static void* LockHandle(PF_Handle h)
    {
        Host().calls.push_back("lock_handle");
        return Host().lockHandleFails || !h ? nullptr : *h;
    }
    static A_HandleSize HandleSize(PF_Handle h)
    {
        for (auto& held : Host().m_handles)
            if (&held->block == reinterpret_cast<void**>(h)) return held->size;
        return 0;
    }
    static PF_Err GetDrawSurface(PF_ProgPtr, void*, PF_CGrafDataID which, void** data)
    {
        Host().calls.push_back("get_cgraf_data");
        if (which != PF_CGrafData_HDC || !Host().drawSurface) return PF_Err_BAD_CALLBACK_PARAM;
        *data = Host().drawSurface;
        return PF_Err_NONE;
    }
    static void UnlockHandle(PF_Handle) { Host().calls.push_back("unlock_handle"); }
    static void DisposeHandle(PF_Handle h)
    {
        Host().calls.push_back("dispose_handle");
        for (auto& held : Host().m_handles)
            if (&held->block == reinterpret_cast<void**>(h)) held->disposed = true;
    }
    static int Sprintf(A_char* buffer, const A_char* format, ...)
    {
        Host().calls.push_back("sprintf");
        ++Host().sprintfCalls;
        va_list args;
        va_start(args, format);
        // The real host's sprintf has no bound; overflowing the message would show here.
        const int n = std::vsnprintf(buffer, PF_MAX_EFFECT_MSG_LEN + 1, format, args);
        va_end(args);
        if (n > PF_MAX_EFFECT_MSG_LEN) Host().calls.push_back("sprintf overflow");
        return n;
    }
    static A_char* Strcpy(A_char* dst, const A_char* src)
    {
        ++Host().strcpyCalls;
        return std::strcpy(dst, src);
    }
    static SPErr AcquireSuite(const char* name, int32_t version, const void** suite)
    {
        FakeHost& h = Host();
        h.calls.push_back(std::string("acquire ") + name);
        if (h.m_withheld.count(name)) return 1;
        const std::map<std::pair<std::string, int32_t>, const void*> suites = {
            {{kPFHandleSuite, 1}, &h.m_handleSuite},
            {{kAEGPUtilitySuite, 3}, &h.m_utilitySuite},
            {{kPFWorldTransformSuite, 1}, &h.m_transformSuite},
            {{kPFFillMatteSuite, 1}, &h.m_fillSuite},
            {{kPFAdvAppSuite, 1}, &h.m_advAppSuite},
            {{kAEGPCommandSuite, 1}, &h.m_commandSuite},
            {{kPFParamUtilsSuite, 1}, &h.m_paramUtilsSuite},
            {{kPFAppSuite, 1}, &h.m_appSuite},
        };
        auto found = suites.find({name, version});
        if (found == suites.end()) return 1;
        *suite = found->second;
        ++h.m_acquired;
        return kSPNoError;
    }
    static SPErr ReleaseSuite(const char*, int32_t)
    {
        ++Host().m_released;
        return kSPNoError;
    }
    static A_Err Register(AEGP_GlobalRefcon, const A_char* name, AEGP_PluginID* id)
    {
        Host().calls.push_back("register");
        Host().registeredNames.push_back(name);
        *id = Host().pluginIdGiven;
        return A_Err(0);
    }
    static PF_Err Copy(PF_ProgPtr, PF_EffectWorld* src, PF_EffectWorld* dst, PF_Rect* srcR, PF_Rect* dstR)
    {
        Host().calls.push_back("copy");
        CopyCall call = {src, dst, srcR != nullptr, srcR ? *srcR : PF_Rect{}, dstR ? *dstR : PF_Rect{}};
        Host().copies.push_back(call);
        if (Host().copyResult == PF_Err_NONE && src && dst && src->data && dst->data) CopyPixels(*src, *dst, srcR);
        return Host().copyResult;
    }
    // Copies the source rectangle (or everything) to the same place, as far
    // as both images reach.
    static void CopyPixels(const PF_EffectWorld& src, PF_EffectWorld& dst, const PF_Rect* r)
    {
        const size_t pixel = (dst.world_flags & PF_WorldFlag_DEEP) ? sizeof(PF_Pixel16) : sizeof(PF_Pixel);
        const PF_Rect area = r ? *r : PF_Rect{0, 0, src.width, src.height};
        const A_long left = std::max<A_long>(area.left, 0);
        const A_long right = std::min({area.right, src.width, dst.width});
        if (right <= left) return;
        for (A_long y = std::max<A_long>(area.top, 0); y < area.bottom && y < src.height && y < dst.height; ++y)
            std::memcpy(reinterpret_cast<char*>(dst.data) + y * dst.rowbytes + left * pixel,
                        reinterpret_cast<const char*>(src.data) + y * src.rowbytes + left * pixel,
                        size_t(right - left) * pixel);
    }
    // The first row pixel by pixel, the others copied from it.
    template <class PixelT> static void FillPixels(PF_EffectWorld& world, const PixelT& color)
    {
        if (world.width <= 0 || world.height <= 0) return;
        auto* first = reinterpret_cast<PixelT*>(world.data);
        for (A_long x = 0; x < world.width; ++x)
            first[x] = color;
        for (A_long y = 1; y < world.height; ++y)
            std::memcpy(reinterpret_cast<char*>(world.data) + y * world.rowbytes, first,
                        size_t(world.width) * sizeof(PixelT));
    }
    static PF_Err Fill(PF_ProgPtr, const PF_Pixel* c, const PF_Rect* r, PF_EffectWorld* world)
    {
        Host().calls.push_back("fill");
        Host().fills.push_back({false, {c->alpha, c->red, c->green, c->blue}, r != nullptr, world});
        if (Host().fillResult == PF_Err_NONE && world && world->data) FillPixels(*world, *c);
        return Host().fillResult;
    }
    static PF_Err Fill16(PF_ProgPtr, const PF_Pixel16* c, const PF_Rect* r, PF_EffectWorld* world)
    {
        Host().calls.push_back("fill16");
        Host().fills.push_back({true, *c, r != nullptr, world});
        if (Host().fillResult == PF_Err_NONE && world && world->data) FillPixels(*world, *c);
        return Host().fillResult;
    }
    static PF_Err Refresh()
    {
        Host().calls.push_back("refresh");
        return PF_Err_NONE;
    }
    static A_Err DoCommand(AEGP_Command command)
    {
        Host().calls.push_back("command");
        Host().commands.push_back(command);
        return A_Err(0);
    }
    static PF_Err UpdateParamUI(PF_ProgPtr, PF_ParamIndex index, const PF_ParamDef* def)
    {
        Host().calls.push_back("update_param_ui");
        Host().paramUIUpdates.push_back({index, *def});
        return PF_Err_NONE;
    }
    static PF_Err GetBgColor(PF_App_Color* color)
    {
        *color = Host().background;
        return PF_Err_NONE;
    }
    static PF_Err AddParam(PF_ProgPtr, PF_ParamIndex index, PF_ParamDefPtr def)
    {
        FakeHost& h = Host();
        h.calls.push_back("add_param");
        const int call = int(h.addedParams.size());
        if (index != -1) return PF_Err_INVALID_INDEX;
        if (call == h.addParamFailAt) return h.addParamResult;
        h.addedParams.push_back(*def);
        return PF_Err_NONE;
    }
    static PF_Err RegisterUI(PF_ProgPtr, PF_CustomUIInfo* info)
    {
        Host().calls.push_back("register_ui");
        Host().registeredUIs.push_back(*info);
        return Host().registerUIResult;
    }
    static PF_Err Progress(PF_ProgPtr, A_long current, A_long total)
    {
        FakeHost& h = Host();
        h.calls.push_back("progress");
        h.progressCalls.push_back({current, total});
        if (h.progressFailAfter >= 0 && A_long(h.progressCalls.size()) > h.progressFailAfter)
            return h.progressResult;
        return PF_Err_NONE;
    }

    PF_UtilCallbacks m_utils = {};
    SPBasicSuite m_basic = {};
    PF_HandleSuite1 m_handleSuite = {};
    AEGP_UtilitySuite3 m_utilitySuite = {};
    PF_WorldTransformSuite1 m_transformSuite = {};
    PF_FillMatteSuite1 m_fillSuite = {};
    PF_AdvAppSuite1 m_advAppSuite = {};
    AEGP_CommandSuite1 m_commandSuite = {};
    PF_ParamUtilsSuite1 m_paramUtilsSuite = {};
    PF_AppSuite1 m_appSuite = {};
    std::set<std::string> m_withheld;
    std::vector<std::unique_ptr<HeldHandle>> m_handles;
    int m_acquired = 0;
    int m_released = 0;
    int m_effectRefTarget = 0;
};

// A host image of width x height pixels whose rows are padded, so that code
// ignoring the row pitch reads the wrong pixels.
template <class PixelT> struct FakeWorld
{
    FakeWorld(A_long width, A_long height, bool deep)
        : rowPixels(width + 3), pixels(size_t(rowPixels) * size_t(height))
    {
        world.width = width;
        world.height = height;
        world.rowbytes = A_long(rowPixels * sizeof(PixelT));
        world.data = reinterpret_cast<PF_PixelPtr>(pixels.data());
        world.world_flags = deep ? PF_WorldFlag_DEEP : 0;
        world.extent_hint = {0, 0, width, height};
    }
    PixelT& At(A_long x, A_long y) { return pixels[size_t(y) * size_t(rowPixels) + size_t(x)]; }

    A_long rowPixels;
    std::vector<PixelT> pixels;
    PF_EffectWorld world = {};
};

// A window device for draw events: a bottom-up 32-bit surface as the host hands it over.
struct FakeSurface
{
    FakeSurface(int32_t width, int32_t height) : bytes(size_t(width) * size_t(height) * 4)
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

// Answers the platform's live input questions from its fields while it lives.
class FakePlatform
{
  public:
    FakePlatform()
    {
        State() = {};
        yPlatform::SetHostPlatform(&kTable);
    }
    ~FakePlatform() { yPlatform::SetHostPlatform(nullptr); }
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    struct Live
    {
        uint32_t now = 100000;
        bool button = false;
        uint32_t modifiers = 0;
    };
    static Live& State()
    {
        static Live live;
        return live;
    }

  private:
    static constexpr ZT_HostPlatform kTable = {
        ZT_HostPlatform_VERSION,
        [] { return State().now; },
        []() -> uint32_t { return 500; },
        []() -> int32_t { return State().button ? 1 : 0; },
        [] { return State().modifiers; },
        [](uint8_t*) -> int32_t { return 0; },
    };
};
