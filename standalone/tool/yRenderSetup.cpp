#include "standalone/tool/yRenderSetup.h"

#include "standalone/media/yFileOutput.h"
#include "standalone/emulator/yHostPlatform.h"
#include "standalone/media/yProjectFile.h"
#include "standalone/emulator/yQuoted.h"

#include <cmath>
#include <cstdlib>
#include <sys/stat.h>

namespace yStandalone
{
namespace
{
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

bool Exists(const std::string& path)
{
    struct stat info = {};
    return ::stat(path.c_str(), &info) == 0;
}
} // namespace

bool MakeRenderPlan(const yRenderOptions& o, yRenderPlan& plan, std::string& error)
{
    plan = yRenderPlan{};
    std::string model;
    if (!o.model.empty())
    {
        const int number = ColorModelNumber(o.model);
        if (number == 0)
        {
            error = "Unknown colour model " + Quoted(o.model) +
                    ": use RGB, HLS, HSV, CMY, CMYK, XYZ, xyY, YUV, YIQ, Lab, Luv or 1 to 11.";
            return false;
        }
        model = std::to_string(number);
    }
    if (!o.depth.empty() && o.depth != "8" && o.depth != "16")
    {
        error = "The depth " + Quoted(o.depth) + " is neither 8 nor 16.";
        return false;
    }
    plan.deepGiven = !o.depth.empty();
    plan.deep = o.depth == "16";
    std::string sample;
    if (o.sample == "whole")
        sample = "Whole Image";
    else if (o.sample == "region")
        sample = "Region";
    else if (!o.sample.empty())
    {
        error = "The sample mode " + Quoted(o.sample) + " is neither whole nor region.";
        return false;
    }
    if (o.downsample < 1 || o.downsample > 64)
    {
        error = "The downsample factor must be from 1 to 64.";
        return false;
    }
    if (o.jobs < 0 || o.jobs > 1024)
    {
        error = "The number of jobs must be from 1 to 1024.";
        return false;
    }
    if (o.threads < 0 || o.threads > 1024)
    {
        error = "The number of threads must be from 1 to 1024.";
        return false;
    }
    if (o.maxPixels < 1)
    {
        error = "The largest image must have at least one pixel.";
        return false;
    }
    if (!o.frames.empty() && !ParseFrameRange(o.frames, plan.frames, error)) return false;
    if (!CheckSize("width", o.width, error) || !CheckSize("height", o.height, error)) return false;
    const std::pair<const char*, const std::string*> outputs[] = {
        {"--output", &o.output}, {"--panel", &o.panel},     {"--histogram", &o.histogram},
        {"--stats", &o.stats},   {"--project", &o.project}, {"--timeline", &o.timeline}};
    std::vector<std::pair<std::string, const char*>> keys;
    for (const auto& [option, path] : outputs)
    {
        if (!yFileOutput::CheckWritable(*path, error)) return false;
        const std::string key = yFileOutput::FileKey(*path);
        if (key.empty()) continue;
        // Two outputs in one file would leave only the last.
        for (const auto& [seen, first] : keys)
            if (seen == key)
            {
                error = "The file \"" + *path + "\" is given to both " + first + " and " + option + ".";
                return false;
            }
        keys.emplace_back(key, option);
    }
    if (!o.events.empty() && !yEventScript::Read(o.events, plan.events, error)) return false;
    if (!o.eventText.empty() && !yEventScript::Parse(o.eventText, plan.events, error)) return false;
    plan.settings = {{"Color Model", model},   {"Sample", sample},
                     {"Width", o.width},       {"Height", o.height},
                     {"Position", o.position}, {"Render Output", o.renderOutput ? "on" : ""}};
    return true;
}

void WarnIfNothingSampled(std::ostream& err, int emptyFrames, int frames)
{
    if (emptyFrames == 0) return;
    const std::string where =
        frames == 1 ? "" : " in " + std::to_string(emptyFrames) + " of " + std::to_string(frames) + " frames";
    err << "Warning: the sample region lies outside the image or is empty" << where
        << ", so the histogram counts no pixels.\n";
}

bool OpenRenderSession(const yRenderOptions& o, const yRenderPlan& plan, yRenderSession& session,
                       std::string& error)
{
    // Every instance starts from the same clock, buttons and keys.
    yHostPlatform::Instance().Reset();
    if (!session.Open(o.module, error)) return false;
    // A saved record must have the size of the one the module gives now.
    std::vector<uint8_t> record;
    yHostSettings saved;
    if (!o.project.empty() && Exists(o.project) &&
        (!session.Flatten(record, error) ||
         !yProjectFile::Read(o.project, record.size(), record, saved, error) ||
         !session.Restore(record, error)))
        return false;
    for (const auto& setting : saved)
        if (!session.SetParam(setting.first, setting.second, error))
        {
            error = "The project " + o.project + " cannot be applied: " + error;
            return false;
        }
    // What the command line gives wins over the project.
    for (const auto& setting : plan.settings)
        if (!setting.second.empty() && !session.SetParam(setting.first, setting.second, error)) return false;
    return true;
}

bool RenderAndReplay(const yRenderPlan& plan, yRenderSession& session, std::string& error)
{
    return session.Render(error) && session.ReplayScript(plan.events, error);
}
} // namespace yStandalone
