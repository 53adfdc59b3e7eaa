#include "tests/ui/yUITestHelpers.h"

#include "host/sdk/ZT_HostPlatform.h"
#include "platform/yPlatform.h"

uint32_t ScriptedPlatform::now = 100000;
uint32_t ScriptedPlatform::interval = 500;
bool ScriptedPlatform::button = false;
uint32_t ScriptedPlatform::modifiers = 0;

namespace
{
const ZT_HostPlatform kTable = {
    ZT_HostPlatform_VERSION,
    [] { return ScriptedPlatform::now; },
    [] { return ScriptedPlatform::interval; },
    []() -> int32_t { return ScriptedPlatform::button ? 1 : 0; },
    [] { return ScriptedPlatform::modifiers; },
    [](uint8_t*) -> int32_t { return 0; },
};
} // namespace

ScriptedPlatform::ScriptedPlatform()
{
    now = 100000;
    interval = 500;
    button = false;
    modifiers = 0;
    yPlatform::SetHostPlatform(&kTable);
}

ScriptedPlatform::~ScriptedPlatform()
{
    yPlatform::SetHostPlatform(nullptr);
}

CountingControl::CountingControl(const char* name, yRect screen)
{
    SetName(name);
    SetPosition(yPointL(screen.left, screen.top));
    SetSize(yPointL(screen.Width(), screen.Height()));
    const std::string n = name;
    SetMouseOverCommand((n + " Over").c_str());
    SetMouseDownCommand((n + " Down").c_str());
    SetMouseDragCommand((n + " Drag").c_str());
    SetMouseUpCommand((n + " Up").c_str());
}
