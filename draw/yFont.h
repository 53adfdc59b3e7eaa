// A font description: face number, cell height and style flags.
#pragma once

#include "base/yExport.h"
#include "platform/yFontRecord.h"

#include <cstdint>

struct Y_EXPORT yFont
{
    static constexpr int16_t kFaceArial = 5;
    static constexpr int16_t kFaceVerdana = 6;

    int16_t face = kFaceArial; // any face but 5 and 6 means the platform's default face
    int32_t size = 12;         // character cell height in pixels
    uint8_t flag = 1;          // copied with the font, never used to realise it
    uint8_t italic = 0;
    uint8_t bold = 0;
    uint8_t underline = 0;

    // The drawing port's default font: Arial, 12 pixels, plain.
    constexpr yFont() = default;
    constexpr yFont(int16_t aFace, int32_t aSize, uint8_t aItalic = 0, uint8_t aBold = 0, uint8_t aUnderline = 0)
        : face(aFace), size(aSize), italic(aItalic), bold(aBold), underline(aUnderline)
    {
    }

    yFont& operator=(yFont const& o) = default;
    yFont(yFont const& o) = default;

    // The platform font record: height = size, weight 700 when bold, proof
    // quality, face name "Arial", "Verdana" or empty.
    yPlatform::yFontRecord GetLOGFONT() const;

    bool operator==(yFont const& o) const
    {
        return face == o.face && size == o.size && flag == o.flag && italic == o.italic && bold == o.bold &&
               underline == o.underline;
    }
    bool operator!=(yFont const& o) const { return !(*this == o); }
};
