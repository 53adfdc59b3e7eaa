// The module's global data: one record per loaded module, kept in a host
// handle from global set-up to global set-down. It lives in host memory, so
// it is a plain record without constructors.
#pragma once

#include <cstdint>

namespace yAE
{
constexpr int kModulePathSize = 256;
// The id the record carries until the host gives one at registration.
constexpr int32_t kInitialPluginId = 1234;

struct GlobalData
{
    void* module;                     // the module's own handle, recorded at load
    void* hostWindow;                 // parent for the module's own dialogs
    char modulePath[kModulePathSize]; // full path of the module file, zero-terminated
    int32_t pluginId;                 // from AEGP_RegisterWithAEGP
    uint8_t reservedFlag;
    int32_t reserved;
};
} // namespace yAE
