// Keys of today's hosts in the toolkit's terms. Those hosts name a key by a
// printable character or a control code of their own (PF_KeyCode); the
// toolkit's text boxes take the character codes the legacy hosts passed
// through from the system (yUITextEdit::kKey...).
#pragma once

#include "host/sdk/AE_EffectUI.h"

namespace yAE
{
// The toolkit's code of a key-down event; 0 for a key the toolkit has no use for.
short ToolkitKey(const PF_KeyDownEvent& event);
} // namespace yAE
