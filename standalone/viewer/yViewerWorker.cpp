#include "standalone/viewer/yViewerWorker.h"

#include "host/sdk/ZT_Fixed.h"
#include "standalone/media/yImageFile.h"
#include "standalone/media/yPngFile.h"
#include "standalone/media/yProjectFile.h"
#include "standalone/media/yShot.h"
#include "standalone/session/yRenderSession.h"

#include <algorithm>
#include <chrono>

namespace yStandalone
{
namespace
{
// RGBA rows top down from a world of either depth; out keeps its memory.
void ToRgba(const yWorld& world, std::vector<uint8_t>& out)
{
    const PF_EffectWorld& w = world.World();
    out.resize(size_t(w.width) * size_t(w.height) * 4);
    uint8_t* to = out.data();
    for (int y = 0; y < w.height; ++y)
    {
        const char* row = static_cast<const char*>(static_cast<const void*>(w.data)) + size_t(y) * size_t(w.rowbytes);
        if (world.IsDeep())
        {
            const PF_Pixel16* p = reinterpret_cast<const PF_Pixel16*>(row);
            for (int x = 0; x < w.width; ++x, to += 4)
            {
                const uint32_t c[4] = {p[x].red, p[x].green, p[x].blue, p[x].alpha};
                for (int k = 0; k < 4; ++k) to[k] = uint8_t(std::min(255u, (c[k] * 255u + 16384u) / 32768u));
            }
        }
        else
        {
            const PF_Pixel8* p = reinterpret_cast<const PF_Pixel8*>(row);
            for (int x = 0; x < w.width; ++x, to += 4)
            {
                to[0] = p[x].red;
                to[1] = p[x].green;
                to[2] = p[x].blue;
                to[3] = p[x].alpha;
            }
        }
    }
}

// Jobs that may end a change of a parameter or of the panel; moves, drags
// and draws change nothing worth undoing on their own.
bool ChangesState(const yViewerJob& job)
{
    if (job.kind == yViewerJob::LayerPoint || job.kind == yViewerJob::LoadProject ||
        job.kind == yViewerJob::Toggle)
        return true;
    if (job.kind != yViewerJob::Event) return false;
    const yScriptEvent::Kind k = job.event.kind;
    // Keys are left out: a text box being typed in would lose its focus.
    return k == yScriptEvent::Up || k == yScriptEvent::Set || k == yScriptEvent::Pick;
}

std::vector<yViewerParam> HostControls(yEffectHost& host)
{
    std::vector<yViewerParam> out;
    for (size_t k = 1; k < host.ParamCount(); ++k)
    {
        const yParam& p = host.Param(k);
        const PF_ParamDef& def = p.def;
        yViewerParam c;
        c.name = def.name[0] ? def.name : p.label;
        c.type = def.param_type;
        c.disabled = (def.ui_flags & PF_PUI_DISABLED) != 0;
        switch (def.param_type)
        {
        case PF_Param_POPUP:
            c.value = def.u.pd.value;
            c.max = def.u.pd.num_choices;
            c.choices = p.choices;
            break;
        case PF_Param_CHECKBOX:
            c.value = def.u.bd.value;
            break;
        case PF_Param_FIX_SLIDER:
            c.value = ZT_Fixed::ToDouble(def.u.fd.value);
            c.min = ZT_Fixed::ToDouble(def.u.fd.slider_min);
            c.max = ZT_Fixed::ToDouble(def.u.fd.slider_max);
            break;
        case PF_Param_SLIDER:
            c.value = def.u.sd.value;
            c.min = def.u.sd.slider_min;
            c.max = def.u.sd.slider_max;
            break;
        default:
            continue; // the point is set in the layer view, the panel draws itself
        }
        out.push_back(c);
    }
    return out;
}
} // namespace

yViewerWorker::yViewerWorker() = default;

yViewerWorker::~yViewerWorker()
{
    Stop();
}

bool yViewerWorker::Start(const yViewerSettings& settings, std::string& error)
{
    m_settings = settings;
    yHostPlatform& platform = yHostPlatform::Instance();
    platform.Reset();
    platform.UseRealClock(settings.realClock);
    platform.SetChooser([this](const uint8_t initial[3]) { return AskChooser(initial); });
    m_session = std::make_unique<yRenderSession>();
    if (!m_session->Open(settings.modulePath, error)) return false;
    if (!settings.input.empty() && !OpenImage(settings.input, error)) return false;
    if (!Remember(error)) return false;
    Publish(0, settings.input.empty() ? "Drop an image on the window or type its path in the box." : "");
    m_thread = std::thread([this] { Run(); });
    return true;
}

void yViewerWorker::Stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_jobs.Stop();
    if (m_thread.joinable()) m_thread.join();
    m_timeline.Stop();
    if (m_session) m_session->Close();
    m_session.reset();
    yHostPlatform::Instance().SetChooser(nullptr);
}

