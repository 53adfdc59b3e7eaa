#include "standalone/media/yFileOutput.h"

#include <cstdio>

namespace yStandalone
{
bool yFileOutput::WriteFile(const std::string& path, std::string bytes, std::string& error)
{
    yFileOutput output;
    return output.Add(path, std::move(bytes), error) && output.Commit(error);
}

bool yFileOutput::WriteStandardOutput(const std::string& bytes, std::string& error)
{
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0) return true;
    error = "Cannot write to standard output.";
    return false;
}
} // namespace yStandalone
