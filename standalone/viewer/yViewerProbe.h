// The pixel probe: one source pixel and its values in the chosen colour
// model. The host converts no colours itself; a second instance of the
// effect, given the same host parameters, renders a 1x1 layer holding the
// pixel and the bin each channel fills is the model's value.
#pragma once

#include <memory>
#include <string>

namespace yStandalone
{
class yRenderSession;

class yViewerProbe
{
  public:
    yViewerProbe();
    ~yViewerProbe();
    yViewerProbe(const yViewerProbe&) = delete;
    yViewerProbe& operator=(const yViewerProbe&) = delete;

    // The line for the status bar on the pixel (x, y) of source's input,
    // "x, y  RGB 8-bit 12 34 56 255  HSV Hue 10 Saturation 200 Value 56"; the
    // second instance is set up on first use.
    bool Probe(const std::string& modulePath, yRenderSession& source, int x, int y, std::string& line,
               std::string& error);

  private:
    std::unique_ptr<yRenderSession> m_session;
};
} // namespace yStandalone
