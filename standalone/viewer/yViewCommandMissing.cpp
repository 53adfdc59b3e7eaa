// The program without the viewer, when there is no tonescope-view to run.
#ifndef TONESCOPE_VIEWER
#include "standalone/viewer/yViewCommand.h"

namespace yStandalone
{
int RunViewCommand(const yViewOptions&, std::ostream& err)
{
    err << "This tonescope was built without the viewer (SDL2 and Dear ImGui were not found).\n";
    return 1;
}
} // namespace yStandalone
#endif
