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

constexpr auto Word = ZT_ByteOrder::LoadU32;
} // namespace

bool yProjectFile::Read(const std::string& path, size_t expectedSize, std::vector<uint8_t>& record,
                        std::string& error)
{
    record.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in)
    {
        error = "Cannot read the project " + path + ": " + std::strerror(errno) + ".";
        return false;
    }
    // Read at most one byte past the largest file we accept.
    std::vector<uint8_t> bytes;
    char c;
    while (bytes.size() <= kHeaderSize + kMaxRecord && in.get(c))
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
    else if (bytes.size() - kHeaderSize > Word(bytes.data() + 8))
        error = "The project " + path + " has bytes after its record.";
    else if (Word(bytes.data() + 8) != expectedSize)
        error = "The project " + path + " holds a record of " + std::to_string(Word(bytes.data() + 8)) +
                " bytes where the module keeps " + std::to_string(expectedSize) + ".";
    else
    {
        record.assign(bytes.begin() + kHeaderSize, bytes.end());
        return true;
    }
    return false;
}

bool yProjectFile::Write(const std::string& path, const std::vector<uint8_t>& record, std::string& error)
{
    yFileOutput output;
    return Write(output, path, record, error) && output.Commit(error);
}

bool yProjectFile::Write(yFileOutput& outputs, const std::string& path, const std::vector<uint8_t>& record,
                         std::string& error)
{
    std::string bytes;
    ZT_ByteOrder::Append(bytes, kMagic);
    ZT_ByteOrder::Append(bytes, kFormatVersion);
    ZT_ByteOrder::Append(bytes, uint32_t(record.size()));
    bytes.append(record.begin(), record.end());
    return outputs.Add(path, std::move(bytes), error);
}
} // namespace yStandalone
