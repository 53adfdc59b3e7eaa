// Decodes every frame of a shot through the media layer, as a render's
// worker reads them, and nothing more: the decode-only side of the shot rate
// benchmark, as a program of its own so that it loads the readers as the
// program does. Usage: shotDecode SHOT FRAMES, SHOT a printf pattern of the
// frame files from 1 or a movie.
#include "standalone/media/yImageFile.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) return 2;
    const std::string shot = argv[1];
    const int frames = std::atoi(argv[2]);
    const bool movie = shot.find('%') == std::string::npos;
    yStandalone::yImageFile file;
    yStandalone::yWorld world;
    std::string error;
    for (int k = 0; k < frames && error.empty(); ++k)
    {
        char name[4096];
        std::snprintf(name, sizeof name, shot.c_str(), k + 1);
        if (k == 0 || !movie) file.Open(movie ? shot : name, yStandalone::yImageFile::kDefaultMaxPixels, error);
        if (error.empty()) file.ReadFrame(movie ? k : 0, file.IsDeep(), 1, world, error);
    }
    if (error.empty()) return 0;
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
}
