// Scripts for the viewer: every line of an event script (panel pixels, the
// host's controls by "set"), and lines for the rest of the window:
//
//   layer X Y                click in the layer view, in image pixels
//   open PATH | drop PATH    an image by the path box or dropped on the window
//   load-project PATH | save-project PATH | save-output PATH
//   about                    the About dialog
//   panel-zoom 1|2           the panel at 100 % or 200 %
//   scroll-controls N        the Effect Controls view scrolled N pixels up
//   scope log|linear|parade|overlay   the host's scope pane's scale or layout
//   frame N                  a shot's frame N shown
//   play | pause             playback; under a script each line after play
//                            steps one frame once it is done, until pause
//   probe X Y                the pointer over the layer view: the pixel's values
//   undo | redo              the last change undone, or made again
//   toggle 1|2|3|4           a click on the panel's toggle of that channel
//
// A path with blanks is written in double quotes.
#pragma once

#include "standalone/viewer/yViewerJob.h"

#include <string>
#include <vector>

namespace yStandalone
{
struct yViewerStep
{
    yViewerJob job;
    int panelZoom = 0; // when not 0, a window step: the panel's zoom
    int controlsScroll = -1; // when 0 or more, a window step: the controls view's scroll
    std::string scope;       // when not empty, a window step: the scope pane's scale or layout
    int play = -1; // when 0 or 1, a window step: playback paused or started
};

class yViewerScript
{
  public:
    // On failure returns false; error names the line and what is wrong with it.
    static bool Parse(const std::string& text, std::vector<yViewerStep>& out, std::string& error);
    static bool Read(const std::string& path, std::vector<yViewerStep>& out, std::string& error);
    // One line for each of the window's own verbs: its form and what it does.
    static std::string VerbHelp();
};
} // namespace yStandalone