void yViewerWorker::Run()
{
    yViewerJob job;
    while (m_jobs.Pop(job))
    {
        const auto start = std::chrono::steady_clock::now();
        std::string error;
        bool done = Handle(job, error);
        if (done && ChangesState(job)) done = Remember(error);
        m_unpublished = m_unpublished || job.kind != yViewerJob::Probe;
        if (m_jobs.Empty() || !done)
        {
            const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
            // A probe changes its line only: no draw, no pictures to convert or copy.
            if (done && !m_unpublished)
                PublishProbe(took.count());
            else
                Publish(took.count(), done ? error : error.empty() ? "The module refused the event." : error);
            m_unpublished = false;
        }
        m_jobs.Finished();
    }
}

bool yViewerWorker::OpenImage(const std::string& path, std::string& error)
{
    if (yShot::IsShot(path)) return OpenShot(path, error);
    yImageFile file;
    yWorld world;
    if (!file.Open(path, m_settings.maxPixels, error)) return false;
    const bool deep = m_settings.depth.empty() ? file.IsDeep() : m_settings.depth == "16";
    if (!file.ReadFrame(0, deep, 1, world, error)) return false;
    // Only an image read whole replaces the one shown.
    m_session->SetInput(std::move(world), 1, file.Width(), file.Height());
    m_clamped = file.Clamped();
    m_probeLine.clear(); // the old image's pixel
    m_shot.Close();
    m_timeline.Stop();
    m_timeline.Clear();
    return m_session->Render(error);
}

bool yViewerWorker::OpenShot(const std::string& path, std::string& error)
{
    yViewerShot shot;
    yWorld world;
    if (!shot.Open(path, m_settings.maxPixels, m_settings.depth, error) || !shot.Read(shot.First(), world, error))
        return false;
    m_shot = std::move(shot);
    m_frameNumber = m_shot.First();
    m_session->SetInput(std::move(world), 1, m_shot.Width(), m_shot.Height());
    m_clamped = m_shot.Clamped();
    m_probeLine.clear();
    // Instances open on this thread; without one the shot has no timeline.
    auto timeline = std::make_unique<yRenderSession>();
    std::string ignored;
    if (timeline->Open(m_settings.modulePath, ignored))
        m_timeline.Start(std::move(timeline), path, m_settings.maxPixels, m_settings.depth);
    return m_session->Render(error);
}

bool yViewerWorker::ShowFrame(int number, std::string& error)
{
    if (!m_shot.IsOpen()) return true;
    number = m_shot.Clamp(number);
    if (!m_shot.Read(number, m_nextInput, error)) return false;
    yWorld shown = m_session->TakeInput();
    m_session->SetInput(std::move(m_nextInput), 1, m_shot.Width(), m_shot.Height());
    m_nextInput = std::move(shown);
    m_frameNumber = number;
    m_clamped = m_shot.Clamped();
    return m_session->Render(error);
}

bool yViewerWorker::Handle(const yViewerJob& job, std::string& error)
{
    yRenderSession& s = *m_session;
    switch (job.kind)
    {
    case yViewerJob::Event:
        return s.Replay(job.event, error);
    case yViewerJob::LayerPoint:
        for (size_t k = 1; k < s.Host().ParamCount(); ++k)
            if (s.Host().Param(k).def.param_type == PF_Param_POINT)
                return s.SetParam(s.Host().Param(k).def.name,
                                  std::to_string(job.x) + "," + std::to_string(job.y), error) &&
                       s.Render(error);
        return true;
    case yViewerJob::Open:
        return OpenImage(job.path, error);
    case yViewerJob::LoadProject:
    case yViewerJob::SaveProject:
        return Project(job, error);
    case yViewerJob::SaveOutput:
        return yPngFile::Write(job.path, s.Output(), error);
    case yViewerJob::Frame:
        return ShowFrame(job.frame, error);
    case yViewerJob::About:
        if (s.Host().Call(PF_Cmd_ABOUT) != PF_Err_NONE) return false;
        error = s.Host().ReturnMessage(); // shown as the message
        return true;
    case yViewerJob::Probe:
        return m_probe.Probe(m_settings.modulePath, s, int(job.x), int(job.y), m_probeLine, error);
    case yViewerJob::Undo:
        return Revert(m_history.Undo(), error);
    case yViewerJob::Redo:
        return Revert(m_history.Redo(), error);
    case yViewerJob::Toggle:
        return m_toggles.Toggle(m_settings.modulePath, s, int(job.x), error);
    }
    return true;
}

bool yViewerWorker::Project(const yViewerJob& job, std::string& error)
{
    yRenderSession& s = *m_session;
    // Flattening rebuilds the instance, histogram and colour model lost
    // until it renders again: it renders whatever became of the file.
    std::vector<uint8_t> record;
    yHostSettings settings;
    bool done = s.Flatten(record, error);
    if (done && job.kind == yViewerJob::SaveProject)
        done = yProjectFile::Write(job.path, record, s.HostSettings(), error);
    else if (done)
        done =
            yProjectFile::Read(job.path, record.size(), record, settings, error) && s.Restore(record, error);
    for (size_t k = 0; done && k < settings.size(); ++k)
        if (!s.SetParam(settings[k].first, settings[k].second, error))
        {
            error = "The project " + job.path + " cannot be applied: " + error;
            done = false;
        }
    std::string renderError;
    const bool rendered = s.Render(renderError);
    if (done && !rendered) error = renderError;
    return done && rendered;
}

