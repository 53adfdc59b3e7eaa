// The window is a program of its own, tonescope-view, so that the other
// commands start without loading the window system's libraries.
#pragma once

namespace yStandalone
{
// Replaces this process by tonescope-view with the same arguments; returns
// only when there is none to run (a build without the viewer, or Windows).
void RunViewerProgram(char** argv);
} // namespace yStandalone
