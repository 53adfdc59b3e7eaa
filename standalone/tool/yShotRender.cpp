#include "standalone/tool/yShotRender.h"

#include "standalone/emulator/yIteratePool.h"
#include "standalone/media/yFileOutput.h"
#include "standalone/media/yImageFile.h"
#include "standalone/media/yMachineMemory.h"
#include "standalone/media/yPngFile.h"
#include "standalone/media/yProgress.h"
#include "standalone/media/yProjectFile.h"
#include "standalone/media/yShot.h"
#include "standalone/media/yTimeline.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <new>
#include <sstream>
#include <system_error>
#include <thread>

namespace yStandalone
{
namespace
{
// One frame's results, handed from its worker to the writer.
struct yFrameResult
{
    bool read = false; // false: the frame was skipped, error says why
    std::string error;
    yHistogramStats stats;
    std::vector<yBinCounts> bins;
};

// What a worker needs of a frame: its pixels at the run's depth, shrunk.
class yFrameSource
{
  public:
    explicit yFrameSource(const yRenderOptions& o) : m_o(o) {}

    // The frame as the input of session; false with a sentence naming it.
    bool Load(const yShotFrame& frame, const yRenderPlan& plan, yRenderSession& session, std::string& error)
    {
        // The session's last input is read into again: one input world a worker.
        yWorld world = session.TakeInput();
        if (!Read(frame, plan, world, error)) return false;
        Give(std::move(world), session);
        return true;
    }

    // The frame's pixels into world, which is reused when its size fits.
    bool Read(const yShotFrame& frame, const yRenderPlan& plan, yWorld& world, std::string& error)
    {
        if (m_path != frame.path)
        {
            m_path.clear();
            if (!m_file.Open(frame.path, m_o.maxPixels, error, m_o.layer)) return Named(frame, error);
            m_path = frame.path;
            if (m_width == 0)
            {
                m_width = m_file.Width();
                m_height = m_file.Height();
                m_fileDeep = m_file.IsDeep();
                m_deep = plan.deepGiven ? plan.deep : m_fileDeep;
            }
        }
        if (m_file.Width() != m_width || m_file.Height() != m_height || m_file.IsDeep() != m_fileDeep)
        {
            error = "Frame " + std::to_string(frame.number) + " (" + frame.path + ") is " +
                    std::to_string(m_file.Width()) + " x " + std::to_string(m_file.Height()) +
                    (m_file.IsDeep() ? " at 16 bits" : " at 8 bits") + " where the shot is " +
                    std::to_string(m_width) + " x " + std::to_string(m_height) +
                    (m_fileDeep ? " at 16 bits." : " at 8 bits.");
            return false;
        }
        if (!m_file.ReadFrame(frame.subimage, m_deep, m_o.downsample, world, error))
            return Named(frame, error);
        return true;
    }

    // A world this source read becomes the session's input.
    void Give(yWorld world, yRenderSession& session) const
    {
        session.SetInput(std::move(world), m_o.downsample, m_width, m_height);
    }

    // A movie's frame as its file holds it; false with a sentence naming it.
    bool Decode(const yShotFrame& frame, yImageFile::yDecodedFrame& decoded, std::string& error)
    {
        return m_file.DecodeFrame(frame.subimage, decoded, error) || Named(frame, error);
    }

    // A frame Decode gave, turned into the session's input on the caller's thread.
    void GiveDecoded(const yImageFile::yDecodedFrame& decoded, yRenderSession& session, yClampCounts& clamped) const
    {
        yWorld world = session.TakeInput();
        yImageFile::Convert(decoded, m_deep, m_o.downsample, world, clamped);
        Give(std::move(world), session);
    }

    // What the last frame's float samples lost to the clamp.
    const yClampCounts& Clamped() const { return m_file.Clamped(); }
    bool IsMovie() const { return m_file.IsMovie(); }

