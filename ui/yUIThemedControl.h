// A control drawn from a picture strip: four frames of equal height stacked
// in one image, one per state. Without a picture it draws an outlined cross.
#pragma once

#include "ui/yUIBaseControl.h"
#include "ui/yUIImageResource.h"

class yUIThemedControl : public yUIImageResource, public yUIBaseControl
{
public:
    // Bands as source rectangles, numbered from the top of the rectangle
    // list. The compositing reads source rows from the bottom of the picture,
    // so band 4 shows the picture's top quarter and band 1 its bottom one.
    static constexpr int kBandDisabled = 1;
    static constexpr int kBandDown = 2; // also the drag look
    static constexpr int kBandOver = 3;
    static constexpr int kBandNormal = 4;

    yUIThemedControl();

    void Draw() override;
    // Each does what the base control does and redraws at once.
    void MouseOver() override;
    void MouseDown() override;
    void MouseUp() override;
    // A new picture gets its bands computed again.
    void SetImage(yDrawPort* image) override;

    virtual void DrawNormal();
    virtual void DrawDown();
    virtual void DrawOver();
    virtual void DrawDrag();
    virtual void DrawDisabled();

    // Replaces band 1..4 by a rectangle of the owner's; from then on the
    // bands are no longer computed from the picture.
    void SetBand(int band, const yRect& rect);
    // The source rectangle of band 1..4 (computed from the picture when needed).
    yRect GetBand(int band);

protected:
    // Composites band 1..4 onto the control's rectangle, or the placeholder cross.
    void DrawBand(int band);

private:
    void ComputeBands();

    yRect m_bands[4];
    bool m_bandsComputed = false;
    bool m_customBands = false;
};
