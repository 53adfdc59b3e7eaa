// "tonescope render": one image through one effect instance, with the output
// image, the panel, the histogram and its statistics written to files.
#pragma once

#include "standalone/media/yReportFiles.h"
#include "standalone/emulator/yWorld.h"

#include <cstdint>
#include <iosfwd>
#include <string>

namespace yStandalone
{
struct yRenderOptions
{
    std::string input;
    std::string module;
    std::string model;    // name or number; empty: the effect's default
    std::string depth;    // "8" or "16"; empty: the file's own
    std::string sample;   // whole or region; empty: the effect's default
    std::string position; // "X,Y" in layer pixels
    std::string width, height;
    int downsample = 1;
    bool renderOutput = false;
    std::string output, panel, histogram, stats; // files to write; empty: none
    std::string events, project;
    std::string eventText; // a script given in memory instead of a file
    // Shots: the frames A-B (empty: all), workers (0: one per core), no
    // progress line, the picture of the shot.
    std::string frames;
    int jobs = 0;
    int threads = 0; // threads of one render's iteration (0: one per core)
    bool quiet = false;
    std::string timeline;
    int64_t maxPixels = int64_t(1) << 26; // larger images are refused
    std::string layer;                    // of a layered image; empty: the file's own choice
};

// Runs the render; returns the exit status. Errors go to err as one sentence.
// With image given the input file is not read. stats, when given, receives
// the statistics written.
int RunRenderCommand(const yRenderOptions& options, std::ostream& err, const yWorld* image = nullptr,
                     yHistogramStats* stats = nullptr);
} // namespace yStandalone