    // Bytes of one world of the shot as it is rendered.
    uint64_t WorldBytes() const
    {
        const uint64_t width = uint64_t(std::max(1, m_width / m_o.downsample));
        const uint64_t height = uint64_t(std::max(1, m_height / m_o.downsample));
        return width * height * (m_deep ? sizeof(PF_Pixel16) : sizeof(PF_Pixel8));
    }

  private:
    static bool Named(const yShotFrame& frame, std::string& error)
    {
        if (!error.empty()) error[0] = char(std::tolower(static_cast<unsigned char>(error[0])));
        error = "Frame " + std::to_string(frame.number) + " was skipped: " + error;
        return false;
    }

    const yRenderOptions& m_o;
    yImageFile m_file;
    std::string m_path;
    // The first frame sets the shot's size and depth.
    int m_width = 0, m_height = 0;
    bool m_fileDeep = false, m_deep = false;
};

// A frame the feed decoded, on its way to a worker.
struct yFedFrame
{
    size_t k = 0; // its place in the run
    bool read = false;
    std::string error;
    yImageFile::yDecodedFrame decoded;
};

// One effect instance with its own reader.
struct yWorker
{
    explicit yWorker(const yRenderOptions& o) : source(o) {}
    yRenderSession session;
    yFrameSource source;
};

// Takes the frames' results in any order and writes them in frame order.
class yShotWriter
{
  public:
    yShotWriter(const yRenderOptions& o, const std::vector<yShotFrame>& frames, std::ostream& err)
        : m_o(o), m_frames(frames), m_err(err), m_progress(int(frames.size()), !o.quiet)
    {
    }

    void Put(size_t k, yFrameResult result)
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_pending.emplace(k, std::move(result));
        for (auto next = m_pending.find(m_next); next != m_pending.end(); next = m_pending.find(++m_next))
        {
            Write(m_frames[m_next].number, next->second);
            m_pending.erase(next);
            m_written = m_next + 1;
            m_progress.FrameDone();
        }
    }

    // The histogram and statistics go into the run's outputs frame by frame,
    // so that memory does not grow with the shot's length.
    bool Start(yFileOutput& outputs, std::string& error)
    {
        m_outputs = &outputs;
        return (m_o.histogram.empty() || outputs.Start(m_o.histogram, m_histogram, error)) &&
               (m_o.stats.empty() || outputs.Start(m_o.stats, m_stats, error));
    }

    // The picture of the shot; false with the first failure to write a frame's lines.
    bool Finish(std::string& error)
    {
        m_progress.Finish();
        error = m_error;
        // A shot with no frame read still gets the header.
        if (error.empty() && !m_o.histogram.empty() && !m_headerWritten)
            m_outputs->Append(m_histogram, yReportFiles::CsvHeader(yHistogramStats(), true), error);
        return error.empty() &&
               (m_o.timeline.empty() || yPngFile::Write(*m_outputs, m_o.timeline, m_timeline.Draw(), error));
    }
    int Skipped() const { return m_skipped; }
    // Frames written so far, in order.
    size_t Written() const { return m_written; }
    int NothingSampled() const { return m_nothingSampled; }

  private:
    void Write(int number, const yFrameResult& result)
    {
        if (!m_o.timeline.empty()) m_timeline.AddFrame(number, result.stats, result.bins);
        if (!result.read)
        {
            ++m_skipped;
            m_err << Printable(result.error) << "\n";
            return;
        }
        if (result.stats.total == 0) ++m_nothingSampled;
        std::string error;
        if (!m_o.histogram.empty() && !m_headerWritten)
        {
            // The model is the run's: the first frame read names the channels for all.
            m_headerWritten = true;
            if (!m_outputs->Append(m_histogram, yReportFiles::CsvHeader(result.stats, true), error) &&
                m_error.empty())
                m_error = error;
        }
        if ((!m_o.histogram.empty() &&
             !m_outputs->Append(m_histogram, yReportFiles::HistogramCsv(result.stats, result.bins, number), error)) ||
            (!m_o.stats.empty() &&
             !m_outputs->Append(m_stats, yReportFiles::StatsJson(result.stats, number), error)))
            if (m_error.empty()) m_error = error;
    }

