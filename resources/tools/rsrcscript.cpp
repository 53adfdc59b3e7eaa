// Writes the Windows resource script of the module from the same manifests
// that rsrcpack packs: the property list as "PIPL" and every bitmap as a
// BITMAP file beside the script. Fonts are left out: GDI draws with the
// system's own faces.
// Usage: rsrcscript OUTPUT.rc MANIFEST...
#include "resources/tools/rsrcManifest.h"
#include "host/sdk/ZT_ByteOrder.h"

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace
{
constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;

// A bitmap file is the stored picture behind a 14-byte file header that
// says where its rows begin.
bool WriteBitmapFile(const std::string& path, const std::vector<char>& dib)
{
    if (dib.size() < kInfoHeaderSize)
        return false;
    std::string file = "BM";
    ZT_ByteOrder::Append(file, uint32_t(kFileHeaderSize + dib.size()), 4);
    ZT_ByteOrder::Append(file, 0, 4);
    ZT_ByteOrder::Append(file, uint32_t(kFileHeaderSize + kInfoHeaderSize), 4);
    file.append(dib.begin(), dib.end());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(file.data(), std::streamsize(file.size()));
    return bool(out);
}

// The file path as a resource script's string: backslashes doubled.
std::string Quoted(const std::string& path)
{
    std::string q = "\"";
    for (char c : path)
        q += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return q + "\"";
}

std::string Language(uint32_t language)
{
    return "LANGUAGE " + std::to_string(language & 0x3FF) + ", " + std::to_string(language >> 10) + "\n";
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::cerr << "usage: rsrcscript OUTPUT.rc MANIFEST...\n";
        return 2;
    }
    std::vector<rsrc::Item> items;
    for (int i = 2; i < argc; ++i)
        if (!rsrc::ReadManifest("rsrcscript", argv[i], items))
            return 1;

    const std::string output = argv[1];
    const size_t slash = output.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? std::string() : output.substr(0, slash + 1);
    // Property lists differ between the scripts of one folder; they are named after their script.
    std::string stem = output.substr(folder.size());
    stem = stem.substr(0, stem.find_last_of('.'));
    std::string script = "// The module's resources, written by rsrcscript from the resource manifests.\n";
    for (const rsrc::Item& item : items)
    {
        const uint32_t number = item.entry.number;
        if (item.entry.type == ZT_Resources::kTypePIPL)
        {
            const std::string file = folder + stem + "-pipl" + std::to_string(number) + ".bin";
            std::ofstream out(file, std::ios::binary | std::ios::trunc);
            out.write(item.data.data(), std::streamsize(item.data.size()));
            if (!out)
            {
                std::cerr << "rsrcscript: cannot write " << file << ".\n";
                return 1;
            }
            script += Language(item.entry.language) + std::to_string(number) + " PIPL " + Quoted(file) + "\n";
        }
        else if (item.entry.type == ZT_Resources::kTypeBitmap)
        {
            const std::string file = folder + "bitmap" + std::to_string(number) + ".bmp";
            if (!WriteBitmapFile(file, item.data))
            {
                std::cerr << "rsrcscript: cannot write the bitmap " << number << " to " << file << ".\n";
                return 1;
            }
            script += Language(item.entry.language) + std::to_string(number) + " BITMAP " + Quoted(file) + "\n";
        }
    }
    std::ofstream out(output, std::ios::trunc);
    out << script;
    if (!out)
    {
        std::cerr << "rsrcscript: cannot write " << output << ".\n";
        return 1;
    }
    return 0;
}
