// A single line of text that sizes itself to its string.
#pragma once

#include "ui/yUIBaseControl.h"

class yUIText : public yUIBaseControl
{
public:
    static constexpr long kDefaultMaxLength = 256;

    yUIText();

    void Draw() override;
    // The stored position minus the text offset (the edit's scroll).
    yPointL GetPosition() const override;

    // A different text is cut to the maximum length, stored, measured and
    // announced with the change command; the same text changes nothing.
    virtual void SetText(const yString& text);
    const yString& GetText() const { return m_text; }

    void SetMaxLength(long maxLength);
    long GetMaxLength() const { return m_maxLength; }

    void SetTextOffset(const yPointL& offset) { m_textOffset = offset; }
    const yPointL& GetTextOffset() const { return m_textOffset; }

    // Width: the measured text; height: the font height plus 2.
    void FitSize();
    // Width in pixels of the text's first `count` characters in the port's font.
    long MeasurePrefix(long count) const;
    // The port's font height; 12 without a port.
    long GetFontHeight() const;

private:
    yString m_text;
    yPointL m_textOffset;
    long m_maxLength = kDefaultMaxLength;
};