    const yRenderOptions& m_o;
    const std::vector<yShotFrame>& m_frames;
    std::ostream& m_err;
    yProgress m_progress;
    std::mutex m_lock;
    std::map<size_t, yFrameResult> m_pending;
    size_t m_next = 0;
    std::atomic<size_t> m_written{0};
    int m_skipped = 0, m_nothingSampled = 0;
    yFileOutput* m_outputs = nullptr;
    size_t m_histogram = 0, m_stats = 0; // ids of the outputs
    bool m_headerWritten = false;
    std::string m_error;
    yTimeline m_timeline;
};

// What a run leaves besides the per-frame files: the panel after the last
// frame and the project.
struct yShotEnd
{
    yWorld panel;
    std::vector<uint8_t> record;
    yHostSettings settings;
};

class yShotRun
{
  public:
    yShotRun(const yRenderOptions& o, const yRenderPlan& plan, const std::vector<yShotFrame>& frames,
             yShotWriter& writer, yFramePattern* outputPattern, std::ostream& err)
        : m_o(o), m_plan(plan), m_frames(frames), m_writer(writer), m_outputPattern(outputPattern), m_err(err)
    {
    }

    // Sets every worker up alike: the shot's first readable frame (in the
    // range or not, so that runs over parts of a shot match one over all of
    // it), rendered, then the events replayed on it. The script runs once, on
    // the first worker; every worker, that one too, then becomes a copy of its
    // instance, so that any number of workers gives the same results.
    bool SetUp(int workers, const yShotFrame& shotFirst, std::string& error)
    {
        m_setUpFrame = shotFirst;
        // Opening resets the host's clock and keys, so every worker opens
        // before the script moves them.
        for (int w = 0; w < workers; ++w)
        {
            if (w == 1 && !Size(workers)) break;
            auto worker = std::make_unique<yWorker>(m_o);
            if (!OpenRenderSession(m_o, m_plan, worker->session, error)) return false;
            // A movie is decoded by the feed alone: the others copy the set-up frame.
            if (m_feedSource)
                m_feedSource->Give(yWorld(m_workers[0]->session.Input()), worker->session);
            else if (!LoadSetUpFrame(*worker, error))
                return false;
            m_workers.push_back(std::move(worker));
        }
        yRenderSession& first = m_workers[0]->session;
        if (!RenderAndReplay(m_plan, first, error)) return false;
        if (m_plan.events.empty())
        {
            for (size_t w = 1; w < m_workers.size(); ++w)
                if (!m_workers[w]->session.Render(error)) return false;
            return true;
        }
        std::vector<uint8_t> record;
        if (!first.Flatten(record, error)) return false;
        for (auto& worker : m_workers)
            if (!worker->session.Adopt(first, record, error)) return false;
        return true;
    }

    // Renders every frame; false with the first fatal error.
    bool Render(std::string& error)
    {
        {
            // Joined on every way out, so that none is left joinable.
            struct yJoined
            {
                std::vector<std::thread> threads;
                ~yJoined()
                {
                    for (std::thread& thread : threads)
                        thread.join();
                }
            } joined;
            try
            {
                joined.threads.reserve(m_workers.size() + 1);
                if (m_feedSource) joined.threads.emplace_back([this] { Feed(); });
            }
            catch (const std::exception&)
            {
                // Without the feed each worker reads with a decoder of its own.
                m_feedSource = nullptr;
            }
            try
            {
                for (size_t w = 1; w < m_workers.size(); ++w)
                    joined.threads.emplace_back([this, w] { Work(*m_workers[w]); });
            }
            catch (const std::exception&)
            {
                // Without a thread or room for one, fewer threads take the same frames.
            }
            Work(*m_workers[0]);
        }
        error = m_outOfMemory ? "There is not enough memory to go on." : m_fatal;
        return !m_outOfMemory && m_fatal.empty();
    }

