#include "host/bridge/yAEPluginWithData.h"
#include "tests/host/yAETestHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <new>

using yStandalone::yHostCall;

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
    static inline int alive = 0;
    static inline bool failConstruction = false;
};

struct CountedFlat { static constexpr std::size_t kSize = 36; };

using DataPlugin = yAE::PluginWithData<CountedData, CountedFlat, CountedFlat>;

// One effect instance; at the end every object and handle must be gone.
struct Instance : ::testing::Test
{
    void SetUp() override
    {
        CountedData::alive = 0;
        CountedData::failConstruction = false;
        host.AttachProbe(&probe);
    }
    void TearDown() override
    {
        CountedData::failConstruction = false;
        probe.ClearFailures();
        host.Call(PF_Cmd_SEQUENCE_SETDOWN);
        EXPECT_EQ(CountedData::alive, 0);
        EXPECT_EQ(host.LiveHandles(), 0u);
        EXPECT_EQ(host.BadHandleUses(), 0);
    }
    CountedData* Live() { return yAETest::LiveData<DataPlugin>(host); }
    uint8_t Byte(size_t i) { return host.HandleBytes(host.InData().sequence_data).at(i); }

    yStandalone::yEffectHost host{&yAETest::Entry<DataPlugin>, yStandalone::kLinkedProfile};
    yStandalone::yHostProbe probe;
};
} // namespace

TEST_F(Instance, FlattenAndResetupKeepTheValueThroughEveryForm)
{
    EXPECT_EQ(host.Call(PF_Cmd_SEQUENCE_SETUP), PF_Err_NONE);
    ASSERT_NE(Live(), nullptr);
    EXPECT_EQ(Byte(0), yAE::kLiveTag);
    Live()->value = 42;

    EXPECT_EQ(host.Call(PF_Cmd_SEQUENCE_FLATTEN), PF_Err_NONE);
    EXPECT_EQ(CountedData::alive, 0);
    EXPECT_EQ(host.LiveHandles(), 1u) << "only the flat record is left";
    EXPECT_EQ(Byte(0), yAE::kFlatTag);
    EXPECT_EQ(Byte(1), 42);
    EXPECT_EQ(Live(), nullptr) << "a flat record is never taken for an object";

    EXPECT_EQ(host.Call(PF_Cmd_SEQUENCE_RESETUP), PF_Err_NONE);
    ASSERT_NE(Live(), nullptr);
    EXPECT_EQ(Live()->value, 42);

    // A live handle seen again (a duplicated effect) is copied into a new one.
    const PF_Handle old = host.InData().sequence_data;
    EXPECT_EQ(host.Call(PF_Cmd_SEQUENCE_RESETUP), PF_Err_NONE);
    EXPECT_NE(host.InData().sequence_data, old);
    ASSERT_NE(Live(), nullptr);
    EXPECT_EQ(Live()->value, 42);
    EXPECT_EQ(CountedData::alive, 1);
    EXPECT_EQ(host.LiveHandles(), 1u);
}

// What the host hands back is read when it holds a whole record of any tag
// but a live one; anything shorter gives the defaults.
TEST_F(Instance, ResetupReadsOnlyWholeRecords)
{
    // record empty: no handle at all; noSize: the host cannot tell a handle's size (the last row)
    struct Case { std::vector<uint8_t> record; uint8_t value; bool noSize = false; };
    std::vector<uint8_t> foreign(36, 0);
    foreign[0] = 0x11;
    foreign[1] = 3;
    std::vector<uint8_t> forged = foreign; // tagged live, naming an address no object of ours has
    forged[0] = yAE::kLiveTag;
    std::fill(forged.begin() + 8, forged.begin() + 16, 0x41);
    const Case cases[] = {
        {{}, 7},                                // no handle: a fresh object
        {foreign, 3},                           // another tag is read like a flat record
        {forged, 3},                            // and so is a forged live block
        {{yAE::kFlatTag, 5, 5, 5}, 7},          // too short
        {{yAE::kLiveTag, 5, 5, 5}, 7},          // too short to hold an address
        {{0x11, 5, 5, 5}, 7},                   // too short, foreign
        {foreign, 3, true},                     // then the record is trusted
    };
    for (const Case& c : cases)
    {
        host.Call(PF_Cmd_SEQUENCE_SETDOWN);
        if (c.noSize) ae_profile::UtilsOf(&host.InData())->host_get_handle_size = nullptr;
        host.SetSequenceData(c.record.empty() ? nullptr : host.NewHandleWith(c.record));
        EXPECT_EQ(host.Call(PF_Cmd_SEQUENCE_RESETUP), PF_Err_NONE);
        ASSERT_NE(Live(), nullptr) << int(c.value);
        EXPECT_EQ(Live()->value, c.value);
        EXPECT_EQ(host.LiveHandles(), 1u) << "the record read is the host's to free";
    }
}

