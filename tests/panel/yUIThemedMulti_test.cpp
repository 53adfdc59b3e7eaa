#include "panel/yUIThemedMulti.h"

#include "tests/ui/yUITestHelpers.h"

#include <gtest/gtest.h>

TEST(ThemedMulti, ClicksStepThroughTheStatesAndWrapToTheFirst)
{
    yUIThemedMulti multi;
    CommandLog log;
    multi.AddListener(&log);
    multi.SetChangeCommand("Change");
    yUIImageResource colour, black;
    multi.AddStateImage(&colour);
    multi.AddStateImage(&black);
    multi.AddStateImage(&colour); // already there
    EXPECT_EQ(multi.GetLastState(), 1u);
    std::string states;
    for (int i = 0; i < 3; ++i)
    {
        multi.MouseDown();
        states += std::to_string(multi.GetState());
    }
    EXPECT_EQ(states, "101");
    multi.SetState(7); // past the last state
    multi.UpdateState();
    multi.SetDisabled(true);
    multi.MouseDown();
    EXPECT_EQ(multi.GetState(), 0u);
    EXPECT_EQ(log.heard.size(), 4u);
}
