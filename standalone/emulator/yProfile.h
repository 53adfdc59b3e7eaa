// The host interface a module speaks, told by the entry property of its
// property list: "8664" for today's 64-bit hosts (current), "wx86" for the
// 32-bit hosts the effect was first written for (legacy). This host speaks
// both and serves each module the records, suites and events of its own.
#pragma once

namespace yStandalone
{
enum class yProfile
{
    Legacy,
    Current
};

// "legacy" or "current".
const char* ProfileName(yProfile profile);

// The interface of a module's code linked into a program (tests, benchmarks,
// fuzzers), which is built for one: TONESCOPE_PROFILE_LEGACY or _CURRENT.
#if defined(TONESCOPE_PROFILE_CURRENT)
inline constexpr yProfile kLinkedProfile = yProfile::Current;
#elif defined(TONESCOPE_PROFILE_LEGACY)
inline constexpr yProfile kLinkedProfile = yProfile::Legacy;
#endif
} // namespace yStandalone
