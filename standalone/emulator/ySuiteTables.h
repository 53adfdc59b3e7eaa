// The C functions a module calls back into the host, and the suite tables
// the basic suite hands out. They find their host through the call that is
// running (yActiveHost).
#pragma once

#include "host/sdk/AE_Effect.h"
#include "host/sdk/AE_ProfileCurrent.h"
#include "host/sdk/AE_ProfileLegacy.h"
#include "host/sdk/SPBasic.h"
#include "standalone/emulator/yProfile.h"

namespace yStandalone
{
class yEffectHost;

// Makes a host the one whose call is running, for the length of a scope.
class yActiveHost
{
  public:
    explicit yActiveHost(yEffectHost* host);
    ~yActiveHost();
    yActiveHost(const yActiveHost&) = delete;
    yActiveHost& operator=(const yActiveHost&) = delete;

  private:
    yEffectHost* m_previous;
};

// Points the callback records of both interfaces at the host's functions.
void BindCallbacks(ae_legacy::PF_UtilCallbacks& legacy, ae_current::PF_UtilCallbacks& current,
                   PF_InteractCallbacks& inter, SPBasicSuite& basic);
// The table of a suite the host serves to a module of this interface at
// exactly this version, or null.
const void* ServedSuite(yProfile profile, const char* name, int32_t version);
} // namespace yStandalone
