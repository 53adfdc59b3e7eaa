// The host side of the effect interface: the records passed with every call,
// host memory, the callbacks and the suites a module asks for, in the host
// interface the module speaks (yProfile). A probe attached to the host logs
// every host call, makes any of them fail and withholds any suite, so that
// tests can drive a module through its error paths.
#pragma once

#include "host/sdk/AE_Effect.h"
#include "host/sdk/AE_ProfileCurrent.h"
#include "host/sdk/AE_ProfileLegacy.h"
#include "host/sdk/SPBasic.h"
#include "host/sdk/ZT_DrawSurface.h"
#include "standalone/emulator/yDrawbotHost.h"
#include "standalone/emulator/yHandleStore.h"
#include "standalone/emulator/yHostProbe.h"
#include "standalone/emulator/yProfile.h"

#include <memory>
#include <string>
#include <vector>

namespace yStandalone
{
class yModule;

// A parameter as the host keeps it: the definition the module added, with
// the texts it points to copied into host memory.
struct yParam
{
    PF_ParamDef def{};
    std::string choices; // popup choices
    std::string label;   // check box label
};

struct yParamUIUpdate
{
    PF_ParamIndex index;
    PF_ParamDef def;
};

class yEffectHost
{
  public:
    // The module must stay loaded for the life of the host, which speaks
    // the module's interface.
    explicit yEffectHost(const yModule& module);
    // An entry point linked into this program, called as a module's would be.
    yEffectHost(PF_FilterProc entry, yProfile profile);
    ~yEffectHost();
    yEffectHost(const yEffectHost&) = delete;
    yEffectHost& operator=(const yEffectHost&) = delete;

    // Calls the module's entry point once. out_data starts afresh for every
    // call, carrying only the global and sequence data; afterwards the host
    // keeps the handles the module left there, and frees sequence data the
    // module let go of (a flat record after re-set-up or set-down). The
    // parameter list is the host's parameters (index 0 the input layer).
    PF_Err Call(PF_Cmd cmd, PF_LayerDef* output = nullptr, void* extra = nullptr);

    yProfile Profile() const { return m_profile; }
    PF_InData& InData() { return m_in; }
    const PF_OutData& OutData() const { return m_out; } // as the last call left it
    std::string ReturnMessage() const;                  // of the last call

    // Parameters, index 0 being the input layer the host supplies.
    size_t ParamCount() const { return m_params.size(); }
    yParam& Param(size_t index) { return *m_params.at(index); }
    const yParam& Param(size_t index) const { return *m_params.at(index); }
    // Index of the parameter with this shown name (or check box label), or -1.
    int FindParam(const std::string& name) const;
    // The input image: parameter 0's world, and in_data's size and extent.
    void SetInputLayer(const PF_EffectWorld& world);

    const std::vector<PF_CustomUIInfo>& CustomUIs() const { return m_customUIs; }
    const std::vector<yParamUIUpdate>& ParamUIUpdates() const { return m_paramUIUpdates; }
    const std::vector<AEGP_Command>& Commands() const { return m_commands; }
    const std::vector<std::string>& RegisteredNames() const { return m_registeredNames; }
    int WindowRefreshes() const { return m_windowRefreshes; }
    // The id AEGP_RegisterWithAEGP hands out.
    static constexpr AEGP_PluginID kPluginId = 71;

    // Watches and disturbs the host calls while attached (null: none).
    void AttachProbe(yHostProbe* probe) { m_probe = probe; }
    // Suites acquired and not yet released.
    int OpenSuites() const { return m_openSuites; }

    // Host memory.
    size_t LiveHandles() const { return m_handles.Live(); }
    bool IsHandle(PF_Handle handle) const { return m_handles.IsHandle(handle); }
    size_t HandleSize(PF_Handle handle) const { return m_handles.Size(handle); }
    // A copy of a handle's bytes (empty for no handle).
    std::vector<uint8_t> HandleBytes(PF_Handle handle) const { return m_handles.Bytes(handle); }
    // A new host handle holding the bytes, e.g. a flat record read from a project.
    PF_Handle NewHandleWith(const std::vector<uint8_t>& bytes);
    // The sequence data the host passes to the next call.
    void SetSequenceData(PF_Handle handle) { m_in.sequence_data = handle; }
    // Handles the module passed that the host never gave or already took back.
    int BadHandleUses() const { return m_handles.BadUses(); }

