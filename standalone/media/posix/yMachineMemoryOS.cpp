// Linux reports what it can give without swapping as MemAvailable; a limit
// on the process's data or address space may hold it to less.
#include "standalone/media/yMachineMemory.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace yStandalone
{
namespace
{
// A "Name: N kB" line of a file of /proc, in bytes; 0 when missing.
uint64_t ProcBytes(const char* path, const char* name)
{
    uint64_t bytes = 0;
    if (std::FILE* info = std::fopen(path, "r"))
    {
        char line[256];
        unsigned long long kib = 0;
        const size_t length = std::strlen(name);
        while (std::fgets(line, sizeof line, info))
            if (std::strncmp(line, name, length) == 0 && std::sscanf(line + length, ": %llu kB", &kib) == 1)
            {
                bytes = uint64_t(kib) * 1024;
                break;
            }
        std::fclose(info);
    }
    return bytes;
}
} // namespace

uint64_t AvailableMemory()
{
    uint64_t available = ProcBytes("/proc/meminfo", "MemAvailable");
    // A limit counts what the process holds already.
    const struct
    {
        int resource;
        const char* used;
    } limits[] = {{RLIMIT_DATA, "VmData"}, {RLIMIT_AS, "VmSize"}};
    for (const auto& limit : limits)
    {
        rlimit value = {};
        if (::getrlimit(limit.resource, &value) != 0 || value.rlim_cur == RLIM_INFINITY) continue;
        const uint64_t used = ProcBytes("/proc/self/status", limit.used);
        const uint64_t left = uint64_t(value.rlim_cur) > used ? uint64_t(value.rlim_cur) - used : 1;
        available = available == 0 ? left : std::min(available, left);
    }
    return available;
}
} // namespace yStandalone
