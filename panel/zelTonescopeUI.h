// The effect's own panel: the histogram view with its channel toggles, the
// scale and view-range sliders, the selection controls and the status line.
// It builds the control tree, places the controls, turns their commands into
// changes of the view and offers the render the calls that fill the histogram.
#pragma once

#include "panel/yUIBlackWhiteSlider.h"
#include "panel/yUIHistogramMulti.h"
#include "panel/yUIThemedMulti.h"

#include "ui/yUIColorSwatch.h"
#include "ui/yUIImageResource.h"
#include "ui/yUIMiniLogo.h"
#include "ui/yUISlider.h"
#include "ui/yUITextBox.h"
#include "ui/yUIThemedButton.h"
#include "ui/yUIThemedToggle.h"
#include "ui/yUIToggle.h"

#include <cstdint>

namespace zelTonescope
{
// The panel values saved with the effect, as the panel holds them. A value
// made with no arguments holds what a fresh panel and Reset All show.
struct zelPanelSettings
{
    bool channelOn[4] = {true, true, true, false};
    float viewStart = 0.0f; // positions 0..1 along the view-range track
    float viewEnd = 1.0f;
    float scale = 0.25f; // position 0..1 of the scale slider
    bool selectionShown = true;
    yColor8 highlight{0xff, 0x4b, 0x9b, 0xff};
    yColor8 swatch{0xff, 0x4b, 0x9b, 0xff};
    int32_t selectionFirst = 0;
    int32_t selectionLast = 0;
};

// Where the panel's controls stand, in panel pixels. The top row's controls
// are packed leftward from the view's right edge, neighbours sharing a column.
struct zelPanelLayout
{
    static constexpr long kPanelSide = 300; // the panel is square
    static constexpr long kViewLeft = 40;   // the histogram view's outline
    static constexpr long kViewTop = 19;
    static constexpr long kViewWidth = 260;
    static constexpr long kViewHeight = 256;
    static constexpr long kRowHeight = 17;   // the top row and the status line
    static constexpr long kRowBottom = 20;   // the top row's bottom edge
    static constexpr long kToggleWidth = 17; // channel and selection toggles, swatch
    static constexpr long kColorSwitchWidth = 25;
    static constexpr long kAutoViewWidth = 31;
    static constexpr long kLogoLeft = 38;
    static constexpr long kLogoWidth = 32;
    static constexpr long kScaleWidth = 20; // the scale slider, along the view's right edge
    static constexpr long kScaleLength = 253;
    static constexpr long kRangeInset = 2; // the view-range slider, under the view
    static constexpr long kRangeHeight = 20;
};

class zelTonescopeUI : public yUIBox
{
public:
    static constexpr char kChannelAToggleCommand[] = "ChannelAToggleCommand";
    static constexpr char kChannelBToggleCommand[] = "ChannelBToggleCommand";
    static constexpr char kChannelCToggleCommand[] = "ChannelCToggleCommand";
    static constexpr char kChannelDToggleCommand[] = "ChannelDToggleCommand";
    static constexpr char kLogoMouseUpCommand[] = "LogoMouseUpCommand";
    static constexpr char kAutoViewCommand[] = "AutoViewCommand";
    static constexpr char kSelectionToggleCommand[] = "SelectionToggleCommand";
    static constexpr char kColorPickerCommand[] = "yUISystemColorPicker Color Picker";
    static constexpr char kColorChoiceCommand[] = "ColorChoiceCommand";
    static constexpr char kHistogramClick[] = "HistogramClick";
    static constexpr char kScaleSliderChange[] = "ScaleSliderChange";
    static constexpr char kOutOfMemoryText[] = "OUT OF MEMORY: Cannot allocate buffer";
    // The tallest shown peak is drawn this many pixels tall by ResetView.
    static constexpr unsigned long kAutoScaleTarget = 256;
    // The colour switch's state for coloured bars (1 draws them black).
    static constexpr unsigned long kInColorState = 0;

    zelTonescopeUI();

    void ReceiveCommand(const yString& command) override;
    // Copies the controls into the view, resamples its columns, names the
    // control under the mouse in the status line, then draws the tree.
    void Draw() override;
    // Packs the top row from the right edge of the view and sizes the sliders.
    void Layout() override;

