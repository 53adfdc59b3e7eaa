// The module's property list: what the host reads before it loads the code
// (kind, names, entry point, versions, flags), for each host interface.
#pragma once

#include "host/sdk/AE_PiPL.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zelPipl
{
constexpr uint32_t kResourceNumber = AE_PiPL::kResourceNumber;
constexpr uint32_t kLanguage = AE_PiPL::kLanguage;

enum class Profile
{
    Legacy,
    Current
};
// The profile of a build's name ("legacy", "current"); false for another name.
bool ProfileNamed(const std::string& name, Profile& profile);

// The property list's bytes (AE_PiPL.h describes the layout).
std::vector<uint8_t> Build(Profile profile);
} // namespace zelPipl
