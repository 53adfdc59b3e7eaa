// What the window asks of the render worker, in order. Jobs that only set a
// state (a pointer move, a drag, a parameter's value, the layer point, a
// render, a frame) are superseded by a newer one of the same kind still waiting, so a
// busy worker skips the stale ones and the window never waits on it.
#pragma once

#include "standalone/session/yEventScript.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>

namespace yStandalone
{
struct yViewerJob
{
    enum Kind
    {
        Event,       // a panel event or host control, as a script has it
        LayerPoint,  // x, y in image pixels: sets "Position"
        Open,        // path: an image, replacing the input only when it reads
        LoadProject, // path
        SaveProject, // path
        SaveOutput,  // path
        About,
        Frame,       // frame: a shot's frame shown, the nearest it has
        Probe, // x, y in image pixels: the pixel's values in the status bar
        Undo,
        Redo,
        Toggle, // x: a channel, 0 to 3: a click on its toggle in the panel
    };

    Kind kind = Event;
    yScriptEvent event;
    double x = 0, y = 0;
    std::string path;
    int frame = 0;

    // Whether this job makes an earlier waiting one pointless.
    bool Supersedes(const yViewerJob& older) const;
};

class yViewerJobQueue
{
  public:
    // Queues the job, dropping the last waiting one when this one supersedes it.
    void Push(const yViewerJob& job);
    // Waits for a job; false once stopped. The job counts as running until Finished.
    bool Pop(yViewerJob& job);
    void Finished();
    // Blocks until nothing waits or runs (or the queue stopped).
    void WaitIdle();
    // Whether nothing waits or runs now.
    bool Idle() const;
    // Drops what waits and ends every Pop.
    void Stop();
    bool Empty() const;

  private:
    mutable std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<yViewerJob> m_jobs;
    bool m_stopped = false;
    bool m_running = false;
};
} // namespace yStandalone
