#include "standalone/viewer/yViewerJob.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
using yStandalone::yScriptEvent;
using yStandalone::yViewerJob;

// One letter a job: m move, d drag, c click, s/t "set" of two parameters,
// p layer point, f frame, q probe, o open.
yViewerJob Job(char letter)
{
    yViewerJob job;
    switch (letter)
    {
    case 'm': job.event.kind = yScriptEvent::Move; break;
    case 'd': job.event.kind = yScriptEvent::Drag; break;
    case 'c': job.event.kind = yScriptEvent::Down; break;
    case 's': job.event.kind = yScriptEvent::Set; job.event.param = "Width"; break;
    case 't': job.event.kind = yScriptEvent::Set; job.event.param = "Height"; break;
    case 'p': job.kind = yViewerJob::LayerPoint; break;
    case 'f': job.kind = yViewerJob::Frame; break;
    case 'q': job.kind = yViewerJob::Probe; break;
    default: job.kind = yViewerJob::Open; break;
    }
    job.x = letter; // tells which push survived
    return job;
}

TEST(yViewerJobQueue, ANewerJobSupersedesTheLastWaitingOneOfItsKind)
{
    const struct
    {
        const char* pushed;
        const char* waiting;
    } cases[] = {
        {"mmm", "m"},     // pointer moves collapse
        {"cdddc", "cdc"}, // a drag run collapses, the clicks stay
        {"dmd", "dmd"},   // only the last waiting job is replaced
        {"ss", "s"},      // one parameter's values
        {"st", "st"},     // two parameters both count
        {"pp", "p"},
        {"fff", "f"},     // scrubbing keeps only the newest frame
        {"fpf", "fpf"},
        {"qqq", "q"},
        {"oo", "oo"},     // files each count
        {"cc", "cc"},     // a double click keeps both clicks
    };
    for (const auto& c : cases)
    {
        yStandalone::yViewerJobQueue queue;
        for (const char* p = c.pushed; *p; ++p) queue.Push(Job(*p));
        std::string waiting;
        yViewerJob job;
        while (!queue.Empty() && queue.Pop(job)) waiting += char(job.x);
        EXPECT_EQ(waiting, c.waiting) << c.pushed;
    }
}

TEST(yViewerJobQueue, StopEndsTheWaitsAndDropsTheJobs)
{
    yStandalone::yViewerJobQueue queue;
    queue.Push(Job('c'));
    queue.Stop();
    queue.WaitIdle();
    yViewerJob job;
    EXPECT_FALSE(queue.Pop(job));
    queue.Push(Job('c'));
    EXPECT_TRUE(queue.Empty());
}
} // namespace
