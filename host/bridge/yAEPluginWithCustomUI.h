// A plug-in with data whose panel it draws itself. It listens to the
// commands the panel broadcasts during an event.
#pragma once

#include "ui/yBroadcaster.h"
#include "yAEPluginWithData.h"

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

    void ReceiveCommand(const yString& command) override
    {
        if (command == kLogoMouseUpCommand) this->About();
    }
};
} // namespace yAE
