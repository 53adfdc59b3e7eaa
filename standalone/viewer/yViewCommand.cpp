#include "standalone/viewer/yViewCommand.h"

#include "standalone/emulator/yQuoted.h"
#include "standalone/viewer/yViewerWindow.h"

namespace yStandalone
{
int RunViewCommand(const yViewOptions& o, std::ostream& err)
{
    std::vector<yViewerStep> steps;
    std::string error;
    if (o.maxPixels < 1)
    {
        err << "The largest image must have at least one pixel.\n";
        return 1;
    }
    if (!o.script.empty() && !yViewerScript::Read(o.script, steps, error))
    {
        err << Printable(error) << "\n";
        return 1;
    }
    yViewerSettings settings;
    settings.modulePath = o.module;
    settings.input = o.input;
    settings.depth = o.depth;
    settings.maxPixels = o.maxPixels;
    // A script runs on the scripted clock, as the command line's events do.
    settings.realClock = o.script.empty();
    yViewerWorker worker;
    if (!worker.Start(settings, error))
    {
        err << Printable(error) << "\n";
        return 1;
    }
    yViewerWindow window(worker, err);
    const std::string title = "tonescope view" + (o.input.empty() ? "" : " - " + o.input);
    if (!window.Open(title, o.width, o.height, error))
    {
        err << Printable(error) << "\n";
        return 1;
    }
    if (o.script.empty())
    {
        window.RunLive(o.screenshot);
        return 0;
    }
    if (window.RunScript(steps, o.screenshot, error)) return 0;
    err << Printable(error) << "\n";
    return 1;
}
} // namespace yStandalone
