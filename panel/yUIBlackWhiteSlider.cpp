#include "panel/yUIBlackWhiteSlider.h"

#include "draw/yDrawPort.h"
#include "draw/yDrawingScope.h"
#include "ui/yUIEventContext.h"

namespace
{
const yColor8 kBracketColor(0xff, 0x66, 0x66, 0x66);
// The bar covers the thumbs' row; the bracket hangs from y 6 to y 10.
const long kBarHeight = 10;
const short kBracketTop = 6;
const short kBracketBottom = 10;
const float kMax8 = 255.0f;
const float kMax16 = 32768.0f;
const float kResetMax = 100.0f;
// A spread drag of this many pixels doubles (or, leftward, closes) the bar.
const float kSpreadPixels = 100.0f;

struct PartCommands
{
    const char* down;
    const char* up;
    const char* drag;
    const char* value;
    const char* activate;
    const char* deactivate;
};

void SetUpPart(yUISliderWNumbers& part, const char* name, const PartCommands& commands)
{
    part.SetName(name);
    part.GetThumb().SetName("Input Slider");
    part.GetStaticNumber().SetName(yString(name) + " Static Number");
    part.GetActiveNumber().SetName(yString(name) + " Active Number");
    part.SetSize(yPointL(yUIBlackWhiteSlider::kTrackLength, 30));
    part.SetMouseDownCommand(commands.down);
    part.SetMouseUpCommand(commands.up);
    part.SetMouseDragCommand(commands.drag);
    part.SetChangeCommand(commands.value);
    part.SetNumberActivateCommand(commands.activate);
    part.SetNumberDeactivateCommand(commands.deactivate);
}
} // namespace

yUIBlackWhiteSlider::yUIBlackWhiteSlider()
{
    SetName("yUIBlackWhiteSlider");
    SetUpPart(m_black, "Input Black",
              {kBlackDown, kBlackUp, kBlackDrag, kBlackValue, kBlackActivate, kBlackDeactivate});
    SetUpPart(m_white, "Input White",
              {kWhiteDown, kWhiteUp, kWhiteDrag, kWhiteValue, kWhiteActivate, kWhiteDeactivate});
    // Each part shows its resting number at its own end of the track.
    m_white.SetStaticPlace(1.0f);

    m_bar.SetName("Uniform Slider Drag");
    m_bar.SetBoxStyle(yUIBox::kBoxOutline);
    m_bar.SetFillMode(yUIBox::kFillNone);
    m_bar.SetVisible(false);
    m_bar.SetDragEnabled(true);
    m_bar.SetScaled(true);
    // The bar's position is its centre, so a spread keeps it in place.
    m_bar.SetAnchor(0.5f, 0.0f);
    m_bar.SetKeepInsideParent(false);
    m_bar.SetMouseUpCommand(kUniUp);
    m_bar.SetMouseDragCommand(kUniDrag);
    m_bar.SetMouseDownCommand(kUniDown);

    for (yUIBaseControl* child : {static_cast<yUIBaseControl*>(&m_black), static_cast<yUIBaseControl*>(&m_white),
                                  static_cast<yUIBaseControl*>(&m_bar)})
    {
        child->AddListener(this);
        AddChild(*child);
    }
    SetSize(yPointL(255, 50));
    // 8-bit bins until the first render says otherwise.
    SetMaximum(kMax8);
    m_black.SetNormalizedValue(0.0f);
    m_white.SetNormalizedValue(1.0f);
}

void yUIBlackWhiteSlider::SetPartEnabled(yUISliderWNumbers& part, bool enabled)
{
    if (part.IsDisabled() != enabled)
        return;
    part.Invalidate(true);
    part.SetDisabled(!enabled);
    part.Layout();
}

long yUIBlackWhiteSlider::ThumbX(const yUISliderWNumbers& part) const
{
    return part.GetThumb().GetScreenPosition().x;
}

void yUIBlackWhiteSlider::ReceiveCommand(const yString& command)
{
    if (command == kBlackActivate || command == kBlackDrag)
        SetPartEnabled(m_white, false);
    else if (command == kBlackDeactivate || command == kBlackUp)
        SetPartEnabled(m_white, true);
    else if (command == kWhiteActivate || command == kWhiteDrag)
        SetPartEnabled(m_black, false);
    else if (command == kWhiteDeactivate || command == kWhiteUp)
        SetPartEnabled(m_black, true);
    else if (command == kBlackValue || command == kWhiteValue)
    {
        // Whichever thumb moved pushes the other along, so black never passes white.
        if (m_black.GetNormalizedValue() > m_white.GetNormalizedValue())
        {
            if (command == kBlackValue)
                m_white.SetNormalizedValue(m_black.GetNormalizedValue());
            else
                m_black.SetNormalizedValue(m_white.GetNormalizedValue());
        }
        Layout();
        BroadcastCommand(GetChangeCommand());
    }
    else if (command == kBlackDown)
        m_black.MakeThisLastSibling();
    else if (command == kWhiteDown)
        m_white.MakeThisLastSibling();
    else if (command == kUniDown)
    {
        if (m_spread && GetEventContext())
        {
            m_dragStartX = GetEventContext()->downPositions[0].x;
            // A release outside the bar never reached it, so it may still be
            // spread from the last drag: start again from the thumbs.
            if (m_bar.GetScale().x != 1.0f)
                ShowBar();
        }
    }
    else if (command == kUniDrag)
        UniformDrag();
    else if (command == kUniUp)
    {
        HideBar();
        const yUIEventContext* ec = GetEventContext();
        if (ec && (ec->alt || ec->command))
            ShowBar();
    }
}

