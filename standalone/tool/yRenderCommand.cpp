#include "standalone/tool/yRenderCommand.h"

#include "standalone/yEventScript.h"
#include "standalone/yHostPlatform.h"
#include "standalone/yPngFile.h"
#include "standalone/yProjectFile.h"
#include "standalone/yQuoted.h"
#include "standalone/yRenderSession.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace yHost
{
namespace
{
bool Fail(std::ostream& err, const std::string& error)
{
    err << error << "\n";
    return false;
}

// A width or height from 0 to 10000 pixels.
bool CheckSize(const std::string& what, const std::string& text, std::string& error)
{
    if (text.empty()) return true;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end && *end == '\0' && std::isfinite(v) && v >= 0 && v <= 10000) return true;
    error = "The " + what + " " + Quoted(text) + " is not a number of pixels from 0 to 10000.";
    return false;
}

// A file can be written there: its folder exists and takes files, and it is
// no folder itself.
bool CheckWritable(const std::string& path, std::string& error)
{
    if (path.empty() || path == "-") return true;
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    struct stat info = {};
    if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
    {
        error = "Cannot write \"" + path + "\": it is a folder.";
        return false;
    }
    if (::access(folder.c_str(), W_OK) != 0)
    {
        error = "Cannot write \"" + path + "\": its folder does not exist or is not writable.";
        return false;
    }
    return true;
}

bool Exists(const std::string& path)
{
    struct stat info = {};
    return ::stat(path.c_str(), &info) == 0;
}

bool Run(const yRenderOptions& o, std::ostream& err, const yWorld* given, yHistogramStats* statsOut)
{
    std::string error;
    std::string model;
    if (!o.model.empty())
    {
        const int number = ColorModelNumber(o.model);
        if (number == 0)
            return Fail(err, "Unknown colour model " + Quoted(o.model) +
                                 ": use RGB, HLS, HSV, CMY, CMYK, XYZ, xyY, YUV, YIQ, Lab, Luv or 1 to 11.");
        model = std::to_string(number);
    }
    if (!o.depth.empty() && o.depth != "8" && o.depth != "16")
        return Fail(err, "The depth " + Quoted(o.depth) + " is neither 8 nor 16.");
    std::string sample;
    if (o.sample == "whole")
        sample = "Whole Image";
    else if (o.sample == "region")
        sample = "Region";
    else if (!o.sample.empty())
        return Fail(err, "The sample mode " + Quoted(o.sample) + " is neither whole nor region.");
    if (o.downsample < 1 || o.downsample > 64)
        return Fail(err, "The downsample factor must be from 1 to 64.");
    if (!CheckSize("width", o.width, error) || !CheckSize("height", o.height, error)) return Fail(err, error);
    for (const std::string* path : {&o.output, &o.panel, &o.histogram, &o.stats, &o.project})
        if (!CheckWritable(*path, error)) return Fail(err, error);

    std::vector<yScriptEvent> events;
    if (!o.events.empty() && !yEventScript::Read(o.events, events, error)) return Fail(err, error);
    if (!o.eventText.empty() && !yEventScript::Parse(o.eventText, events, error)) return Fail(err, error);

    yWorld image;
    if (given)
        image = *given;
    else
    {
        yPngImage png;
        if (!yPngFile::Read(o.input, png, error)) return Fail(err, error);
        image = ToWorld(png, !o.depth.empty() ? o.depth == "16" : png.depth == 16);
    }
    if (given && !o.depth.empty() && image.IsDeep() != (o.depth == "16"))
        return Fail(err, "The built-in image has another depth.");

    yHostPlatform::Instance().Reset();
    yRenderSession session;
    session.SetMessageStream(&err);
    if (!session.Open(o.module, error)) return Fail(err, error);
    // A saved record must have the size of the one the module gives now.
    std::vector<uint8_t> record;
    if (!o.project.empty() && Exists(o.project) &&
        (!session.Flatten(record, error) || !yProjectFile::Read(o.project, record.size(), record, error) ||
         !session.Restore(record, error)))
        return Fail(err, error);
    const std::pair<const char*, std::string> settings[] = {
        {"Color Model", model}, {"Sample", sample},       {"Width", o.width},
        {"Height", o.height},   {"Position", o.position}, {"Render Output", o.renderOutput ? "on" : ""}};
    for (const auto& setting : settings)
        if (!setting.second.empty() && !session.SetParam(setting.first, setting.second, error))
            return Fail(err, error);
    session.SetInput(std::move(image), o.downsample);

    if (!session.Render(error)) return Fail(err, error);
    for (const yScriptEvent& event : events)
        if (!session.Replay(event, error))
        {
            if (!error.empty()) error[0] = char(std::tolower(static_cast<unsigned char>(error[0])));
            return Fail(err, "Line " + std::to_string(event.line) + " of the event script failed: " + error);
        }
    if (!session.Render(error) || !session.Draw(error)) return Fail(err, error);

    yHistogramStats stats;
    std::vector<yBinCounts> bins;
    if (!session.Report(stats, bins, error)) return Fail(err, error);
    if (!o.project.empty() && !session.Flatten(record, error)) return Fail(err, error);

    if (!o.output.empty() && !yPngFile::Write(o.output, session.Output(), error)) return Fail(err, error);
    if (!o.panel.empty() && !yPngFile::Write(o.panel, session.Panel(), error)) return Fail(err, error);
    if (!o.histogram.empty() && !yReportFiles::WriteHistogramCsv(o.histogram, bins, error))
        return Fail(err, error);
    if (!o.stats.empty() && !yReportFiles::WriteStatsJson(o.stats, stats, error)) return Fail(err, error);
    if (!o.project.empty() && !yProjectFile::Write(o.project, record, error)) return Fail(err, error);
    session.Close();
    if (statsOut) *statsOut = stats;
    return true;
}
} // namespace

int RunRenderCommand(const yRenderOptions& options, std::ostream& err, const yWorld* image,
                     yHistogramStats* stats)
{
    return Run(options, err, image, stats) ? 0 : 1;
}
} // namespace yHost
