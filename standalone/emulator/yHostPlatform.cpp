#include "standalone/emulator/yHostPlatform.h"

#include "host/sdk/ZT_HostPlatform.h"

#include <ctime>

namespace yStandalone
{
yHostPlatform& yHostPlatform::Instance()
{
    static yHostPlatform platform;
    return platform;
}

void yHostPlatform::Reset()
{
    m_clock = kStartTime;
    m_realClock = false;
    m_buttonDown = false;
    m_modifiers = 0;
    m_doubleClick = 500;
    m_choices.clear();
    m_chooser = nullptr;
    m_chooserCalls = 0;
}

uint32_t yHostPlatform::Clock() const
{
    if (!m_realClock) return m_clock;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return uint32_t(uint64_t(now.tv_sec) * 1000u + uint64_t(now.tv_nsec) / 1000000u);
}

yColorChoice yHostPlatform::ChooseColor(const uint8_t initial[3])
{
    ++m_chooserCalls;
    if (m_choices.empty())
        return m_chooser ? m_chooser(initial) : yColorChoice{false, initial[0], initial[1], initial[2]};
    const yColorChoice choice = m_choices.front();
    m_choices.pop_front();
    return choice;
}
} // namespace yStandalone

namespace
{
uint32_t TickCount()
{
    return yStandalone::yHostPlatform::Instance().Clock();
}
uint32_t DoubleClickInterval()
{
    return yStandalone::yHostPlatform::Instance().DoubleClickInterval();
}
int32_t LeftButtonDown()
{
    return yStandalone::yHostPlatform::Instance().ButtonDown() ? 1 : 0;
}
uint32_t Modifiers()
{
    return yStandalone::yHostPlatform::Instance().Modifiers();
}
int32_t ChooseColor(uint8_t rgb[3])
{
    if (!rgb) return 0;
    const yStandalone::yColorChoice choice = yStandalone::yHostPlatform::Instance().ChooseColor(rgb);
    if (!choice.chosen) return 0;
    rgb[0] = choice.red;
    rgb[1] = choice.green;
    rgb[2] = choice.blue;
    return 1;
}
} // namespace

// Exported from the program (see the link option in CMakeLists.txt) under
// ZT_HostPlatform_SYMBOL, where the module looks for it.
extern "C" __attribute__((visibility("default"), used)) const ZT_HostPlatform zelTonescopeHostPlatform = {
    ZT_HostPlatform_VERSION, TickCount, DoubleClickInterval, LeftButtonDown, Modifiers, ChooseColor};
