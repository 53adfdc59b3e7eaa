// The module's resources on Windows: compiled in by the resource compiler,
// found with the resource functions in the module's own image.
#include "platform/yResources.h"
#include "platform/ySurface.h"
#include "platform/windows/yWin32.h"

#include "host/sdk/ZT_ResourceSection.h"

#include <cstring>
#include <vector>

namespace yPlatform
{
namespace
{
// Loader-owned: valid for as long as the module stays loaded.
const HMODULE g_module = [] {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ModuleHandle), &module);
    return module;
}();

// The resource script names the types as the resource compiler spells them.
bool TypeName(uint32_t type, char name[5], LPCSTR& id)
{
    if (type == ZT_Resources::kTypeBitmap)
    {
        id = RT_BITMAP;
        return true;
    }
    for (int i = 0; i < 4; ++i)
        name[i] = char((type >> (24 - 8 * i)) & 0xFF);
    name[4] = 0;
    id = name;
    return type == ZT_Resources::kTypePIPL;
}
} // namespace

HMODULE ModuleHandle()
{
    return g_module;
}

ResourceData FindResource(uint32_t type, uint32_t number, uint32_t language)
{
    char name[5];
    LPCSTR typeId = nullptr;
    if (!TypeName(type, name, typeId))
        return {};
    HRSRC found = language == 0
                      ? FindResourceA(g_module, MAKEINTRESOURCEA(number), typeId)
                      : FindResourceExA(g_module, typeId, MAKEINTRESOURCEA(number), WORD(language));
    HGLOBAL loaded = found ? LoadResource(g_module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return {};
    return {static_cast<const uint8_t*>(bytes), size_t(SizeofResource(g_module, found))};
}

std::unique_ptr<Surface> Surface::LoadBitmapResource(uint32_t number)
{
    // As a DIB section, so that the stored depth and every byte of the
    // coverage channel come back unchanged.
    HANDLE image = LoadImageA(g_module, MAKEINTRESOURCEA(number), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (!image)
        return nullptr;
    std::unique_ptr<Surface> surface;
    DIBSECTION dib{};
    if (GetObjectA(image, sizeof dib, &dib) == sizeof dib && dib.dsBm.bmBits && dib.dsBmih.biHeight > 0)
    {
        const size_t rows = size_t(dib.dsBm.bmWidthBytes) * size_t(dib.dsBm.bmHeight);
        std::vector<uint8_t> stored(sizeof(BITMAPINFOHEADER) + rows);
        BITMAPINFOHEADER header = dib.dsBmih;
        header.biSize = sizeof header;
        std::memcpy(stored.data(), &header, sizeof header);
        std::memcpy(stored.data() + sizeof header, dib.dsBm.bmBits, rows);
        surface = FromDib(stored.data(), stored.size());
    }
    DeleteObject(image);
    return surface;
}
} // namespace yPlatform
