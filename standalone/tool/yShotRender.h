// "tonescope render" over a shot: the frames in order through one effect
// instance per worker, each set up alike, with the results written in frame
// order.
#pragma once

#include "standalone/tool/yRenderSetup.h"

#include <ostream>

namespace yStandalone
{
// Returns false when the run failed or a frame was skipped; the sentences
// went to err.
bool RunShot(const yRenderOptions& o, const yRenderPlan& plan, std::ostream& err);
} // namespace yStandalone
