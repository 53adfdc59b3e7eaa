// The colour type's conversions and the font record.
#include "draw/yColor.h"
#include "draw/yColorPicker.h"
#include "draw/yFont.h"
#include "platform/yPlatform.h"

#include "host/sdk/AE_EffectSuites.h"
#include "host/sdk/ZT_HostPlatform.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
struct HostColor // the host's colour record: three unsigned 16-bit channels
{
    uint16_t red, green, blue;
};
} // namespace

TEST(yColor, ConstructionKeepsChannelOrder)
{
    const yColor8 c(10, 20, 30);
    EXPECT_EQ(c, yColor8(255, 10, 20, 30)); // three bytes give an opaque colour
    EXPECT_EQ(yColor8(), yColor8(255, 0, 0, 0));
    static_assert(sizeof(yColor8) == 4, "four bytes: alpha, red, green, blue");
    const yColor8 d(1, 2, 3, 4);
    unsigned char bytes[4];
    std::memcpy(bytes, &d, 4);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[3], 4);
}

TEST(yColor, FromHostColorShiftsAndLimits)
{
    struct Row
    {
        HostColor in;
        yColor8 out;
    } const rows[] = {
        {{65535, 32768, 0}, yColor8(255, 255, 255, 0)}, // everything from 255*128 up is 255
        {{256, 128, 127}, yColor8(255, 2, 1, 0)},       // shift right by 7
        {{32640, 32639, 1}, yColor8(255, 255, 254, 0)}, // the 255 threshold
    };
    for (const Row& r : rows)
        EXPECT_EQ(yColor8::FromHostColor(r.in), r.out) << r.in.red << " " << r.in.green << " " << r.in.blue;
    PF_App_Color host = {256, 128, 127}; // the host's own record
    EXPECT_EQ(yColor8::FromHostColor(host), yColor8(255, 2, 1, 0));
}

TEST(yColor, PackedValueGivesGreyFromLowestByte)
{
    EXPECT_EQ(yColor8(0x12345656ul), yColor8(255, 0x56, 0x56, 0x56));
    EXPECT_EQ(yColor8(86ul), yColor8(255, 86, 86, 86));
    EXPECT_EQ(yColor8(0xFFFFFF00ul), yColor8(255, 0, 0, 0));
}

TEST(yColor, ColorRefDropsAlpha)
{
    EXPECT_EQ(yColor8(7, 0x11, 0x22, 0x33).ToColorRef(), 0x332211u);
}

TEST(yFont, DefaultFontRecord)
{
    const yFont f;
    EXPECT_EQ(f.flag, 1);
    const yPlatform::yFontRecord r = f.GetLOGFONT();
    EXPECT_STREQ(r.lfFaceName, "Arial");
    EXPECT_EQ(r.lfHeight, 12);
    EXPECT_EQ(r.lfWeight, 0);
    EXPECT_EQ(r.lfQuality, 2);
    EXPECT_EQ(r.lfItalic, 0);
    EXPECT_EQ(r.lfWidth, 0);
}

TEST(yFont, FaceNamesAndStyles)
{
    yFont f(yFont::kFaceVerdana, 17, 1, 1, 1);
    yPlatform::yFontRecord r = f.GetLOGFONT();
    EXPECT_STREQ(r.lfFaceName, "Verdana");
    EXPECT_EQ(r.lfHeight, 17);
    EXPECT_EQ(r.lfWeight, 700);
    EXPECT_EQ(r.lfItalic, 1);
    EXPECT_EQ(r.lfUnderline, 1);
    EXPECT_EQ(r.lfStrikeOut, 0);

    f.face = 7; // unknown face: the platform's default
    EXPECT_STREQ(f.GetLOGFONT().lfFaceName, "");

    yFont g(5, 9);
    g = f; // copies every field, the flag included
    EXPECT_EQ(g, f);
}

namespace
{
uint8_t gOffered[3];
int32_t gAnswer; // non-zero confirms the choice
int32_t ChooseGreenish(uint8_t rgb[3])
{
    std::memcpy(gOffered, rgb, 3);
    rgb[0] = 1, rgb[1] = 200, rgb[2] = 3;
    return gAnswer;
}
} // namespace

TEST(yColorPicker, ConfirmedOrCancelled)
{
    ZT_HostPlatform table = {};
    table.version = ZT_HostPlatform_VERSION;
    table.choose_color = ChooseGreenish;
    yPlatform::SetHostPlatform(&table);

    gAnswer = 1;
    EXPECT_EQ(SystemColorPicker(yColor8(9, 10, 20, 30)), yColor8(255, 1, 200, 3));
    EXPECT_EQ(gOffered[0], 10);
    EXPECT_EQ(gOffered[2], 30);
    EXPECT_EQ(SystemColorPicker(), yColor8(255, 1, 200, 3));
    EXPECT_EQ(gOffered[0], 255); // starts from red
    EXPECT_EQ(gOffered[1], 0);

    gAnswer = 0; // cancelled: opaque black whatever the start
    EXPECT_EQ(SystemColorPicker(yColor8(9, 10, 20, 30)), yColor8(255, 0, 0, 0));
    yPlatform::SetHostPlatform(nullptr);
}

TEST(yColorPicker, HeadlessCancels)
{
    EXPECT_EQ(SystemColorPicker(yColor8(200, 200, 200)), yColor8(255, 0, 0, 0));
}
