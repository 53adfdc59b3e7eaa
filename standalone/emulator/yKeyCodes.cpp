#include "standalone/emulator/yKeyCodes.h"

namespace yStandalone
{
namespace
{
struct yControlKey
{
    uint32_t code;
    PF_ControlCode control;
};
// The system's character codes of the keys that have no character.
constexpr yControlKey kControlKeys[] = {
    {1, PF_ControlCode_Home},      {3, PF_ControlCode_Enter},   {4, PF_ControlCode_End},
    {8, PF_ControlCode_Backspace}, {9, PF_ControlCode_Tab},     {11, PF_ControlCode_PageUp},
    {12, PF_ControlCode_PageDown}, {13, PF_ControlCode_Return}, {27, PF_ControlCode_Escape},
    {28, PF_ControlCode_Left},     {29, PF_ControlCode_Right},  {30, PF_ControlCode_Up},
    {31, PF_ControlCode_Down},     {32, PF_ControlCode_Space},  {127, PF_ControlCode_Delete},
};
} // namespace

PF_KeyCode CurrentKeyCode(uint32_t code)
{
    for (const yControlKey& key : kControlKeys)
        if (key.code == code) return key.control;
    if (code > 32 && code < 127)
    {
        const uint32_t upper = code >= 'a' && code <= 'z' ? code - 'a' + 'A' : code;
        return PF_KEYCODE_FLAG_Printable | upper;
    }
    return PF_ControlCode_Unknown;
}
} // namespace yStandalone
