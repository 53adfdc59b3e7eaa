// Renders of small images of any size, depth and pixels, with any parameter
// values a project or a host could hand over: unknown colour models and
// sample modes, negative and huge positions and sizes, a downsample factor
// that turns the region's size into infinity or NaN. The histogram counts
// exactly the clipped rectangle's pixels, and outside it the output is
// transparent black with Render Output on, the input with it off.
// One instance per depth renders every input of that depth, as a host renders
// frame after frame: a render must leave nothing behind that the next one
// would trip over.
#include "fuzz/yFuzzEffect.h"
#include "effect/plugin/zelSampleRect.h"
#include "host/sdk/ZT_Fixed.h"
#include "standalone/emulator/yWorld.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>

using yFuzz::Require;
using namespace zelTonescope;

namespace
{
constexpr int kMaxSide = 64;

// A colour model or sample mode: mostly the known ones and their neighbours.
short PopupValue(FuzzedDataProvider& in)
{
    return in.ConsumeBool() ? in.ConsumeIntegralInRange<short>(-1, 13) : in.ConsumeIntegral<short>();
}

PF_Fixed FixedValue(FuzzedDataProvider& in, int side)
{
    return in.ConsumeBool() ? PF_Fixed(in.ConsumeIntegralInRange(-2 * side, 2 * side)) * 65536
                            : in.ConsumeIntegral<PF_Fixed>();
}

PF_RationalScale Scale(FuzzedDataProvider& in)
{
    if (in.ConsumeBool()) return {1, 1};
    return {in.ConsumeIntegral<A_long>(), in.ConsumeIntegral<A_u_long>()};
}

float Factor(const PF_RationalScale& scale)
{
    return scale.den != 0 ? float(scale.num) / float(scale.den) : 1.0f;
}

bool SamePixel(const yStandalone::yWorld& a, const yStandalone::yWorld& b, int x, int y)
{
    if (a.IsDeep()) return std::memcmp(&a.Pixel16(x, y), &b.Pixel16(x, y), sizeof(PF_Pixel16)) == 0;
    return std::memcmp(&a.Pixel8(x, y), &b.Pixel8(x, y), sizeof(PF_Pixel8)) == 0;
}

bool IsClear(const yStandalone::yWorld& w, int x, int y)
{
    if (w.IsDeep()) return w.Pixel16(x, y).alpha == 0 && w.Pixel16(x, y).red == 0 && w.Pixel16(x, y).green == 0 &&
                           w.Pixel16(x, y).blue == 0;
    return w.Pixel8(x, y).alpha == 0 && w.Pixel8(x, y).red == 0 && w.Pixel8(x, y).green == 0 &&
           w.Pixel8(x, y).blue == 0;
}
// Named so that the fuzzer's coverage leaves these per-pixel loops alone.
void FillPixelLoop(FuzzedDataProvider& in, yStandalone::yWorld& input, yStandalone::yWorld& output)
{
    const bool deep = input.IsDeep();
    for (int y = 0; y < input.Height(); ++y)
        for (int x = 0; x < input.Width(); ++x)
        {
            if (deep)
                input.Pixel16(x, y) = {in.ConsumeIntegral<A_u_short>(), in.ConsumeIntegral<A_u_short>(),
                                       in.ConsumeIntegral<A_u_short>(), in.ConsumeIntegral<A_u_short>()};
            else
                input.Pixel8(x, y) = {in.ConsumeIntegral<A_u_char>(), in.ConsumeIntegral<A_u_char>(),
                                      in.ConsumeIntegral<A_u_char>(), in.ConsumeIntegral<A_u_char>()};
            // Whatever the output held before must not show through.
            if (deep) output.Pixel16(x, y) = {1, 2, 3, 4};
            else output.Pixel8(x, y) = {1, 2, 3, 4};
        }
}

void CheckPixelLoop(const yStandalone::yWorld& input, const yStandalone::yWorld& output, const zelSampleRect& r,
                    bool renderOutput)
{
    for (int y = 0; y < input.Height(); ++y)
        for (int x = 0; x < input.Width(); ++x)
        {
            const bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
            if (!renderOutput) Require(SamePixel(input, output, x, y), "without Render Output the output is the input");
            else if (!inside) Require(IsClear(output, x, y), "outside the rectangle the output is transparent black");
        }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const int width = in.ConsumeIntegralInRange(1, kMaxSide);
    const int height = in.ConsumeIntegralInRange(1, kMaxSide);
    const bool deep = in.ConsumeBool();

    static yFuzz::yFuzzEffect effects[2];
    static const size_t handles = effects[0].Host().LiveHandles();
    yFuzz::yFuzzEffect& effect = effects[deep];
    const short model = PopupValue(in);
    const short sample = PopupValue(in);
    effect.Param(kParamColorModel).u.pd.value = model;
    effect.Param(kParamSample).u.pd.value = sample;
    effect.Param(kParamPosition).u.td.x_value = FixedValue(in, width);
    effect.Param(kParamPosition).u.td.y_value = FixedValue(in, height);
    effect.Param(kParamWidth).u.fd.value = FixedValue(in, width);
    effect.Param(kParamHeight).u.fd.value = FixedValue(in, height);
    const bool renderOutput = in.ConsumeBool();
    effect.Param(kParamRenderOutput).u.bd.value = renderOutput ? in.ConsumeIntegralInRange<PF_ParamValue>(1, 255) : 0;
    const PF_RationalScale scaleX = Scale(in), scaleY = Scale(in);
    effect.Host().SetDownsample(scaleX, scaleY);

    yStandalone::yWorld input(width, height, deep), output(width, height, deep);
    FillPixelLoop(in, input, output);

    effect.Host().SetInputLayer(input.World());
    const PF_Err err = effect.Host().Call(PF_Cmd_RENDER, &output.World());
    Require(err == PF_Err_NONE, "a render with any parameter values succeeds");

    // The rectangle from the parameters as the host passed them.
    const PF_ParamDef& position = effect.Param(kParamPosition);
    const zelSampleRect want = zelSampleRect::Make(
        sample, float(ZT_Fixed::ToDouble(position.u.td.x_value)), float(ZT_Fixed::ToDouble(position.u.td.y_value)),
        float(ZT_Fixed::ToDouble(effect.Param(kParamWidth).u.fd.value)) * Factor(scaleX),
        float(ZT_Fixed::ToDouble(effect.Param(kParamHeight).u.fd.value)) * Factor(scaleY), width, height);
    zelTonescopeData* live = effect.Live();
    Require(live != nullptr, "the instance keeps its data object");
    const zelSampleRect& r = live->GetLastRect();
    Require(std::memcmp(&r, &want, sizeof r) == 0, "the render samples the rectangle its parameters name");
    Require(r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height, "the rectangle lies in the image");
    const int64_t pixels = r.PixelCount() > 0 ? r.PixelCount() : 0;
    Require(live->GetPanel().GetAccumulator().GetTotal() == uint64_t(pixels),
            "the histogram counts every pixel of the rectangle once");

    CheckPixelLoop(input, output, r, renderOutput);
    Require(effect.Host().LiveHandles() == handles, "a render leaves no handle behind");
    return 0;
}
