// The project file: the flat record the module handed over at flatten, behind
// a small header (magic word, format version, record size), so that a
// truncated, foreign or newer file is refused before anything is applied.
// From format 2 the host's parameters follow the record, by shown name with
// their values as the host takes them back; format 1 files have none.
#pragma once

#include "standalone/media/yFileOutput.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace yStandalone
{
// Parameters by shown name and value, in the order they are set.
using yHostSettings = std::vector<std::pair<std::string, std::string>>;

class yProjectFile
{
  public:
    // "ZTPJ" in file order.
    static constexpr uint32_t kMagic = 0x4A50545A;
    static constexpr uint32_t kFormatVersion = 2;
    static constexpr size_t kHeaderSize = 12;

    // Reads the record and the host's parameters (none from a format 1
    // file); a record of another size than expectedSize, the one the module
    // keeps, is refused.
    static bool Read(const std::string& path, size_t expectedSize, std::vector<uint8_t>& record,
                     yHostSettings& settings, std::string& error);
    static bool Read(const std::string& path, size_t expectedSize, std::vector<uint8_t>& record,
                     std::string& error);
    // Written whole or not at all.
    static bool Write(const std::string& path, const std::vector<uint8_t>& record,
                      const yHostSettings& settings, std::string& error);
    // The file as one output of a set.
    static bool Write(yFileOutput& outputs, const std::string& path, const std::vector<uint8_t>& record,
                      const yHostSettings& settings, std::string& error);
};
} // namespace yStandalone
