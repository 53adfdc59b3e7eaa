#include "standalone/yHostPlatform.h"

#include "host/sdk/ZT_HostPlatform.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

using yHost::yHostPlatform;

TEST(yHostPlatform, TheExportedTableAnswersWithTheScriptedState)
{
    // Looked up the way a module looks it up.
    const auto* table = static_cast<const ZT_HostPlatform*>(dlsym(RTLD_DEFAULT, ZT_HostPlatform_SYMBOL));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->version, ZT_HostPlatform_VERSION);

    yHostPlatform& platform = yHostPlatform::Instance();
    platform.Reset();
    EXPECT_EQ(table->tick_count(), yHostPlatform::kStartTime);
    platform.AdvanceClock(250);
    EXPECT_EQ(table->tick_count(), yHostPlatform::kStartTime + 250);
    EXPECT_EQ(table->double_click_interval(), 500u);
    platform.SetDoubleClickInterval(300);
    EXPECT_EQ(table->double_click_interval(), 300u);

    EXPECT_EQ(table->left_button_down(), 0);
    platform.SetButtonDown(true);
    platform.SetModifiers(ZT_Modifier_CONTROL | ZT_Modifier_SHIFT);
    EXPECT_EQ(table->left_button_down(), 1);
    EXPECT_EQ(table->modifiers(), uint32_t(ZT_Modifier_CONTROL | ZT_Modifier_SHIFT));
    platform.Reset();
    EXPECT_EQ(table->modifiers(), 0u);
}

TEST(yHostPlatform, TheColourChooserGivesQueuedAnswersThenCancels)
{
    const auto* table = static_cast<const ZT_HostPlatform*>(dlsym(RTLD_DEFAULT, ZT_HostPlatform_SYMBOL));
    ASSERT_NE(table, nullptr);
    yHostPlatform& platform = yHostPlatform::Instance();
    platform.Reset();
    platform.QueueColorChoice({true, 10, 20, 30});
    platform.QueueColorChoice({false});

    uint8_t rgb[3] = {1, 2, 3};
    EXPECT_EQ(table->choose_color(rgb), 1);
    EXPECT_EQ(rgb[0], 10);
    EXPECT_EQ(rgb[2], 30);
    EXPECT_EQ(table->choose_color(rgb), 0);
    EXPECT_EQ(rgb[0], 10) << "a cancelled choice leaves the colour";
    EXPECT_EQ(table->choose_color(rgb), 0) << "nothing queued: cancel";
    EXPECT_EQ(table->choose_color(nullptr), 0);
    EXPECT_EQ(platform.ChooserCalls(), 3);
    platform.Reset();
}
