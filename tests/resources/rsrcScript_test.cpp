// The Windows resource script: written from the same manifests as the ELF
// section, the property list and every bitmap with the same bytes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <unistd.h>

namespace
{
std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

struct Folder
{
    std::string path;
    Folder()
    {
        char name[] = "/tmp/rsrcscript-XXXXXX";
        path = mkdtemp(name);
    }
    ~Folder() { std::system(("rm -rf " + path).c_str()); }
};

int RunTool(const std::string& folder, const std::string& manifest)
{
    WriteAll(folder + "/m.manifest", manifest);
    const std::string command =
        std::string(RSRCSCRIPT) + " " + folder + "/out.rc " + folder + "/m.manifest 2>" + folder + "/err.txt";
    return std::system(command.c_str());
}

TEST(RsrcScript, WritesTheListAndBitmapsInTheirLanguagesAndLeavesFontsOut)
{
    Folder f;
    const std::string dib = std::string("\x28\0\0\0", 4) + std::string(36, '\x01') + "rows";
    WriteAll(f.path + "/list", "PiPL bytes");
    WriteAll(f.path + "/pic", dib);
    WriteAll(f.path + "/face", "a font");
    ASSERT_EQ(RunTool(f.path, "PIPL 16000 1033 " + f.path + "/list\nBMP_ 101 2057 " + f.path +
                                  "/pic\nFONT 10 0 " + f.path + "/face\n"),
              0);

    const std::string script = ReadAll(f.path + "/out.rc");
    const std::string expected = "LANGUAGE 9, 1\n16000 PIPL \"" + f.path + "/out-pipl16000.bin\"\nLANGUAGE 9, 2\n101 BITMAP \"" +
                                 f.path + "/bitmap101.bmp\"\n";
    EXPECT_EQ(script.substr(script.find('\n') + 1), expected);
    EXPECT_EQ(ReadAll(f.path + "/out-pipl16000.bin"), "PiPL bytes");
    // A bitmap file: "BM", the file's size, two reserved words, where the rows start.
    const std::string header = std::string("BM") + char(14 + dib.size()) + std::string(7, '\0') + char(54) +
                               std::string(3, '\0');
    EXPECT_EQ(ReadAll(f.path + "/bitmap101.bmp"), header + dib);
}

TEST(RsrcScript, RefusesWhatItCannotRead)
{
    const struct
    {
        const char* manifest;
        const char* says;
    } cases[] = {
        {"PIPL 16000\n", "is not TYPE NUMBER LANGUAGE FILE"},
        {"PIPL 16000 1033 /nonexistent/list\n", "cannot read /nonexistent/list"},
        {"BMP_ 101 0 %s/short\n", "cannot write the bitmap 101"},
    };
    for (const auto& c : cases)
    {
        Folder f;
        WriteAll(f.path + "/short", "too short for a DIB");
        std::string manifest = c.manifest;
        if (manifest.find("%s") != std::string::npos) manifest.replace(manifest.find("%s"), 2, f.path);
        EXPECT_NE(RunTool(f.path, manifest), 0) << c.manifest;
        EXPECT_NE(ReadAll(f.path + "/err.txt").find(c.says), std::string::npos) << ReadAll(f.path + "/err.txt");
        EXPECT_EQ(access((f.path + "/out.rc").c_str(), F_OK), -1) << c.manifest;
    }
}

// The build's own script against the manifests of the ELF section.
TEST(RsrcScript, TheBuildsScriptHoldsEveryBitmapOfTheArtwork)
{
    const char* build = std::getenv("TONESCOPE_BUILD_DIR");
    ASSERT_TRUE(build);
    const std::string resources = std::string(build) + "/resources";
    for (const std::string profile : {"legacy", "current"})
    {
        SCOPED_TRACE(profile);
        const std::string stem = resources + "/windows/zelTonescope-" + profile;
        EXPECT_EQ(ReadAll(stem + "-pipl16000.bin"), ReadAll(resources + "/pipl/zelTonescope-" + profile + ".pipl"));
    }
    const std::string script = ReadAll(resources + "/windows/zelTonescope-current.rc");
    std::istringstream manifest(ReadAll(resources + "/artwork/artwork.manifest"));
    std::string type, file;
    unsigned number = 0, language = 0, bitmaps = 0;
    while (manifest >> type >> number >> language >> file)
    {
        const std::string bmp = resources + "/windows/bitmap" + std::to_string(number) + ".bmp";
        EXPECT_NE(script.find(std::to_string(number) + " BITMAP \"" + bmp + "\""), std::string::npos) << number;
        EXPECT_EQ(ReadAll(bmp).substr(14), ReadAll(file)) << number;
        ++bitmaps;
    }
    EXPECT_GT(bitmaps, 10u);
    const std::regex line("\n[0-9]+ BITMAP ");
    EXPECT_EQ(unsigned(std::distance(std::sregex_iterator(script.begin(), script.end(), line), std::sregex_iterator())),
              bitmaps);
}
} // namespace
