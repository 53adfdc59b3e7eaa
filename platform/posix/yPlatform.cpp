// Live input, clock and colour chooser on POSIX: there is no window system to
// ask, so the hosting process answers through the table it exports; without
// one the module runs headless.
#include "platform/yPlatform.h"

#include "host/sdk/ZT_HostPlatform.h"

#include <atomic>
#include <ctime>
#include <dlfcn.h>

namespace yPlatform
{
namespace
{
std::atomic<const ZT_HostPlatform*> g_installed{nullptr};

const ZT_HostPlatform* ProcessTable()
{
    // Looked up once: the hosting process's exports do not change while we run.
    static const ZT_HostPlatform* const table = [] {
        auto* t = static_cast<const ZT_HostPlatform*>(dlsym(RTLD_DEFAULT, ZT_HostPlatform_SYMBOL));
        return t && t->version >= 1 ? t : nullptr;
    }();
    return table;
}

const ZT_HostPlatform* Table()
{
    const ZT_HostPlatform* t = g_installed.load(std::memory_order_acquire);
    return t ? t : ProcessTable();
}

uint32_t MonotonicMilliseconds()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return uint32_t(uint64_t(ts.tv_sec) * 1000u + uint64_t(ts.tv_nsec) / 1000000u);
}

constexpr uint32_t kHeadlessDoubleClick = 500;
} // namespace

void SetHostPlatform(const ZT_HostPlatform* table)
{
    g_installed.store(table, std::memory_order_release);
}

uint32_t TickCount()
{
    const ZT_HostPlatform* t = Table();
    return t && t->tick_count ? t->tick_count() : MonotonicMilliseconds();
}

uint32_t DoubleClickInterval()
{
    const ZT_HostPlatform* t = Table();
    return t && t->double_click_interval ? t->double_click_interval() : kHeadlessDoubleClick;
}

bool LeftButtonDown()
{
    const ZT_HostPlatform* t = Table();
    return t && t->left_button_down && t->left_button_down() != 0;
}

uint32_t Modifiers()
{
    const ZT_HostPlatform* t = Table();
    const uint32_t known = kModifierShift | kModifierControl | kModifierAlt;
    return t && t->modifiers ? t->modifiers() & known : 0;
}

bool ChooseColor(uint8_t rgb[3])
{
    const ZT_HostPlatform* t = Table();
    if (!rgb || !t || !t->choose_color)
        return false;
    // The host writes into a copy, so a cancelled choice leaves the caller's colour alone.
    uint8_t chosen[3] = {rgb[0], rgb[1], rgb[2]};
    if (t->choose_color(chosen) == 0)
        return false;
    rgb[0] = chosen[0];
    rgb[1] = chosen[1];
    rgb[2] = chosen[2];
    return true;
}
} // namespace yPlatform
