#include "standalone/media/yProjectFile.h"
#include "host/sdk/ZT_ByteOrder.h"

#include "standalone/media/yFileOutput.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace yStandalone
{
namespace
{
constexpr size_t kMaxRecord = size_t(1) << 20;
// Host settings: a count, then each name and value as a length and its bytes.
constexpr size_t kMaxSettings = 64;
constexpr size_t kMaxText = 4096;

constexpr auto Word = ZT_ByteOrder::LoadU32;

// One length-prefixed text at at, moved past it; false when it overruns.
bool ReadText(const std::vector<uint8_t>& bytes, size_t& at, std::string& text)
{
    if (bytes.size() - at < 4 || Word(bytes.data() + at) > kMaxText ||
        bytes.size() - at - 4 < Word(bytes.data() + at))
        return false;
    const size_t size = Word(bytes.data() + at);
    text.assign(bytes.begin() + long(at + 4), bytes.begin() + long(at + 4 + size));
    at += 4 + size;
    return true;
}

// The settings after the record, to the file's end; false with why.
bool ReadSettings(const std::vector<uint8_t>& bytes, size_t at, yHostSettings& settings, std::string& why)
{
    if (bytes.size() - at < 4 || Word(bytes.data() + at) > kMaxSettings)
    {
        why = "is truncated inside its host settings";
        return false;
    }
    const size_t count = Word(bytes.data() + at);
    at += 4;
    for (size_t k = 0; k < count; ++k)
    {
        std::pair<std::string, std::string> setting;
        if (!ReadText(bytes, at, setting.first) || !ReadText(bytes, at, setting.second))
        {
            why = "is truncated inside its host settings";
            return false;
        }
        settings.push_back(std::move(setting));
    }
    if (at != bytes.size()) why = "has bytes after its host settings";
    return why.empty();
}

void AppendText(std::string& bytes, const std::string& text)
{
    ZT_ByteOrder::Append(bytes, uint32_t(text.size()));
    bytes += text;
}
} // namespace

bool yProjectFile::Read(const std::string& path, size_t expectedSize, std::vector<uint8_t>& record,
                        std::string& error)
{
    yHostSettings settings;
    return Read(path, expectedSize, record, settings, error);
}

bool yProjectFile::Read(const std::string& path, size_t expectedSize, std::vector<uint8_t>& record,
                        yHostSettings& settings, std::string& error)
{
    record.clear();
    settings.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in)
    {
        error = "Cannot read the project " + path + ": " + std::strerror(errno) + ".";
        return false;
    }
    // Read at most one byte past the largest file we accept.
    const size_t largest = kHeaderSize + kMaxRecord + 4 + kMaxSettings * 2 * (4 + kMaxText);
    std::vector<uint8_t> bytes;
    char c;
    while (bytes.size() <= largest && in.get(c))
        bytes.push_back(uint8_t(c));

    if (bytes.size() < 4 || Word(bytes.data()) != kMagic)
        error = "The file " + path + " is not a tonescope project.";
    else if (bytes.size() < kHeaderSize)
        error = "The project " + path + " is truncated inside its header.";
    else if (Word(bytes.data() + 4) > kFormatVersion || Word(bytes.data() + 4) == 0)
        error = "The project " + path + " has format " + std::to_string(Word(bytes.data() + 4)) +
                ", which this tonescope does not read (it reads format " + std::to_string(kFormatVersion) +
                ").";
    else if (Word(bytes.data() + 8) > kMaxRecord)
        error = "The project " + path + " is damaged: its header claims a record of " +
                std::to_string(Word(bytes.data() + 8)) + " bytes, more than the " + std::to_string(kMaxRecord) +
                " a project holds.";
    else if (bytes.size() - kHeaderSize < Word(bytes.data() + 8))
        error = "The project " + path + " is truncated: its record has " +
                std::to_string(bytes.size() - kHeaderSize) + " of " + std::to_string(Word(bytes.data() + 8)) +
                " bytes.";
    else if (Word(bytes.data() + 4) == 1 && bytes.size() - kHeaderSize > Word(bytes.data() + 8))
        error = "The project " + path + " has bytes after its record.";
    else if (Word(bytes.data() + 8) != expectedSize)
        error = "The project " + path + " holds a record of " + std::to_string(Word(bytes.data() + 8)) +
                " bytes where the module keeps " + std::to_string(expectedSize) + ".";
    else
    {
        const size_t end = kHeaderSize + expectedSize;
        std::string why;
        if (Word(bytes.data() + 4) > 1 && !ReadSettings(bytes, end, settings, why))
        {
            error = "The project " + path + " " + why + ".";
            settings.clear();
            return false;
        }
        record.assign(bytes.begin() + kHeaderSize, bytes.begin() + long(end));
        return true;
    }
    return false;
}

bool yProjectFile::Write(const std::string& path, const std::vector<uint8_t>& record,
                         const yHostSettings& settings, std::string& error)
{
    yFileOutput output;
    return Write(output, path, record, settings, error) && output.Commit(error);
}

bool yProjectFile::Write(yFileOutput& outputs, const std::string& path, const std::vector<uint8_t>& record,
                         const yHostSettings& settings, std::string& error)
{
    std::string bytes;
    ZT_ByteOrder::Append(bytes, kMagic);
    ZT_ByteOrder::Append(bytes, kFormatVersion);
    ZT_ByteOrder::Append(bytes, uint32_t(record.size()));
    bytes.append(record.begin(), record.end());
    ZT_ByteOrder::Append(bytes, uint32_t(settings.size()));
    for (const auto& setting : settings)
    {
        AppendText(bytes, setting.first);
        AppendText(bytes, setting.second);
    }
    return outputs.Add(path, std::move(bytes), error);
}
} // namespace yStandalone