    yShotEnd& End() { return m_end; }
    bool HasEnd() const { return m_ended; }

  private:
    // Once the first worker knows the shot's size and kind: how many more to
    // open, and whether a movie is fed. False: the first works alone.
    bool Size(int& workers)
    {
        yFrameSource& first = m_workers[0]->source;
        if (first.IsMovie())
        {
            // A movie's frames come from one decoder moving forward on a
            // thread of its own, where its reference frames stay in one
            // core's caches: with one each, every worker would decode nearly
            // every frame, and taking turns at one moves it from core to core
            // at every frame. By default the decoder's core is left to it.
            m_feedSource = &first;
            if (m_o.jobs == 0) workers = std::max(1, workers - 1);
            if (m_o.threads == 0)
                yIteratePool::Instance().SetThreadCount(std::max(1, int(std::thread::hardware_concurrency()) - 1));
        }
        // As many as the memory holds, beside the feed's frames.
        workers = FitMemory(workers, first.WorldBytes(), m_feedSource ? (kFedFrames + 1) * first.WorldBytes() : 0);
        return workers > 1;
    }

    int FitMemory(int workers, uint64_t worldBytes, uint64_t shared)
    {
        // Input, output and the reader's rows; then the effect's own tables
        // (16-bit bins and counters), a thread's stack and its allocator's arena.
        const uint64_t perWorker = 3 * worldBytes + (uint64_t(24) << 20);
        const uint64_t available = AvailableMemory();
        const uint64_t usable = available / 4 * 3;
        const uint64_t fits = std::max<uint64_t>(1, (usable > shared ? usable - shared : 0) / perWorker);
        if (available == 0 || uint64_t(workers) <= fits) return workers;
        // The default is one per core; only a number asked for is worth a word.
        if (m_o.jobs > 0)
            m_err << "Note: the memory available holds " << fits << " of the " << m_o.jobs
                  << " workers asked for, so " << fits << " render the shot.\n";
        return int(fits);
    }

    // An unreadable frame is named where a range holds it, not where it
    // would have set the workers up: the next readable frame does that.
    bool LoadSetUpFrame(yWorker& worker, std::string& error)
    {
        std::string why;
        if (worker.source.Load(m_setUpFrame, m_plan, worker.session, why)) return true;
        std::vector<yShotFrame> shot;
        if (!yShot::Find(m_o.input, yFrameRange{}, shot, error)) return false;
        for (const yShotFrame& frame : shot)
        {
            std::string skipped;
            if (frame.number <= m_setUpFrame.number) continue;
            if (!worker.source.Load(frame, m_plan, worker.session, skipped)) continue;
            m_setUpFrame = frame;
            return true;
        }
        if (!why.empty()) why[0] = char(std::tolower(static_cast<unsigned char>(why[0])));
        error = "No frame of the shot can be read; " + why;
        return false;
    }

    void Work(yWorker& worker) noexcept
    {
        Guarded([&] {
            for (;;)
            {
                size_t k = 0;
                yFrameResult result;
                yClampCounts clamped;
                if (!Take(worker, k, result, clamped)) return;
                std::string error;
                if (result.read && !RenderFrame(worker.session, k, result, error))
                {
                    Stop(error);
                    return;
                }
                result.stats.clamped = clamped;
                m_writer.Put(k, std::move(result));
                Wake();
            }
        });
    }

