// Where the panel's channel toggles stand, found through the host interface
// alone: clicks swept over a scratch instance's panel of the same size, each
// read back from the module's report of the channels it shows.
#pragma once

#include <array>
#include <memory>
#include <string>

namespace yStandalone
{
class yRenderSession;

class yViewerToggles
{
  public:
    yViewerToggles();
    ~yViewerToggles();
    yViewerToggles(const yViewerToggles&) = delete;
    yViewerToggles& operator=(const yViewerToggles&) = delete;

    // A click on the toggle of channel (0 to 3) in session's panel.
    bool Toggle(const std::string& modulePath, yRenderSession& session, int channel, std::string& error);
    // The panel point of the toggle of channel (0 to 3) on a panel of that
    // size; false with why when the sweep found none.
    bool Find(const std::string& modulePath, int panelWidth, int panelHeight, int channel, int& x, int& y,
              std::string& error);

  private:
    bool Sweep(const std::string& modulePath, std::string& error);

    int m_width = 0, m_height = 0; // the panel swept
    std::array<int, 4> m_x{}, m_y{};
    std::array<bool, 4> m_found{};
};
} // namespace yStandalone