bool yViewerWorker::Remember(std::string& error)
{
    yRenderSession& s = *m_session;
    yViewerSnapshot snapshot;
    // Flattening sets the instance up again: it renders again, as after a project.
    if (!s.Flatten(snapshot.record, error)) return false;
    snapshot.settings = s.HostSettings();
    m_history.Record(std::move(snapshot));
    return s.Render(error);
}

bool yViewerWorker::Revert(const yViewerSnapshot* snapshot, std::string& error)
{
    yRenderSession& s = *m_session;
    if (!snapshot) return true; // nothing to undo or redo
    bool done = s.Restore(snapshot->record, error);
    for (size_t k = 0; done && k < snapshot->settings.size(); ++k)
        done = s.SetParam(snapshot->settings[k].first, snapshot->settings[k].second, error);
    return done && s.Render(error);
}

void yViewerWorker::Publish(double milliseconds, const std::string& message)
{
    yRenderSession& s = *m_session;
    // The spare frame keeps its pictures' memory from one publication to the next.
    yViewerFrame& frame = m_spare;
    frame.statusLine.clear();
    frame.region = false;
    std::string error;
    s.Draw(error);
    yHistogramStats& stats = frame.scope;
    // The bins go straight into the frame: no copy beyond the module's own.
    std::vector<yBinCounts>& bins = frame.scopeBins;
    stats = yHistogramStats();
    bins.clear();
    if (s.Output().Width() > 0 && s.Report(stats, bins, error))
    {
        stats.clamped = m_clamped;
        frame.statusLine = stats.statusLine;
        frame.top = stats.top;
        frame.left = stats.left;
        frame.bottom = stats.bottom;
        frame.right = stats.right;
        frame.region = stats.top > 0 || stats.left > 0 || stats.bottom < s.Output().Height() ||
                       stats.right < s.Output().Width();
    }
    frame.imageWidth = s.Output().Width();
    frame.imageHeight = s.Output().Height();
    frame.deep = s.Output().IsDeep();
    ToRgba(s.Output(), frame.image);
    frame.panelWidth = s.Panel().Width();
    frame.panelHeight = s.Panel().Height();
    ToRgba(s.Panel(), frame.panel);
    frame.jobMilliseconds = milliseconds;
    frame.probeLine = m_probeLine;
    frame.cursor = s.Cursor();
    frame.params = HostControls(s.Host());
    frame.frameNumber = m_frameNumber;
    frame.firstFrame = m_shot.First();
    frame.lastFrame = m_shot.Last();

    std::lock_guard<std::mutex> lock(m_mutex);
    frame.serial = m_frame.serial + 1;
    frame.renderSerial = m_frame.renderSerial + 1;
    frame.message = message.empty() ? m_frame.message : message;
    frame.messageSerial = m_frame.messageSerial + (message.empty() ? 0 : 1);
    std::swap(m_frame, frame);
}

void yViewerWorker::PublishProbe(double milliseconds)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_frame.probeLine = m_probeLine;
    m_frame.jobMilliseconds = milliseconds;
    ++m_frame.serial;
}

bool yViewerWorker::TakeFrame(yViewerFrame& frame)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_frame.serial == frame.serial) return false;
    if (frame.renderSerial != m_frame.renderSerial)
    {
        frame = m_frame;
        return true;
    }
    // The same pictures: the caller's stay, the rest is copied.
    std::vector<uint8_t> image = std::move(m_frame.image), panel = std::move(m_frame.panel);
    std::vector<uint8_t> shownImage = std::move(frame.image), shownPanel = std::move(frame.panel);
    frame = m_frame;
    m_frame.image = std::move(image);
    m_frame.panel = std::move(panel);
    frame.image = std::move(shownImage);
    frame.panel = std::move(shownPanel);
    return true;
}

yColorChoice yViewerWorker::AskChooser(const uint8_t initial[3])
{
    std::unique_lock<std::mutex> lock(m_mutex);
    std::copy(initial, initial + 3, m_chooserInitial);
    m_chooserOpen = true;
    m_chooserAnswered = false;
    m_changed.wait(lock, [this] { return m_chooserAnswered || m_stopping; });
    m_chooserOpen = false;
    return m_chooserAnswered ? m_chooserAnswer : yColorChoice{};
}

bool yViewerWorker::ChooserOpen(uint8_t initial[3]) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_chooserOpen) std::copy(m_chooserInitial, m_chooserInitial + 3, initial);
    return m_chooserOpen;
}

void yViewerWorker::AnswerChooser(const yColorChoice& choice)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_chooserAnswer = choice;
        m_chooserAnswered = true;
    }
    m_changed.notify_all();
}
} // namespace yStandalone
