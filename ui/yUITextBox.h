// A box container holding one line of text, placed by the text's anchor.
#pragma once

#include "ui/yUIBoxContainer.h"
#include "ui/yUIText.h"

class yUITextBox : public yUIBoxContainer
{
public:
    // The content (and so the text) is inset by this many pixels on every side.
    static constexpr long kTextInset = 2;

    yUITextBox();

    // Places the text by its anchor inside the content's inset.
    void Layout() override;

    virtual void SetAutoAlign(const bool& autoAlign);
    // Filters the text, hands it to the contained text, then lays out.
    virtual void SetText(const yString& text);
    // Each character through FilterChar; refused characters are dropped.
    virtual yString FilterText(const yString& text);
    // Identity here; subclasses return 0 to refuse a character.
    virtual char FilterChar(char c);

    const yString& GetText() const { return m_text.GetText(); }
    yUIText& GetTextControl() { return m_text; }
    const yUIText& GetTextControl() const { return m_text; }

protected:
    yUIText m_text;
    bool m_autoAlign = true;
};
