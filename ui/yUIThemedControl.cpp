#include "ui/yUIThemedControl.h"

#include "draw/yDrawingScope.h"
#include "ui/yUIEventContext.h"

namespace {

const yColor8 kWhite{255, 255, 255, 255};
const yColor8 kPlaceholder{255, 0, 0, 0};

} // namespace

yUIThemedControl::yUIThemedControl()
{
    SetName("yUIThemedControl");
    SetMargins(0, 0, 0, 0);
    SetUseMargins(true);
}

void yUIThemedControl::SetImage(yDrawPort* image)
{
    yUIImageResource::SetImage(image);
    m_bandsComputed = false;
}

void yUIThemedControl::SetBand(int band, const yRect& rect)
{
    if (band < 1 || band > 4)
        return;
    m_bands[band - 1] = rect;
    m_customBands = true;
    m_bandsComputed = true;
}

yRect yUIThemedControl::GetBand(int band)
{
    if (band < 1 || band > 4)
        return yRect();
    ComputeBands();
    return m_bands[band - 1];
}

void yUIThemedControl::ComputeBands()
{
    yDrawPort* image = GetImage();
    if (m_bandsComputed || m_customBands || !image)
        return;
    const int32_t width = static_cast<int32_t>(image->GetWidth());
    const int32_t quarter = static_cast<int32_t>(image->GetHeight() / 4);
    for (int i = 0; i < 4; ++i)
        m_bands[i] = yRect(quarter * i, 0, quarter * (i + 1), width);
    m_bandsComputed = true;
}

void yUIThemedControl::DrawBand(int band)
{
    yDrawPort* port = GetDrawPort();
    const yRect screen = GetScreenRect();
    if (!port || screen.IsEmpty())
        return;
    yDrawPort* image = GetImage();
    if (!image)
    {
        port->BeginDrawing();
        port->SetDrawOffset(yPointL(screen.left, screen.top));
        port->SetForeColor(kPlaceholder);
        port->OutlineX(yRect(0, 0, screen.Height(), screen.Width()));
        return;
    }
    ComputeBands();
    yRect source = m_bands[band - 1];
    // Never read beyond the band: a control larger than its frame shows the
    // frame once, from its top-left corner.
    yRect destination = screen;
    if (destination.Width() > source.Width())
        destination.right = destination.left + source.Width();
    if (destination.Height() > source.Height())
        destination.bottom = destination.top + source.Height();
    if (source.Width() > destination.Width())
        source.right = source.left + destination.Width();
    if (source.Height() > destination.Height())
        source.top = source.bottom - destination.Height();
    image->CompositeTo(port, destination, source, 1.0f, yDrawPort::kModeBlend);
}

void yUIThemedControl::DrawNormal()
{
    DrawBand(kBandNormal);
}

void yUIThemedControl::DrawDown()
{
    DrawBand(kBandDown);
}

void yUIThemedControl::DrawOver()
{
    DrawBand(kBandOver);
}

void yUIThemedControl::DrawDrag()
{
    DrawBand(kBandDown);
}

void yUIThemedControl::DrawDisabled()
{
    DrawBand(kBandDisabled);
}

void yUIThemedControl::Draw()
{
    yDrawPort* port = GetDrawPort();
    if (CanDraw() && IsVisibleInHierarchy() && port && GetInvalidates())
    {
        ComputeBands();
        // Compositing a picture into the port ends its pass: a caller's pass is begun again.
        yDrawingScope pass(*port, yDrawingScope::kRestorePass);
        port->SetClipRect(GetClipRect());
        port->SetDrawOffset(GetScreenPosition());
        port->SetForeColor(kWhite);

        const bool disabled = IsDisabledInHierarchy();
        yUIEventContext* context = GetEventContext();
        bool lively = false; // the over, down or drag look was drawn
        if (IsTarget() && context && !disabled)
        {
            const yString& event = context->eventName;
            lively = true;
            if (event == kEventMouseOver)
                DrawOver();
            else if (event == kEventMouseDown)
                DrawDown();
            else if (event == kEventMouseDrag)
                IsDragEnabled() ? DrawDrag() : DrawDown();
            else
            {
                lively = false;
                DrawNormal();
            }
        }
        else if (disabled)
        {
            DrawDisabled();
        }
        else
        {
            DrawNormal();
        }
        Invalidate(lively);
    }
    yUIBaseControl::Draw();
}

void yUIThemedControl::MouseOver()
{
    yUIBaseControl::MouseOver();
    Invalidate(true);
}

void yUIThemedControl::MouseDown()
{
    yUIBaseControl::MouseDown();
    Invalidate(true);
}

void yUIThemedControl::MouseUp()
{
    yUIBaseControl::MouseUp();
    Invalidate(true);
}
