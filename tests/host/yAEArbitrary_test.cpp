#include "host/bridge/yAEArbitrary.h"
#include "host/bridge/yAEPlugin.h"
#include "host/sdk/AE_Profile.h"
#include "tests/host/yAETestHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace
{
// The value functions, run inside a host call so that the host's handles are used.
struct Values : ::testing::Test
{
    void TearDown() override
    {
        EXPECT_EQ(host.LiveHandles(), 0u);
        EXPECT_EQ(host.BadHandleUses(), 0);
    }
    // One function answered inside a host call, as the module answers it.
    PF_Err Answer(PF_ArbParamsExtra& call)
    {
        PF_Err err = PF_Err_NONE;
        yAETest::RunInCall<yAE::Plugin>(host, [&](yAE::Plugin& p) {
            err = yAE::AnswerArbitrary(call, yAE::Handle::From(*ae_profile::UtilsOf(p.in_data)));
        });
        return err;
    }
    PF_Handle New()
    {
        PF_Handle made = nullptr;
        PF_ArbParamsExtra call{};
        call.which_function = PF_Arbitrary_NEW_FUNC;
        call.u.new_func_params.arbPH = &made;
        EXPECT_EQ(Answer(call), PF_Err_NONE);
        return made;
    }
    PF_Handle Unflatten(const std::vector<uint8_t>& bytes)
    {
        PF_Handle made = nullptr;
        PF_ArbParamsExtra call{};
        call.which_function = PF_Arbitrary_UNFLATTEN_FUNC;
        call.u.unflatten_func_params.buf_sizeLu = A_u_long(bytes.size());
        call.u.unflatten_func_params.flat_dataPV = bytes.data();
        call.u.unflatten_func_params.arbPH = &made;
        EXPECT_EQ(Answer(call), PF_Err_NONE);
        return made;
    }
    PF_ArbCompareResult Compare(PF_Handle a, PF_Handle b)
    {
        PF_ArbCompareResult result = -1;
        PF_ArbParamsExtra call{};
        call.which_function = PF_Arbitrary_COMPARE_FUNC;
        call.u.compare_func_params.a_arbH = a;
        call.u.compare_func_params.b_arbH = b;
        call.u.compare_func_params.compareP = &result;
        EXPECT_EQ(Answer(call), PF_Err_NONE);
        return result;
    }
    void Dispose(PF_Handle handle)
    {
        PF_ArbParamsExtra call{};
        call.which_function = PF_Arbitrary_DISPOSE_FUNC;
        call.u.dispose_func_params.arbH = handle;
        EXPECT_EQ(Answer(call), PF_Err_NONE);
    }

    yStandalone::yEffectHost host{&yAETest::Entry<yAETest::Scripted<yAE::Plugin>>, yStandalone::kLinkedProfile};
};
} // namespace

TEST_F(Values, EachFunctionMakesComparesAndFlattensRealHandles)
{
    PF_Handle a = New();
    ASSERT_TRUE(host.IsHandle(a));
    EXPECT_EQ(host.HandleBytes(a), (std::vector<uint8_t>{1, 0, 0, 0, 0, 0, 0, 0})) << "version 1, no change";

    // A change is a new value; a copy equals its source; a copy of nothing is the default.
    PF_Handle b = New();
    ASSERT_TRUE(yAE::CountArbitraryChange(b));
    EXPECT_EQ(Compare(a, b), PF_ArbCompare_LESS);
    EXPECT_EQ(Compare(b, a), PF_ArbCompare_MORE);
    for (PF_Handle source : {b, static_cast<PF_Handle>(nullptr)})
    {
        PF_Handle copy = nullptr;
        PF_ArbParamsExtra call{};
        call.which_function = PF_Arbitrary_COPY_FUNC;
        call.u.copy_func_params.src_arbH = source;
        call.u.copy_func_params.dst_arbPH = &copy;
        EXPECT_EQ(Answer(call), PF_Err_NONE);
        ASSERT_TRUE(host.IsHandle(copy));
        EXPECT_EQ(Compare(copy, source ? b : a), PF_ArbCompare_EQUAL);
        Dispose(copy);
    }

    // Flattened and read back, as a project stores it; a buffer too small is refused.
    A_u_long size = 0;
    PF_ArbParamsExtra call{};
    call.which_function = PF_Arbitrary_FLAT_SIZE_FUNC;
    call.u.flat_size_func_params.arbH = b;
    call.u.flat_size_func_params.flat_data_sizePLu = &size;
    EXPECT_EQ(Answer(call), PF_Err_NONE);
    std::vector<uint8_t> flat(size, 0xEE);
    call = {};
    call.which_function = PF_Arbitrary_FLATTEN_FUNC;
    call.u.flatten_func_params.arbH = b;
    call.u.flatten_func_params.buf_sizeLu = size - 1;
    call.u.flatten_func_params.flat_dataPV = flat.data();
    EXPECT_EQ(Answer(call), PF_Err_BAD_CALLBACK_PARAM);
    call.u.flatten_func_params.buf_sizeLu = size;
    EXPECT_EQ(Answer(call), PF_Err_NONE);
    EXPECT_EQ(flat, (std::vector<uint8_t>{1, 0, 0, 0, 1, 0, 0, 0}));
    PF_Handle back = Unflatten(flat);
    EXPECT_EQ(Compare(back, b), PF_ArbCompare_EQUAL);

    // A record cut short, or of another version, reads as the default.
    for (const std::vector<uint8_t>& odd :
         {std::vector<uint8_t>{1, 0, 0, 0, 1}, std::vector<uint8_t>{2, 0, 0, 0, 1, 0, 0, 0}})
    {
        PF_Handle read = Unflatten(odd);
        EXPECT_EQ(Compare(read, a), PF_ArbCompare_EQUAL);
        Dispose(read);
    }
    for (PF_Handle handle : {a, b, back})
        Dispose(handle);
}

TEST_F(Values, MissingOutputsAreRefusedAndUnknownFunctionsIgnored)
{
    for (PF_FunctionSelector which : {PF_Arbitrary_NEW_FUNC, PF_Arbitrary_COPY_FUNC, PF_Arbitrary_FLAT_SIZE_FUNC,
                                      PF_Arbitrary_FLATTEN_FUNC, PF_Arbitrary_UNFLATTEN_FUNC,
                                      PF_Arbitrary_INTERP_FUNC, PF_Arbitrary_COMPARE_FUNC,
                                      PF_Arbitrary_PRINT_SIZE_FUNC, PF_Arbitrary_PRINT_FUNC, PF_Arbitrary_SCAN_FUNC})
    {
        PF_ArbParamsExtra call{};
        call.which_function = which;
        EXPECT_EQ(Answer(call), PF_Err_BAD_CALLBACK_PARAM) << which;
    }
    PF_ArbParamsExtra call{};
    call.which_function = 99;
    EXPECT_EQ(Answer(call), PF_Err_NONE);
    call.which_function = PF_Arbitrary_DISPOSE_FUNC; // nothing to dispose
    EXPECT_EQ(Answer(call), PF_Err_NONE);
}
