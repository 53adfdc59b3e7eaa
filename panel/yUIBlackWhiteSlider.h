// The "View Ranges" control: one track with a black thumb (the low end of the
// displayed range) and a white thumb (the high end), each with its number.
// Holding Control shows a bar between the thumbs that pans both; holding Alt
// makes the same bar widen or narrow the range around its centre.
#pragma once

#include "ui/yUIBox.h"
#include "ui/yUISliderWNumbers.h"

class yUIBlackWhiteSlider : public yUIBaseControl
{
public:
    static constexpr char kBlackDown[] = "yUIBlackWhiteSlider_BlackDown";
    static constexpr char kBlackUp[] = "yUIBlackWhiteSlider_BlackUp";
    static constexpr char kBlackDrag[] = "yUIBlackWhiteSlider_BlackDrag";
    static constexpr char kBlackValue[] = "yUIBlackWhiteSlider_BlackValue";
    static constexpr char kBlackActivate[] = "yUIBlackWhiteSlider_BlackActivate";
    static constexpr char kBlackDeactivate[] = "yUIBlackWhiteSlider_BlackDeactivate";
    static constexpr char kWhiteDown[] = "yUIBlackWhiteSlider_WhiteDown";
    static constexpr char kWhiteUp[] = "yUIBlackWhiteSlider_WhiteUp";
    static constexpr char kWhiteDrag[] = "yUIBlackWhiteSlider_WhiteDrag";
    static constexpr char kWhiteValue[] = "yUIBlackWhiteSlider_WhiteValue";
    static constexpr char kWhiteActivate[] = "yUIBlackWhiteSlider_WhiteActivate";
    static constexpr char kWhiteDeactivate[] = "yUIBlackWhiteSlider_WhiteDeactivate";
    static constexpr char kUniUp[] = "yUIBlackWhiteSlider_UniUp";
    static constexpr char kUniDrag[] = "yUIBlackWhiteSlider_UniDrag";
    static constexpr char kUniDown[] = "yUIBlackWhiteSlider_UniDown";
    // Length of each part's track in pixels.
    static constexpr long kTrackLength = 255;
    // Bar cursors: pan with Control, spread with Alt.
    static constexpr short kPanCursor = 0;
    static constexpr short kSpreadCursor = 1;

    yUIBlackWhiteSlider();

    void ReceiveCommand(const yString& command) override;
    // Control shows the pan bar, Alt the spread bar, neither hides it.
    void ModifiersChanged() override;
    // The bracket under the bar while it shows, then the parts.
    void Draw() override;
    // Each thumb (and its number) follows its part's value.
    void Layout() override;
    // Range 0..100, black at the start and white at the end.
    void Reset() override;
    void Refresh() override;

    // Maximum 255, or 32768 when deep; the thumbs keep their places.
    void SetDeep(const bool& deep);

    yUISliderWNumbers& GetBlack() { return m_black; }
    yUISliderWNumbers& GetWhite() { return m_white; }
    const yUISliderWNumbers& GetBlack() const { return m_black; }
    const yUISliderWNumbers& GetWhite() const { return m_white; }
    yUIBox& GetUniformBar() { return m_bar; }
    bool IsSpreadMode() const { return m_spread; }
    // Panel x of a part's thumb (the middle of its picture).
    long ThumbX(const yUISliderWNumbers& part) const;

private:
    void SetPartEnabled(yUISliderWNumbers& part, bool enabled);
    void ShowBar();
    void HideBar();
    void UniformDrag();
    void SetMaximum(float maximum);

    bool m_spread = false;
    long m_dragStartX = 0;
    yUISliderWNumbers m_black;
    yUISliderWNumbers m_white;
    yUIBox m_bar;
};
