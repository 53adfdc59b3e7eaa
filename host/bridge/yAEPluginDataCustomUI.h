// The per-instance data object of a plug-in that draws its own panel. It
// turns the host's events for the panel's area into toolkit events for the
// widget tree under its root region, and draws that tree into the host
// window through a drawing port bound to the window's device.
//
// Coordinates: the host gives the control frame in window pixels and event
// points relative to the frame's top-left corner (panel pixels). The root
// region sits at the frame's top-left corner of the window, so the tree works
// in window pixels and a point becomes point + UI origin.
#pragma once

#include "draw/yDrawPort.h"
#include "host/bridge/yAEDrawbotWindow.h"
#include "host/bridge/yAEPluginData.h"
#include "host/sdk/AE_Effect.h"
#include "host/sdk/AE_EffectUI.h"
#include "draw/yDrawPort.h"
#include "ui/yEventLayer.h"
#include "ui/yUIWindowRegion.h"
#include "host/bridge/yAEPluginData.h"

#include <cstdint>

namespace yAE
{
class PluginDataCustomUI : public yEventLayer, public PluginData
{
  public:
    static constexpr uint32_t kReference = 0xDEADBEEF;
    // The root region is this much wider than the host's control frame.
    static constexpr int32_t kRootExtraWidth = 40;

    PluginDataCustomUI();
    ~PluginDataCustomUI() override;

    // The host's records for the length of one event; extra is the event record.
    void SetHostRecords(PF_InData* inData, PF_OutData* outData, void* extraArg, PF_ParamDef** paramList);
    // Handles the event in the record given last, by its type.
    void HandleHostEvent();
    // Error of the last event.
    PF_Err GetError() const { return m_error; }
    // Whether the last event was a draw the host gave no means to show.
    bool DrawFailed() const { return m_drawFailed; }

    // One operation per toolkit event; each names the event first.
    virtual void OnMouseDown();
    virtual void OnMouseDrag();
    virtual void OnMouseUp();
    virtual void OnMouseOver();
    virtual void OnKeyDown();
    // Binds the port to the window's device (the legacy interface's, or
    // memory of our own that is handed on as an image), lays the tree out
    // when the frame changed, places the root and takes the host's
    // background colour.
    virtual void OnDraw();
    // Called when the root region got a new size; the panel lays itself out.
    virtual void LayoutUI();

    yUIWindowRegion& GetRootRegion() { return m_root; }
    yDrawPort& GetWindowPort() { return m_port; }
    yPointL GetUIOrigin() const { return m_origin; }
    void SetCustomParamIndex(PF_ParamIndex index) { m_customParam = index; }
    PF_ParamIndex GetCustomParamIndex() const { return m_customParam; }
    bool IsMouseInside() const { return m_mouseInside; }
    bool IsDragging() const { return m_dragging; }
    bool IsBackgroundFetched() const { return m_backgroundFetched; }
    PF_EventType GetLastEventType() const { return m_lastEventType; }

  protected:
    PF_InData* in_data = nullptr;
    PF_OutData* out_data = nullptr;
    PF_EventExtra* extra = nullptr;
    PF_ParamDef** params = nullptr;

  private:
    // Host records present, and the event from the Effect Controls window's
    // control area (the area only, when windowToo is false).
    bool FromControlArea(bool windowToo) const;
    // Names a click, drag or release and, when it comes from the control
    // area, takes its point; false otherwise.
    bool BeginButtonEvent(const char* name);
    // The toolkit's mouse point := the event's point plus the UI origin.
    void TakeMousePoint(const PF_Point& point);
    // Tells the host that the panel's parameter changed, so it renders again.
    void MarkParamChanged();
    void Paint();
    // The window's device of a draw event in the legacy interface.
    void* LegacyWindowDevice() const;
    // The root region's area in window pixels.
    PF_Rect RootArea() const;

    PF_Err m_error = PF_Err_NONE;
    yDrawPort m_port;
    yPointL m_origin;
    PF_ParamIndex m_customParam = 0;
    PF_Rect m_lastFrame = {0, 0, 0, 0};
    bool m_backgroundFetched = false;
    bool m_mouseInside = false;
    bool m_dragging = false;
    bool m_drawFailed = false;
    PF_EventType m_lastEventType = PF_Event_NONE;
    yUIWindowRegion m_root;
    DrawbotWindow m_drawbot; // today's hosts: the memory the panel is drawn into
};
} // namespace yAE
