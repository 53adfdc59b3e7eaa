#include "yInfoCommand.h"

#include "yPropertyList.h"

#include <cstdio>
#include <ostream>

namespace yHost
{
namespace
{
std::string Hex(uint32_t value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

void Line(std::ostream& out, const char* label, const std::string& value)
{
    char padded[32];
    std::snprintf(padded, sizeof padded, "  %-16s", label);
    out << padded << value << '\n';
}

void PrintPropertyList(const yPropertyList& list, std::ostream& out)
{
    out << "Property list\n";
    Line(out, "name", list.name);
    Line(out, "category", list.category);
    Line(out, "match name", list.matchName);
    Line(out, "kind", FourCodeText(list.kind));
    Line(out, "entry point", list.entryPoint);
    Line(out, "list version",
         std::to_string(list.listVersionMajor) + "." + std::to_string(list.listVersionMinor));
    Line(out, "spec version",
         std::to_string(list.specVersionMajor) + "." + std::to_string(list.specVersionMinor));
    Line(out, "effect version", VersionText(list.effectVersion) + " (" + Hex(list.effectVersion, 8) + ")");
    Line(out, "info flags", Hex(list.infoFlags, 4));
    Line(out, "out_flags", Hex(list.outFlags, 8));
    Line(out, "out_flags2", Hex(list.outFlags2, 8));
}
} // namespace

int RunInfoCommand(const std::string& modulePath, std::ostream& out, std::ostream& err)
{
    yPropertyList list;
    std::string error;
    if (!yPropertyList::Read(modulePath, list, error))
    {
        err << error << '\n';
        return 1;
    }
    out << "Module " << modulePath << '\n';
    PrintPropertyList(list, out);
    return 0;
}
} // namespace yHost
