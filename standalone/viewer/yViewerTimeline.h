// A shot's timeline picture made in the background: a thread with its own
// effect instance and reader renders the frames in order, so that the
// worker's frame jobs never wait on it. Its instance keeps the module's
// defaults: the picture shows the shot, whatever the panel shows now.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace yStandalone
{
class yRenderSession;

struct yTimelinePicture
{
    uint64_t serial = 0; // grows with every picture published
    int width = 0, height = 0;
    std::vector<uint8_t> rgba; // rows top down
    int first = 0, frames = 0, done = 0; // the shot's first frame number, its length, frames drawn
    int plotLeft = 0, columnWidth = 1;   // frame index k's column starts at plotLeft + k * columnWidth
};

class yViewerTimeline
{
  public:
    yViewerTimeline() = default;
    ~yViewerTimeline() { Stop(); }
    yViewerTimeline(const yViewerTimeline&) = delete;
    yViewerTimeline& operator=(const yViewerTimeline&) = delete;

    // Stops the picture in the making and starts one of the shot, rendered
    // by session (opened by the caller, whose thread opens every instance).
    void Start(std::unique_ptr<yRenderSession> session, const std::string& input, int64_t maxPixels,
               const std::string& depth);
    // Ends the thread; the picture so far is kept.
    void Stop();
    // No picture any more (a still image was opened).
    void Clear();
    // Copies the picture into picture when it is newer; true then.
    bool Take(yTimelinePicture& picture);

  private:
    void Run(std::unique_ptr<yRenderSession> session, std::string input, int64_t maxPixels, std::string depth);

    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    yTimelinePicture m_picture;
};
} // namespace yStandalone
