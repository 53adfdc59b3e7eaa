#include "standalone/tool/yInfoCommand.h"

#include "host/sdk/ZT_Fixed.h"
#include "standalone/emulator/yEffectHost.h"
#include "standalone/emulator/yModule.h"
#include "standalone/emulator/yPropertyList.h"
#include "standalone/emulator/yQuoted.h"
#include "standalone/media/yImageFile.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

namespace yStandalone
{
namespace
{
std::string Hex(uint32_t value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

// A 16.16 fixed-point value with the given number of decimals.
std::string Fixed(PF_Fixed value, int decimals)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, ZT_Fixed::ToDouble(value));
    return text;
}

void Line(std::ostream& out, const char* label, const std::string& value)
{
    char padded[32];
    std::snprintf(padded, sizeof padded, "  %-18s", label);
    out << padded << Printable(value) << '\n';
}

void PrintPropertyList(const yModule& module, std::ostream& out)
{
    const yPropertyList& list = module.Properties();
    out << "Property list\n";
    Line(out, "interface",
         std::string(ProfileName(module.Profile())) + (module.Profile() == yProfile::Current
                                                           ? " (64-bit hosts, \"8664\")"
                                                           : " (legacy 32-bit hosts, \"wx86\")"));
    Line(out, "name", list.name);
    Line(out, "category", list.category);
    Line(out, "match name", list.matchName);
    Line(out, "kind", FourCodeText(list.kind));
    Line(out, "entry point", module.EntryPoint());
    Line(out, "list version",
         std::to_string(list.listVersionMajor) + "." + std::to_string(list.listVersionMinor));
    Line(out, "interface version",
         std::to_string(list.specVersionMajor) + "." + std::to_string(list.specVersionMinor));
    Line(out, "effect version", VersionText(list.effectVersion) + " (" + Hex(list.effectVersion, 8) + ")");
    Line(out, "info flags", Hex(list.infoFlags, 4));
    Line(out, "out_flags", Hex(list.outFlags, 8));
    Line(out, "out_flags2", Hex(list.outFlags2, 8));
}

// What kind of control a parameter is, with its default and range.
std::string DescribeValue(const yParam& param)
{
    const PF_ParamDef& def = param.def;
    switch (def.param_type)
    {
    case PF_Param_POPUP:
        return "popup, default " + std::to_string(def.u.pd.dephault) + ", " +
               std::to_string(def.u.pd.num_choices) + " choices \"" + param.choices + "\"";
    case PF_Param_CHECKBOX:
        return "check box \"" + param.label + "\", default " + (def.u.bd.dephault ? "on" : "off");
    case PF_Param_ARBITRARY_DATA:
        return "arbitrary data, arbitrary id " + std::to_string(def.u.arb_d.id) + ", default " +
               (def.u.arb_d.dephault ? "a handle" : "none") + ", refcon " +
               Hex(uint32_t(reinterpret_cast<uintptr_t>(def.u.arb_d.refconPV)), 8) + ", UI " +
               std::to_string(def.ui_width) + " x " + std::to_string(def.ui_height);
    case PF_Param_POINT:
        return "point, default " + Fixed(def.u.td.x_dephault, 1) + "%, " + Fixed(def.u.td.y_dephault, 1) +
               "%, bounds " + (def.u.td.restrict_bounds ? "restricted" : "not restricted");
    case PF_Param_FIX_SLIDER:
    {
        const PF_FixedSliderDef& s = def.u.fd;
        return "fixed slider, default " + Fixed(s.dephault, s.precision) + ", valid " +
               Fixed(s.valid_min, 0) + " to " + Fixed(s.valid_max, 0) + ", slider " + Fixed(s.slider_min, 0) +
               " to " + Fixed(s.slider_max, 0) + ", " + std::to_string(s.precision) +
               " decimals, display flags " + std::to_string(s.display_flags);
    }
    case PF_Param_LAYER:
        return "layer";
    default:
        return "type " + std::to_string(def.param_type);
    }
}

void PrintParams(const yEffectHost& host, std::ostream& out)
{
    out << "Parameters (num_params " << host.OutData().num_params << ")\n";
    for (size_t i = 1; i < host.ParamCount(); ++i)
    {
        const PF_ParamDef& def = host.Param(i).def;
        out << "  " << i << " \"" << Printable(def.name) << "\": " << DescribeValue(host.Param(i)) << "; id "
            << def.uu.id << ", flags " << Hex(uint32_t(def.flags), 2) << ", UI flags "
            << Hex(uint32_t(def.ui_flags), 2) << '\n';
    }
    for (const PF_CustomUIInfo& ui : host.CustomUIs())
        out << "Custom UI registered: events " << Hex(uint32_t(ui.events), 2) << '\n';
}

// What the property list announces must be what the module says when it
// sets itself up, and the interface version the one of its entry property.
bool Agrees(const yModule& module, const PF_OutData& setup, std::ostream& err)
{
    const yPropertyList& list = module.Properties();
    const bool current = module.Profile() == yProfile::Current;
    const uint16_t major = uint16_t(current ? ae_current::kInterfaceMajor : ae_legacy::kInterfaceMajor);
    const uint16_t minor = uint16_t(current ? ae_current::kInterfaceMinor : ae_legacy::kInterfaceMinor);
    bool agrees = true;
    auto differs = [&](const char* what, const std::string& listed, const std::string& reported)
    {
        err << "The property list gives the " << what << " " << listed << ", but the module reports "
            << reported << ".\n";
        agrees = false;
    };
    if (list.effectVersion != setup.my_version)
        differs("effect version", Hex(list.effectVersion, 8), Hex(setup.my_version, 8) + " at global set-up");
    if (list.outFlags != uint32_t(setup.out_flags))
        differs("out_flags", Hex(list.outFlags, 8), Hex(uint32_t(setup.out_flags), 8) + " at global set-up");
    if (list.outFlags2 != uint32_t(setup.out_flags2))
        differs("out_flags2", Hex(list.outFlags2, 8),
                Hex(uint32_t(setup.out_flags2), 8) + " at global set-up");
    if (list.specVersionMajor != major || list.specVersionMinor != minor)
        differs("interface version",
                std::to_string(list.specVersionMajor) + "." + std::to_string(list.specVersionMinor),
                "the entry of interface " + std::to_string(major) + "." + std::to_string(minor));
    return agrees;
}

// Runs one command; the module's return message goes to err.
bool Run(yEffectHost& host, PF_Cmd cmd, const char* what, std::ostream& err)
{
    const PF_Err result = host.Call(cmd);
    if (!host.ReturnMessage().empty()) err << Printable(host.ReturnMessage()) << '\n';
    if (result != PF_Err_NONE) err << "The module failed its " << what << " with error " << result << ".\n";
    return result == PF_Err_NONE;
}
} // namespace

