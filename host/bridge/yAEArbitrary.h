// The value of the panel's arbitrary-data parameter for today's hosts, which
// keep a real value for every parameter: an 8-byte record (a format version
// and a count of the panel's changes, both 32-bit little-endian), so that
// each change of the panel is a change of the parameter's value to the host,
// which then renders again. What the panel holds still travels in the
// sequence data. The legacy interface leaves the value null.
#pragma once

#include "host/bridge/yAEHandle.h"
#include "host/sdk/AE_Effect.h"

#include <cstdint>

namespace yAE
{
constexpr A_u_long kArbitraryValueSize = 8;
constexpr uint32_t kArbitraryValueVersion = 1;

// A new host handle holding the default value, or null.
PF_Handle NewArbitraryValue(const Handle::Functions& handles);
// One more change in the value the handle holds; false when it holds none.
bool CountArbitraryChange(PF_Handle value);
// Answers one arbitrary-data function of the host (PF_Cmd_ARBITRARY_CALLBACK);
// the panel's is the module's only arbitrary parameter. Handles the host asks
// for are made through its handle functions.
PF_Err AnswerArbitrary(PF_ArbParamsExtra& call, const Handle::Functions& handles);
} // namespace yAE
