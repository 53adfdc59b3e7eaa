#include "zelPanelTestHelpers.h"

#include "platform/yPlatform.h"

#include <gtest/gtest.h>

using zelTonescope::zelTonescopeUI;

TEST(TonescopeUI, StartsWithDefaults)
{
    PanelHarness h;
    zelTonescopeUI& p = h.panel;
    EXPECT_TRUE(p.GetChannelToggle(0).IsOn());
    EXPECT_TRUE(p.GetChannelToggle(2).IsOn());
    EXPECT_FALSE(p.GetChannelToggle(3).IsOn());
    EXPECT_FALSE(p.IsChannelShown(3));
    EXPECT_TRUE(p.IsSelectionShown());
    EXPECT_FLOAT_EQ(p.GetScaleSlider().GetValue(), 25.0f);
    h.Draw();
}