    // The feed's thread: every frame in order from the one decoder, a few
    // frames ahead of the writer at most.
    void Feed() noexcept
    {
        Guarded([&] {
            for (size_t k = 0; k < m_frames.size(); ++k)
            {
                yFedFrame fed;
                {
                    // A few frames more than a worker may run ahead: one frame
                    // costs the decoder more than another (a keyframe).
                    std::unique_lock<std::mutex> hold(m_turnLock);
                    m_turn.wait(hold, [&] {
                        return m_stop || (m_fed.size() < kFedFrames && k < m_writer.Written() + Window() + kFedFrames);
                    });
                    if (m_stop) return;
                    if (!m_spare.empty())
                    {
                        fed.decoded = std::move(m_spare.back());
                        m_spare.pop_back();
                    }
                }
                fed.k = k;
                fed.read = m_feedSource->Decode(m_frames[k], fed.decoded, fed.error);
                {
                    std::lock_guard<std::mutex> hold(m_turnLock);
                    m_fed.push_back(std::move(fed));
                }
                m_turn.notify_all();
            }
        });
        {
            std::lock_guard<std::mutex> hold(m_turnLock);
            m_fedAll = true;
        }
        m_turn.notify_all();
    }

    // Whatever a thread meets ends in m_fatal, never on its own thread.
    template <class Body> void Guarded(Body body) noexcept
    {
        try
        {
            body();
        }
        catch (const std::bad_alloc&)
        {
            m_outOfMemory = true;
            Halt();
        }
        catch (const std::exception& e)
        {
            try
            {
                Stop(e.what());
            }
            catch (const std::bad_alloc&)
            {
                m_outOfMemory = true;
                Halt();
            }
        }
    }

    // The next frame, read into the worker's input; false: none is left.
    bool Take(yWorker& worker, size_t& k, yFrameResult& result, yClampCounts& clamped)
    {
        if (m_feedSource) return TakeFed(worker, k, result, clamped);
        k = m_next++;
        if (k >= m_frames.size() || !WaitForTurn(k)) return false;
        result.read = worker.source.Load(m_frames[k], m_plan, worker.session, result.error);
        clamped = worker.source.Clamped();
        return true;
    }

    // The feed's next frame becomes the worker's input, converted here so
    // that the feed only decodes; its buffer goes back to be decoded into.
    bool TakeFed(yWorker& worker, size_t& k, yFrameResult& result, yClampCounts& clamped)
    {
        yFedFrame fed;
        {
            std::unique_lock<std::mutex> hold(m_turnLock);
            m_turn.wait(hold, [&] { return m_stop || !m_fed.empty() || m_fedAll; });
            if (m_stop || m_fed.empty()) return false;
            fed = std::move(m_fed.front());
            m_fed.pop_front();
        }
        k = fed.k;
        result.read = fed.read;
        result.error = std::move(fed.error);
        if (result.read) m_feedSource->GiveDecoded(fed.decoded, worker.session, clamped);
        {
            std::lock_guard<std::mutex> hold(m_turnLock);
            m_spare.push_back(std::move(fed.decoded));
        }
        m_turn.notify_all();
        return true;
    }

    bool RenderFrame(yRenderSession& session, size_t k, yFrameResult& result, std::string& error)
    {
        if (!session.Render(error) || !session.Report(result.stats, result.bins, error)) return false;
        if (m_outputPattern &&
            !yPngFile::Write(m_outputPattern->PathOf(m_frames[k].number), session.Output(), error))
            return false;
        if (k + 1 < m_frames.size()) return true;
        // The last frame: the panel as it stands now, and the project.
        if ((!m_o.panel.empty() && !session.Draw(error)) ||
            (!m_o.project.empty() && !session.Flatten(m_end.record, error)))
            return false;
        m_end.panel = session.Panel();
        m_end.settings = session.HostSettings();
        m_ended = true;
        return true;
    }

    void Stop(const std::string& error)
    {
        {
            std::lock_guard<std::mutex> hold(m_stopLock);
            if (m_fatal.empty()) m_fatal = error;
        }
        Halt();
    }

