// Writes the module's property list and its resource manifest line.
// Usage: piplgen OUTPUT.pipl MANIFEST
#include "resources/pipl/zelPipl.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: piplgen OUTPUT.pipl MANIFEST\n");
        return 2;
    }
    const std::vector<uint8_t> bytes = zelPipl::Build();
    std::ofstream data(argv[1], std::ios::binary | std::ios::trunc);
    data.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    std::ofstream manifest(argv[2], std::ios::trunc);
    manifest << "PIPL " << zelPipl::kResourceNumber << ' ' << zelPipl::kLanguage << ' ' << argv[1] << '\n';
    if (!data || !manifest)
    {
        std::fprintf(stderr, "piplgen: cannot write %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
