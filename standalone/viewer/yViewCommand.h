// tonescope view: the effect live in a window.
#pragma once

#include "standalone/media/yImageFile.h"

#include <cstdint>
#include <ostream>
#include <string>

namespace yStandalone
{
struct yViewOptions
{
    std::string input;  // may be empty: the window waits for an image
    std::string module;
    std::string depth;  // "", "8" or "16"
    std::string script; // replayed, then the window closes
    std::string screenshot; // after the script; live, written on F12
    int width = 1280, height = 800;
    int64_t maxPixels = yImageFile::kDefaultMaxPixels; // larger images are refused
};

// The window's exit status; errors go to err as one sentence.
int RunViewCommand(const yViewOptions& options, std::ostream& err);
} // namespace yStandalone
