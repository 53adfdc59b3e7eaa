// A module that carries a well-formed property list naming its own entry point,
// so that the host's loader can be tested apart from the real effect.
#include "tests/standalone/yTestResources.h"

namespace
{
constexpr yTest::yEffectDescription kDescription = []
{
    yTest::yEffectDescription d;
    d.name = "Fake Effect";
    d.entryPoint = "FakeEntry";
    d.matchName = "zo Fake";
    return d;
}();

__attribute__((section("zelrsrc"), used)) constexpr yTest::yBlob kResources =
    yTest::ResourceSection(yTest::EffectPropertyList(kDescription));
} // namespace

extern "C" __attribute__((visibility("default"))) int FakeEntry(int, void*, void*, void*, void*, void*)
{
    return 0;
}
