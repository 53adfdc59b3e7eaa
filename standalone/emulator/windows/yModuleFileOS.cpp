// A module file read as data on Windows: the loader maps it as an image of
// resources only, so none of its code runs, and its property list and
// bitmaps are copied out with the resource functions.
#include "standalone/emulator/yModuleFile.h"

#include "host/sdk/ZT_ResourceSection.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace yStandalone
{
namespace
{
// The machine a Windows library is built for (its PE header's), or 0 when
// the file has no PE header.
uint16_t Machine(const std::string& path)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return 0;
    uint8_t head[64] = {};
    uint8_t pe[6] = {};
    uint16_t machine = 0;
    if (std::fread(head, 1, sizeof head, file) == sizeof head && head[0] == 'M' && head[1] == 'Z')
    {
        const long at = long(head[60] | head[61] << 8 | head[62] << 16 | uint32_t(head[63]) << 24);
        if (at > 0 && std::fseek(file, at, SEEK_SET) == 0 &&
            std::fread(pe, 1, sizeof pe, file) == sizeof pe && pe[0] == 'P' && pe[1] == 'E' && pe[2] == 0 &&
            pe[3] == 0)
            machine = uint16_t(pe[4] | pe[5] << 8);
    }
    std::fclose(file);
    return machine;
}
struct yFoundResource
{
    uint32_t type, number, language;
    std::vector<uint8_t> bytes;
};

struct yResourceWalk
{
    uint32_t type;
    std::vector<yFoundResource>* found;
};

// The walk's callbacks are the system's calling convention, which a lambda is not on 32-bit Windows.
BOOL CALLBACK EachLanguage(HMODULE module, LPCSTR type, LPCSTR name, WORD language, LONG_PTR param)
{
    auto* walk = reinterpret_cast<yResourceWalk*>(param);
    HRSRC found = FindResourceExA(module, type, name, language);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* bytes = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes) return TRUE;
    const uint32_t size = SizeofResource(module, found);
    walk->found->push_back(yFoundResource{walk->type, uint32_t(reinterpret_cast<uintptr_t>(name)), language,
                                          std::vector<uint8_t>(bytes, bytes + size)});
    return TRUE;
}

BOOL CALLBACK EachName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR param)
{
    if (IS_INTRESOURCE(name)) EnumResourceLanguagesA(module, type, name, EachLanguage, param);
    return TRUE;
}
} // namespace

bool yModuleFile::ReadResources(const std::string& path, std::string& error)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
    {
        error = "Cannot open the module " + path + ": No such file or directory.";
        return false;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
    {
        error = "The module " + path + " is not a regular file.";
        return false;
    }
    // A library of the other width cannot be loaded by this process.
    const uint16_t machine = Machine(path);
    const uint16_t own = sizeof(void*) == 8 ? IMAGE_FILE_MACHINE_AMD64 : IMAGE_FILE_MACHINE_I386;
    if (machine != 0 && machine != own &&
        (machine == IMAGE_FILE_MACHINE_AMD64 || machine == IMAGE_FILE_MACHINE_I386))
    {
        error = sizeof(void*) == 8
                    ? "The module " + path +
                          " is a 32-bit library; this tonescope.exe is 64-bit and loads only 64-bit "
                          "modules (the 32-bit tonescope.exe loads it)."
                    : "The module " + path +
                          " is a 64-bit library; this tonescope.exe is 32-bit and loads only 32-bit "
                          "modules (the 64-bit tonescope.exe loads it).";
        return false;
    }
    HMODULE image =
        LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!image)
    {
        error = "The module " + path + " is not a Windows library (it has no PE header).";
        return false;
    }
    std::vector<yFoundResource> found;
    for (const uint32_t type : {ZT_Resources::kTypePIPL, ZT_Resources::kTypeBitmap})
    {
        yResourceWalk walk{type, &found};
        const LPCSTR typeId = type == ZT_Resources::kTypeBitmap ? RT_BITMAP : "PIPL";
        // A module without resources of the type fails the walk; that is no error here.
        EnumResourceNamesA(image, typeId, EachName, LONG_PTR(&walk));
    }
    auto section = std::make_shared<std::vector<uint8_t>>();
    for (const yFoundResource& resource : found)
    {
        m_entries.push_back(Entry{resource.type, resource.number, resource.language, uint32_t(resource.bytes.size()),
                                  uint32_t(section->size())});
        section->insert(section->end(), resource.bytes.begin(), resource.bytes.end());
    }
    m_section = section->data();
    m_sectionSize = section->size();
    m_keep = section;
    FreeLibrary(image);
    return true;
}
} // namespace yStandalone
