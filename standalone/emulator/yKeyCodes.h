// Keys as today's hosts report them. The event script names a key by the
// character code the legacy hosts passed on from the system (8 backspace, 13
// return, 28 to 31 the arrows, a printable character as itself); today's
// hosts give a printable key as its unshifted upper-case character and the
// others as control codes of their own (PF_KeyCode).
#pragma once

#include "host/sdk/AE_EffectUI.h"

#include <cstdint>

namespace yStandalone
{
// The key code of today's hosts for a script's character code;
// PF_ControlCode_Unknown for a code no key gives.
PF_KeyCode CurrentKeyCode(uint32_t code);
} // namespace yStandalone
