// What a render is told, checked once, and how an effect instance is set up
// from it: alike for one image and for every worker of a shot.
#pragma once

#include "standalone/tool/yRenderCommand.h"
#include "standalone/session/yEventScript.h"
#include "standalone/session/yRenderSession.h"
#include "standalone/media/yShot.h"
#include "standalone/emulator/yQuoted.h"

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace yStandalone
{
struct yRenderPlan
{
    // Parameters by shown name, in the order they are set; empty values are left alone.
    std::vector<std::pair<std::string, std::string>> settings;
    std::vector<yScriptEvent> events;
    bool deepGiven = false, deep = false; // --depth, when given
    yFrameRange frames;
};

// Checks the options and reads the event script; false with one sentence.
bool MakeRenderPlan(const yRenderOptions& o, yRenderPlan& plan, std::string& error);

// Loads the module into a fresh instance, restores the project (when its
// file exists) and sets the parameters.
bool OpenRenderSession(const yRenderOptions& o, const yRenderPlan& plan, yRenderSession& session,
                       std::string& error);

// Renders the input as it stands, then replays the events, each failure
// named by its line.
bool RenderAndReplay(const yRenderPlan& plan, yRenderSession& session, std::string& error);

// A run that counted no pixel succeeds, but not silently: one warning line
// when emptyFrames of frames sampled nothing.
void WarnIfNothingSampled(std::ostream& err, int emptyFrames, int frames);

// Paths and module strings in the sentence are shown, never obeyed.
inline bool Fail(std::ostream& err, const std::string& error)
{
    err << Printable(error) << "\n";
    return false;
}
} // namespace yStandalone
