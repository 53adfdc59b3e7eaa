// "tonescope info": what a module declares about itself and what it tells the
// host when it is set up; given an image, what the image holds.
#pragma once

#include <iosfwd>
#include <string>

namespace yStandalone
{
// Prints the module's description to out, or for an image file its size,
// depth, frames and layers; returns the process exit status.
// Errors go to err as one sentence.
int RunInfoCommand(const std::string& modulePath, std::ostream& out, std::ostream& err);
} // namespace yStandalone
