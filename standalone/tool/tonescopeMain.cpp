// tonescope: the replacement host's command line.
#include "yInfoCommand.h"

#include <CLI/CLI.hpp>

#include <climits>
#include <iostream>
#include <string>
#include <unistd.h>

namespace
{
// The module installed beside the program.
std::string DefaultModulePath()
{
    char self[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return "zelTonescope.so";
    std::string folder(self, size_t(length));
    folder.erase(folder.find_last_of('/') + 1);
    return folder + "zelTonescope.so";
}
} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"tonescope: runs the zel Tonescope effect module outside its usual host."};
    app.require_subcommand(0, 1);

    std::string infoModule;
    CLI::App* info = app.add_subcommand("info", "Print what a module declares and reports at set-up.");
    info->add_option("MODULE", infoModule, "The module file (default: zelTonescope.so beside this program).");

    try
    {
        app.parse(argc, argv);
    }
    catch (const CLI::ParseError& e)
    {
        return app.exit(e) == 0 ? 0 : 1;
    }

    if (info->parsed())
        return yHost::RunInfoCommand(infoModule.empty() ? DefaultModulePath() : infoModule, std::cout,
                                     std::cerr);

    std::cout << app.help();
    return 0;
}
