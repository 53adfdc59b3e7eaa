// "tonescope" without arguments: the built-in test image through the effect,
// with every file the render command can write, and a short summary.
#pragma once

#include "standalone/emulator/yWorld.h"

#include <iosfwd>
#include <string>

namespace yStandalone
{
// Colour ramps, grey steps and a part fading to transparent, 8 bits.
yWorld DemoImage();

// Writes into folder (created when missing); returns the exit status.
int RunDemoCommand(const std::string& modulePath, const std::string& folder, std::ostream& out,
                   std::ostream& err);
} // namespace yStandalone
