// A plug-in with data whose panel it draws itself. It listens to the
// commands the panel broadcasts during an event. The data type derives from
// PluginDataCustomUI.
#pragma once

#include "host/bridge/yAEMessages.h"
#include "host/bridge/yAEPluginDataCustomUI.h"
#include "host/bridge/yAEPluginWithData.h"
#include "host/sdk/AE_EffectUI.h"
#include "ui/yBroadcaster.h"
#include "host/bridge/yAEPluginDataCustomUI.h"
#include "host/bridge/yAEPluginWithData.h"

namespace yAE
{
// Broadcast by the panel when its logo is clicked.
constexpr const char* kLogoMouseUpCommand = "LogoMouseUpCommand";

template <class DataT, class FlatT, class Flat2T>
class PluginWithCustomUI : public PluginWithData<DataT, FlatT, Flat2T>, public yBroadcaster
{
    using Base = PluginWithData<DataT, FlatT, Flat2T>;

  public:
    PluginWithCustomUI() { yBroadcaster::SetName("PluginWithCustomUI"); }

    // A rebuilt instance renders again.
    void SequenceResetup() override
    {
        Base::SequenceResetup();
        if (this->out_data) this->out_data->out_flags |= PF_OutFlag_FORCE_RERENDER;
    }

    // Hands the event to the data object, listening to the panel meanwhile.
    void HandleEvent() override
    {
        DataT* target = this->GetDataPtr();
        if (!target) return;
        const auto* event = static_cast<const PF_EventExtra*>(this->extra);
        const PF_EventType type = event ? event->e_type : PF_Event_NONE;

        target->AddEventListener(this);
        if (type == PF_Event_DRAW || type == PF_Event_DO_CLICK || type == PF_Event_ADJUST_CURSOR)
            this->BeforeEvent();
        target->SetHostRecords(this->in_data, this->out_data, this->extra, this->params);
        target->HandleHostEvent();
        if (target->DrawFailed()) this->ReportError("OnDraw", kNoDrawingSuites);
        if (type == PF_Event_DO_CLICK || type == PF_Event_DRAG || type == PF_Event_ADJUST_CURSOR)
            this->AfterEvent();
        target->RemoveEventListener(this);
        // The event's host records are not valid after the call.
        target->SetHostRecords(nullptr, nullptr, nullptr, nullptr);
        if (this->err == PF_Err_NONE) this->err = target->GetError();
    }

    void ReceiveCommand(const yString& command) override
    {
        if (command == kLogoMouseUpCommand) this->About();
    }
};
} // namespace yAE