    // Channels A, B, C on and D off, colour display, selection 0..0 shown,
    // default colours, whole range.
    virtual void ResetAll();
    // Whole range, and the scale that makes the highest shown peak 256 pixels tall.
    virtual void ResetView();
    // The shown channels' non-empty range, rescaled.
    virtual void AutoView();

    // Called by the render, in this order. BeginHistogram is false when the
    // bins cannot be allocated.
    bool BeginHistogram(const bool& deep, const unsigned long& sampledPixels);
    void AddSample(uint32_t a, uint32_t b, uint32_t c, uint32_t d) { m_histogram.GetAccumulator().AddSample(a, b, c, d); }
    void EndHistogram();
    // Toggle labels and names for the colour model (RGB's for unknown models).
    void SetColorModel(const short& model);

    // Puts the statistics text into the view's node name.
    void UpdateStatistics();
    uint32_t GetFirstShownBin() const;
    uint32_t GetLastShownBin() const;
    uint32_t GetPeakShownBin() const;

    // What the render reads: the view's copies, refreshed from the controls
    // at every draw and by the commands.
    bool IsChannelShown(int channel) const { return m_histogram.IsChannelShown(channel); }
    bool IsSelectionShown() const { return m_histogram.IsSelectionShown(); }
    uint32_t GetSelectionFirst() const { return m_histogram.GetSelectionFirst(); }
    uint32_t GetSelectionLast() const { return m_histogram.GetSelectionLast(); }
    const yColor8& GetHighlightColor() const { return m_histogram.GetSelectionColor(); }
    zelHistogramAccumulator& GetAccumulator() { return m_histogram.GetAccumulator(); }

    // The persistent values, read from the controls.
    zelPanelSettings GetSettings() const;
    // Restores saved values in the order a fresh panel needs: slider
    // positions (clamped to 0..1), each channel toggle with its command, the
    // selection toggle with its command, the colours, the selection bins.
    void ApplySettings(const zelPanelSettings& settings);

    yUIHistogramMulti& GetHistogram() { return m_histogram; }
    const yUIHistogramMulti& GetHistogram() const { return m_histogram; }
    yUIToggle& GetChannelToggle(int channel) { return m_channel[channel & 3]; }
    const yUIToggle& GetChannelToggle(int channel) const { return m_channel[channel & 3]; }
    yUIThemedToggle& GetSelectionToggle() { return m_showSelection; }
    const yUIThemedToggle& GetSelectionToggle() const { return m_showSelection; }
    yUIColorSwatch& GetSwatch() { return m_swatch; }
    const yUIColorSwatch& GetSwatch() const { return m_swatch; }
    yUIThemedButton& GetAutoViewButton() { return m_autoView; }
    yUIThemedMulti& GetColorSwitch() { return m_colorSwitch; }
    yUISlider& GetScaleSlider() { return m_scale; }
    const yUISlider& GetScaleSlider() const { return m_scale; }
    yUIBlackWhiteSlider& GetRangeSlider() { return m_range; }
    const yUIBlackWhiteSlider& GetRangeSlider() const { return m_range; }
    yUITextBox& GetStatusLine() { return m_status; }
    yUIMiniLogo& GetLogo() { return m_logo; }
    uint32_t GetSelectionAnchor() const { return m_anchor; }

private:
    // The defaults a fresh panel and Reset All share: channels, colour switch,
    // selection and its toggle, colours.
    void ApplyDefaultLooks();
    void ChannelCommand(int channel);
    // Sets a toggle and has it broadcast its change command.
    void SetChannel(int channel, bool on);
    void SetSelectionToggle(bool on);
    void HistogramClick();
    void SetSwatchEnabled(bool enabled);
    void ApplyHighlight(const yColor8& color);
    // The view's width times its horizontal scale: the column count N.
    unsigned long ViewWidth() const;

    uint32_t m_anchor = 0;
    yUIMiniLogo m_logo;
    yUITextBox m_status;
    yUIToggle m_channel[4];
    yUIThemedToggle m_showSelection;
    yUIColorSwatch m_swatch;
    yUIThemedButton m_autoView;
    yUIThemedMulti m_colorSwitch;
    yUIImageResource m_colorImage;
    yUIImageResource m_blackImage;
    yUIHistogramMulti m_histogram;
    yUISlider m_scale;
    yUIBlackWhiteSlider m_range;
};
} // namespace zelTonescope
