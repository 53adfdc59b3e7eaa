#include "draw/yFont.h"

#include <cstring>

yPlatform::yFontRecord yFont::GetLOGFONT() const
{
    yPlatform::yFontRecord r;
    r.lfHeight = size;
    r.lfWeight = bold ? yPlatform::kFontWeightBold : yPlatform::kFontWeightDefault;
    r.lfItalic = italic;
    r.lfUnderline = underline;
    r.lfQuality = yPlatform::kFontQualityProof;
    const char* name = face == kFaceArial ? "Arial" : face == kFaceVerdana ? "Verdana" : "";
    std::strncpy(r.lfFaceName, name, sizeof(r.lfFaceName) - 1);
    return r;
}
