#include "panel/yUIThemedMulti.h"

#include <gtest/gtest.h>

namespace
{
struct Counter : yBroadcaster
{
    int changes = 0;
    void ReceiveCommand(const yString& command) override { changes += command == "Change" ? 1 : 0; }
};
} // namespace

TEST(ThemedMulti, ClicksStepThroughTheStatesAndWrapToTheFirst)
{
    yUIThemedMulti multi;
    Counter counter;
    multi.AddListener(&counter);
    multi.SetChangeCommand("Change");
    multi.UpdateState(); // no states yet: nothing happens
    EXPECT_EQ(counter.changes, 0);

    yUIImageResource colour, black;
    multi.AddStateImage(&colour);
    multi.AddStateImage(&black);
    multi.AddStateImage(&colour); // already there
    EXPECT_EQ(multi.GetLastState(), 1u);

    multi.MouseDown();
    EXPECT_EQ(multi.GetState(), 1u);
    multi.MouseDown();
    EXPECT_EQ(multi.GetState(), 0u);
    EXPECT_EQ(counter.changes, 2);

    multi.SetState(7); // past the last state
    multi.UpdateState();
    EXPECT_EQ(multi.GetState(), 0u);

    multi.SetDisabled(true);
    multi.MouseDown();
    EXPECT_EQ(multi.GetState(), 0u);
    EXPECT_EQ(counter.changes, 3);
}
