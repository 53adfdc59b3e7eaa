#include "tests/ui/yUIControlTestHelpers.h"

#include "platform/yPlatform.h"
#include "ui/yUINumberEdit.h"
#include "ui/yUINumberEditHidden.h"
#include "ui/yUITextEdit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Log = std::vector<std::string>;

// An edit at (10, 10), 100 by 16, opened with a click; the log hears it.
struct TextEdit : ::testing::Test
{
    ControlHarness h;
    yUITextEdit edit;
    void SetUp() override
    {
        edit.SetPosition(yPointL(10, 10));
        edit.SetSize(yPointL(100, 16));
        edit.SetActivateCommand("Open");
        edit.SetDeactivateCommand("Close");
        edit.SetChangeCommand("Edited");
        edit.SetText("hello world");
        h.Add(edit);
    }
    void Open()
    {
        h.Click(20, 18);
        h.Wait(1000);
    }
    std::string Text() const { return static_cast<const char*>(edit.GetText()); }
};

// Keys in a row on the opened edit ("hello world", all selected); after each,
// the text, the caret and the selection (negative: left of the caret).
TEST_F(TextEdit, KeysEditTheTextAndMoveTheCaret)
{
    using E = yUITextEdit;
    const uint32_t shift = yPlatform::kModifierShift, ctrl = yPlatform::kModifierControl;
    struct Step
    {
        short key;
        uint32_t modifiers;
        const char* text;
        long caret, selection;
    } const steps[] = {
        {E::kKeyLeft, 0, "hello world", 0, 0},       // a selection collapses to its left end
        {E::kKeyRight, 0, "hello world", 1, 0},      // then the caret moves
        {E::kKeyEnd, 0, "hello world", 11, 0},
        {E::kKeyHome, 0, "hello world", 0, 0},
        {E::kKeyRight, shift, "hello world", 0, 1},  // grows right
        {E::kKeyLeft, shift, "hello world", 0, 0},   // shrinks
        {E::kKeyLeft, shift, "hello world", 0, 0},   // clamped at the start
        {E::kKeyRight, 0, "hello world", 1, 0},
        {E::kKeyRight, 0, "hello world", 2, 0},
        {E::kKeyDown, shift, "hello world", 2, 9},   // to the end
        {E::kKeyRight, 0, "hello world", 11, 0},     // collapses to its right end
        {E::kKeyRight, 0, "hello world", 11, 0},     // clamped at the end
        {E::kKeyUp, shift, "hello world", 11, -11},  // to the start, left of the caret
        {E::kKeyLeft, 0, "hello world", 0, 0},
        {E::kKeyLeft, 0, "hello world", 0, 0},       // clamped
        {E::kKeyDown, 0, "hello world", 11, 0},      // without Shift, the end
        {-5, 0, "hello world", 11, 0},               // codes outside the table
        {256, 0, "hello world", 11, 0},
        {E::kKeyHome, 0, "hello world", 0, 0},
        {E::kKeyRight, shift, "hello world", 0, 1},
        {E::kKeyRight, shift, "hello world", 0, 2},
        {'c', ctrl, "hello world", 0, 2},            // copies "he"
        {'x', ctrl, "llo world", 0, 0},              // cuts
        {'b', ctrl, "llo world", 0, 0},              // any other key with Control is ignored
        {E::kKeyEnd, 0, "llo world", 9, 0},
        {'v', ctrl, "llo worldhe", 11, 0},           // pastes
        {'x', ctrl | shift, "llo worldhe", 11, 0},   // not with Shift
        {'a', ctrl, "llo worldhe", 0, 11},           // selects everything
        {'J', 0, "J", 1, 0},                         // typing replaces the selection
        {'o', 0, "Jo", 2, 0},
        {200, 0, "Jo\xc8", 3, 0},             // a byte beyond ASCII is a character
        {E::kKeyLeft, 0, "Jo\xc8", 2, 0},
        {E::kKeyBackspace, 0, "J\xc8", 1, 0},        // the character before the caret
        {E::kKeyHome, 0, "J\xc8", 0, 0},
        {E::kKeyBackspace, 0, "J\xc8", 0, 0},        // nothing before the caret
        {E::kKeyDelete, 0, "\xc8", 0, 0},
        {E::kKeyEnd, 0, "\xc8", 1, 0},
        {E::kKeyDelete, 0, "\xc8", 1, 0},            // nothing after the caret
        {'a', 0, "\xc8" "a", 2, 0},
        {E::kKeyLeft, shift, "\xc8" "a", 2, -1},
        {E::kKeyDelete, 0, "\xc8", 1, 0},            // the selection
        {E::kKeyEnter, 0, "\xc8", 1, 0},             // closes
        {'z', 0, "\xc8", 1, 0},                      // a closed edit takes no keys
    };
    Open();
    int row = 0;
    for (const Step& s : steps)
    {
        h.Hold(s.modifiers);
        h.Key(s.key);
        EXPECT_EQ(Text(), s.text) << "row " << row;
        EXPECT_EQ(edit.GetCaret(), s.caret) << "row " << row;
        EXPECT_EQ(edit.GetSelection(), s.selection) << "row " << row;
        ++row;
    }
    EXPECT_EQ(h.context.clipboard, yString("he"));
    EXPECT_FALSE(edit.IsEditing());
    // One change per key that changed the text; typing over a selection is two.
    Log expected(11, "Edited");
    expected.front() = "Open";
    expected.push_back("Close");
    EXPECT_EQ(h.log.heard, expected);
}

