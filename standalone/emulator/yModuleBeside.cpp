#include "standalone/emulator/yModuleBeside.h"

#include <filesystem>
#include <system_error>

namespace yStandalone
{
std::string BesideProgram(const std::string& fileName)
{
    namespace fs = std::filesystem;
    const fs::path folder = ProgramFolder();
    const fs::path places[] = {folder / fileName, folder / ".." / "lib" / "tonescope" / fileName};
    for (const fs::path& place : places)
    {
        std::error_code ignored;
        if (fs::is_regular_file(place, ignored)) return place.lexically_normal().string();
    }
    return places[0].string();
}
} // namespace yStandalone
