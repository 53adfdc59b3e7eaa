// The host interface this build of the module speaks, chosen when it is
// built: TONESCOPE_PROFILE_LEGACY or TONESCOPE_PROFILE_CURRENT. The module
// reaches it as ae_profile; the replacement host, which speaks both, names
// ae_legacy and ae_current itself and never includes this header.
#pragma once

#if defined(TONESCOPE_PROFILE_LEGACY) && !defined(TONESCOPE_PROFILE_CURRENT)
#include "host/sdk/AE_ProfileLegacy.h"
namespace ae_profile = ae_legacy;
#elif defined(TONESCOPE_PROFILE_CURRENT) && !defined(TONESCOPE_PROFILE_LEGACY)
#include "host/sdk/AE_ProfileCurrent.h"
namespace ae_profile = ae_current;
#else
#error                                                                                                       \
    "Build the module for one host interface: define TONESCOPE_PROFILE_LEGACY or TONESCOPE_PROFILE_CURRENT."
#endif
