// A number edit that looks like plain centred text until it is clicked, and
// passes drags on to its owner so that the owner can scrub the value.
#pragma once

#include "ui/yUINumberEdit.h"

class yUINumberEditHidden : public yUINumberEdit
{
public:
    // Broadcast by the contained text when it changes; the edit resizes to it.
    static constexpr char kTextChangeCommand[] = "yUINumberEditHidden Text Change";
    // Room beside the text when the edit fits itself to it.
    static constexpr long kTextPadding = 10;

    yUINumberEditHidden();

    void ReceiveCommand(const yString& command) override;
    // As a text edit while it is open and the target; otherwise it closes.
    void MouseDown() override;
    // A click opens it, a drag does not.
    void MouseUp() override;

    // A sunken, filled edit box with the number selected.
    void ShowFrame();
    // Plain text again; the typed number is read back.
    void HideFrame();

    // A fixed-size edit keeps its size when the text changes.
    void SetFixedSize(bool fixed) { m_fixedSize = fixed; }
    bool IsFixedSize() const { return m_fixedSize; }

private:
    bool m_fixedSize = false;
};
