#include "tests/ui/yUITestHelpers.h"

#include <gtest/gtest.h>

using Log = std::vector<std::string>;

TEST(yBroadcaster, DeliversInOrderKeepsDuplicatesAndHonoursMute)
{
    CommandLog a, b;
    yBroadcaster source;
    source.BroadcastCommand("NobodyListens");
    for (yBroadcaster* l : std::initializer_list<yBroadcaster*>{&a, &b, &a, nullptr})
        source.AddListener(l);
    EXPECT_EQ(source.GetListenerCount(), 3u);
    source.BroadcastCommand("");
    source.SetMute(true);
    source.BroadcastCommand("Muted");
    source.SetMute(false);
    source.BroadcastCommand("Go");
    EXPECT_EQ(a.heard, (Log{"Go", "Go"}));
    EXPECT_EQ(b.heard, (Log{"Go"}));
}

TEST(yBroadcaster, ListenerAddedDuringBroadcastJoinsFromTheNextCommand)
{
    CommandLog late;
    yBroadcaster source;
    struct Adder : yBroadcaster
    {
        yBroadcaster* source = nullptr;
        yBroadcaster* late = nullptr;
        void ReceiveCommand(const yString&) override
        {
            for (int i = 0; i < 64; ++i) // enough to move the list's storage
                source->AddListener(late);
        }
    } adder;
    adder.source = &source;
    adder.late = &late;
    source.AddListener(&adder);
    source.BroadcastCommand("First");
    EXPECT_TRUE(late.heard.empty());
}