TEST_F(TextEdit, MaximumLengthRefusesCharactersButNotDeletions)
{
    edit.GetTextControl().SetMaxLength(5);
    edit.SetText("abcdefgh");
    EXPECT_EQ(Text(), "abcde");
    Open();
    h.Key('x'); // refused even over a selection: the text is full
    EXPECT_EQ(Text(), "abcde");
    h.Key(yUITextEdit::kKeyBackspace);
    h.Key('x');
    EXPECT_EQ(Text(), "x");
    edit.GetTextControl().SetMaxLength(1000); // the string's own limit holds as well
    edit.SetText(std::string(yString::kMaxLength, 'a').c_str());
    h.Key(yUITextEdit::kKeyHome);
    h.Key('x');
    EXPECT_EQ(Text(), std::string(yString::kMaxLength, 'a'));
    edit.GetTextControl().SetMaxLength(-3);
    edit.SetText("anything");
    EXPECT_EQ(Text(), "");
}

TEST_F(TextEdit, DoubleClickSelectsTheWordAndTripleClickEverything)
{
    h.UsePort();
    Open();
    const int x = 10 + yUITextBox::kTextInset + static_cast<int>(edit.GetTextControl().MeasurePrefix(8));
    h.Click(x, 18);
    EXPECT_EQ(edit.GetCaret(), 8);
    EXPECT_EQ(edit.GetSelection(), 0);
    h.Wait(1000);
    h.Click(x, 18);
    h.Down(x, 18);
    EXPECT_EQ(edit.GetSelectedText(), yString("world"));
    h.Up(x, 18);
    h.Down(x, 18);
    EXPECT_EQ(edit.GetSelectedText(), yString("hello world"));
    h.Up(x, 18);

    // Shift-click extends from the caret.
    h.Wait(1000);
    h.Click(10 + yUITextBox::kTextInset, 18);
    EXPECT_EQ(edit.GetCaret(), 0);
    h.Wait(1000);
    h.Hold(yPlatform::kModifierShift);
    h.Click(x, 18);
    EXPECT_EQ(edit.GetSelectedText(), yString("hello wo"));

    // A click halfway between two caret places takes the earlier one.
    h.Hold(0);
    for (long i = 1; i < 11; ++i)
    {
        const long left = edit.GetTextControl().MeasurePrefix(i), right = edit.GetTextControl().MeasurePrefix(i + 1);
        if ((right - left) % 2)
            continue;
        h.Wait(1000);
        h.Click(10 + yUITextBox::kTextInset + static_cast<int>((left + right) / 2), 18);
        EXPECT_EQ(edit.GetCaret(), i);
    }
}

TEST_F(TextEdit, LongTextScrollsToKeepTheCaretInView)
{
    h.UsePort();
    edit.SetSize(yPointL(30, 16));
    Open();
    h.Key(yUITextEdit::kKeyEnd);
    const long full = edit.GetTextControl().MeasurePrefix(11);
    EXPECT_EQ(edit.GetScrollOffset(), full - (30 - 2 * yUITextBox::kTextInset));
    h.Key(yUITextEdit::kKeyHome);
    EXPECT_EQ(edit.GetScrollOffset(), 0);
    h.Key(yUITextEdit::kKeyEnd);
    h.Key(yUITextEdit::kKeyReturn);
    EXPECT_EQ(edit.GetScrollOffset(), 0);
    EXPECT_EQ(edit.GetTextControl().GetTextOffset(), yPointL(0, 0));
}

TEST_F(TextEdit, OpenEditShowsACaretAndAYellowSelection)
{
    h.UsePort();
    Open();
    h.Draw();
    const yRect text = edit.GetTextControl().GetScreenRect();
    // The whole text is selected: the band runs to the content's right edge.
    EXPECT_EQ(h.Pixel(105, text.top + 2), yColor8(255, 250, 250, 0));
    h.Key(yUITextEdit::kKeyEnd);
    h.Draw();
    const int caret = text.left + static_cast<int>(edit.GetTextControl().MeasurePrefix(11));
    EXPECT_EQ(h.Pixel(caret, text.top + 2 + 5), yColor8(255, 0, 0, 0));
    EXPECT_EQ(h.Pixel(105, text.top + 2), yColor8(255, 200, 200, 200)); // the box's own fill again
}

TEST(yUINumberEdit, OnlyNumberCharactersAreTypedAndTheNumberIsReadBack)
{
    ControlHarness h;
    yUINumberEdit edit;
    edit.SetPosition(yPointL(10, 10));
    edit.SetSize(yPointL(80, 16));
    h.Add(edit);
    edit.SetNumber(3.25f);
    EXPECT_STREQ(edit.GetText(), "3.25");
    h.Click(20, 18);
    ASSERT_TRUE(edit.IsEditing());
    h.Key('a'); // refused, and the selection stays
    EXPECT_STREQ(edit.GetText(), "3.25");
    EXPECT_EQ(edit.GetSelection(), 4);
    for (char c : std::string("-1.5"))
        h.Key(c);
    EXPECT_STREQ(edit.GetText(), "-1.5");
    h.Key(yUITextEdit::kKeyReturn);
    EXPECT_EQ(edit.GetNumber(), -1.5f);
    EXPECT_STREQ(edit.GetText(), "-1.50");

    // Text set by the program is cleaned the same way.
    edit.SetText("x7y");
    EXPECT_STREQ(edit.GetText(), "7");
}

} // namespace