TEST_F(Instance, SetdownFreesOnlyALiveObject)
{
    EXPECT_EQ(host.Call(PF_Cmd_SEQUENCE_SETDOWN), PF_Err_NONE);
    host.SetSequenceData(host.NewHandleWith(std::vector<uint8_t>(36, yAE::kFlatTag)));
    host.Call(PF_Cmd_SEQUENCE_SETDOWN);
    EXPECT_EQ(probe.CallCount(yHostCall::DisposeHandle), 0) << "a flat record is the host's to dispose";
    host.Call(PF_Cmd_SEQUENCE_SETUP);
    host.Call(PF_Cmd_SEQUENCE_SETDOWN);
    EXPECT_EQ(probe.CallCount(yHostCall::DisposeHandle), 1);
    EXPECT_EQ(host.OutData().sequence_data, nullptr);
}

// A failure at any step leaves no object, no handle and no dangling address;
// only running out of memory is an error.
TEST_F(Instance, FailuresLeaveNothingBehind)
{
    // before: run first, without failure; outOfMemory: the object cannot be made;
    // noHandle: the host gives none.
    struct Case { PF_Cmd before; bool outOfMemory, noHandle; PF_Cmd failing; PF_Err err; const char* note; };
    const Case cases[] = {
        {PF_Cmd_SEQUENCE_SETDOWN, true, false, PF_Cmd_SEQUENCE_SETUP, PF_Err_OUT_OF_MEMORY, "set-up"},
        {PF_Cmd_SEQUENCE_SETDOWN, true, false, PF_Cmd_EVENT, PF_Err_OUT_OF_MEMORY, "event"},
        {PF_Cmd_SEQUENCE_SETDOWN, false, true, PF_Cmd_SEQUENCE_SETUP, PF_Err_NONE, "set-up, no handle"},
        {PF_Cmd_SEQUENCE_SETUP, false, true, PF_Cmd_SEQUENCE_RESETUP, PF_Err_NONE, "re-set-up, no handle"},
        {PF_Cmd_SEQUENCE_SETUP, false, true, PF_Cmd_SEQUENCE_FLATTEN, PF_Err_NONE, "flatten, no handle"},
    };
    for (const Case& c : cases)
    {
        host.Call(PF_Cmd_SEQUENCE_SETDOWN);
        host.Call(c.before);
        CountedData::failConstruction = c.outOfMemory;
        if (c.noHandle) probe.FailCall(yHostCall::NewHandle, PF_Err_OUT_OF_MEMORY);
        EXPECT_EQ(host.Call(c.failing), c.err) << c.note;
        EXPECT_EQ(host.InData().sequence_data, nullptr) << c.note;
        EXPECT_EQ(host.LiveHandles(), 0u) << c.note;
        EXPECT_EQ(CountedData::alive, 0) << c.note;
        CountedData::failConstruction = false;
        probe.ClearFailures();
        // The next command that needs the object makes it.
        EXPECT_EQ(host.Call(PF_Cmd_FRAME_SETDOWN), PF_Err_NONE);
        EXPECT_EQ(Live(), nullptr) << "frame set-down makes no data";
        EXPECT_EQ(host.Call(PF_Cmd_RENDER), PF_Err_NONE);
        EXPECT_NE(Live(), nullptr) << c.note;
        EXPECT_EQ(host.BadHandleUses(), 0) << c.note;
    }
}
