#include "host/bridge/yAEKeys.h"

#include "ui/yUITextEdit.h"

namespace yAE
{
namespace
{
constexpr short kKeyEscape = 27;
constexpr short kKeySpace = 32;

struct ControlKey
{
    PF_ControlCode code;
    short key;
};
constexpr ControlKey kControlKeys[] = {
    {PF_ControlCode_Space, kKeySpace},
    {PF_ControlCode_Backspace, yUITextEdit::kKeyBackspace},
    {PF_ControlCode_Tab, yUITextEdit::kKeyTab},
    {PF_ControlCode_Return, yUITextEdit::kKeyReturn},
    {PF_ControlCode_Enter, yUITextEdit::kKeyEnter},
    {PF_ControlCode_Escape, kKeyEscape},
    {PF_ControlCode_Delete, yUITextEdit::kKeyDelete},
    {PF_ControlCode_Home, yUITextEdit::kKeyHome},
    {PF_ControlCode_End, yUITextEdit::kKeyEnd},
    {PF_ControlCode_PageUp, yUITextEdit::kKeyPageUp},
    {PF_ControlCode_PageDown, yUITextEdit::kKeyPageDown},
    {PF_ControlCode_Left, yUITextEdit::kKeyLeft},
    {PF_ControlCode_Right, yUITextEdit::kKeyRight},
    {PF_ControlCode_Up, yUITextEdit::kKeyUp},
    {PF_ControlCode_Down, yUITextEdit::kKeyDown},
};
} // namespace

short ToolkitKey(const PF_KeyDownEvent& event)
{
    const PF_KeyCode code = event.keycode;
    const unsigned low = code & 0xFFFFu;
    if (code & PF_KEYCODE_FLAG_Printable)
    {
        // The host gives the unshifted upper-case character; a letter
        // without shift is typed in lower case.
        if (low >= 'A' && low <= 'Z' && !(event.modifiers & PF_Mod_SHIFT_KEY)) return short(low - 'A' + 'a');
        return low > 0 && low < 256 ? short(low) : 0;
    }
    for (const ControlKey& k : kControlKeys)
        if (k.code == low) return k.key;
    return 0;
}
} // namespace yAE
