#include "panel/zelTonescopeUI.h"

#include "panel/zelStatisticsText.h"

#include "draw/yColorPicker.h"
#include "effect/color/zelColorModel.h"
#include "ui/yUIEventContext.h"

#include <cstdio>

namespace zelTonescope
{
namespace
{
const yColor8 kViewBackColor(0x00, 0xdb, 0xdc, 0xdf);
const yColor8 kStatusBackColor(0xff, 0xee, 0xee, 0xee);
const yColor8 kViewForeColor(0xff, 0xc8, 0xc8, 0xc8);
const yColor8 kViewOutlineColor(0xff, 0x40, 0x40, 0x40);
const yColor8 kToggleOffBack(0xff, 0xc8, 0xc8, 0xc8);
const yColor8 kToggleText(0xff, 0x00, 0x00, 0x00);
const yColor8 kToggleOnBack(0xff, 0x4b, 0x9b, 0xff);
const yColor8 kToggleDisabledText(0xff, 0x66, 0x66, 0x66);
const char kSolo[] = " Channel (control-click to solo)";
const char kScalePrefix[] = "Histogram Scale: ";
using L = zelPanelLayout;
// What a fresh panel and Reset All show.
const zelPanelSettings kDefaults{};
// The logo covers the status line's left end, so its text starts past the logo.
const long kStatusTextShift = L::kLogoLeft + L::kLogoWidth - L::kViewLeft;

// Bitmap resources of the panel's artwork.
const long kLogoImage = 3009;
const long kSelectionImage = 3023;
const long kAutoViewImage = 3010;
const long kColorImage = 3019;
const long kBlackImage = 3015;
const long kScaleThumbImage = 3008;
const long kBlackThumbImage = 3005;
const long kWhiteThumbImage = 3007;
// The view-range thumbs' pictures are 13 pixels wide, four frames of 8 rows.
const yPointL kRangeThumbSize(13, 8);

const char* const kChannelCommands[4] = {
    zelTonescopeUI::kChannelAToggleCommand, zelTonescopeUI::kChannelBToggleCommand,
    zelTonescopeUI::kChannelCToggleCommand, zelTonescopeUI::kChannelDToggleCommand};

// Controls of the top row name their bottom-right corner by their position.
void SetRowControl(yUIBaseShape& control, long width)
{
    control.SetSize(yPointL(width, L::kRowHeight));
    control.SetAnchor(1.0f, 1.0f);
}

void SetToggleLooks(yUIToggle& toggle)
{
    using Button = yUISimpleButton;
    Button::Look normal = toggle.GetLook(Button::kLookNormal);
    normal.back = kToggleOffBack;
    normal.text = kToggleText;
    toggle.SetLook(Button::kLookNormal, normal);
    Button::Look pressed = toggle.GetLook(Button::kLookPressed);
    pressed.back = kToggleOnBack;
    toggle.SetLook(Button::kLookPressed, pressed);
    Button::Look pressedHovered = toggle.GetLook(Button::kLookPressedHovered);
    pressedHovered.back = kToggleOnBack;
    toggle.SetLook(Button::kLookPressedHovered, pressedHovered);
    Button::Look disabled = toggle.GetLook(Button::kLookDisabled);
    disabled.text = kToggleDisabledText;
    toggle.SetLook(Button::kLookDisabled, disabled);
}

// Slider positions from a saved record: NaN counts as 0.
float ClampPosition(float p)
{
    return !(p > 0.0f) ? 0.0f : (p > 1.0f ? 1.0f : p);
}
} // namespace

zelTonescopeUI::zelTonescopeUI()
{
    SetName("Histogram");
    SetSize(yPointL(L::kPanelSide, L::kPanelSide));
    SetBoxStyle(kBoxNone);
    SetFillMode(kFillNone);

    m_logo.SetName("About Brindle");
    m_logo.SetPosition(yPointL(L::kLogoLeft, 0));
    m_logo.LoadImageResource(kLogoImage);
    m_logo.SetMouseDownCommand(kLogoMouseUpCommand);

    m_status.SetName("Displays Active Control Name");
    m_status.SetText(" ");
    m_status.SetSize(yPointL(120, L::kRowHeight));
    m_status.SetAnchor(0.0f, 1.0f);
    m_status.SetPosition(yPointL(L::kViewLeft, L::kRowBottom));
    m_status.SetBackColor(kStatusBackColor);
    m_status.GetTextControl().SetTextOffset(yPointL(-kStatusTextShift, 0));

    for (int k = 0; k < 4; ++k)
    {
        yUIToggle& t = m_channel[k];
        t.SetToggleMode(true);
        SetRowControl(t, L::kToggleWidth);
        t.SetMouseDownCommand(kChannelCommands[k]);
        SetToggleLooks(t);
    }
    SetColorModel(kModelRGB);

    m_showSelection.SetName("Show Selection");
    SetRowControl(m_showSelection, L::kToggleWidth);
    m_showSelection.LoadImageResource(kSelectionImage);
    m_showSelection.SetChangeCommand(kSelectionToggleCommand);

    m_swatch.SetName("Set Selection Color");
    SetRowControl(m_swatch, L::kToggleWidth);
    m_swatch.SetMouseDownCommand(kColorPickerCommand);

    m_autoView.SetName("Auto View (double-click Reset View) (triple-click Reset All)");
    SetRowControl(m_autoView, L::kAutoViewWidth);
    m_autoView.LoadImageResource(kAutoViewImage);
    m_autoView.SetMouseDownCommand(kAutoViewCommand);

    m_colorSwitch.SetName("Display In Color/Black");
    SetRowControl(m_colorSwitch, L::kColorSwitchWidth);
    m_colorImage.LoadImageResource(kColorImage);
    m_blackImage.LoadImageResource(kBlackImage);
    m_colorSwitch.AddStateImage(&m_colorImage);
    m_colorSwitch.AddStateImage(&m_blackImage);
    m_colorSwitch.SetChangeCommand(kColorChoiceCommand);

    m_histogram.SetName("Histogram Data");
    m_histogram.SetSize(yPointL(L::kViewWidth, L::kViewHeight));
    m_histogram.SetPosition(yPointL(L::kViewLeft, L::kViewTop));
    m_histogram.SetForeColor(kViewForeColor);
    m_histogram.SetBoxStyle(kBoxOutline);
    m_histogram.SetOutlineColor(kViewOutlineColor);
    m_histogram.SetMouseDownCommand(kHistogramClick);
    m_histogram.SetMouseDragCommand(kHistogramClick);
    m_histogram.SetMouseUpCommand(kHistogramClick);
    m_histogram.SetDragEnabled(true);
    m_histogram.SetDragWithoutMoving(true);

    m_scale.SetName("Histogram Scale");
    m_scale.GetThumb().SetName("Histogram Scale");
    m_scale.SetOrientation(yUISlider::kVertical);
    m_scale.SetSliderSize(L::kScaleWidth, L::kScaleLength);
    m_scale.SetPosition(yPointL(L::kViewLeft, L::kViewTop));
    m_scale.SetLogarithmic(false);
    m_scale.SetMinimum(0.0f);
    m_scale.SetMaximum(100.0f);
    m_scale.SetClickToJump(false);
    m_scale.SetHitTarget(false);
    // The slider stands just right of the panel's 300 pixels, inside the
    // wider root region, so it must not be clipped to the panel.
    m_scale.SetClipToParent(false);
    // The thumb is centred on its place, so at either end half of it lies
    // past the slider: it is drawn whole all the same.
    m_scale.GetThumb().SetClipToParent(false);
    m_scale.GetThumb().SetSize(yPointL(8, 12));
    m_scale.GetThumb().SetAnchor(0.0f, 0.5f);
    m_scale.GetThumb().LoadImageResource(kScaleThumbImage);
    m_scale.SetChangeCommand(kScaleSliderChange);

    m_range.SetName("View Ranges (hold control key to pan)");
    m_range.SetPosition(yPointL(L::kViewLeft + L::kRangeInset, L::kViewTop + L::kViewHeight));
    m_range.SetSize(yPointL(L::kViewWidth - L::kRangeInset, L::kRangeHeight));
    const struct
    {
        yUISliderWNumbers& part;
        const char* name;
        long image;
    } parts[] = {{m_range.GetBlack(), "View Ranges: Black (hold control key to pan)", kBlackThumbImage},
                 {m_range.GetWhite(), "View Ranges: White (hold control key to pan)", kWhiteThumbImage}};
    for (const auto& p : parts)
    {
        // The thumb carries the part's name, so the status line names it too.
        p.part.SetName(p.name);
        p.part.GetThumb().SetName(p.name);
        p.part.GetThumb().SetSize(kRangeThumbSize);
        p.part.GetThumb().LoadImageResource(p.image);
    }

    yUIBaseControl* children[] = {&m_histogram,  &m_status,     &m_logo,          &m_channel[0], &m_channel[1],
                                  &m_channel[2], &m_channel[3], &m_showSelection, &m_swatch,     &m_colorSwitch,
                                  &m_autoView,   &m_scale,      &m_range};
    for (yUIBaseControl* child : children)
    {
        AddChild(*child);
        child->AddListener(this);
    }

    ApplyDefaultLooks();
    for (int k = 0; k < 4; ++k)
        m_histogram.SetChannelShown(k, m_channel[k].IsOn());
    m_scale.SetNormalizedValue(kDefaults.scale);
    m_range.GetBlack().SetNormalizedValue(kDefaults.viewStart);
    m_range.GetWhite().SetNormalizedValue(kDefaults.viewEnd);
    Layout();
}

void zelTonescopeUI::ApplyDefaultLooks()
{
    for (int k = 0; k < 4; ++k)
        SetChannel(k, kDefaults.channelOn[k]);
    m_colorSwitch.SetState(kInColorState);
    m_colorSwitch.UpdateState();
    m_histogram.SetSelection(static_cast<uint32_t>(kDefaults.selectionFirst),
                             static_cast<uint32_t>(kDefaults.selectionLast));
    SetSelectionToggle(kDefaults.selectionShown);
    m_histogram.SetBackColor(kViewBackColor);
    ApplyHighlight(kDefaults.highlight);
}

void zelTonescopeUI::ApplyHighlight(const yColor8& color)
{
    m_histogram.SetSelectionColor(color);
    m_swatch.SetColor(color);
}

void zelTonescopeUI::SetChannel(int channel, bool on)
{
    yUIToggle& t = m_channel[channel];
    t.SetOn(on);
    t.Invalidate(true);
    t.BroadcastCommand(t.GetChangeCommand());
}

void zelTonescopeUI::SetSelectionToggle(bool on)
{
    m_showSelection.SetOn(on);
    m_showSelection.Invalidate(true);
    m_showSelection.BroadcastCommand(m_showSelection.GetChangeCommand());
}

unsigned long zelTonescopeUI::ViewWidth() const
{
    const long w = m_histogram.GetScaledWidth();
    return w > 0 ? static_cast<unsigned long>(w) : 0;
}

void zelTonescopeUI::SetColorModel(const short& model)
{
    for (int k = 0; k < 4; ++k)
    {
        const zelChannelCaption caption = zelColorModel::Caption(model, k);
        m_channel[k].SetText(caption.label);
        m_channel[k].SetName(yString(caption.name) + kSolo);
    }
    if (m_histogram.GetColorModel() != model)
        m_histogram.SetColorModel(model);
}

bool zelTonescopeUI::BeginHistogram(const bool& deep, const unsigned long& sampledPixels)
{
    zelHistogramAccumulator& acc = m_histogram.GetAccumulator();
    acc.SetDivisor(zelHistogramAccumulator::DivisorFor(deep, static_cast<int64_t>(sampledPixels)));
    m_range.SetDeep(deep);
    m_histogram.SetDeep(deep);
    return acc.Prepare(deep ? zelHistogramAccumulator::kHighest16 : zelHistogramAccumulator::kHighest8);
}

void zelTonescopeUI::EndHistogram()
{
    m_histogram.GetAccumulator().ComputeStatistics();
}

uint32_t zelTonescopeUI::GetFirstShownBin() const
{
    const zelHistogramAccumulator& acc = m_histogram.GetAccumulator();
    int32_t first[4];
    for (int k = 0; k < 4; ++k)
        first[k] = acc.GetStats(k).first;
    return FirstShownBin(first, m_histogram.GetChannelsShown());
}

uint32_t zelTonescopeUI::GetLastShownBin() const
{
    const zelHistogramAccumulator& acc = m_histogram.GetAccumulator();
    int32_t last[4];
    for (int k = 0; k < 4; ++k)
        last[k] = acc.GetStats(k).last;
    return LastShownBin(last, m_histogram.GetChannelsShown());
}

uint32_t zelTonescopeUI::GetPeakShownBin() const
{
    const zelHistogramAccumulator& acc = m_histogram.GetAccumulator();
    uint32_t peak[4];
    for (int k = 0; k < 4; ++k)
        peak[k] = acc.GetStats(k).peakBin;
    return PeakShownBin(peak, m_histogram.GetChannelsShown());
}

void zelTonescopeUI::UpdateStatistics()
{
    const zelHistogramAccumulator& acc = m_histogram.GetAccumulator();
    zelStatisticsInput in;
    in.selectionShown = m_showSelection.IsOn();
    in.selectionFirst = m_histogram.GetSelectionFirst();
    in.selectionLast = m_histogram.GetSelectionLast();
    for (int k = 0; k < 4; ++k)
        in.shown[k] = m_histogram.IsChannelShown(k);
    in.bins = acc.GetBins();
    in.binCount = in.bins ? acc.GetBinCount() : 0;
    in.total = acc.GetTotal();
    if (!in.selectionShown)
    {
        in.firstShownBin = GetFirstShownBin();
        in.peakShownBin = GetPeakShownBin();
        in.lastShownBin = GetLastShownBin();
    }
    m_histogram.SetName(BuildStatisticsText(in));
}

void zelTonescopeUI::ResetView()
{
    m_range.GetBlack().SetNormalizedValue(kDefaults.viewStart);
    m_range.GetWhite().SetNormalizedValue(kDefaults.viewEnd);
    const double scale = m_histogram.GetAutoScale(m_channel[0].IsOn(), m_channel[1].IsOn(), m_channel[2].IsOn(),
                                                  m_channel[3].IsOn(), kAutoScaleTarget);
    m_scale.SetValue(static_cast<float>(scale));
    UpdateStatistics();
}

void zelTonescopeUI::AutoView()
{
    ResetView();
    m_range.GetBlack().SetValue(static_cast<float>(GetFirstShownBin()));
    m_range.GetWhite().SetValue(static_cast<float>(GetLastShownBin()) + 1.0f);
}

void zelTonescopeUI::ResetAll()
{
    ApplyDefaultLooks();
    ResetView();
}

void zelTonescopeUI::SetSwatchEnabled(bool enabled)
{
    if (m_swatch.IsDisabled() != enabled)
        return;
    m_swatch.Invalidate(true);
    m_swatch.SetDisabled(!enabled);
    m_swatch.Layout();
}

void zelTonescopeUI::ChannelCommand(int channel)
{
    const yUIEventContext* ec = GetEventContext();
    const bool modifier = ec && (ec->control || ec->alt || ec->shift || ec->command);
    if (modifier)
    {
        // Solo: the others go off, or all come back when they were all off.
        bool othersOff = true;
        for (int k = 0; k < 4; ++k)
            if (k != channel && m_channel[k].IsOn())
                othersOff = false;
        for (int k = 0; k < 4; ++k)
            if (k != channel)
                SetChannel(k, othersOff);
        SetChannel(channel, true);
    }
    m_histogram.SetChannelShown(channel, m_channel[channel].IsOn());
}

void zelTonescopeUI::HistogramClick()
{
    const yUIEventContext* ec = GetEventContext();
    if (!ec)
        return;
    const bool down = ec->eventName == kEventMouseDown;
    const long mouseX = down ? ec->downPositions[0].x : ec->mousePosition.x;
    const long x = mouseX - m_histogram.GetScreenPosition().x;
    if (ec->eventName == kEventMouseUp && ec->tripleClick)
        ResetAll();

    if (m_showSelection.IsOn())
    {
        const long n = static_cast<long>(ViewWidth());
        const long column = x > n ? n : (x < 1 ? 1 : x);
        const uint32_t v = m_histogram.GetColumnValue(static_cast<unsigned long>(column));
        uint32_t first = m_histogram.GetSelectionFirst();
        uint32_t last = m_histogram.GetSelectionLast();
        if (down && !ec->shift)
            m_anchor = first = last = v;
        else if (down)
        {
            // Shift extends the selection; its other end becomes the anchor.
            if (v > first)
            {
                last = v;
                m_anchor = first;
            }
            else
            {
                first = v;
                m_anchor = last;
            }
        }
        else if (v >= m_anchor)
        {
            first = m_anchor;
            last = v;
        }
        else
        {
            first = v;
            last = m_anchor;
        }
        m_histogram.SetSelection(first, last);
    }
    UpdateStatistics();
}

void zelTonescopeUI::ReceiveCommand(const yString& command)
{
    if (command == kChannelAToggleCommand)
        ChannelCommand(0);
    else if (command == kChannelBToggleCommand)
        ChannelCommand(1);
    else if (command == kChannelCToggleCommand)
        ChannelCommand(2);
    else if (command == kChannelDToggleCommand)
        ChannelCommand(3);
    else if (command == kLogoMouseUpCommand)
    {
        // The plug-in object, listening to the panel, shows its About box.
    }
    else if (command == kAutoViewCommand)
    {
        const yUIEventContext* ec = GetEventContext();
        if (ec && ec->tripleClick)
            ResetAll();
        else if (ec && ec->doubleClick)
            ResetView();
        else
            AutoView();
    }
    else if (command == kSelectionToggleCommand)
    {
        m_histogram.SetSelectionShown(m_showSelection.IsOn());
        SetSwatchEnabled(m_showSelection.IsOn());
    }
    else if (command == kColorPickerCommand)
        ApplyHighlight(SystemColorPicker(m_swatch.GetColor()));
    else if (command == kColorChoiceCommand)
    {
        if (m_colorSwitch.GetState() == 0)
            m_histogram.SetDisplayInColor(true);
        else if (m_colorSwitch.GetState() == 1)
            m_histogram.SetDisplayInColor(false);
    }
    else if (command == kHistogramClick)
        HistogramClick();
    BroadcastCommand(command);
}

void zelTonescopeUI::Draw()
{
    if (!CanDraw() || !IsVisibleInHierarchy() || GetDrawPort() == nullptr)
        return;
    m_histogram.SetSelectionShown(m_showSelection.IsOn());
    for (int k = 0; k < 4; ++k)
        m_histogram.SetChannelShown(k, m_channel[k].IsOn());

    const unsigned long range[2] = {static_cast<unsigned long>(m_range.GetBlack().GetValue()),
                                    static_cast<unsigned long>(m_range.GetWhite().GetValue())};
    if (!m_histogram.BuildColumns(ViewWidth(), range))
        m_status.SetText(kOutOfMemoryText);
    else
    {
        m_histogram.SetDisplayInColor(m_colorSwitch.GetState() == 0);
        m_histogram.GetColumns().SetScale(m_scale.GetValue());

        const yUIEventContext* ec = GetEventContext();
        const yUIBaseControl* target = ec ? ec->target : nullptr;
        if (target != nullptr && target == &m_scale.GetThumb())
        {
            char number[64];
            std::snprintf(number, sizeof number, "%.8f", static_cast<double>(m_scale.GetValue()));
            const yString name = yString(kScalePrefix) + number;
            m_scale.SetName(name);
            m_scale.GetThumb().SetName(name);
        }
        // The status line names the control under the mouse.
        if (target == nullptr || IsDisabledInHierarchy())
            m_status.SetText(GetName());
        else
            m_status.SetText(target->GetName());
    }
    yUIBox::Draw();
}

void zelTonescopeUI::Layout()
{
    const long w = static_cast<long>(ViewWidth());
    // The scale slider's left edge shares the view's last column.
    m_scale.SetPosition(yPointL(L::kViewLeft + w - 1, L::kViewTop));

    // The top row is packed from the view's right edge; neighbours share a column.
    yUIBaseShape* row[] = {&m_autoView,   &m_colorSwitch, &m_swatch,     &m_showSelection,
                           &m_channel[3], &m_channel[2],  &m_channel[1], &m_channel[0]};
    yPointL at(L::kViewLeft + w, L::kRowBottom);
    for (yUIBaseShape* control : row)
    {
        control->SetPosition(at);
        at.x -= control->GetScaledWidth() - 1;
    }
    const long leftOfA = m_channel[0].GetPosition().x - m_channel[0].GetScaledWidth() + 1;
    m_status.SetSize(yPointL(leftOfA, L::kRowHeight));
    // The view-range slider ends one column short of the scale slider.
    m_range.SetSize(yPointL(w - L::kRangeInset - 1, L::kRangeHeight));
}

zelPanelSettings zelTonescopeUI::GetSettings() const
{
    zelPanelSettings s;
    for (int k = 0; k < 4; ++k)
        s.channelOn[k] = m_channel[k].IsOn();
    s.viewStart = m_range.GetBlack().GetNormalizedValue();
    s.viewEnd = m_range.GetWhite().GetNormalizedValue();
    s.scale = m_scale.GetNormalizedValue();
    s.selectionShown = m_showSelection.IsOn();
    s.highlight = m_histogram.GetSelectionColor();
    s.swatch = m_swatch.GetColor();
    s.selectionFirst = static_cast<int32_t>(m_histogram.GetSelectionFirst());
    s.selectionLast = static_cast<int32_t>(m_histogram.GetSelectionLast());
    return s;
}

void zelTonescopeUI::ApplySettings(const zelPanelSettings& s)
{
    // Black (twice) before white, so that neither thumb pushes the other
    // away from its saved place.
    m_range.GetBlack().SetNormalizedValue(ClampPosition(s.viewStart));
    m_range.GetBlack().SetNormalizedValue(ClampPosition(s.viewStart));
    m_range.GetWhite().SetNormalizedValue(ClampPosition(s.viewEnd));
    m_scale.SetNormalizedValue(ClampPosition(s.scale));
    for (int k = 0; k < 4; ++k)
    {
        m_channel[k].SetOn(s.channelOn[k]);
        m_channel[k].BroadcastCommand(m_channel[k].GetMouseDownCommand());
    }
    m_showSelection.SetOn(s.selectionShown);
    m_showSelection.BroadcastCommand(m_showSelection.GetChangeCommand());
    m_histogram.SetSelectionColor(s.highlight);
    m_swatch.SetColor(s.swatch);
    // A negative bin in a damaged record selects from bin 0.
    m_histogram.SetSelection(static_cast<uint32_t>(s.selectionFirst < 0 ? 0 : s.selectionFirst),
                             static_cast<uint32_t>(s.selectionLast < 0 ? 0 : s.selectionLast));
}
} // namespace zelTonescope
