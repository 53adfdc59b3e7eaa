// The pointer over the layer view asks for the pixel probe.
#include "standalone/viewer/yViewerWindow.h"

#include <cmath>

namespace yStandalone
{
void yViewerWindow::PostProbe(int x, int y)
{
    double ix = 0, iy = 0;
    m_view.ToImage(m_layout.layer, m_frame.imageWidth, m_frame.imageHeight, x, y, ix, iy);
    yViewerJob job;
    job.kind = yViewerJob::Probe;
    job.x = std::floor(ix), job.y = std::floor(iy);
    m_worker.Post(job);
}
} // namespace yStandalone
