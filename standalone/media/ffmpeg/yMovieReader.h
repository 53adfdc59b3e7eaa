// Movies through FFmpeg's libraries, in the movie library of their own. Frames are
// found by their presentation time, so that frame k is the k-th picture the
// decoder gives in order, whatever the order of the packets (B-frames) and
// whatever the container claims.
#pragma once

#include "standalone/media/yImageReader.h"

#include <memory>
#include <string>

namespace yStandalone
{
// A reader of the movie at path, at its first frame. Null with why empty when
// the file is not a movie (an image for the other readers), null with one
// clause in why when it is a movie that cannot be read.
std::unique_ptr<yImageReader> OpenMovie(const std::string& path, std::string& why);
} // namespace yStandalone
