#include "resources/tools/rsrcManifest.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace rsrc
{
bool ReadManifest(const char* tool, const std::string& path, std::vector<Item>& items)
{
    std::ifstream in(path);
    if (!in)
    {
        std::cerr << tool << ": cannot read the manifest " << path << ".\n";
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
            std::cerr << tool << ": line " << lineNo << " of " << path << " is not TYPE NUMBER LANGUAGE FILE.\n";
            return false;
        }
        for (char& c : type)
            if (c == '_')
                c = ' ';
        std::ifstream data(file, std::ios::binary);
        if (!data)
        {
            std::cerr << tool << ": cannot read " << file << ".\n";
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
} // namespace rsrc
