#include "host/bridge/yAEKeys.h"
#include "standalone/emulator/yKeyCodes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

// Every key a script names reaches the toolkit as that same key through
// today's hosts' key codes; keys the toolkit has no use for reach it as 0.
TEST(Keys, TodaysKeyCodesReachTheToolkitAsTheScriptNamedThem)
{
    std::vector<uint32_t> codes = {1, 3, 4, 8, 9, 11, 12, 13, 27, 28, 29, 30, 31, 32, 127};
    for (uint32_t c = 33; c < 127; ++c)
        codes.push_back(c);
    for (uint32_t code : codes)
    {
        PF_KeyDownEvent event{};
        event.keycode = yStandalone::CurrentKeyCode(code);
        event.modifiers = code >= 'A' && code <= 'Z' ? PF_Mod_SHIFT_KEY : PF_Mod_NONE;
        EXPECT_EQ(yAE::ToolkitKey(event), short(code)) << code;
    }
    for (PF_KeyCode unused : {PF_KeyCode(PF_ControlCode_F1), PF_KeyCode(PF_ControlCode_Unknown),
                              PF_KeyCode(PF_ControlCode_Shift), PF_KEYCODE_FLAG_Printable | 0x20AC})
    {
        PF_KeyDownEvent event{};
        event.keycode = unused;
        EXPECT_EQ(yAE::ToolkitKey(event), 0) << unused;
    }
}
