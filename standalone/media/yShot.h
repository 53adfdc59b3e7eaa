// The frames of a shot and where each is read from: an image sequence named
// by a pattern ("shot.%04d.exr"), a folder of numbered frames
// ("plate.0001.dpx", "plate.0002.dpx", ...) or a movie file, whose frames
// are its subimages, numbered from 0.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace yStandalone
{
struct yShotFrame
{
    int number = 0;
    std::string path;
    int subimage = 0; // the frame inside a movie
};

// Frames first to last, both included.
struct yFrameRange
{
    int first = 0;
    int last = -1;
    bool IsAll() const { return last < first; }
};

// A file name with a frame number in it: "shot.%04d.exr" is the folder,
// "shot.", width 4 and ".exr".
struct yFramePattern
{
    std::string folder, prefix, suffix;
    int width = 0; // 0: any

    // One %d or %0Nd (N up to 99) in the name and no other %.
    static bool Parse(const std::string& path, yFramePattern& pattern);
    std::string PathOf(int number) const;
};

class yShot
{
  public:
    // Whether the input names a shot rather than one still image: a pattern,
    // a folder or a movie (the file is opened to tell).
    static bool IsShot(const std::string& input);
    // The frames of the shot within the range (all when the range is empty),
    // in order; false with one sentence when the shot has none there, a
    // frame is missing or the range is outside the shot.
    // first, when given, receives the shot's first frame, in the range or not.
    static bool Find(const std::string& input, const yFrameRange& range, std::vector<yShotFrame>& frames,
                     std::string& error, yShotFrame* first = nullptr);
};

// "A-B" or "A", whole numbers from 0; false with one sentence otherwise.
bool ParseFrameRange(const std::string& text, yFrameRange& range, std::string& error);
} // namespace yStandalone
