#include "ui/yUISliderWNumbers.h"

#include "ui/yUIEventContext.h"

#include <cmath>

namespace {

void Show(yUINumberEditHidden& number, bool visible)
{
    if (number.IsVisible() == visible)
        return;
    number.Invalidate(true);
    number.SetVisible(visible);
    number.Invalidate(true);
}

} // namespace

yUISliderWNumbers::yUISliderWNumbers()
{
    m_staticNumber.SetName("Themed Slider Static Number Display");
    m_staticNumber.SetAnchor(0.5f, 0.0f);
    m_staticNumber.SetDisabledColor(yColor8(255, 180, 180, 180));
    m_staticNumber.SetMouseDragCommand(kNumberDragCommand);
    m_staticNumber.SetMouseDownCommand(kThumbDownCommand);
    m_staticNumber.SetMouseUpCommand(kStaticMouseUpCommand);
    // Typing into the static number commits like the active number does.
    m_staticNumber.SetActivateCommand(kStaticActivateCommand);
    m_staticNumber.SetDeactivateCommand(kStaticDeactivateCommand);

    m_activeNumber.SetName("Themed Slider Active Number Display");
    m_activeNumber.SetAnchor(0.5f, 0.0f);
    m_activeNumber.SetHitTarget(false);
    m_activeNumber.SetActivateCommand(kActiveActivateCommand);
    m_activeNumber.SetDeactivateCommand(kActiveDeactivateCommand);
    m_activeNumber.SetVisible(false);

    for (yUINumberEditHidden* number : {&m_staticNumber, &m_activeNumber})
    {
        number->SetForeColor(m_numberColor);
        number->yUINumberFormat::SetDecimals(m_decimals);
        number->AddListener(this);
        // A number is centred on its thumb: at either end of the slider half
        // of it lies outside, and it is drawn whole all the same.
        number->SetClipToParent(false);
        AddChild(*number);
    }
    SetNormalizedValue(GetNormalizedValue());
}

void yUISliderWNumbers::SetDecimals(unsigned char decimals)
{
    m_decimals = decimals;
    for (yUINumberEditHidden* number : {&m_staticNumber, &m_activeNumber})
    {
        number->yUINumberFormat::SetDecimals(decimals);
        number->SetNumber(GetValue());
    }
}

void yUISliderWNumbers::SetNumberDistance(long distance)
{
    m_numberDistance = distance;
    Layout();
}

void yUISliderWNumbers::SetStaticPlace(float place)
{
    m_staticPlace = std::isnan(place) ? 0.0f : (place < 0.0f ? 0.0f : (place > 1.0f ? 1.0f : place));
    Layout();
}

void yUISliderWNumbers::SetNumberColors(const yColor8& color, const yColor8& pale)
{
    m_numberColor = color;
    m_paleColor = pale;
}

void yUISliderWNumbers::SetNormalizedValue(const float& position)
{
    yUISlider::SetNormalizedValue(position);
    m_staticNumber.SetNumber(GetValue());
    m_activeNumber.SetNumber(GetValue());
}

void yUISliderWNumbers::ReceiveCommand(const yString& command)
{
    yUISlider::ReceiveCommand(command);
    if (command == kActiveActivateCommand)
    {
        m_activeNumber.SetHitTarget(true);
        BroadcastCommand(m_numberActivateCommand);
    }
    else if (command == kActiveDeactivateCommand)
    {
        m_activeNumber.SetHitTarget(false);
        SetValue(m_activeNumber.GetNumber());
        BroadcastCommand(m_numberDeactivateCommand);
    }
    else if (command == kStaticActivateCommand)
    {
        m_activeNumber.SetForeColor(m_numberColor);
        BroadcastCommand(m_numberActivateCommand);
    }
    else if (command == kStaticDeactivateCommand)
    {
        SetValue(m_staticNumber.GetNumber());
        BroadcastCommand(m_numberDeactivateCommand);
    }
    else if (command == kNumberDragCommand)
    {
        Drag();
        BroadcastCommand(m_dragCommand);
    }
    else if (command == kStaticMouseUpCommand)
    {
        BroadcastCommand(m_upCommand);
    }
}

yColor8 yUISliderWNumbers::BlendedColor() const
{
    // Near the static number the thumb's own number covers it, so it fades.
    float weight = std::fabs(m_position - m_staticPlace) * 2.0f;
    if (weight > 1.0f)
        weight = 1.0f;
    auto mix = [weight](yMath::U8 pale, yMath::U8 full) {
        return static_cast<yMath::U8>(pale + (static_cast<float>(full) - pale) * weight + 0.5f);
    };
    return yColor8(255, mix(m_paleColor.red, m_numberColor.red), mix(m_paleColor.green, m_numberColor.green),
                   mix(m_paleColor.blue, m_numberColor.blue));
}

void yUISliderWNumbers::UpdateNumberDisplays()
{
    yUIEventContext* context = GetEventContext();
    const yUIBaseControl* target = context ? context->target : nullptr;
    const bool editing = m_activeNumber.IsEditing();
    if (target == &m_thumb || target == &m_staticNumber || target == &m_activeNumber)
    {
        if (m_hoverMode)
            Show(m_staticNumber, false);
        if (editing)
        {
            Show(m_activeNumber, true);
        }
        else if (target == &m_staticNumber)
        {
            Show(m_activeNumber, false);
            m_staticNumber.SetForeColor(m_numberColor);
        }
        else
        {
            Show(m_activeNumber, true);
            if (m_staticNumber.IsVisible())
                m_staticNumber.SetForeColor(BlendedColor());
        }
    }
    else if (m_hoverMode)
    {
        Show(m_activeNumber, true);
        Show(m_staticNumber, false);
    }
    else if (!editing)
    {
        Show(m_activeNumber, false);
        m_staticNumber.SetForeColor(m_numberColor);
    }
}

void yUISliderWNumbers::Draw()
{
    UpdateNumberDisplays();
    yUISlider::Draw();
}

void yUISliderWNumbers::Layout()
{
    yUISlider::Layout();
    const long fixed = static_cast<long>(m_staticPlace * static_cast<float>(GetLength()));
    const long moving = PositionToCoordinate(m_position);
    if (m_orientation == kHorizontal)
    {
        m_staticNumber.SetPosition(yPointL(fixed, m_numberDistance));
        m_activeNumber.SetPosition(yPointL(moving, m_numberDistance));
    }
    else
    {
        m_staticNumber.SetPosition(yPointL(m_numberDistance, fixed));
        m_activeNumber.SetPosition(yPointL(m_numberDistance, moving));
    }
}
