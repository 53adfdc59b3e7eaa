// The resource manifests the generators write: lines "TYPE NUMBER LANGUAGE
// FILE", TYPE four characters where a trailing blank may be written '_'.
#pragma once

#include "host/sdk/ZT_ResourceSection.h"

#include <string>
#include <vector>

namespace rsrc
{
struct Item
{
    ZT_Resources::Entry entry{}; // type, number and language; size and offset are the writer's
    std::vector<char> data;
};

// Appends the items of one manifest, with their files' bytes. On failure
// prints one sentence to standard error, prefixed with the tool's name.
bool ReadManifest(const char* tool, const std::string& path, std::vector<Item>& items);
} // namespace rsrc
