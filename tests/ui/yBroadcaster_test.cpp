#include "ui/yBroadcaster.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// Records every command it receives, tagged with its own label.
struct Recorder : yBroadcaster
{
    Recorder(std::vector<std::string>& log, const char* tag) : m_log(log), m_tag(tag) {}
    void ReceiveCommand(const yString& command) override
    {
        m_log.push_back(m_tag + ":" + static_cast<const char*>(command));
    }
    std::vector<std::string>& m_log;
    std::string m_tag;
};
} // namespace

TEST(yBroadcaster, DeliversInOrderOfAdditionAndKeepsDuplicates)
{
    std::vector<std::string> log;
    Recorder a(log, "a"), b(log, "b");
    yBroadcaster source;
    source.AddListener(&a);
    source.AddListener(&b);
    source.AddListener(&a);
    source.AddListener(nullptr);
    EXPECT_EQ(source.GetListenerCount(), 3u);
    source.BroadcastCommand("Go");
    EXPECT_EQ(log, (std::vector<std::string>{"a:Go", "b:Go", "a:Go"}));
}

TEST(yBroadcaster, MutedOrEmptyCommandsReachNobody)
{
    std::vector<std::string> log;
    Recorder a(log, "a");
    yBroadcaster source;
    source.BroadcastCommand("NobodyListens");
    source.AddListener(&a);
    source.BroadcastCommand("");
    source.SetMute(true);
    source.BroadcastCommand("Muted");
    EXPECT_TRUE(log.empty());
    source.SetMute(false);
    source.BroadcastCommand("Loud");
    EXPECT_EQ(log, (std::vector<std::string>{"a:Loud"}));
}

TEST(yBroadcaster, ListenerAddedDuringBroadcastJoinsFromTheNextCommand)
{
    std::vector<std::string> log;
    Recorder late(log, "late");
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
    EXPECT_TRUE(log.empty());
    source.SetName("Source");
    EXPECT_EQ(source.GetName(), "Source");
}
