// A text box whose text can be edited with the mouse and the keyboard. A
// mouse-up activates it; a click elsewhere, enter or return ends the edit.
#pragma once

#include "ui/yUITextBox.h"

class yUITextEdit : public yUITextBox
{
public:
    // Key codes of the editing keys, as the event context reports them.
    static constexpr short kKeyHome = 1;
    static constexpr short kKeyEnter = 3;
    static constexpr short kKeyEnd = 4;
    static constexpr short kKeyBackspace = 8;
    static constexpr short kKeyTab = 9;
    static constexpr short kKeyPageUp = 11;
    static constexpr short kKeyPageDown = 12;
    static constexpr short kKeyReturn = 13;
    static constexpr short kKeyLeft = 28;
    static constexpr short kKeyRight = 29;
    static constexpr short kKeyUp = 30;
    static constexpr short kKeyDown = 31;
    static constexpr short kKeyDelete = 127;
    // Cursor numbers while editing and while idle.
    static constexpr short kCursorEditing = 2;
    static constexpr short kCursorIdle = 1;

    yUITextEdit();

    void Draw() override;
    void MouseDown() override;
    void MouseUp() override;
    void KeyDown() override;
    void KeyRepeat() override;
    // Editing on, the whole text selected.
    void Activate() override;
    // Editing off, the scroll back at the start.
    void Deactivate() override;

    virtual void MoveToStart(bool extend);
    virtual void MoveToEnd(bool extend);
    virtual void MoveLeft(bool extend);
    virtual void MoveRight(bool extend);
    virtual void DeleteForward();
    virtual void DeleteBackward();
    // Filters the character and inserts it at the caret, over the selection;
    // refused when the text is at its maximum length.
    virtual void InsertChar(char c);
    virtual void SelectWord();
    virtual void SelectAll();
    virtual void Cut();
    virtual void Copy();
    virtual void Paste();

    void SetEditable(bool editable) { m_editable = editable; }
    bool IsEditable() const { return m_editable; }
    bool IsEditing() const { return m_editing; }
    long GetCaret() const { return m_caret; }
    // Signed: negative when the selection lies left of the caret.
    long GetSelection() const { return m_selection; }
    // Puts the caret at index and the selection end at index + selection, clamped.
    void SetCaret(long index, long selection = 0);
    long GetScrollOffset() const { return m_scroll; }
    // The selected characters.
    yString GetSelectedText() const;

protected:
    // Runs the editing action of the context's key.
    void HandleKey();
    // The text index nearest to a panel x.
    long IndexAtX(long x) const;
    // A press inside the edit: a triple click selects all, a double click
    // the word at the caret; a single click places the caret, or with Shift
    // extends the selection to the mouse.
    void SelectFromMouse();

private:
    long SelectionStart() const;
    long SelectionEnd() const;
    void ClampCaret();
    // Deletes the selection, when there is one; true when it did.
    bool DeleteSelection();
    // Stores edited text, announces it and keeps the caret in view.
    void ReplaceText(const yString& text);
    void ScrollToCaret();

    bool m_editable = true;
    bool m_editing = false;
    long m_caret = 0;
    long m_selection = 0;
    short m_lastKey = 0;
    long m_scroll = 0;
};
