// Packs resource files into the module's resource blob.
// Usage: rsrcpack OUTPUT MANIFEST...   (manifest lines: TYPE NUMBER LANGUAGE FILE)
// TYPE is four characters; a trailing blank may be written as '_' ("BMP_").
#include "host/sdk/ZT_ResourceSection.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace
{
struct Item
{
    ZT_Resources::Entry entry{};
    std::vector<char> data;
};

void PutWord(std::string& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(char((v >> (8 * i)) & 0xFF));
}

bool ReadManifest(const std::string& path, std::vector<Item>& items)
{
    std::ifstream in(path);
    if (!in)
    {
        std::cerr << "rsrcpack: cannot read the manifest " << path << ".\n";
        return false;
    }
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line))
    {
        ++lineNo;
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string type, file;
        uint32_t number = 0, language = 0;
        if (!(fields >> type >> number >> language) || type.size() != 4 || !std::getline(fields >> std::ws, file))
        {
            std::cerr << "rsrcpack: line " << lineNo << " of " << path << " is not TYPE NUMBER LANGUAGE FILE.\n";
            return false;
        }
        for (char& c : type)
            if (c == '_')
                c = ' ';
        std::ifstream data(file, std::ios::binary);
        if (!data)
        {
            std::cerr << "rsrcpack: cannot read " << file << ".\n";
            return false;
        }
        Item item;
        item.entry.type = ZT_Resources::FourCC(type[0], type[1], type[2], type[3]);
        item.entry.number = number;
        item.entry.language = language;
        item.data.assign(std::istreambuf_iterator<char>(data), std::istreambuf_iterator<char>());
        items.push_back(std::move(item));
    }
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::cerr << "usage: rsrcpack OUTPUT MANIFEST...\n";
        return 2;
    }
    std::vector<Item> items;
    for (int i = 2; i < argc; ++i)
        if (!ReadManifest(argv[i], items))
            return 1;

    const uint32_t directorySize =
        uint32_t(sizeof(ZT_Resources::Header) + items.size() * sizeof(ZT_Resources::Entry));
    uint32_t offset = (directorySize + 15u) & ~15u;
    for (Item& item : items)
    {
        item.entry.size = uint32_t(item.data.size());
        item.entry.offset = offset;
        offset = (offset + item.entry.size + 15u) & ~15u;
    }

    std::string blob;
    PutWord(blob, ZT_Resources::kMagic);
    PutWord(blob, ZT_Resources::kVersion);
    PutWord(blob, uint32_t(items.size()));
    for (const Item& item : items)
    {
        PutWord(blob, item.entry.type);
        PutWord(blob, item.entry.number);
        PutWord(blob, item.entry.language);
        PutWord(blob, item.entry.size);
        PutWord(blob, item.entry.offset);
    }
    for (const Item& item : items)
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
