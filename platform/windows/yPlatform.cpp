// Live input, clock and colour chooser on Windows: the window system answers,
// unless a table is installed or the hosting program exports one (the
// replacement host does, so that scripted events see scripted input).
#include "platform/yPlatform.h"
#include "platform/windows/yWin32.h"

#include "host/sdk/ZT_HostPlatform.h"


#include <atomic>


namespace yPlatform
{
namespace
{
std::atomic<const ZT_HostPlatform*> g_installed{nullptr};

const ZT_HostPlatform* ProcessTable()
{
    static const ZT_HostPlatform* const table = [] {
        auto* t = reinterpret_cast<const ZT_HostPlatform*>(
            GetProcAddress(GetModuleHandleA(nullptr), ZT_HostPlatform_SYMBOL));
        return t && t->version >= 1 ? t : nullptr;
    }();
    return table;
}

const ZT_HostPlatform* Table()
{
    const ZT_HostPlatform* t = g_installed.load(std::memory_order_acquire);
    return t ? t : ProcessTable();
}

bool KeyDown(int key)
{
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}
} // namespace

void SetHostPlatform(const ZT_HostPlatform* table)
{
    g_installed.store(table, std::memory_order_release);
}

uint32_t TickCount()
{
    const ZT_HostPlatform* t = Table();
    return t && t->tick_count ? t->tick_count() : GetTickCount();
}

uint32_t DoubleClickInterval()
{
    const ZT_HostPlatform* t = Table();
    return t && t->double_click_interval ? t->double_click_interval() : GetDoubleClickTime();
}

bool LeftButtonDown()
{
    const ZT_HostPlatform* t = Table();
    if (t)
        return t->left_button_down && t->left_button_down() != 0;
    // The primary button may be the right one when the user swapped them.
    return KeyDown(GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON);
}

uint32_t Modifiers()
{
    const ZT_HostPlatform* t = Table();
    const uint32_t known = kModifierShift | kModifierControl | kModifierAlt;
    if (t)
        return t->modifiers ? t->modifiers() & known : 0;
    return (KeyDown(VK_SHIFT) ? kModifierShift : 0) | (KeyDown(VK_CONTROL) ? kModifierControl : 0) |
           (KeyDown(VK_MENU) ? kModifierAlt : 0);
}

bool ChooseColor(uint8_t rgb[3])
{
    if (!rgb)
        return false;
    uint8_t chosen[3] = {rgb[0], rgb[1], rgb[2]};
    const ZT_HostPlatform* t = Table();
    if (t)
    {
        if (!t->choose_color || t->choose_color(chosen) == 0)
            return false;
    }
    else
    {
        // The chooser keeps its sixteen custom colours for the session.
        static COLORREF custom[16] = {};
        CHOOSECOLORA cc{};
        cc.lStructSize = sizeof cc;
        cc.hwndOwner = GetActiveWindow();
        cc.rgbResult = RGB(rgb[0], rgb[1], rgb[2]);
        cc.lpCustColors = custom;
        cc.Flags = CC_RGBINIT | CC_FULLOPEN;
        if (!ChooseColorA(&cc))
            return false;
        chosen[0] = GetRValue(cc.rgbResult);
        chosen[1] = GetGValue(cc.rgbResult);
        chosen[2] = GetBValue(cc.rgbResult);
    }
    rgb[0] = chosen[0];
    rgb[1] = chosen[1];
    rgb[2] = chosen[2];
    return true;
}
} // namespace yPlatform
