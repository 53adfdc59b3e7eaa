// tonescope: the replacement host's command line.
#include "standalone/session/yEventScript.h"
#include "standalone/tool/yDemoCommand.h"
#include "standalone/tool/yInfoCommand.h"
#include "standalone/tool/yRenderCommand.h"
#include "standalone/viewer/yViewCommand.h"
#if defined(TONESCOPE_VIEWER)
#include "standalone/viewer/yViewerScript.h"
#include "standalone/viewer/yViewerShortcuts.h"
#endif
#include "standalone/emulator/yModuleBeside.h"
#include "standalone/emulator/yQuoted.h"
#include "standalone/media/yImageFile.h"
#include "standalone/tool/yViewLauncher.h"

#include <CLI/CLI.hpp>

#include <climits>
#include <cstdlib>
#include <iostream>
#include <new>
#include <stdexcept>
#include <string>

namespace
{
// The module when none is named: TONESCOPE_MODULE, else the one beside the program.
std::string DefaultModule()
{
    const char* named = std::getenv("TONESCOPE_MODULE");
    return named && *named ? named : yStandalone::ModuleBesideProgram();
}
} // namespace

int main(int argc, char** argv)
{
#if !defined(TONESCOPE_VIEWER)
    if (argc > 1 && std::string(argv[1]) == "view") yStandalone::RunViewerProgram(argv);
#endif
    CLI::App app{"tonescope: runs the zel Tonescope effect module outside its usual host. Without a command "
                 "it runs the demo."};
    app.require_subcommand(0, 1);

    std::string infoModule;
    CLI::App* info = app.add_subcommand(
        "info", "Print what a module declares and reports at set-up, or an image file's size and layers.");
    const std::string moduleHelp = "The module file (default: $TONESCOPE_MODULE, else " +
                                   std::string(yStandalone::kModuleFileName) + " beside this program).";
    info->add_option("MODULE", infoModule, moduleHelp);

    yStandalone::yRenderOptions render;
    CLI::App* renderCommand =
        app.add_subcommand("render", "Render an image through the effect and write what it shows.");
    renderCommand
        ->add_option("INPUT", render.input,
                     "The input image, image sequence (shot.%04d.exr), folder of frames or movie.")
        ->required();
    renderCommand->add_option(
        "--model", render.model,
        "Colour model: RGB, HLS, HSV, CMY, CMYK, XYZ, xyY, YUV, YIQ, Lab, Luv or 1 to 11.");
    renderCommand->add_option("--depth", render.depth, "8 or 16 bits (default: the file's own).");
    renderCommand->add_option("--sample", render.sample,
                              "Sample the whole image or a region: whole or region.");
    renderCommand->add_option("--position", render.position, "Centre of the region in layer pixels: X,Y.");
    renderCommand->add_option("--width", render.width, "Width of the region in pixels.");
    renderCommand->add_option("--height", render.height, "Height of the region in pixels.");
    renderCommand->add_option("--downsample", render.downsample, "Render at 1/N resolution.");
    renderCommand->add_flag("--render-output", render.renderOutput, "Turn the effect's Render Output on.");
    renderCommand->add_option(
        "--output", render.output,
        "Write the rendered image (PNG; for a shot a name with a frame number, as out.%04d.png).");
    renderCommand->add_option("--panel", render.panel, "Write the panel after a draw (PNG).");
    renderCommand->add_option("--histogram", render.histogram,
                              "Write the histogram (CSV; - for standard output).");
    renderCommand->add_option("--stats", render.stats, "Write the statistics (JSON; - for standard output).");
    renderCommand->add_option("--events", render.events, "Replay an event script before the final render.");
    renderCommand->add_option(
        "--project", render.project,
        "Restore the panel and the parameters (options given win) from this file when it "
        "exists; save them after the run.");
    renderCommand->add_option("--module", render.module, moduleHelp);
    renderCommand->add_option("--frames", render.frames, "Frames A-B of a shot (default: all).");
    renderCommand->add_option("--jobs", render.jobs, "Frames rendered at once (default: one per core).");
    renderCommand->add_option("--threads", render.threads,
                              "Threads one render counts with (default: one per core).");
    renderCommand->add_flag("--quiet", render.quiet, "No progress line while a shot renders.");
    renderCommand->add_option("--timeline", render.timeline, "Write the picture of a shot (PNG).");
    const std::string maxPixelsHelp =
        "Refuse larger images (default: " + std::to_string(yStandalone::yImageFile::kDefaultMaxPixels) + ").";
    renderCommand->add_option("--max-pixels", render.maxPixels, maxPixelsHelp);
    renderCommand->add_option("--layer", render.layer,
                              "The layer of a layered image (default: the unnamed one, else the first in colour).");
    const std::string eventLines = yStandalone::yEventScript::VerbHelp();
    renderCommand->footer("Event script lines (--events; one a line, # starts a comment):\n" + eventLines);

    yStandalone::yViewOptions view;
    CLI::App* viewCommand = app.add_subcommand("view", "Open the effect live in a window.");
    viewCommand->add_option("INPUT", view.input,
                            "The image or shot to open: a pattern (sh010.%04d.exr), a folder of frames or a "
                            "movie (or drop one on the window).");
    viewCommand->add_option("--depth", view.depth, "8 or 16 bits (default: the file's own).")
        ->check(CLI::IsMember({"8", "16"}));
    viewCommand->add_option("--module", view.module, moduleHelp);
    viewCommand->add_option("--script", view.script,
                            "Replay a script in the window, write --screenshot and close.");
    viewCommand->add_option("--screenshot", view.screenshot,
                            "The window as a PNG: after --script, else whenever F12 is pressed.");
    viewCommand->add_option("--size", view.width, "The window's width; the height follows at 5:8.")
        ->check(CLI::Range(640, 8192));
    viewCommand->add_option("--max-pixels", view.maxPixels, maxPixelsHelp);
#if defined(TONESCOPE_VIEWER)
    viewCommand->footer("Script lines of the window (--script):\n" + yStandalone::yViewerScript::VerbHelp() +
                        "\nScript lines of the panel, as in an event script:\n" + eventLines +
                        "\nKeys of the window:\n" + yStandalone::yViewerShortcuts::Help());
#endif

    try
    {
        app.parse(argc, argv);
    }
    catch (const CLI::ParseError& e)
    {
        return app.exit(e) == 0 ? 0 : 1;
    }

    // A world too large for the memory there is ends the command with its sentence.
    try
    {
        if (info->parsed())
            return yStandalone::RunInfoCommand(infoModule.empty() ? DefaultModule() : infoModule, std::cout,
                                         std::cerr);
        if (renderCommand->parsed())
        {
            if (render.module.empty()) render.module = DefaultModule();
            return yStandalone::RunRenderCommand(render, std::cerr);
        }
        if (viewCommand->parsed())
        {
            if (view.module.empty()) view.module = DefaultModule();
            view.height = view.width * 5 / 8;
            return yStandalone::RunViewCommand(view, std::cerr);
        }
        return yStandalone::RunDemoCommand(DefaultModule(), "tonescope-demo", std::cout, std::cerr);
    }
    catch (const std::bad_alloc&)
    {
        std::cerr << "There is not enough memory to go on.\n";
    }
    catch (const std::exception& e)
    {
        std::cerr << yStandalone::Printable(e.what()) << "\n";
    }
    return 1;
}
