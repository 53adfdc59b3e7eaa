// A shot open in the viewer: its frames by number and one reader kept from
// frame to frame, so that a movie is opened once, not once a frame.
#pragma once

#include "standalone/emulator/yWorld.h"
#include "standalone/media/yImageFile.h"
#include "standalone/media/yShot.h"

#include <memory>
#include <string>
#include <vector>

namespace yStandalone
{
class yViewerShot
{
  public:
    // Playback's rate: neither image sequences nor our movie reader carry one.
    static constexpr double kFramesPerSecond = 24;

    // Finds the frames of input; its first frame's size and depth are the
    // shot's. depth is "", "8" or "16" as the viewer was asked.
    bool Open(const std::string& input, int64_t maxPixels, const std::string& depth, std::string& error);
    void Close() { m_frames.clear(); }
    bool IsOpen() const { return !m_frames.empty(); }
    int First() const { return m_frames.empty() ? 0 : m_frames.front().number; }
    int Last() const { return m_frames.empty() ? -1 : m_frames.back().number; }
    int Count() const { return int(m_frames.size()); }
    // The frame number nearest to number that the shot has.
    int Clamp(int number) const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Frame number into world; false with one sentence naming the frame.
    bool Read(int number, yWorld& world, std::string& error);
    // What reading the last frame clamped.
    yClampCounts Clamped() const { return m_file ? m_file->Clamped() : yClampCounts(); }

  private:
    std::vector<yShotFrame> m_frames; // numbers without gaps, in order
    std::string m_input, m_path;      // the shot, and the file the reader holds
    std::unique_ptr<yImageFile> m_file;
    int64_t m_maxPixels = 0;
    int m_width = 0, m_height = 0;
    bool m_fileDeep = false, m_deep = false;
};
} // namespace yStandalone
