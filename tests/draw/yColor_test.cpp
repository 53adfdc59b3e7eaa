// The colour type's conversions, the font record and the colour chooser.
#include "draw/yColor.h"
#include "draw/yColorPicker.h"
#include "platform/yPlatform.h"

#include "host/sdk/AE_EffectSuites.h"
#include "host/sdk/ZT_HostPlatform.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(yColor, Conversions)
{
    EXPECT_EQ(yColor8(10, 20, 30), yColor8(255, 10, 20, 30)); // three bytes give an opaque colour
    struct Row { PF_App_Color in; yColor8 out; } const rows[] = {
        {{65535, 32768, 0}, yColor8(255, 255, 255, 0)}, // everything from 255*128 up is 255
        {{256, 128, 127}, yColor8(255, 2, 1, 0)},       // shift right by 7
        {{32640, 32639, 1}, yColor8(255, 255, 254, 0)}, // the 255 threshold
    };
    for (const Row& r : rows)
        EXPECT_EQ(yColor8::FromHostColor(r.in), r.out) << r.in.red << " " << r.in.green << " " << r.in.blue;
    // A packed value gives the grey of its lowest byte.
    EXPECT_TRUE(yColor8(0x12345656ul) == yColor8(255, 0x56, 0x56, 0x56) && yColor8(0xFFFFFF00ul) == yColor8(255, 0, 0, 0));
    EXPECT_EQ(yColor8(7, 0x11, 0x22, 0x33).ToColorRef(), 0x332211u); // alpha dropped
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
    EXPECT_EQ(SystemColorPicker(yColor8(200, 200, 200)), yColor8(255, 0, 0, 0)); // headless cancels
    ZT_HostPlatform table = {};
    table.version = ZT_HostPlatform_VERSION, table.choose_color = ChooseGreenish;
    yPlatform::SetHostPlatform(&table);
    gAnswer = 1;
    EXPECT_EQ(SystemColorPicker(yColor8(9, 10, 20, 30)), yColor8(255, 1, 200, 3));
    EXPECT_EQ(gOffered[0] + gOffered[1] * 256 + gOffered[2] * 65536, 10 + 20 * 256 + 30 * 65536);
    EXPECT_TRUE(SystemColorPicker() == yColor8(255, 1, 200, 3) && gOffered[0] == 255 && gOffered[1] == 0); // from red
    gAnswer = 0; // cancelled: opaque black whatever the start
    EXPECT_EQ(SystemColorPicker(yColor8(9, 10, 20, 30)), yColor8(255, 0, 0, 0));
    yPlatform::SetHostPlatform(nullptr);
}
