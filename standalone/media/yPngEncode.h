// The PNG encoder of the build: RGBA at the world's depth, whole, in memory.
// libpng on Linux; on Windows our own writer over zlib.
#pragma once

#include "standalone/emulator/yWorld.h"

#include <string>

namespace yStandalone
{
// Appends the encoded file to bytes; false with the reason (no full stop).
bool EncodePng(const yWorld& world, std::string& bytes, std::string& reason);
} // namespace yStandalone
