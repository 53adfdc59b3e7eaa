#include "standalone/media/yShot.h"

#include "standalone/media/yImageFile.h"
#include "standalone/emulator/yQuoted.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <system_error>

namespace yStandalone
{
namespace
{
namespace fs = std::filesystem;

bool IsFolder(const std::string& path)
{
    std::error_code ignored;
    return fs::is_directory(path, ignored);
}

std::string FolderOf(const std::string& path)
{
    const fs::path folder = fs::path(path).parent_path();
    return folder.empty() ? "." : folder.string();
}

// The names in a folder, sorted; false with the reason when it cannot be read.
bool List(const std::string& folder, std::vector<std::string>& names, std::string& error)
{
    std::error_code failed;
    for (fs::directory_iterator it(folder, failed), end; !failed && it != end; it.increment(failed))
        names.push_back(it->path().filename().string());
    if (failed)
    {
        error = "Cannot read the folder " + folder + ": " + failed.message() + ".";
        return false;
    }
    std::sort(names.begin(), names.end());
    return true;
}

// The frame number a name holds under the pattern, or -1.
long FrameNumber(const std::string& name, const yFramePattern& p)
{
    if (name.size() <= p.prefix.size() + p.suffix.size() || name.compare(0, p.prefix.size(), p.prefix) != 0 ||
        name.compare(name.size() - p.suffix.size(), p.suffix.size(), p.suffix) != 0)
        return -1;
    const std::string digits = name.substr(p.prefix.size(), name.size() - p.prefix.size() - p.suffix.size());
    if (digits.size() > 9 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    // With a width the number fills it exactly, wider only without leading zeros.
    const bool fits =
        p.width == 0 || int(digits.size()) == p.width || (int(digits.size()) > p.width && digits[0] != '0');
    return fits ? std::strtol(digits.c_str(), nullptr, 10) : -1;
}

// The one pattern a folder's numbered files follow: a name's last run of
// digits is its frame number.
bool FolderPattern(const std::string& folder, yFramePattern& pattern, std::string& error)
{
    std::vector<std::string> names;
    if (!List(folder, names, error)) return false;
    std::map<std::pair<std::string, std::string>, int> groups;
    for (const std::string& name : names)
    {
        const size_t last = name.find_last_of("0123456789");
        if (name[0] == '.' || last == std::string::npos) continue;
        size_t first = last;
        while (first > 0 && std::isdigit(static_cast<unsigned char>(name[first - 1])))
            --first;
        ++groups[{name.substr(0, first), name.substr(last + 1)}];
    }
    if (groups.size() != 1)
    {
        error = groups.empty() ? "The folder " + folder + " holds no numbered frames."
                               : "The folder " + folder + " holds more than one sequence of numbered frames.";
        return false;
    }
    pattern.folder = folder;
    pattern.prefix = groups.begin()->first.first;
    pattern.suffix = groups.begin()->first.second;
    pattern.width = 0;
    return true;
}

bool SequenceFrames(const yFramePattern& p, const std::string& shown, std::vector<yShotFrame>& frames,
                    std::string& error)
{
    std::vector<std::string> names;
    if (!List(p.folder, names, error)) return false;
    for (const std::string& name : names)
    {
        const long number = FrameNumber(name, p);
        if (number >= 0) frames.push_back({int(number), (fs::path(p.folder) / name).string(), 0});
    }
    std::sort(frames.begin(), frames.end(),
              [](const yShotFrame& a, const yShotFrame& b) { return a.number < b.number; });
    if (frames.empty())
    {
        error = "No file matches the sequence " + shown + ".";
        return false;
    }
    for (size_t k = 1; k < frames.size(); ++k)
        if (frames[k].number == frames[k - 1].number)
        {
            error = "Frame " + std::to_string(frames[k].number) + " of " + shown + " is there twice.";
            return false;
        }
    return true;
}
} // namespace

bool yFramePattern::Parse(const std::string& path, yFramePattern& pattern)
{
    const size_t start = path.size() - fs::path(path).filename().string().size();
    const size_t percent = path.find('%', start);
    if (percent == std::string::npos) return false;
    size_t end = percent + 1;
    while (end < path.size() && std::isdigit(static_cast<unsigned char>(path[end])))
        ++end;
    if (end >= path.size() || path[end] != 'd' || end - percent > 3) return false;
    pattern.folder = FolderOf(path);
    pattern.prefix = path.substr(start, percent - start);
    pattern.suffix = path.substr(end + 1);
    pattern.width = end > percent + 1 ? std::atoi(path.c_str() + percent + 1) : 0;
    return pattern.suffix.find('%') == std::string::npos;
}

std::string yFramePattern::PathOf(int number) const
{
    std::string digits = std::to_string(number);
    if (int(digits.size()) < width) digits.insert(0, size_t(width) - digits.size(), '0');
    return (fs::path(folder) / (prefix + digits + suffix)).string();
}

bool yShot::IsShot(const std::string& input)
{
    yFramePattern pattern;
    if (yFramePattern::Parse(input, pattern) || IsFolder(input)) return true;
    yImageFile file;
    std::string ignored;
    return file.Open(input, INT64_MAX, ignored) && file.IsMovie();
}

bool yShot::Find(const std::string& input, const yFrameRange& range, std::vector<yShotFrame>& frames,
                 std::string& error, yShotFrame* shotFirst)
{
    frames.clear();
    yFramePattern pattern;
    if (yFramePattern::Parse(input, pattern) || IsFolder(input))
    {
        if (IsFolder(input) && !FolderPattern(input, pattern, error)) return false;
        if (!SequenceFrames(pattern, input, frames, error)) return false;
    }
    else
    {
        yImageFile file;
        if (!file.Open(input, INT64_MAX, error)) return false;
        for (int k = 0; k < file.Frames(); ++k)
            frames.push_back({k, input, k});
    }
    const int first = frames.front().number, last = frames.back().number;
    if (shotFirst) *shotFirst = frames.front();
    if (!range.IsAll() && (range.first < first || range.last > last))
    {
        error = "The frames " + std::to_string(range.first) + " to " + std::to_string(range.last) +
                " are not all in " + input + ", which has frames " + std::to_string(first) + " to " +
                std::to_string(last) + ".";
        return false;
    }
    if (!range.IsAll())
        frames.erase(std::remove_if(frames.begin(), frames.end(),
                                    [&](const yShotFrame& f)
                                    { return f.number < range.first || f.number > range.last; }),
                     frames.end());
    for (size_t k = 1; k < frames.size(); ++k)
        if (frames[k].number != frames[k - 1].number + 1)
        {
            error = "Frame " + std::to_string(frames[k - 1].number + 1) + " of " + input + " is missing.";
            return false;
        }
    return true;
}

bool ParseFrameRange(const std::string& text, yFrameRange& range, std::string& error)
{
    const size_t dash = text.find('-', 1);
    const std::string a = text.substr(0, dash), b = dash == std::string::npos ? a : text.substr(dash + 1);
    auto number = [](const std::string& s, int& out)
    {
        if (s.empty() || s.size() > 9 ||
            !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return false;
        out = int(std::strtol(s.c_str(), nullptr, 10));
        return true;
    };
    if (!number(a, range.first) || !number(b, range.last))
        error = "The frames " + Quoted(text) + " are not A-B or A, whole numbers from 0.";
    else if (range.last < range.first)
        error = "The frames " + Quoted(text) + " run backwards.";
    else
        return true;
    range = yFrameRange{};
    return false;
}
} // namespace yStandalone
