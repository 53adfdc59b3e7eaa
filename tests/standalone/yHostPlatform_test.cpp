#include "standalone/emulator/yHostPlatform.h"

#include "host/sdk/ZT_HostPlatform.h"
#include "standalone/session/yRenderSession.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

using yStandalone::yHostPlatform;

// A script's picks reach the module's colour chooser in order: a colour is
// chosen, a cancel leaves the colour, and with none left the chooser cancels.
TEST(yHostPlatform, ScriptedPicksAnswerTheColourChooser)
{
    yHostPlatform::Instance().Reset();
    yStandalone::yRenderSession session;
    std::string error;
    yStandalone::yScriptEvent pick;
    pick.kind = yStandalone::yScriptEvent::Pick;
    pick.red = 10;
    pick.green = 20;
    pick.blue = 30;
    ASSERT_TRUE(session.Replay(pick, error)) << error;
    pick.cancel = true;
    pick.red = 99;
    ASSERT_TRUE(session.Replay(pick, error)) << error;

    const auto* table = static_cast<const ZT_HostPlatform*>(dlsym(RTLD_DEFAULT, ZT_HostPlatform_SYMBOL));
    ASSERT_NE(table, nullptr);
    uint8_t rgb[3] = {1, 2, 3};
    EXPECT_EQ(table->choose_color(rgb), 1);
    EXPECT_EQ(rgb[0] * 65536 + rgb[1] * 256 + rgb[2], 10 * 65536 + 20 * 256 + 30);
    EXPECT_EQ(table->choose_color(rgb), 0);
    EXPECT_EQ(rgb[0], 10) << "a cancelled choice leaves the colour";
    EXPECT_EQ(table->choose_color(rgb), 0) << "nothing queued: cancel";
    EXPECT_EQ(table->choose_color(nullptr), 0);
    EXPECT_EQ(yHostPlatform::Instance().ChooserCalls(), 3);
    yHostPlatform::Instance().Reset();
}
