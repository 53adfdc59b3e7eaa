// A module file read as data on Windows: the loader maps it as an image of
// resources only, so none of its code runs, and its property list and
// bitmaps are copied out with the resource functions.
#include "standalone/yModuleFile.h"

#include "host/sdk/ZT_ResourceSection.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace yHost
{
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
    HMODULE image = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!image)
    {
        error = "The module " + path + " is not a Windows library (it has no PE header).";
        return false;
    }
    struct Walk
    {
        yModuleFile* file;
        uint32_t type;
    };
    for (const uint32_t type : {ZT_Resources::kTypePIPL, ZT_Resources::kTypeBitmap})
    {
        Walk walk{this, type};
        const LPCSTR typeId = type == ZT_Resources::kTypeBitmap ? RT_BITMAP : "PIPL";
        // A module without resources of the type fails the walk; that is no error here.
        EnumResourceNamesA(
            image, typeId,
            [](HMODULE module, LPCSTR t, LPSTR name, LONG_PTR param) -> BOOL {
                if (!IS_INTRESOURCE(name)) return TRUE;
                EnumResourceLanguagesA(
                    module, t, name,
                    [](HMODULE module, LPCSTR t, LPCSTR name, WORD language, LONG_PTR param) -> BOOL {
                        auto* walk = reinterpret_cast<Walk*>(param);
                        HRSRC found = FindResourceExA(module, t, name, language);
                        HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
                        const auto* bytes = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
                        if (!bytes) return TRUE;
                        const uint32_t size = SizeofResource(module, found);
                        std::vector<uint8_t>& section = walk->file->m_section;
                        const Entry entry{walk->type, uint32_t(reinterpret_cast<uintptr_t>(name)), language, size,
                                          uint32_t(section.size())};
                        section.insert(section.end(), bytes, bytes + size);
                        walk->file->m_entries.push_back(entry);
                        return TRUE;
                    },
                    param);
                return TRUE;
            },
            LONG_PTR(&walk));
    }
    FreeLibrary(image);
    return true;
}
} // namespace yHost
