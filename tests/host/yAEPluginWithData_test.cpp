#include "tests/host/yAEFakeHost.h"
#include "host/bridge/yAEPluginWithData.h"

#include <gtest/gtest.h>

#include <new>

namespace
{
// A data object that counts its instances and keeps one byte of state.
struct CountedData
{
    CountedData()
    {
        if (failConstruction) throw std::bad_alloc();
        ++alive;
    }
    ~CountedData() { --alive; }
    CountedData(const CountedData&) = delete;
    void CopyFrom(const CountedData& other) { value = other.value; }
    void Flatten(uint8_t* record) const { record[1] = value; }
    void Unflatten(const uint8_t* record) { value = record[1]; }

    uint8_t value = 7;
    static int alive;
    static bool failConstruction;
};
int CountedData::alive = 0;
bool CountedData::failConstruction = false;

struct CountedFlat
{
    static constexpr std::size_t kSize = 36;
};

using DataPlugin = yAE::PluginWithData<CountedData, CountedFlat, CountedFlat>;

// Plays the host: one new plug-in object per command, and the sequence-data
// handle the module hands back is the one it gets next time.
struct Instance : ::testing::Test
{
    void SetUp() override
    {
        CountedData::alive = 0;
        CountedData::failConstruction = false;
    }
    void TearDown() override
    {
        CountedData::failConstruction = false;
        Run(PF_Cmd_SEQUENCE_SETDOWN);
    }
    PF_Err Run(PF_Cmd command)
    {
        DataPlugin plugin;
        return host.Call(plugin, command);
    }
    // The data object the handle holds now, or null.
    CountedData* Live()
    {
        DataPlugin plugin;
        plugin.in_data = &host.in;
        return plugin.GetDataPtr();
    }
    uint8_t Tag() const { return static_cast<uint8_t*>(*host.in.sequence_data)[0]; }

    FakeHost host;
};
} // namespace

TEST_F(Instance, SetupPutsANewObjectInALiveHandle)
{
    EXPECT_EQ(Run(PF_Cmd_SEQUENCE_SETUP), PF_Err_NONE);
    ASSERT_NE(host.in.sequence_data, nullptr);
    EXPECT_EQ(Tag(), yAE::kLiveTag);
    ASSERT_NE(Live(), nullptr);
    EXPECT_EQ(Live()->value, 7);
    EXPECT_EQ(CountedData::alive, 1);
}

TEST_F(Instance, FlattenThenResetupRestoresTheObject)
{
    Run(PF_Cmd_SEQUENCE_SETUP);
    PF_Handle live = host.in.sequence_data;
    Live()->value = 42;

    EXPECT_EQ(Run(PF_Cmd_SEQUENCE_FLATTEN), PF_Err_NONE);
    EXPECT_EQ(CountedData::alive, 0);
    EXPECT_FALSE(host.IsLive(live));
    ASSERT_NE(host.in.sequence_data, nullptr);
    EXPECT_EQ(Tag(), yAE::kFlatTag);
    EXPECT_EQ(static_cast<uint8_t*>(*host.in.sequence_data)[1], 42);
    EXPECT_EQ(Live(), nullptr) << "a flat record is never taken for an object";

    PF_Handle flat = host.in.sequence_data;
    EXPECT_EQ(Run(PF_Cmd_SEQUENCE_RESETUP), PF_Err_NONE);
    EXPECT_NE(host.in.sequence_data, flat);
    EXPECT_EQ(Tag(), yAE::kLiveTag);
    ASSERT_NE(Live(), nullptr);
    EXPECT_EQ(Live()->value, 42);
    EXPECT_EQ(CountedData::alive, 1);
}

TEST_F(Instance, ResetupOfALiveHandleCopiesIntoANewObjectAndFreesTheOld)
{
    Run(PF_Cmd_SEQUENCE_SETUP);
    PF_Handle old = host.in.sequence_data;
    Live()->value = 9;
    EXPECT_EQ(Run(PF_Cmd_SEQUENCE_RESETUP), PF_Err_NONE);
    EXPECT_NE(host.in.sequence_data, old);
    ASSERT_NE(Live(), nullptr);
    EXPECT_EQ(Live()->value, 9);
    EXPECT_EQ(CountedData::alive, 1);
}

