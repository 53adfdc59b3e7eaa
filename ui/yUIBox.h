// A control that draws a filled rectangle with one of seven border styles.
// Frames, panels and the backgrounds of text boxes and buttons are boxes.
#pragma once

#include "ui/yUIBaseControl.h"

class yUIBox : public yUIBaseControl
{
public:
    // Border styles.
    static constexpr short kBoxNone = 0;
    static constexpr short kBoxRaised = 1;
    static constexpr short kBoxSunken = 2;
    static constexpr short kBoxOutline = 3;
    static constexpr short kBoxOutlineRaised = 4;
    static constexpr short kBoxOutlineSunken = 5;
    static constexpr short kBoxDoubleOutline = 6; // grey outline with a white one inside
    // Fill modes.
    static constexpr short kFillNone = 0;
    static constexpr short kFillCross = 1;
    static constexpr short kFillSolid = 2;
    static constexpr short kFillSolidCross = 3;

    yUIBox();

    void Draw() override;

    // Values outside the tables are ignored.
    virtual void SetBoxStyle(const short& style);
    virtual void SetFillMode(const short& mode);
    // Style 6 draws its outer outline in the outline colour instead of grey.
    virtual void SetBoxFlag(bool outlineSwitch);
    virtual void SetShadowColor(const yColor8& color);
    virtual void SetHighlightColor(const yColor8& color);
    virtual void SetOutlineColor(const yColor8& color);

    // An extra outline in the ring colour, drawn while the box is enabled.
    void SetHighlightRing(bool on) { m_highlightRing = on; }
    void SetRingColor(const yColor8& color) { m_ringColor = color; }

    short GetBoxStyle() const { return m_boxStyle; }
    short GetFillMode() const { return m_fillMode; }
    bool GetBoxFlag() const { return m_outlineSwitch; }
    bool GetHighlightRing() const { return m_highlightRing; }
    const yColor8& GetShadowColor() const { return m_shadowColor; }
    const yColor8& GetHighlightColor() const { return m_highlightColor; }
    const yColor8& GetOutlineColor() const { return m_outlineColor; }
    const yColor8& GetRingColor() const { return m_ringColor; }

protected:
    // Draws the fill and border of the box into its port, without the children.
    void DrawBox();

private:
    short m_boxStyle = kBoxNone;
    short m_fillMode = kFillSolid;
    bool m_outlineSwitch = false;
    bool m_highlightRing = false;
    yColor8 m_shadowColor{255, 128, 128, 128};
    yColor8 m_highlightColor{255, 250, 250, 250};
    yColor8 m_outlineColor{255, 0, 0, 0};
    yColor8 m_ringColor{255, 255, 0, 0};
};