void yUIBlackWhiteSlider::ModifiersChanged()
{
    const yUIEventContext* ec = GetEventContext();
    if (ec && ec->command)
    {
        m_spread = false;
        m_bar.SetCursor(kPanCursor);
        m_bar.SetDragWithoutMoving(false);
        ShowBar();
    }
    else if (ec && ec->alt)
    {
        m_spread = true;
        m_bar.SetCursor(kSpreadCursor);
        // A spread widens the bar in place: the drag must not carry it along.
        m_bar.SetDragWithoutMoving(true);
        ShowBar();
    }
    else
        HideBar();
    yUIBaseControl::ModifiersChanged();
}

void yUIBlackWhiteSlider::ShowBar()
{
    const long left = ThumbX(m_black);
    const long right = ThumbX(m_white);
    const long mid = static_cast<long>(left + (right - left) / 2.0);
    m_bar.Invalidate(true);
    m_bar.SetScale(yPointF(1.0f, 1.0f));
    m_bar.SetSize(yPointL(right - left, kBarHeight));
    m_bar.SetScreenPosition(yPointL(mid, GetScreenRect().top));
    m_bar.SetVisible(true);
    m_bar.Layout();
    SetPartEnabled(m_black, false);
    SetPartEnabled(m_white, false);
}

void yUIBlackWhiteSlider::HideBar()
{
    if (m_bar.IsVisible())
    {
        m_bar.Invalidate(true);
        m_bar.SetVisible(false);
        m_bar.Layout();
    }
    SetPartEnabled(m_black, true);
    SetPartEnabled(m_white, true);
}

void yUIBlackWhiteSlider::UniformDrag()
{
    const yUIEventContext* ec = GetEventContext();
    if (!ec)
        return;
    if (!m_spread)
    {
        // The bar has followed the mouse as a dragged control; only x may change.
        m_bar.SetScreenPosition(yPointL(m_bar.GetScreenPosition().x, GetScreenRect().top));
    }
    else
    {
        const long d = ec->mousePosition.x - m_dragStartX;
        float sx = 1.0f;
        if (d < 0)
            sx = 1.0f - static_cast<float>(-d < 100 ? -d : 100) / kSpreadPixels;
        else if (d > 0)
            sx = static_cast<float>(d) / kSpreadPixels + 1.0f;
        m_bar.SetScale(yPointF(sx, 1.0f));
    }
    // The thumbs go to the bar's ends as they are after this event's move or
    // spread, so they never trail the bar (and the last drag is not lost when
    // the bar is shown again at the thumbs on release).
    const long c = m_bar.GetScreenPosition().x;
    const long h = m_bar.GetScaledWidth() >> 1;
    const long y = GetScreenRect().top;
    m_white.SetNormalizedValue(m_white.ScreenToPosition(yPointL(static_cast<int32_t>(c + h), y)));
    m_black.SetNormalizedValue(m_black.ScreenToPosition(yPointL(static_cast<int32_t>(c - h), y)));
}

void yUIBlackWhiteSlider::Draw()
{
    if (!CanDraw())
        return;
    yDrawPort* port = GetDrawPort();
    if (m_bar.IsVisible() && port && IsVisibleInHierarchy())
    {
        yDrawingScope pass(*port);
        port->SetClipRect(GetClipRect());
        const yRect screen = GetScreenRect();
        port->SetDrawOffset(yPointL(screen.left, screen.top));
        const short bx = static_cast<short>(ThumbX(m_black) - screen.left);
        const short wx = static_cast<short>(ThumbX(m_white) - screen.left);
        port->SetForeColor(kBracketColor);
        port->Line(bx, kBracketTop, bx, kBracketBottom);
        port->Line(bx, kBracketBottom, wx, kBracketBottom);
        port->Line(static_cast<short>(wx - 1), kBracketTop, static_cast<short>(wx - 1), kBracketBottom);
    }
    yUIBaseControl::Draw();
    Invalidate(false);
}

void yUIBlackWhiteSlider::Layout()
{
    m_black.Layout();
    m_white.Layout();
}

void yUIBlackWhiteSlider::SetMaximum(float maximum)
{
    for (yUISliderWNumbers* part : {&m_black, &m_white})
    {
        part->SetMaximum(maximum);
        part->SetNormalizedValue(part->GetNormalizedValue());
    }
}

void yUIBlackWhiteSlider::SetDeep(const bool& deep)
{
    SetMaximum(deep ? kMax16 : kMax8);
}

void yUIBlackWhiteSlider::Reset()
{
    SetMaximum(kResetMax);
    m_black.SetNormalizedValue(0.0f);
    m_white.SetNormalizedValue(1.0f);
    Invalidate(true);
}

void yUIBlackWhiteSlider::Refresh()
{
    Invalidate(true);
}