TEST_F(Instance, ResetupOfOtherRecords)
{
    // No handle at all: a fresh object.
    EXPECT_EQ(Run(PF_Cmd_SEQUENCE_RESETUP), PF_Err_NONE);
    ASSERT_NE(Live(), nullptr);
    EXPECT_EQ(Live()->value, 7);

    // A record of another tag is read like a flat one.
    std::vector<uint8_t> foreign(36, 0);
    foreign[0] = 0x11;
    foreign[1] = 3;
    Run(PF_Cmd_SEQUENCE_SETDOWN);
    host.in.sequence_data = host.HandleWith(foreign);
    Run(PF_Cmd_SEQUENCE_RESETUP);
    ASSERT_NE(Live(), nullptr);
    EXPECT_EQ(Live()->value, 3);

    // Too short to hold a record, whatever its tag: defaults, nothing read past its end.
    for (uint8_t tag : {yAE::kFlatTag, yAE::kLiveTag, uint8_t(0x11)})
    {
        Run(PF_Cmd_SEQUENCE_SETDOWN);
        host.in.sequence_data = host.HandleWith({tag, 5, 5, 5});
        Run(PF_Cmd_SEQUENCE_RESETUP);
        ASSERT_NE(Live(), nullptr) << int(tag);
        EXPECT_EQ(Live()->value, 7) << int(tag);
    }
}

TEST_F(Instance, SetdownFreesObjectAndHandleButNeverWithoutAnObject)
{
    EXPECT_EQ(Run(PF_Cmd_SEQUENCE_SETDOWN), PF_Err_NONE);
    EXPECT_EQ(host.CallCount("dispose_handle"), 0);

    host.in.sequence_data = host.HandleWith(std::vector<uint8_t>(36, yAE::kFlatTag));
    Run(PF_Cmd_SEQUENCE_SETDOWN);
    EXPECT_EQ(host.CallCount("dispose_handle"), 0) << "a flat record is the host's to dispose";

    host.in.sequence_data = nullptr;
    Run(PF_Cmd_SEQUENCE_SETUP);
    PF_Handle live = host.in.sequence_data;
    Run(PF_Cmd_SEQUENCE_SETDOWN);
    EXPECT_EQ(CountedData::alive, 0);
    EXPECT_FALSE(host.IsLive(live));
    EXPECT_EQ(host.out.sequence_data, nullptr);
    EXPECT_EQ(host.in.sequence_data, nullptr);
}

TEST_F(Instance, OutOfMemoryIsErrorFourAndHandsNoHandle)
{
    CountedData::failConstruction = true;
    EXPECT_EQ(Run(PF_Cmd_SEQUENCE_SETUP), PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(host.in.sequence_data, nullptr);
    EXPECT_EQ(host.LiveHandleCount(), 0);
    EXPECT_EQ(Run(PF_Cmd_SEQUENCE_RESETUP), PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(Run(PF_Cmd_EVENT), PF_Err_OUT_OF_MEMORY);
}

TEST_F(Instance, WithoutAHandleFromTheHostTheNextCommandTriesAgain)
{
    host.newHandleFails = true;
    EXPECT_EQ(Run(PF_Cmd_SEQUENCE_SETUP), PF_Err_NONE);
    EXPECT_EQ(Live(), nullptr);
    EXPECT_EQ(CountedData::alive, 0);

    host.newHandleFails = false;
    Run(PF_Cmd_FRAME_SETDOWN);
    EXPECT_EQ(Live(), nullptr) << "frame set-down makes no data";
    for (PF_Cmd command : {PF_Cmd_FRAME_SETUP, PF_Cmd_RENDER, PF_Cmd_UPDATE_PARAMS_UI, PF_Cmd_EVENT})
    {
        Run(PF_Cmd_SEQUENCE_SETDOWN);
        Run(command);
        EXPECT_NE(Live(), nullptr) << command;
    }
}

TEST_F(Instance, FlattenWithoutAHandleLosesTheSettingsButFreesTheObject)
{
    Run(PF_Cmd_SEQUENCE_SETUP);
    host.newHandleFails = true;
    EXPECT_EQ(Run(PF_Cmd_SEQUENCE_FLATTEN), PF_Err_NONE);
    EXPECT_EQ(host.in.sequence_data, nullptr);
    EXPECT_EQ(CountedData::alive, 0);
    EXPECT_EQ(host.LiveHandleCount(), 0);
}
