#include "ui/yUITextEdit.h"

#include "draw/yDrawPort.h"
#include "draw/yDrawingScope.h"
#include "ui/yUIEventContext.h"

#include <cstdlib>
#include <optional>

namespace {

const yColor8 kEditFill{255, 250, 250, 0};
const yColor8 kCaretColor{255, 0, 0, 0};
// The selection band, from above the glyphs to below them, relative to the
// top of the glyphs.
constexpr long kSelectionTop = -2;
constexpr long kSelectionBottom = 11;
// The glyphs start this far below the top of the text's rectangle.
constexpr long kGlyphTop = 2;

bool Inside(const yRect& r, const yPointL& p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

} // namespace

yUITextEdit::yUITextEdit()
{
    SetName("yUITextEdit");
    SetCursor(kCursorIdle);
}

long yUITextEdit::SelectionStart() const
{
    return m_selection < 0 ? m_caret + m_selection : m_caret;
}

long yUITextEdit::SelectionEnd() const
{
    return m_selection < 0 ? m_caret : m_caret + m_selection;
}

void yUITextEdit::ClampCaret()
{
    const long length = GetText().GetLength();
    if (m_caret < 0)
        m_caret = 0;
    if (m_caret > length)
        m_caret = length;
    if (m_caret + m_selection < 0)
        m_selection = -m_caret;
    if (m_caret + m_selection > length)
        m_selection = length - m_caret;
}

void yUITextEdit::SetCaret(long index, long selection)
{
    m_caret = index;
    m_selection = selection;
    ClampCaret();
    ScrollToCaret();
}

yString yUITextEdit::GetSelectedText() const
{
    const long start = SelectionStart();
    return GetText().Substring(static_cast<int>(start), static_cast<int>(SelectionEnd() - start));
}

void yUITextEdit::ReplaceText(const yString& text)
{
    const yString before = GetText();
    m_text.SetText(text);
    Layout();
    ClampCaret();
    if (GetText() != before)
        BroadcastCommand(GetChangeCommand());
}

bool yUITextEdit::DeleteSelection()
{
    if (m_selection == 0)
        return false;
    const long start = SelectionStart();
    yString text = GetText();
    text.Clear(start, std::labs(m_selection));
    m_caret = start;
    m_selection = 0;
    ReplaceText(text);
    return true;
}

void yUITextEdit::MoveToStart(bool extend)
{
    if (extend)
    {
        m_selection = -m_caret;
    }
    else
    {
        m_caret = 0;
        m_selection = 0;
    }
}

void yUITextEdit::MoveToEnd(bool extend)
{
    const long length = GetText().GetLength();
    if (extend)
    {
        m_selection = length - m_caret;
    }
    else
    {
        m_caret = length;
        m_selection = 0;
    }
}

void yUITextEdit::MoveLeft(bool extend)
{
    if (extend)
    {
        --m_selection;
        return;
    }
    if (m_selection != 0)
        m_caret = SelectionStart();
    else
        --m_caret;
    m_selection = 0;
}

void yUITextEdit::MoveRight(bool extend)
{
    if (extend)
    {
        ++m_selection;
        return;
    }
    if (m_selection != 0)
        m_caret = SelectionEnd();
    else
        ++m_caret;
    m_selection = 0;
}

void yUITextEdit::DeleteForward()
{
    if (DeleteSelection())
        return;
    yString text = GetText();
    if (m_caret >= text.GetLength())
        return;
    text.Clear(m_caret);
    ReplaceText(text);
}

void yUITextEdit::DeleteBackward()
{
    if (DeleteSelection() || m_caret <= 0)
        return;
    yString text = GetText();
    const long at = m_caret - 1;
    text.Clear(at);
    m_caret = at;
    ReplaceText(text);
}

void yUITextEdit::InsertChar(char c)
{
    const char filtered = FilterChar(c);
    if (filtered == 0 || GetText().GetLength() >= m_text.GetMaxLength() || GetText().GetLength() >= yString::kMaxLength)
        return;
    DeleteSelection();
    yString text = GetText();
    text.Insert(m_caret, filtered);
    ++m_caret;
    ReplaceText(text);
}

void yUITextEdit::SelectWord()
{
    const yPointL range = GetText().GetWordRange(m_caret);
    m_caret = range.x;
    m_selection = range.y + 1 - range.x;
    ClampCaret();
}

void yUITextEdit::SelectAll()
{
    m_caret = 0;
    m_selection = GetText().GetLength();
}

void yUITextEdit::Copy()
{
    yUIEventContext* context = GetEventContext();
    if (context && m_selection != 0)
        context->clipboard = GetSelectedText();
}

void yUITextEdit::Cut()
{
    Copy();
    if (GetEventContext())
        DeleteSelection();
}

void yUITextEdit::Paste()
{
    yUIEventContext* context = GetEventContext();
    if (!context)
        return;
    const yString clip = context->clipboard;
    DeleteSelection();
    yString text = GetText();
    const long limit = m_text.GetMaxLength() < yString::kMaxLength ? m_text.GetMaxLength() : yString::kMaxLength;
    for (int i = 0; i < clip.GetLength() && text.GetLength() < limit; ++i)
    {
        if (char c = FilterChar(clip[i]))
        {
            text.Insert(m_caret, c);
            ++m_caret;
        }
    }
    ReplaceText(text);
}

void yUITextEdit::HandleKey()
{
    yUIEventContext* context = GetEventContext();
    if (!context || !m_editing)
        return;
    const short key = context->key;
    m_lastKey = key;
    if (context->control || context->command)
    {
        if (!context->shift && !context->alt)
        {
            switch (key)
            {
            case 'a':
            case 'A':
                SelectAll();
                break;
            case 'c':
            case 'C':
                Copy();
                break;
            case 'v':
            case 'V':
                Paste();
                break;
            case 'x':
            case 'X':
                Cut();
                break;
            default:
                break;
            }
        }
    }
    else
    {
        switch (key)
        {
        case kKeyHome:
        case kKeyPageUp:
            MoveToStart(false);
            break;
        case kKeyEnd:
        case kKeyPageDown:
            MoveToEnd(false);
            break;
        case kKeyUp:
            MoveToStart(context->shift);
            break;
        case kKeyDown:
            MoveToEnd(context->shift);
            break;
        case kKeyLeft:
            MoveLeft(context->shift);
            break;
        case kKeyRight:
            MoveRight(context->shift);
            break;
        case kKeyDelete:
            DeleteForward();
            break;
        case kKeyBackspace:
            DeleteBackward();
            break;
        case kKeyEnter:
        case kKeyReturn:
            Deactivate();
            return;
        case kKeyTab:
            break;
        default:
            // Codes beyond one byte are no characters.
            if (key > 0 && key < 256)
                InsertChar(static_cast<char>(key));
            break;
        }
    }
    ClampCaret();
    ScrollToCaret();
    Invalidate(true);
}

void yUITextEdit::KeyDown()
{
    HandleKey();
}

void yUITextEdit::KeyRepeat()
{
    HandleKey();
}

void yUITextEdit::ScrollToCaret()
{
    long visible = GetScaledWidth() - 2 * kTextInset;
    if (visible < 1)
        visible = 1;
    const long caretX = m_text.MeasurePrefix(m_caret);
    if (caretX - m_scroll > visible)
        m_scroll = caretX - visible;
    if (caretX < m_scroll)
        m_scroll = caretX;
    m_text.SetTextOffset(yPointL(m_scroll, 0));
}

long yUITextEdit::IndexAtX(long x) const
{
    const long relative = x - m_text.GetScreenRect().left + m_scroll;
    const long length = GetText().GetLength();
    long best = 0;
    long bestDistance = std::labs(relative);
    for (long i = 1; i <= length; ++i)
    {
        const long width = m_text.MeasurePrefix(i);
        const long distance = std::labs(width - relative);
        if (distance < bestDistance)
        {
            best = i;
            bestDistance = distance;
        }
        if (width > relative)
            break;
    }
    return best;
}

void yUITextEdit::Activate()
{
    if (!m_editable)
        return;
    m_editing = true;
    SelectAll();
    SetCursor(kCursorEditing);
    yUITextBox::Activate();
}

void yUITextEdit::Deactivate()
{
    m_editing = false;
    m_selection = 0;
    m_scroll = 0;
    m_text.SetTextOffset(yPointL(0, 0));
    SetCursor(kCursorIdle);
    yUITextBox::Deactivate();
}

void yUITextEdit::SelectFromMouse()
{
    yUIEventContext* context = GetEventContext();
    if (!context)
        return;
    if (context->tripleClick)
    {
        SelectAll();
    }
    else if (context->doubleClick)
    {
        SelectWord();
    }
    else
    {
        const long index = IndexAtX(context->mousePosition.x);
        if (context->shift)
        {
            m_selection = index - m_caret;
        }
        else
        {
            m_caret = index;
            m_selection = 0;
        }
    }
    ClampCaret();
    ScrollToCaret();
}

void yUITextEdit::MouseDown()
{
    yUIEventContext* context = GetEventContext();
    if (m_editing && context)
    {
        if (Inside(GetHitRect(), context->mousePosition))
            SelectFromMouse();
        else
            Deactivate();
    }
    yUITextBox::MouseDown();
    Invalidate(true);
}

void yUITextEdit::MouseUp()
{
    yUIEventContext* context = GetEventContext();
    if (!m_editing)
    {
        if (!IsDisabledInHierarchy())
            Activate();
    }
    else if (context && !Inside(GetHitRect(), context->mousePosition))
    {
        Deactivate();
    }
    yUITextBox::MouseUp();
}

void yUITextEdit::Draw()
{
    yDrawPort* port = GetDrawPort();
    const bool overlay = m_editing && port && CanDraw() && IsVisibleInHierarchy();
    // The overlay's pass runs over the box's own drawing and ends with it.
    std::optional<yDrawingScope> pass;
    if (overlay)
    {
        const yRect hit = GetHitRect();
        pass.emplace(*port, yDrawingScope::kEndPass);
        port->SetClipRect(GetClipRect());
        port->SetDrawOffset(yPointL(hit.left, hit.top));
        port->SetForeColor(kEditFill);
        port->Fill(yRect(0, 0, hit.Height(), hit.Width()));
    }
    yUITextBox::Draw();
    if (!overlay)
        return;

    const yRect textRect = m_text.GetScreenRect();
    const yRect content = m_content.GetClipRect();
    port->BeginDrawing(); // on again, should drawing the box have ended the pass
    port->SetClipRect(content);
    const long textLeft = textRect.left - m_scroll;
    port->SetDrawOffset(yPointL(textLeft, textRect.top + kGlyphTop));
    if (m_selection == 0)
    {
        const short x = static_cast<short>(m_text.MeasurePrefix(m_caret));
        port->SetForeColor(kCaretColor);
        port->Line(x, 0, x, static_cast<short>(m_text.GetFontHeight()));
    }
    else
    {
        const long start = SelectionStart();
        const long end = SelectionEnd();
        const long left = m_text.MeasurePrefix(start);
        const long right = end >= GetText().GetLength() ? content.right - textLeft : m_text.MeasurePrefix(end);
        port->SetForeColor(kEditFill);
        port->Fill(yRect(kSelectionTop, left, kSelectionBottom, right));
        m_text.Draw();
    }
}
