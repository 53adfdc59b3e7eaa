// The viewer's keyboard shortcuts, in one table that both the key handler
// and the help read, so that the help never lists a key that does nothing.
#pragma once

#include <cstdint>
#include <string>

namespace yStandalone
{
enum class yViewerAction
{
    None,    // listed in the help only: another part of the window takes the key
    ToggleA, // the panel's channel toggles, in order
    ToggleB,
    ToggleC,
    ToggleD,
    NextModel,
    PreviousModel,
    FitView,
    ActualSize,
    PanelZoom, // 100 % and 200 % in turn
    PanelZoomIn,
    PanelZoomOut,
    Undo,
    Redo,
    Help,
    OpenFile,
};

struct yShortcut
{
    int32_t key;        // SDL key code; 0 for a help-only line
    uint32_t modifiers; // ZT_Modifier_ bits, matched exactly
    yViewerAction action;
    const char* keys; // as the help shows them
    const char* about;
};

class yViewerShortcuts
{
  public:
    // The action of the key with exactly these modifiers; None when it has none.
    static yViewerAction Find(int32_t key, uint32_t modifiers);
    // One line for each shortcut: its keys and what it does.
    static std::string Help();
};
} // namespace yStandalone