    // A worker runs at most a window of frames ahead of the writer: results
    // waiting for an earlier frame hold a histogram each (1 MB at 16 bits),
    // so a starved thread must not let the others race on. False: stop.
    bool WaitForTurn(size_t k)
    {
        std::unique_lock<std::mutex> hold(m_turnLock);
        m_turn.wait(hold, [&] { return m_stop || k < m_writer.Written() + Window(); });
        return !m_stop;
    }
    size_t Window() const { return 2 * m_workers.size() + 2; }
    // Decoded frames waiting for a worker, at most.
    static constexpr size_t kFedFrames = 4;

    void Wake() noexcept
    {
        {
            std::lock_guard<std::mutex> hold(m_turnLock);
        }
        m_turn.notify_all();
    }

    void Halt() noexcept
    {
        m_stop = true;
        Wake();
    }

    const yRenderOptions& m_o;
    const yRenderPlan& m_plan;
    const std::vector<yShotFrame>& m_frames;
    yShotWriter& m_writer;
    yFramePattern* m_outputPattern;
    std::ostream& m_err;
    std::vector<std::unique_ptr<yWorker>> m_workers;
    std::atomic<size_t> m_next{0};
    // A movie's one decoder and the frames it read, waiting for a worker;
    // all under m_turnLock.
    yFrameSource* m_feedSource = nullptr;
    std::deque<yFedFrame> m_fed;
    std::vector<yImageFile::yDecodedFrame> m_spare; // buffers given back, to be decoded into
    bool m_fedAll = false;
    std::atomic<bool> m_stop{false};
    std::mutex m_turnLock;
    std::condition_variable m_turn;
    std::atomic<bool> m_outOfMemory{false}; // no sentence can be made where it ran out
    std::mutex m_stopLock;
    std::string m_fatal;
    yShotEnd m_end;
    bool m_ended = false;
    yShotFrame m_setUpFrame;
};
} // namespace

bool RunShot(const yRenderOptions& o, const yRenderPlan& plan, std::ostream& err)
{
    std::string error;
    std::vector<yShotFrame> frames;
    yShotFrame shotFirst;
    if (!yShot::Find(o.input, plan.frames, frames, error, &shotFirst)) return Fail(err, error);
    yFramePattern outputPattern;
    if (!o.output.empty() && !yFramePattern::Parse(o.output, outputPattern))
        return Fail(err, "The output of a shot needs a frame number in its name, as out.%04d.png.");

    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const int workers = int(std::min<size_t>(frames.size(), o.jobs > 0 ? size_t(o.jobs) : cores));
    // The files of the whole shot go in place together.
    yFileOutput outputs;
    yShotWriter writer(o, frames, err);
    if (!writer.Start(outputs, error)) return Fail(err, error);
    yShotRun run(o, plan, frames, writer, o.output.empty() ? nullptr : &outputPattern, err);
    if (!run.SetUp(workers, shotFirst, error) || !run.Render(error)) return Fail(err, error);

    if (!writer.Finish(error)) return Fail(err, error);
    if (run.HasEnd())
    {
        if ((!o.panel.empty() && !yPngFile::Write(outputs, o.panel, run.End().panel, error)) ||
            (!o.project.empty() &&
             !yProjectFile::Write(outputs, o.project, run.End().record, run.End().settings, error)))
            return Fail(err, error);
    }
    if (!outputs.Commit(error)) return Fail(err, error);
    WarnIfNothingSampled(err, writer.NothingSampled(), int(frames.size()));
    if (!run.HasEnd() && (!o.panel.empty() || !o.project.empty()))
        return Fail(err,
                    "The shot's last frame was skipped, so neither the panel nor the project was written.");
    if (writer.Skipped() > 0)
        return Fail(err, std::to_string(writer.Skipped()) + " of " + std::to_string(frames.size()) +
                             " frames were skipped.");
    return true;
}
} // namespace yStandalone
