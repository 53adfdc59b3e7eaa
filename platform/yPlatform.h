// What the module asks of the operating system besides drawing and resources:
// live input, the clock, the colour chooser, a few folders and the date.
#pragma once

#include <cstdint>
#include <string>

struct ZT_HostPlatform;

namespace yPlatform
{
// The one place that knows how folders are separated in paths.
#if defined(_WIN32)
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

// Bits of Modifiers().
enum : uint32_t
{
    kModifierShift = 1,
    kModifierControl = 2,
    kModifierAlt = 4,
};

// Milliseconds since an arbitrary start; wraps at 32 bits, so compare differences.
uint32_t TickCount();
// Longest gap in milliseconds between the clicks of one multiple click.
uint32_t DoubleClickInterval();
// The live state of the left mouse button and of the modifier keys.
bool LeftButtonDown();
uint32_t Modifiers();
// The system colour chooser: rgb holds the initial colour and receives the
// chosen one; false when the user cancelled (rgb is then unchanged).
bool ChooseColor(uint8_t rgb[3]);

// Folders end with kPathSeparator.
std::string DesktopPath();
std::string SystemFolder();
// The full path of the shared object (or program) that holds this code.
std::string ModulePath();
// Today's date in local time: year, month 1-12, day 1-31.
void LocalDate(int& year, int& month, int& day);

// Answers input questions from the given table instead of the hosting
// process's; null goes back to the process's table, or to headless defaults
// when it exports none. The table must outlive its use.
void SetHostPlatform(const ZT_HostPlatform* table);
} // namespace yPlatform
