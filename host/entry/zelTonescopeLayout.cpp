// Every build of the module checks, at compile time, that the records and
// tables it shares with its host lie where that host puts them.
#include "host/sdk/AE_Profile.h"

#if defined(TONESCOPE_PROFILE_CURRENT)
#include "host/sdk/AE_LayoutCurrentX64.h"
#else
#include "host/sdk/AE_LayoutLegacyX86.h"
#endif
