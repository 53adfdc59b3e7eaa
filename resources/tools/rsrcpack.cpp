// Packs resource files into the module's resource blob.
// Usage: rsrcpack OUTPUT MANIFEST...   (manifest lines: TYPE NUMBER LANGUAGE FILE)
// TYPE is four characters; a trailing blank may be written as '_' ("BMP_").
#include "resources/tools/rsrcManifest.h"
#include "host/sdk/ZT_ByteOrder.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::cerr << "usage: rsrcpack OUTPUT MANIFEST...\n";
        return 2;
    }
    std::vector<rsrc::Item> items;
    for (int i = 2; i < argc; ++i)
        if (!rsrc::ReadManifest("rsrcpack", argv[i], items))
            return 1;

    const uint32_t directorySize =
        uint32_t(sizeof(ZT_Resources::Header) + items.size() * sizeof(ZT_Resources::Entry));
    uint32_t offset = (directorySize + 15u) & ~15u;
    for (rsrc::Item& item : items)
    {
        item.entry.size = uint32_t(item.data.size());
        item.entry.offset = offset;
        offset = (offset + item.entry.size + 15u) & ~15u;
    }

    std::string blob;
    ZT_ByteOrder::Append(blob, ZT_Resources::kMagic);
    ZT_ByteOrder::Append(blob, ZT_Resources::kVersion);
    ZT_ByteOrder::Append(blob, uint32_t(items.size()));
    for (const rsrc::Item& item : items)
    {
        ZT_ByteOrder::Append(blob, item.entry.type);
        ZT_ByteOrder::Append(blob, item.entry.number);
        ZT_ByteOrder::Append(blob, item.entry.language);
        ZT_ByteOrder::Append(blob, item.entry.size);
        ZT_ByteOrder::Append(blob, item.entry.offset);
    }
    for (const rsrc::Item& item : items)
    {
        blob.resize(item.entry.offset, '\0');
        blob.append(item.data.begin(), item.data.end());
    }
    blob.resize(offset, '\0');

    const std::string temporary = std::string(argv[1]) + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(blob.data(), std::streamsize(blob.size()));
        if (!out)
        {
            std::cerr << "rsrcpack: cannot write " << argv[1] << ".\n";
            return 1;
        }
    }
    if (std::rename(temporary.c_str(), argv[1]) != 0)
    {
        std::cerr << "rsrcpack: cannot write " << argv[1] << ".\n";
        return 1;
    }
    return 0;
}
