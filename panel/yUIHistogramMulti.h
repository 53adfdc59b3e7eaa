// The histogram view: one vertical line per pixel column, each showing up to
// four channels as coloured, additively mixed bars or as one black bar, with
// the selected values in the highlight colour. A passive widget: the panel
// sets its state, feeds it the histogram and interprets the clicks on it.
#pragma once

#include "panel/yHistogramColumns.h"
#include "panel/yHistogramStrokes.h"
#include "ui/yUIBox.h"

#include "effect/color/zelHistogramAccumulator.h"

#include <cstdint>

class yUIHistogramMulti : public yUIBox
{
public:
    yUIHistogramMulti();

    // The view takes no commands.
    void ReceiveCommand(const yString& command) override;
    // Box, columns, then the frame again over them; the empty state (no
    // statistics or no channel shown) is the filled box with a cross.
    void Draw() override;

    // Switches between 8-bit and 16-bit bins, converting the selection bins.
    void SetDeep(bool deep);
    bool IsDeep() const { return m_deep; }

    zelTonescope::zelHistogramAccumulator& GetAccumulator() { return m_accumulator; }
    const zelTonescope::zelHistogramAccumulator& GetAccumulator() const { return m_accumulator; }
    yHistogramColumns& GetColumns() { return m_columns; }
    const yHistogramColumns& GetColumns() const { return m_columns; }

    // Resamples the bins range[0]..range[1] into N + 1 columns.
    bool BuildColumns(const unsigned long& columnCount, const unsigned long range[2]);
    uint32_t GetColumnValue(const unsigned long& column) const { return m_columns.GetColumnValue(column); }
    // The scale at which the highest peak of the flagged channels is `target` pixels tall.
    double GetAutoScale(const bool& a, const bool& b, const bool& c, const bool& d, const unsigned long& target) const;

    void SetColorModel(short model) { m_colorModel = model; }
    short GetColorModel() const { return m_colorModel; }
    void SetDisplayInColor(bool on) { m_displayInColor = on; }
    bool GetDisplayInColor() const { return m_displayInColor; }
    void SetChannelShown(int channel, bool shown);
    bool IsChannelShown(int channel) const;
    const bool* GetChannelsShown() const { return m_shown; }
    void SetSelection(uint32_t first, uint32_t last)
    {
        m_selectionFirst = first;
        m_selectionLast = last;
    }
    uint32_t GetSelectionFirst() const { return m_selectionFirst; }
    uint32_t GetSelectionLast() const { return m_selectionLast; }
    void SetSelectionShown(bool shown) { m_selectionShown = shown; }
    bool IsSelectionShown() const { return m_selectionShown; }
    // The colour of selected columns (the box's own highlight colour is its bevel's).
    void SetSelectionColor(const yColor8& color) { m_highlight = color; }
    const yColor8& GetSelectionColor() const { return m_highlight; }
    // The colour of a column holding only `channel` at the 8-bit value v, as drawn now.
    yColor8 GetBarColor(int channel, yMath::U8 v) const;

private:
    void DrawColumns();
    // Colours and mode of the columns; the vertical extent is left to the caller.
    yHistogramColumnStyle ColumnStyle() const;

    zelTonescope::zelHistogramAccumulator m_accumulator;
    yHistogramColumns m_columns;
    short m_colorModel = 1;
    bool m_displayInColor = false;
    bool m_shown[4] = {true, true, true, true};
    bool m_deep = false;
    uint32_t m_selectionFirst = 0;
    uint32_t m_selectionLast = 0;
    bool m_selectionShown = false;
    yColor8 m_highlight{255, 0, 0, 0};
};
