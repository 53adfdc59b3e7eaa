// What a user installs: the tree cmake --install makes, run from where it
// was put, and the Debian package's contents.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace
{
namespace fs = std::filesystem;

// Standard output of a shell command; the exit status into status.
std::string Shell(const std::string& command, int& status)
{
    std::string out;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        out.append(buffer, n);
    status = ::pclose(pipe);
    return out;
}

struct yScratch
{
    yScratch()
    {
        char name[] = "/tmp/tonescope-install-XXXXXX";
        path = ::mkdtemp(name);
    }
    ~yScratch() { fs::remove_all(path); }
    std::string path;
};
} // namespace

// Installed anywhere, the program finds its module and readers by itself.
TEST(tonescopeInstall, RunsFromWhereverItIsInstalled)
{
    yScratch prefix;
    int status = -1;
    const std::string install = Shell("cmake --install " TONESCOPE_BUILD " --prefix " + prefix.path, status);
    ASSERT_EQ(status, 0) << install;
    const std::string program = prefix.path + "/bin/tonescope";
    for (const char* part : {"/share/man/man1/tonescope.1", "/share/bash-completion/completions/tonescope",
                             "/share/doc/tonescope/README.md"})
        EXPECT_TRUE(fs::is_regular_file(prefix.path + part)) << part;

    const std::string info = Shell("cd / && env -u TONESCOPE_MODULE " + program + " info", status);
    EXPECT_EQ(status, 0) << info;
    EXPECT_NE(info.find(prefix.path + "/lib/tonescope/zelTonescope.so"), std::string::npos) << info;

    // A format besides PNG: the readers are found beside the module.
    ASSERT_EQ(std::system(("ffmpeg -loglevel error -f lavfi -i testsrc=size=32x24 -frames:v 1 -y " + prefix.path +
                           "/ramp.tif")
                              .c_str()),
              0);
    const std::string render =
        Shell("cd / && env -u TONESCOPE_MODULE " + program + " render " + prefix.path + "/ramp.tif --stats -", status);
    EXPECT_EQ(status, 0) << render;
    EXPECT_NE(render.find("\"total\": 768"), std::string::npos) << render;
}

// The package holds the program, what it loads, its documents and pages,
// and names the libraries they need.
TEST(tonescopeInstall, TheDebianPackageHoldsTheProgramAndNamesWhatItNeeds)
{
    yScratch out;
    int status = -1;
    const std::string made =
        Shell("cpack --config " TONESCOPE_BUILD "/CPackConfig.cmake -B " + out.path, status);
    ASSERT_EQ(status, 0) << made;
    const std::string contents = Shell("dpkg-deb -c " + out.path + "/tonescope_*.deb", status);
    ASSERT_EQ(status, 0) << contents;
    for (const char* path : {"./usr/bin/tonescope", "./usr/lib/tonescope/zelTonescope.so",
                             "./usr/lib/tonescope/tonescope-readers.so", "./usr/lib/tonescope/tonescope-movies.so",
                             "./usr/share/man/man1/tonescope.1",
                             "./usr/share/bash-completion/completions/tonescope"})
        EXPECT_NE(contents.find(std::string(path) + "\n"), std::string::npos) << path;
    const std::string depends = Shell("dpkg-deb -f " + out.path + "/tonescope_*.deb Depends", status);
    for (const char* library : {"libfreetype6", "libpng16-16", "libopenimageio"})
        EXPECT_NE(depends.find(library), std::string::npos) << depends;
}
