#include "standalone/viewer/yViewerShortcuts.h"

#include "host/sdk/ZT_HostPlatform.h"

#include <SDL.h>

#include <algorithm>

namespace yStandalone
{
namespace
{
constexpr uint32_t kShift = ZT_Modifier_SHIFT, kCtrl = ZT_Modifier_CONTROL;

const yShortcut kShortcuts[] = {
    {SDLK_m, 0, yViewerAction::NextModel, "M", "next colour model"},
    {SDLK_m, kShift, yViewerAction::PreviousModel, "Shift+M", "previous colour model"},
    {SDLK_1, 0, yViewerAction::ToggleA, "1 2 3 4", "the panel's channel toggles"},
    {SDLK_2, 0, yViewerAction::ToggleB, "", ""},
    {SDLK_3, 0, yViewerAction::ToggleC, "", ""},
    {SDLK_4, 0, yViewerAction::ToggleD, "", ""},
    {SDLK_f, 0, yViewerAction::FitView, "F", "fit the image in the layer view"},
    {SDLK_z, 0, yViewerAction::ActualSize, "Z", "the image at 100 %"},
    {SDLK_0, kCtrl, yViewerAction::ActualSize, "Ctrl+0", "the image at 100 %"},
    {SDLK_p, 0, yViewerAction::PanelZoom, "P", "the panel at 100 % or 200 %"},
    {SDLK_PLUS, kCtrl, yViewerAction::PanelZoomIn, "Ctrl+plus", "the panel at 200 %"},
    // Plus as the main keyboard types it, with or without Shift, and the keypad's.
    {SDLK_EQUALS, kCtrl, yViewerAction::PanelZoomIn, "", ""},
    {SDLK_EQUALS, kCtrl | kShift, yViewerAction::PanelZoomIn, "", ""},
    {SDLK_KP_PLUS, kCtrl, yViewerAction::PanelZoomIn, "", ""},
    {SDLK_KP_MINUS, kCtrl, yViewerAction::PanelZoomOut, "", ""},
    {SDLK_MINUS, kCtrl, yViewerAction::PanelZoomOut, "Ctrl+minus", "the panel at 100 %"},
    {SDLK_z, kCtrl, yViewerAction::Undo, "Ctrl+Z", "undo"},
    {SDLK_z, kCtrl | kShift, yViewerAction::Redo, "Ctrl+Shift+Z", "redo"},
    {SDLK_y, kCtrl, yViewerAction::Redo, "Ctrl+Y", "redo"},
    {SDLK_o, kCtrl, yViewerAction::OpenFile, "Ctrl+O", "choose an image to open"},
    {SDLK_F1, 0, yViewerAction::Help, "F1", "this help"},
    {0, 0, yViewerAction::None, "Left/Right", "previous/next frame"},
    {0, 0, yViewerAction::None, "Home/End", "first/last frame"},
    {SDLK_F12, 0, yViewerAction::None, "F12", "the screenshot, when one is named"},
    {0, 0, yViewerAction::None, "(on the panel)", "letters and digits go to the panel's open number"},
};
} // namespace

yViewerAction yViewerShortcuts::Find(int32_t key, uint32_t modifiers)
{
    for (const yShortcut& s : kShortcuts)
        if (s.key != 0 && s.key == key && s.modifiers == modifiers) return s.action;
    return yViewerAction::None;
}

std::string yViewerShortcuts::Help()
{
    std::string out;
    for (const yShortcut& s : kShortcuts)
    {
        std::string keys = s.keys;
        if (keys.empty()) continue;
        keys.resize(std::max<size_t>(keys.size() + 1, 16), ' ');
        out += "  " + keys + s.about + "\n";
    }
    return out;
}
} // namespace yStandalone
