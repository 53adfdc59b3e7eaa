#include "standalone/viewer/yViewerScript.h"

#include "standalone/emulator/yQuoted.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

namespace yStandalone
{
namespace
{
// The verb and its one argument; a quoted argument may hold blanks.
bool Split(const std::string& line, std::string& verb, std::string& argument)
{
    std::istringstream in(line);
    if (!(in >> verb)) return false;
    std::string rest;
    std::getline(in, rest);
    const size_t first = rest.find_first_not_of(" \t\r");
    rest = first == std::string::npos ? "" : rest.substr(first, rest.find_last_not_of(" \t\r") - first + 1);
    if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"') rest = rest.substr(1, rest.size() - 2);
    argument = rest;
    return true;
}

const std::map<std::string, yViewerJob::Kind> kPathVerbs = {
    {"open", yViewerJob::Open},
    {"drop", yViewerJob::Open},
    {"load-project", yViewerJob::LoadProject},
    {"save-project", yViewerJob::SaveProject},
    {"save-output", yViewerJob::SaveOutput},
};

// The window's verbs, their forms and what they do; only these are taken
// for the window, and the help lists them.
const struct
{
    const char* name;
    const char* form;
    const char* about;
} kWindowVerbs[] = {
    {"layer", "X Y", "a click in the layer view, in image pixels"},
    {"open", "PATH", "an image by the path box"},
    {"drop", "PATH", "an image dropped on the window"},
    {"load-project", "PATH", "a project file loaded"},
    {"save-project", "PATH", "the project saved"},
    {"save-output", "PATH", "the output image saved"},
    {"about", "", "the About dialog"},
    {"panel-zoom", "1|2", "the panel at 100 % or 200 %"},
    {"scroll-controls", "PIXELS", "the Effect Controls view scrolled down so far"},
    {"scope", "MODE", "the scope pane: log or linear scale, parade or overlaid channels"},
    {"frame", "N", "a shot's frame N shown, or the nearest it has"},
    {"play", "", "playback: each later line steps one frame once done"},
    {"pause", "", "playback stopped"},
    {"probe", "X Y", "the pointer over the layer view, in image pixels: the pixel's values"},
    {"undo", "", "the last change of a parameter or the panel undone"},
    {"redo", "", "the change undone last made again"},
    {"toggle", "1|2|3|4", "a click on the panel's toggle of that channel"},
};

// A window line into step; false with why when malformed. Lines that are
// not the window's leave handled false.
bool ParseWindowLine(const std::string& line, yViewerStep& step, bool& handled, std::string& why)
{
    std::string verb, argument;
    handled = false;
    if (!Split(line, verb, argument) || verb[0] == '#') return true;
    if (std::none_of(std::begin(kWindowVerbs), std::end(kWindowVerbs),
                     [&](const auto& known) { return verb == known.name; }))
        return true;
    const auto path = kPathVerbs.find(verb);
    handled = true;
    if (path != kPathVerbs.end())
    {
        step.job.kind = path->second;
        step.job.path = argument;
        if (argument.empty()) why = verb + " needs a file";
    }
    else if (verb == "about")
    {
        step.job.kind = yViewerJob::About;
        if (!argument.empty()) why = "about takes nothing";
    }
    else if (verb == "panel-zoom")
    {
        step.panelZoom = argument == "1" ? 1 : argument == "2" ? 2 : 0;
        if (step.panelZoom == 0) why = "the panel's zoom is 1 or 2";
    }
    else if (verb == "scroll-controls")
    {
        char* end = nullptr;
        const long pixels = std::strtol(argument.c_str(), &end, 10);
        const bool valid = end && *end == '\0' && !argument.empty() && pixels >= 0 && pixels <= 100000;
        step.controlsScroll = valid ? int(pixels) : -1;
        if (step.controlsScroll < 0) why = "scroll-controls needs pixels from 0 to 100000";
    }
    else if (verb == "scope")
    {
        step.scope = argument;
        if (argument != "log" && argument != "linear" && argument != "parade" && argument != "overlay")
            why = "scope takes log, linear, parade or overlay";
    }
    else if (verb == "frame")
    {
        char* end = nullptr;
        const long number = std::strtol(argument.c_str(), &end, 10);
        step.job.kind = yViewerJob::Frame;
        step.job.frame = int(number);
        if (argument.empty() || *end != '\0' || number < 0 || number > 999999999)
            why = "frame needs a frame number from 0";
    }
    else if (verb == "play" || verb == "pause")
    {
        step.play = verb == "play";
        if (!argument.empty()) why = verb + " takes nothing";
    }
    else if (verb == "toggle")
    {
        step.job.kind = yViewerJob::Toggle;
        step.job.x =
            argument.size() == 1 && argument[0] >= '1' && argument[0] <= '4' ? argument[0] - '1' : -1;
        if (step.job.x < 0) why = "toggle takes a channel from 1 to 4";
    }
    else if (verb == "undo" || verb == "redo")
    {
        step.job.kind = verb == "undo" ? yViewerJob::Undo : yViewerJob::Redo;
        if (!argument.empty()) why = verb + " takes nothing";
    }
    else if (verb == "layer" || verb == "probe")
    {
        std::istringstream in(argument);
        std::string extra;
        step.job.kind = verb == "layer" ? yViewerJob::LayerPoint : yViewerJob::Probe;
        if (!(in >> step.job.x >> step.job.y) || (in >> extra) || std::abs(step.job.x) > 1e6 ||
            std::abs(step.job.y) > 1e6)
            why = verb + " needs X Y in image pixels";
    }
    else
        handled = false;
    return why.empty();
}
} // namespace

bool yViewerScript::Parse(const std::string& text, std::vector<yViewerStep>& out, std::string& error)
{
    // The window's lines are taken out (their line numbers kept by an empty
    // line) and the rest read as an event script.
    std::map<int, yViewerStep> windowSteps;
    std::string events;
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number)
    {
        yViewerStep step;
        bool handled = false;
        std::string why;
        if (!ParseWindowLine(line, step, handled, why))
        {
            error = "Line " + std::to_string(number) + " of the script is wrong: " + why + ".";
            return false;
        }
        if (handled) windowSteps[number] = step;
        events += handled ? "\n" : line + "\n";
    }
    std::vector<yScriptEvent> parsed;
    if (!yEventScript::Parse(events, parsed, error)) return false;
    out.clear();
    auto window = windowSteps.begin();
    for (const yScriptEvent& event : parsed)
    {
        for (; window != windowSteps.end() && window->first < event.line; ++window) out.push_back(window->second);
        yViewerStep step;
        step.job.event = event;
        out.push_back(step);
    }
    for (; window != windowSteps.end(); ++window) out.push_back(window->second);
    return true;
}

bool yViewerScript::Read(const std::string& path, std::vector<yViewerStep>& out, std::string& error)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    if (!file || !(text << file.rdbuf() || file.eof()))
    {
        error = "The script " + Quoted(path) + " cannot be read.";
        return false;
    }
    return Parse(text.str(), out, error);
}
std::string yViewerScript::VerbHelp()
{
    std::string out;
    for (const auto& verb : kWindowVerbs)
        out += yEventScript::HelpLine(verb.name, verb.form, verb.about);
    return out;
}
} // namespace yStandalone
