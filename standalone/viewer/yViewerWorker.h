// The viewer's render worker: one thread that owns the effect instance and
// does everything the module is asked (events, parameter changes, renders,
// draws, files), so that the window's event thread never waits on a render.
// After each job, when nothing else waits, it draws the panel and publishes
// a frame: the pictures as 8-bit RGBA and what the window shows beside them.
#pragma once

#include "standalone/viewer/yViewerHistory.h"
#include "standalone/viewer/yViewerJob.h"
#include "standalone/viewer/yViewerProbe.h"
#include "standalone/viewer/yViewerToggles.h"
#include "standalone/emulator/yHostPlatform.h"
#include "standalone/media/yImageFile.h"
#include "standalone/media/yReportFiles.h"
#include "standalone/viewer/yViewerShot.h"
#include "standalone/viewer/yViewerTimeline.h"

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

// A host control as the window draws it.
struct yViewerParam
{
    std::string name;
    int type = 0;        // PF_Param_ type
    double value = 0;    // popup choice (from 1), check box 0/1, slider value
    double min = 0, max = 0;
    std::string choices; // popup choices, "|"-separated
    bool disabled = false;
};

struct yViewerFrame
{
    uint64_t serial = 0; // grows with every frame published
    // Grows when the pictures and what comes of a render change; a probe
    // alone publishes only its line.
    uint64_t renderSerial = 0;
    int imageWidth = 0, imageHeight = 0;
    bool deep = false;
    std::vector<uint8_t> image; // the output, RGBA rows top down
    int panelWidth = 0, panelHeight = 0;
    std::vector<uint8_t> panel;
    std::string statusLine;
    double jobMilliseconds = 0; // the last job, render and draw included
    bool region = false;        // the sample rectangle is not the whole image
    int top = 0, left = 0, bottom = 0, right = 0;
    int cursor = 0;             // PF_CursorType
    std::vector<yViewerParam> params;
    std::string message;        // the last failure or the module's text; empty when none
    uint64_t messageSerial = 0; // grows with every new message
    // What the host's scope pane draws: the module's bins (all four
    // channels; scope.channels tells which are shown, their names, colours
    // and summaries), its depth and model, and what reading the input
    // clamped. No bins before the first render.
    yHistogramStats scope;
    std::vector<yBinCounts> scopeBins;
    int frameNumber = 0, firstFrame = 0, lastFrame = -1; // a shot's; none when last < first
    std::string probeLine;      // the probed pixel's values; empty when none
};

struct yViewerSettings
{
    std::string modulePath;
    std::string input;
    std::string depth;     // "", "8" or "16"
    bool realClock = true; // false: the scripted clock, as for a script
    int64_t maxPixels = yImageFile::kDefaultMaxPixels; // larger images are refused
};

class yViewerWorker
{
  public:
    yViewerWorker();
    ~yViewerWorker();
    yViewerWorker(const yViewerWorker&) = delete;
    yViewerWorker& operator=(const yViewerWorker&) = delete;

    // Loads the module and the input on the calling thread, then starts.
    bool Start(const yViewerSettings& settings, std::string& error);
    // Ends the thread; a colour chooser left open is cancelled.
    void Stop();

    void Post(const yViewerJob& job) { m_jobs.Push(job); }
    // Blocks until every job posted so far is done and published.
    void WaitIdle() { m_jobs.WaitIdle(); }
    // Whether every job posted so far is done and its frame published.
    bool Idle() const { return m_jobs.Idle(); }
    // Copies the newest frame into frame when it is newer; true then. The
    // pictures are copied only when frame holds older ones.
    bool TakeFrame(yViewerFrame& frame);

    // The colour chooser the module opened, while it waits for an answer.
    bool ChooserOpen(uint8_t initial[3]) const;
    void AnswerChooser(const yColorChoice& choice);
    // The shot's timeline picture as it fills in, when newer; true then.
    bool TakeTimeline(yTimelinePicture& picture) { return m_timeline.Take(picture); }

  private:
    void Run();
    bool Handle(const yViewerJob& job, std::string& error);
    bool OpenImage(const std::string& path, std::string& error);
    bool OpenShot(const std::string& path, std::string& error);
    bool ShowFrame(int number, std::string& error);
    // Saves or loads the project the job names: the record and the host's parameters.
    bool Project(const yViewerJob& job, std::string& error);
    void Publish(double milliseconds, const std::string& message);
    void PublishProbe(double milliseconds);
    yColorChoice AskChooser(const uint8_t initial[3]);
    // A snapshot for undo when the job changed the record or the parameters.
    bool Remember(std::string& error);
    bool Revert(const yViewerSnapshot* snapshot, std::string& error);

    yViewerSettings m_settings;
    std::unique_ptr<yRenderSession> m_session;
    yViewerJobQueue m_jobs;
    std::thread m_thread;

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    yViewerFrame m_frame, m_spare;
    yClampCounts m_clamped; // of the image shown
    bool m_stopping = false;
    bool m_chooserOpen = false, m_chooserAnswered = false;
    uint8_t m_chooserInitial[3] = {0, 0, 0};
    yColorChoice m_chooserAnswer;
    yViewerShot m_shot; // open when the input is a shot
    int m_frameNumber = 0;
    yViewerTimeline m_timeline;
    yWorld m_nextInput; // the next frame is read here, the shown one kept until it reads
    yViewerProbe m_probe;
    std::string m_probeLine;
    bool m_unpublished = false; // a job since the last publication changed more than the probe
    yViewerHistory m_history;
    yViewerToggles m_toggles;
};
} // namespace yStandalone