    void SetDownsample(PF_RationalScale x, PF_RationalScale y);
    void SetBackgroundColor(const PF_App_Color& color) { m_background = color; }

    // The Effect Controls window's context, as the module's interface lays it out.
    PF_ContextH WindowContext() { return &m_contextPtr; }
    // The key-down event of the module's interface, and its record for a key
    // given by the character code the legacy hosts passed on (the event
    // script's codes): today's hosts send their own key codes instead.
    PF_EventType KeyDownEvent() const;
    void SetKeyDown(PF_EventExtra& extra, uint32_t code, PF_Modifiers modifiers, A_u_long when) const;
    // The window of a draw event: the memory it shows, which the legacy
    // interface's module reaches through device, the window device made over
    // it (yWindowDevice), and the current one's through Drawbot. Null outside
    // a draw event.
    void SetDrawWindow(ZT_DrawSurface* memory, void* device);
    yDrawbotHost& Drawbot() { return m_drawbot; }

    // Today's hosts keep a value for each arbitrary parameter, made by the
    // module (PF_Cmd_ARBITRARY_CALLBACK) as a copy of the parameter's
    // default. False with one sentence when the module's answer is not a
    // handle of this host. Nothing to do in the legacy interface.
    bool MakeArbitraryValues(std::string& error);
    // Gives every arbitrary value and default back to the module to dispose.
    void DisposeArbitraryValues();
    // One function on an arbitrary parameter's values; its result.
    PF_Err CallArbitrary(PF_ParamIndex index, PF_ArbParamsExtra& call);
    // A copy of the parameter's value made by the module, to compare after a
    // change; null without one.
    PF_Handle CopyArbitraryValue(PF_ParamIndex index);
    // Whether the parameter's value differs from a copy made before, as the
    // module compares them; the copy is disposed.
    bool ArbitraryValueChanged(PF_ParamIndex index, PF_Handle before);

  private:
    friend struct yHostCallbacks;

    void Init();
    PF_FilterProc Entry() const;
    // Logs a call through the probe; returns the error it must give (0 to go ahead).
    PF_Err Enter(yHostCall call) { return m_probe ? m_probe->Enter(call) : PF_Err_NONE; }
    PF_Err AddParam(PF_ParamIndex index, const PF_ParamDef* def);
    void UpdateParamUI(PF_ParamIndex index, const PF_ParamDef& def);
    const void* AcquireSuite(const char* name, int32_t version);

    const yModule* m_module = nullptr;
    PF_FilterProc m_entry = nullptr;
    yProfile m_profile = yProfile::Current;
    PF_InData m_in{};
    PF_OutData m_out{};
    ae_legacy::PF_UtilCallbacks m_utilsLegacy{};
    ae_current::PF_UtilCallbacks m_utilsCurrent{};
    ae_legacy::PF_Context m_contextLegacy{};
    ae_current::PF_Context m_contextCurrent{};
    PF_ContextPtr m_contextPtr = nullptr;
    yDrawbotHost m_drawbot;
    SPBasicSuite m_basic{};
    std::vector<std::unique_ptr<yParam>> m_params;
    std::vector<PF_CustomUIInfo> m_customUIs;
    std::vector<yParamUIUpdate> m_paramUIUpdates;
    std::vector<AEGP_Command> m_commands;
    std::vector<std::string> m_registeredNames;
    int m_windowRefreshes = 0;
    yHostProbe* m_probe = nullptr;
    int m_openSuites = 0;
    yHandleStore m_handles;
    PF_App_Color m_background{0xECEC, 0xECEC, 0xECEC};
    void* m_surface = nullptr; // the legacy window device of a draw event (yWindowDevice)
};
} // namespace yStandalone
