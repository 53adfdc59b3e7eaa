// Text measured and drawn with FreeType from the fonts embedded in the
// module's resources, so that the panel's text looks the same on every
// machine. A font's size is its cell height (ascent plus descent), as the
// panel's layout expects; glyphs are hinted and anti-aliased.
#include "platform/posix/yTextEngine.h"

#include "platform/yResources.h"

#include "host/sdk/ZT_ResourceSection.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <memory>
#include <unordered_map>

namespace yPlatform
{
namespace
{
// The faces of the module, opened once from its resources and kept for the
// life of the process (the platform's font table; the module is used from
// one thread at a time).
class FaceTable
{
public:
    ~FaceTable()
    {
        for (FT_Face& f : m_faces)
            if (f)
                FT_Done_Face(f);
        if (m_library)
            FT_Done_FreeType(m_library);
    }

    // The face of a 'FONT' resource, or null when it cannot be opened.
    FT_Face Get(uint32_t resource)
    {
        const size_t slot = resource % kSlots;
        if (m_faces[slot] && m_numbers[slot] == resource)
            return m_faces[slot];
        if (!m_library && FT_Init_FreeType(&m_library) != 0)
        {
            m_library = nullptr;
            return nullptr;
        }
        const ResourceData r = FindResource(ZT_Resources::kTypeFont, resource);
        if (!r.bytes)
            return nullptr;
        FT_Face face = nullptr;
        if (FT_New_Memory_Face(m_library, r.bytes, FT_Long(r.size), 0, &face) != 0)
            return nullptr;
        if (m_faces[slot])
            FT_Done_Face(m_faces[slot]);
        m_faces[slot] = face;
        m_numbers[slot] = resource;
        return face;
    }

private:
    static constexpr size_t kSlots = 32;
    FT_Library m_library = nullptr;
    FT_Face m_faces[kSlots] = {};
    uint32_t m_numbers[kSlots] = {};
};

FaceTable& Faces()
{
    static FaceTable table;
    return table;
}

// Hinted advances by face and cell height, learnt as text is measured: sizing
// a hinted face and loading its glyphs is most of what laying out a panel
// costs, and the same few sizes and characters come back every time.
class AdvanceCache
{
public:
    static constexpr int32_t kUnknown = INT32_MIN;

    // The advances of a face at a cell height by character, kUnknown where
    // not measured yet; valid until the next call.
    int32_t* Of(uint32_t resource, int32_t cellHeight)
    {
        const uint64_t key = uint64_t(resource) << 32 | uint32_t(cellHeight);
        const auto found = m_tables.find(key);
        if (found != m_tables.end())
            return found->second.data();
        if (m_tables.size() >= kMaxTables)
            m_tables.clear(); // any number of sizes stays within bounds
        std::array<int32_t, 256>& table = m_tables[key];
        table.fill(kUnknown);
        return table.data();
    }

private:
    static constexpr size_t kMaxTables = 64;
    std::unordered_map<uint64_t, std::array<int32_t, 256>> m_tables;
};

AdvanceCache& Advances()
{
    static AdvanceCache cache;
    return cache;
}

// A face set to a cell height, with the vertical metrics in pixels.
struct SizedFace
{
    FT_Face face = nullptr;
    int32_t ascent = 0;
    int32_t underlineTop = 0; // below the baseline
    int32_t underlineHeight = 1;
};

SizedFace SizeFace(uint32_t resource, int32_t cellHeight)
{
    SizedFace sized;
    FT_Face face = Faces().Get(resource);
    if (!face && resource % 10 != 0)
        face = Faces().Get(resource - resource % 10); // a missing style falls back to regular
    if (!face && resource / 10 != kArialBase / 10)
        face = Faces().Get(kArialBase);
    if (!face || face->units_per_EM == 0)
        return sized;
    // The cell is the face's Windows ascent and descent; the em follows from it.
    double ascentUnits = face->ascender, descentUnits = -face->descender;
    if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2)))
        if (os2->usWinAscent + os2->usWinDescent > 0)
        {
            ascentUnits = os2->usWinAscent;
            descentUnits = os2->usWinDescent;
        }
    const double cellUnits = ascentUnits + descentUnits;
    if (cellUnits <= 0)
        return sized;
    const double scale = double(cellHeight) / cellUnits; // pixels per font unit
    const FT_F26Dot6 em = FT_F26Dot6(face->units_per_EM * scale * 64.0 + 0.5);
    if (FT_Set_Char_Size(face, 0, std::max<FT_F26Dot6>(em, 1), 72, 72) != 0)
        return sized;
    sized.face = face;
    sized.ascent = int32_t(ascentUnits * scale + 0.5);
    sized.underlineTop = std::max(1, int32_t(-face->underline_position * scale + 0.5));
    sized.underlineHeight = std::max(1, int32_t(face->underline_thickness * scale + 0.5));
    return sized;
}

