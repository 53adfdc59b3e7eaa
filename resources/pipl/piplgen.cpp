// Writes the module's property list for one host interface and its resource
// manifest line. Usage: piplgen legacy|current OUTPUT.pipl MANIFEST
#include "resources/pipl/zelPipl.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv)
{
    zelPipl::Profile profile;
    if (argc != 4 || !zelPipl::ProfileNamed(argv[1], profile))
    {
        std::fprintf(stderr, "usage: piplgen legacy|current OUTPUT.pipl MANIFEST\n");
        return 2;
    }
    const std::vector<uint8_t> bytes = zelPipl::Build(profile);
    std::ofstream data(argv[2], std::ios::binary | std::ios::trunc);
    data.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    std::ofstream manifest(argv[3], std::ios::trunc);
    manifest << "PIPL " << zelPipl::kResourceNumber << ' ' << zelPipl::kLanguage << ' ' << argv[2] << '\n';
    if (!data || !manifest)
    {
        std::fprintf(stderr, "piplgen: cannot write %s or %s\n", argv[2], argv[3]);
        return 1;
    }
    return 0;
}
