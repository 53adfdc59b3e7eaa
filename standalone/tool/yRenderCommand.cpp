#include "standalone/tool/yRenderCommand.h"

#include "standalone/tool/yRenderSetup.h"
#include "standalone/tool/yShotRender.h"
#include "standalone/media/yFileOutput.h"
#include "standalone/media/yImageFile.h"
#include "standalone/emulator/yIteratePool.h"
#include "standalone/media/yPngFile.h"
#include "standalone/media/yProjectFile.h"
#include "standalone/session/yRenderSession.h"
#include "standalone/media/yTimeline.h"

#include <ostream>

namespace yStandalone
{
namespace
{
// A still image's timeline: one frame.
yWorld Timeline(const yHistogramStats& stats, const std::vector<yBinCounts>& bins)
{
    yTimeline timeline;
    timeline.AddFrame(0, stats, bins);
    return timeline.Draw();
}

bool Run(const yRenderOptions& o, std::ostream& err, const yWorld* given, yHistogramStats* statsOut)
{
    std::string error;
    yRenderPlan plan;
    if (!MakeRenderPlan(o, plan, error)) return Fail(err, error);
    if (o.threads > 0) yIteratePool::Instance().SetThreadCount(o.threads);
    if (!given && yShot::IsShot(o.input)) return RunShot(o, plan, err);

    std::string output = o.output;
    yFramePattern outputPattern;
    if (yFramePattern::Parse(o.output, outputPattern)) output = outputPattern.PathOf(0);

    // The image arrives shrunk by the downsample factor.
    yWorld image;
    int layerWidth = 0, layerHeight = 0;
    yClampCounts clamped;
    if (given)
    {
        if (plan.deepGiven && given->IsDeep() != plan.deep)
            return Fail(err, "The built-in image has another depth.");
        image = Downsampled(*given, o.downsample);
        layerWidth = given->Width();
        layerHeight = given->Height();
    }
    else
    {
        yImageFile file;
        if (!file.Open(o.input, o.maxPixels, error, o.layer) ||
            !file.ReadFrame(0, plan.deepGiven ? plan.deep : file.IsDeep(), o.downsample, image, error))
            return Fail(err, error);
        layerWidth = file.Width();
        layerHeight = file.Height();
        // A still is frame 0 of a shot of one: any other frame is not there.
        if (!plan.frames.IsAll() && (plan.frames.first != 0 || plan.frames.last != 0))
            return Fail(err, "The image " + o.input + " is a still, frame 0 alone, so it has no frames " +
                                 o.frames + ".");
        clamped = file.Clamped();
    }
    yRenderSession session;
    session.SetMessageStream(&err);
    if (!OpenRenderSession(o, plan, session, error)) return Fail(err, error);
    session.SetInput(std::move(image), o.downsample, layerWidth, layerHeight);
    if (!RenderAndReplay(plan, session, error)) return Fail(err, error);
    // A script leaves its last render to the event that asked for one. The
    // panel is drawn even when it is not written: the statistics give its
    // status line.
    if ((!plan.events.empty() && !session.Render(error)) || !session.Draw(error)) return Fail(err, error);

    yHistogramStats stats;
    std::vector<yBinCounts> bins;
    std::vector<uint8_t> record;
    if (!session.Report(stats, bins, error)) return Fail(err, error);
    stats.clamped = clamped;
    if (!o.project.empty() && !session.Flatten(record, error)) return Fail(err, error);

    // Every output is made in full before any is put in place: a run that
    // fails leaves all its files as they were.
    yFileOutput outputs;
    const bool made =
        (output.empty() || yPngFile::Write(outputs, output, session.Output(), error)) &&
        (o.panel.empty() || yPngFile::Write(outputs, o.panel, session.Panel(), error)) &&
        (o.histogram.empty() || outputs.Add(o.histogram, yReportFiles::HistogramCsv(stats, bins), error)) &&
        (o.stats.empty() || outputs.Add(o.stats, yReportFiles::StatsJson(stats), error)) &&
        (o.project.empty() ||
         yProjectFile::Write(outputs, o.project, record, session.HostSettings(), error)) &&
        (o.timeline.empty() || yPngFile::Write(outputs, o.timeline, Timeline(stats, bins), error));
    if (!made || !outputs.Commit(error)) return Fail(err, error);
    const std::string warning = yStatistics::ClampWarning(clamped, o.input);
    if (!warning.empty()) err << warning << "\n";
    session.Close();
    WarnIfNothingSampled(err, stats.total == 0 ? 1 : 0, 1);
    if (statsOut) *statsOut = stats;
    return true;
}
} // namespace

int RunRenderCommand(const yRenderOptions& options, std::ostream& err, const yWorld* image,
                     yHistogramStats* stats)
{
    return Run(options, err, image, stats) ? 0 : 1;
}
} // namespace yStandalone