// Loads a character's hinted glyph; its advance in whole pixels, or -1.
int32_t LoadGlyph(FT_Face face, unsigned char c, FT_Int32 flags)
{
    if (FT_Load_Char(face, c, flags) != 0)
        return -1;
    return int32_t((face->glyph->advance.x + 32) >> 6);
}

uint8_t Mix(uint8_t src, uint8_t dst, unsigned coverage)
{
    return uint8_t((src * coverage + dst * (255 - coverage) + 127) / 255);
}
} // namespace

Box Device::MeasureText(const char* text, size_t length)
{
    const FontState font = m_font ? *m_font : FontState{};
    Box box{0, 0, 0, font.cellHeight};
    if (!text)
        return box;
    int32_t* advances = Advances().Of(font.resource, font.cellHeight);
    SizedFace sized; // sized only for a character not measured before
    for (size_t i = 0; i < length && text[i]; ++i)
    {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (advances[c] == AdvanceCache::kUnknown)
        {
            if (!sized.face)
                sized = SizeFace(font.resource, font.cellHeight);
            if (!sized.face)
                return Box{0, 0, 0, font.cellHeight};
            advances[c] = LoadGlyph(sized.face, c, FT_LOAD_DEFAULT);
        }
        box.right += std::max(0, advances[c]);
    }
    return box;
}

void Device::DrawText(const char* text, size_t length, Box const& box)
{
    Sync();
    if (!m_target || !text)
        return;
    const FontState font = m_font ? *m_font : FontState{};
    const Box drawable = Drawable();
    const int32_t clipLeft = std::max(box.left, drawable.left), clipTop = std::max(box.top, drawable.top);
    const int32_t clipRight = std::min(box.right, drawable.right);
    const int32_t clipBottom = std::min(box.bottom, drawable.bottom);
    if (clipLeft >= clipRight || clipTop >= clipBottom)
        return;
    if (!m_transparent)
        FillBox(Box{clipLeft, clipTop, clipRight, clipBottom}, Brush::Solid(m_back));
    const SizedFace sized = SizeFace(font.resource, font.cellHeight);
    if (!sized.face)
        return;
    const int64_t baseline = int64_t(box.top) + sized.ascent;
    int64_t penX = box.left;
    for (size_t i = 0; i < length && text[i]; ++i)
    {
        const int32_t advance =
            LoadGlyph(sized.face, static_cast<unsigned char>(text[i]), FT_LOAD_DEFAULT | FT_LOAD_RENDER);
        if (advance < 0)
            continue;
        const FT_GlyphSlot g = sized.face->glyph;
        const FT_Bitmap& bm = g->bitmap;
        if (bm.pixel_mode == FT_PIXEL_MODE_GRAY && bm.buffer)
            for (unsigned r = 0; r < bm.rows; ++r)
            {
                const int64_t y = baseline - g->bitmap_top + r;
                if (y < clipTop || y >= clipBottom)
                    continue;
                const uint8_t* coverage = bm.buffer + ptrdiff_t(r) * bm.pitch;
                for (unsigned c = 0; c < bm.width; ++c)
                {
                    const int64_t x = penX + g->bitmap_left + c;
                    if (x < clipLeft || x >= clipRight || coverage[c] == 0)
                        continue;
                    uint8_t* p = m_target->PixelAt(int32_t(x), int32_t(y));
                    p[0] = Mix(m_text.blue, p[0], coverage[c]);
                    p[1] = Mix(m_text.green, p[1], coverage[c]);
                    p[2] = Mix(m_text.red, p[2], coverage[c]);
                    p[3] = 255;
                }
            }
        penX += advance;
    }
    if (font.underline)
    {
        const int64_t top = baseline + sized.underlineTop - sized.underlineHeight / 2;
        const Box line{int32_t(std::max<int64_t>(box.left, clipLeft)), int32_t(std::max<int64_t>(top, clipTop)),
                       int32_t(std::min<int64_t>(penX, clipRight)),
                       int32_t(std::min<int64_t>(top + sized.underlineHeight, clipBottom))};
        FillBox(line, Brush::Solid(m_text));
    }
}
} // namespace yPlatform
