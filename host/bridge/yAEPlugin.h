// The plug-in object: built for one host call, it routes the command to a
// virtual operation and wraps the host services those operations use. One
// error code (err) is kept per call; host calls are skipped once it is set,
// and it is what the entry point returns.
#pragma once

#include "host/sdk/AE_Effect.h"
#include "base/yString.h"
#include "host/bridge/yAEGlobalData.h"

namespace yAE
{
// Out flags the plain plug-in announces at global set-up.
constexpr PF_OutFlags kPluginOutFlags = PF_OutFlag_KEEP_RESOURCE_OPEN | PF_OutFlag_USE_OUTPUT_EXTENT |
                                        PF_OutFlag_PIX_INDEPENDENT | PF_OutFlag_DEEP_COLOR_AWARE;
// The host command that purges all caches.
constexpr A_long kPurgeAllCommand = 2372;
// Reference constant of the arbitrary-data parameters we add.
constexpr uintptr_t kArbitraryRefcon = 0xDEADBEEF;

// Modes of SetParamVisibility.
enum ParamVisibility : A_long
{
    kParamEnable = 1,
    kParamDisable = 2,
    kParamEnableAlt = 3,
    kParamDisableAlt = 4
};

// The host's parameter at index, or null: a host passes only the parameters
// it has, fewer than the module declares when their set-up failed.
inline PF_ParamDef* HostParam(const PF_InData* in_data, PF_ParamDef** params, A_long index)
{
    return params && in_data && index >= 0 && index < in_data->num_params ? params[index] : nullptr;
}

class Plugin
{
  public:
    Plugin();

    // Virtual operations, declared in slot order (the destructor is last so
    // that it does not take a slot ahead of them).
    virtual void Main(PF_Cmd& cmd, PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                      PF_LayerDef* output, void* extra);                 // 0
    virtual void EnsureData() {}                                         // 1
    virtual void About();                                                // 2
    virtual void GlobalSetup();                                          // 3
    virtual void GlobalSetdown();                                        // 4
    virtual void ParamsSetup() {}                                        // 5
    virtual void SequenceSetup() {}                                      // 6
    virtual void SequenceResetup() {}                                    // 7
    virtual void SequenceResetupFromFlat() {}                            // 8
    virtual void SequenceFlatten() {}                                    // 9
    virtual void SequenceSetdown() {}                                    // 10
    virtual void DoDialog() {}                                           // 11
    virtual void FrameSetup() {}                                         // 12
    virtual void FrameSetdown() {}                                       // 13
    virtual void Render();                                               // 14
    virtual void PrepareRender();                                        // 15
    virtual void CopyWorld(PF_EffectWorld* src, PF_EffectWorld* dst);    // 16
    virtual void DoRenderNone();                                         // 17
    virtual void ReservedSlot() {}                                       // 18
    virtual void FinishRender(PF_LayerDef* /*output*/) {}                // 19
    virtual void ClearWorld(PF_EffectWorld* world);                      // 20
    virtual void UserChangedParam() {}                                   // 21
    virtual void UpdateParamsUI() {}                                     // 22
    virtual void QueryDynamicFlags() {}                                  // 23
    virtual void NoOperation() {}                                        // 24
    virtual void HandleEvent() {}                                        // 25
    virtual void Progress(A_long& current, A_long& total);               // 26
    virtual void ReportError(const char* function, const char* message); // 27
    virtual void ReportMessage(const char* title, const char* text);     // 28
    virtual void RefreshAllWindows();                                    // 29
    virtual void RequestUIRefresh();                                     // 30
    virtual void CreateGlobalData();                                     // 31
    virtual void DisposeGlobalData();                                    // 32
    virtual void GlobalSetupHook();                                      // 33
    virtual void RenderHook();                                           // 34
    virtual ~Plugin() = default;

    // The global-data block, or null without in_data or handle.
    GlobalData* GetGlobalData() const;

    // Purges the host's caches (a host command).
    void DoPurgeAll();
    // Enables (modes 1, 3) or disables (2, 4) a parameter's control; renames
    // it when newName is given; touchFlags also sets or clears the parameter
    // flag that goes with the UI state.
    void SetParamVisibility(PF_ParamIndex index, A_long& mode, const char* newName, bool touchFlags);

    // Parameter helpers: each adds one parameter at the end while err is 0.
    void AddPopupParam(const char* name, A_short choiceCount, A_short dephault, const char* choices,
                       PF_ParamFlags paramFlags, PF_ParamUIFlags uiFlags, A_long id);
    void AddCheckBoxParam(const char* name, const char* label, PF_Boolean dephault, PF_ParamFlags paramFlags,
                          PF_ParamUIFlags uiFlags, A_long id);
    // Registers the custom UI (Effect Controls window only) before adding.
    void AddArbitraryParam(const char* name, A_short uiWidth, A_short uiHeight, PF_ParamUIFlags uiFlagsSet,
                           A_long unused, PF_ParamFlags paramFlags, PF_ParamUIFlags uiFlags, A_long id);
    // Defaults in percent of the layer, 16.16 fixed.
    void AddPointParam(const char* name, PF_Fixed xDefault, PF_Fixed yDefault, PF_Boolean restrictBounds,
                       PF_ParamFlags paramFlags, PF_ParamUIFlags uiFlags, A_long id);
    void AddFixedSliderParam(const char* name, PF_Fixed validMin, PF_Fixed validMax, PF_Fixed sliderMin,
                             PF_Fixed sliderMax, PF_Fixed dephault, A_short precision,
                             PF_ValueDisplayFlags displayFlags, PF_ParamFlags paramFlags,
                             PF_ParamUIFlags uiFlags, A_long id);

    void SetPluginName(const yString& name) { m_name = name; }
    const yString& GetPluginName() const { return m_name; }

    // The fields the host interface fixes keep its names.
    PF_Err err = PF_Err_NONE;
    PF_InData* in_data = nullptr;
    PF_OutData* out_data = nullptr;
    PF_EffectWorld* input = nullptr; // the input layer's image, set by PrepareRender
    PF_LayerDef* output = nullptr;
    void* extra = nullptr;
    PF_ParamDef** params = nullptr; // index 0 is the input layer
    bool deep = false;              // the output has 16-bit pixels

  protected:
    // Copies a name into a definition through the host's ansi strcpy.
    void CopyName(A_char* dst, const char* name) const;
    // Adds a definition at the end while err is 0.
    void AddParam(PF_ParamDef& def);

  private:
    template <class PixelT> void CopyRows();
    // Answers the host's call on the arbitrary parameter's values.
    void AnswerArbitraryCallback();

    yString m_name;
};
} // namespace yAE
