// The platform's description of a font to realise: the fields of a Windows
// LOGFONTA, so that the drawing port can hand it to either back end.
#pragma once

#include <cstdint>

namespace yPlatform
{
constexpr int32_t kFontWeightDefault = 0;
constexpr int32_t kFontWeightBold = 700;
constexpr uint8_t kFontQualityProof = 2;
constexpr int kFontFaceNameSize = 32;

struct yFontRecord
{
    int32_t lfHeight = 0; // character cell height in pixels
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0;
    int32_t lfOrientation = 0;
    int32_t lfWeight = kFontWeightDefault;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    char lfFaceName[kFontFaceNameSize] = {}; // empty: the platform's default face
};
} // namespace yPlatform