namespace
{
int Describe(const std::string& modulePath, std::ostream& out, std::ostream& err)
{
    yModule module;
    std::string error;
    if (!module.Load(modulePath, error))
    {
        err << Printable(error) << '\n';
        return 1;
    }
    out << "Module " << Printable(modulePath) << '\n';
    PrintPropertyList(module, out);

    yEffectHost host(module);
    if (!Run(host, PF_Cmd_GLOBAL_SETUP, "global set-up", err)) return 1;
    const PF_OutData& setup = host.OutData();
    out << "Global set-up\n";
    Line(out, "my_version", VersionText(setup.my_version) + " (" + Hex(setup.my_version, 8) + ")");
    Line(out, "out_flags", Hex(uint32_t(setup.out_flags), 8));
    Line(out, "out_flags2", Hex(uint32_t(setup.out_flags2), 8));
    const bool agrees = Agrees(module, setup, err);

    const bool paramsDone = Run(host, PF_Cmd_PARAMS_SETUP, "parameter set-up", err);
    if (paramsDone) PrintParams(host, out);
    host.DisposeArbitraryValues();
    // Set down in any case, so that the module frees its global data.
    const bool setdownDone = Run(host, PF_Cmd_GLOBAL_SETDOWN, "global set-down", err);
    if (setdownDone) out << "Global set-down done\n";
    return paramsDone && setdownDone && agrees ? 0 : 1;
}
} // namespace

// What it prints is printed only when all went well; otherwise only why not.
namespace
{
// A module starts as programs do on Linux and on Windows, or is named as
// modules are (so a damaged one is called a damaged module); anything else is
// taken for an image.
bool IsProgramFile(const std::string& path)
{
    const std::string extension = std::filesystem::path(path).extension().string();
    for (const char* moduleExtension : {".aex", ".so", ".dll"})
        if (extension == moduleExtension) return true;
    char magic[4] = {};
    std::ifstream(path, std::ios::binary).read(magic, sizeof magic);
    return std::string(magic, 4) == "\x7f" "ELF" || std::string(magic, 2) == "MZ";
}

int DescribeImage(const std::string& path, std::ostream& out, std::ostream& err)
{
    yImageFile file;
    std::string error;
    if (!file.Open(path, INT64_MAX, error))
    {
        err << error << '\n';
        return 1;
    }
    out << "Image " << path << '\n';
    Line(out, "size", std::to_string(file.Width()) + " x " + std::to_string(file.Height()));
    Line(out, "depth", file.IsDeep() ? "16 bits" : "8 bits");
    Line(out, "frames", std::to_string(file.Frames()));
    if (!file.Layers().empty()) Line(out, "layers", file.Layers());
    return 0;
}
} // namespace

int RunInfoCommand(const std::string& modulePath, std::ostream& out, std::ostream& err)
{
    if (!modulePath.empty() && !IsProgramFile(modulePath) && std::ifstream(modulePath).good())
        return DescribeImage(modulePath, out, err);
    std::ostringstream text;
    const int status = Describe(modulePath, text, err);
    if (status == 0) out << text.str();
    return status;
}
} // namespace yStandalone
