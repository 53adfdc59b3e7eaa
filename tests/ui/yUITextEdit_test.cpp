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

TEST_F(TextEdit, ClickOpensWithEverythingSelectedAndClickElsewhereCloses)
{
    EXPECT_EQ(edit.GetCursor(), yUITextEdit::kCursorIdle);
    Open();
    EXPECT_TRUE(edit.IsEditing());
    EXPECT_EQ(h.context.activeControl, &edit);
    EXPECT_EQ(edit.GetCursor(), yUITextEdit::kCursorEditing);
    EXPECT_EQ(edit.GetSelectedText(), yString("hello world"));
    h.Click(200, 200);
    EXPECT_FALSE(edit.IsEditing());
    EXPECT_EQ(h.context.activeControl, nullptr);
    EXPECT_EQ(edit.GetCursor(), yUITextEdit::kCursorIdle);
    EXPECT_EQ(h.log.heard, (Log{"Open", "Close"}));
}

TEST_F(TextEdit, CaretKeysMoveAndCollapse)
{
    Open();
    struct Step
    {
        short key;
        uint32_t modifiers;
        long caret, selection;
    } steps[] = {
        {yUITextEdit::kKeyLeft, 0, 0, 0},                         // a selection collapses to its left end
        {yUITextEdit::kKeyRight, 0, 1, 0},                        // then the caret moves
        {yUITextEdit::kKeyEnd, 0, 11, 0},                         //
        {yUITextEdit::kKeyHome, 0, 0, 0},                         //
        {yUITextEdit::kKeyPageDown, 0, 11, 0},                    // 12 is end
        {yUITextEdit::kKeyPageUp, 0, 0, 0},                       // 11 is start
        {yUITextEdit::kKeyRight, yPlatform::kModifierShift, 0, 1}, // grows right
        {yUITextEdit::kKeyRight, yPlatform::kModifierShift, 0, 2}, //
        {yUITextEdit::kKeyLeft, yPlatform::kModifierShift, 0, 1},  // shrinks
        {yUITextEdit::kKeyLeft, yPlatform::kModifierShift, 0, 0},  //
        {yUITextEdit::kKeyLeft, yPlatform::kModifierShift, 0, 0},  // clamped at the start
        {yUITextEdit::kKeyRight, 0, 1, 0},                        //
        {yUITextEdit::kKeyRight, 0, 2, 0},                        //
        {yUITextEdit::kKeyDown, yPlatform::kModifierShift, 2, 9},  // to the end
        {yUITextEdit::kKeyRight, 0, 11, 0},                       // collapses to its right end
        {yUITextEdit::kKeyRight, 0, 11, 0},                       // clamped at the end
        {yUITextEdit::kKeyUp, yPlatform::kModifierShift, 11, -11}, // to the start, left of the caret
        {yUITextEdit::kKeyLeft, 0, 0, 0},                         //
        {yUITextEdit::kKeyLeft, 0, 0, 0},                         // clamped
        {yUITextEdit::kKeyDown, 0, 11, 0},                        // without Shift, the end
        {yUITextEdit::kKeyTab, 0, 11, 0},                         // nothing
    };
    int row = 0;
    for (const Step& s : steps)
    {
        h.Hold(s.modifiers);
        h.Key(s.key);
        EXPECT_EQ(edit.GetCaret(), s.caret) << "row " << row;
        EXPECT_EQ(edit.GetSelection(), s.selection) << "row " << row;
        ++row;
    }
    EXPECT_EQ(Text(), "hello world");
}

TEST_F(TextEdit, DeletingTypingAndEnter)
{
    Open();
    h.Key('J'); // replaces the whole selection
    EXPECT_EQ(Text(), "J");
    h.Key('o');
    h.Key(yUITextEdit::kKeyBackspace);
    h.Key(yUITextEdit::kKeyBackspace);
    h.Key(yUITextEdit::kKeyBackspace); // nothing left to delete
    EXPECT_EQ(Text(), "");
    for (char c : std::string("abcd"))
        h.Key(c);
    h.Key(yUITextEdit::kKeyHome);
    h.Key(yUITextEdit::kKeyDelete);
    EXPECT_EQ(Text(), "bcd");
    h.Hold(yPlatform::kModifierShift);
    h.Key(yUITextEdit::kKeyRight);
    h.Key(yUITextEdit::kKeyRight);
    h.Hold(0);
    h.Key(yUITextEdit::kKeyDelete); // the selection
    EXPECT_EQ(Text(), "d");
    h.Key(yUITextEdit::kKeyEnd);
    h.Key(yUITextEdit::kKeyDelete); // nothing after the caret
    EXPECT_EQ(Text(), "d");
    h.Key(yUITextEdit::kKeyEnter);
    EXPECT_FALSE(edit.IsEditing());
    h.Key('z'); // a closed edit takes no keys
    EXPECT_EQ(Text(), "d");
    EXPECT_EQ(h.log.heard.back(), "Close");
}

TEST_F(TextEdit, CodesOutsideTheTableAndOneByteAreNotInserted)
{
    Open();
    h.Key(yUITextEdit::kKeyEnd);
    for (short key : {short(0), short(-5), short(256), short(3000)})
        h.Key(key);
    EXPECT_EQ(Text(), "hello world");
    h.Key(200); // a byte beyond ASCII is still a character
    EXPECT_EQ(edit.GetText().GetLength(), 12);
}

TEST_F(TextEdit, MaximumLengthRefusesCharactersButNotDeletions)
{
    edit.GetTextControl().SetMaxLength(5);
    edit.SetText("abcdefgh");
    EXPECT_EQ(Text(), "abcde");
    Open();
    h.Key('x'); // refused even over a selection: the text is full
    EXPECT_EQ(Text(), "abcde");
    h.Key(yUITextEdit::kKeyEnd);
    h.Key('x');
    EXPECT_EQ(Text(), "abcde");
    h.Key(yUITextEdit::kKeyBackspace);
    h.Key('x');
    EXPECT_EQ(Text(), "abcdx");
    EXPECT_EQ(edit.GetCaret(), 5);

    edit.GetTextControl().SetMaxLength(-3);
    edit.SetText("anything");
    EXPECT_EQ(Text(), "");
}

TEST_F(TextEdit, ControlKeysUseTheContextClipboard)
{
    Open();
    h.Key(yUITextEdit::kKeyHome);
    h.Hold(yPlatform::kModifierShift);
    for (int i = 0; i < 5; ++i)
        h.Key(yUITextEdit::kKeyRight);
    h.Hold(yPlatform::kModifierControl);
    h.Key('c');
    EXPECT_EQ(h.context.clipboard, yString("hello"));
    h.Key('x');
    EXPECT_EQ(Text(), " world");
    h.Key('b'); // any other key with Control is ignored
    EXPECT_EQ(Text(), " world");
    h.Hold(0);
    h.Key(yUITextEdit::kKeyEnd);
    h.Hold(yPlatform::kModifierControl);
    h.Key('v');
    EXPECT_EQ(Text(), " worldhello");
    h.Key('a');
    EXPECT_EQ(edit.GetSelection(), 11);
    h.Hold(yPlatform::kModifierControl | yPlatform::kModifierShift);
    h.Key('x'); // not with Shift
    EXPECT_EQ(Text(), " worldhello");
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
    EXPECT_TRUE(h.context.doubleClick);
    EXPECT_EQ(edit.GetSelectedText(), yString("world"));
    h.Up(x, 18);
    h.Down(x, 18);
    EXPECT_TRUE(h.context.tripleClick);
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

TEST(yUITextEditDrawing, OpenEditShowsACaretAndAYellowSelection)
{
    ControlHarness h;
    yUITextEdit edit;
    edit.SetPosition(yPointL(10, 10));
    edit.SetSize(yPointL(100, 20));
    edit.SetText("abc");
    h.Add(edit);
    h.UsePort();
    h.Click(20, 20);
    h.Draw();
    const yColor8 yellow(255, 250, 250, 0);
    const yRect text = edit.GetTextControl().GetScreenRect();
    // The whole text is selected: the band runs to the content's right edge.
    EXPECT_EQ(h.Pixel(105, text.top + 2), yellow);
    h.Key(yUITextEdit::kKeyEnd);
    h.Draw();
    const int caret = text.left + static_cast<int>(edit.GetTextControl().MeasurePrefix(3));
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
    EXPECT_STREQ(edit.GetText(), "0.00");
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

    // Text set by the program is cleaned the same way; junk keeps the number.
    edit.SetText("x7y");
    EXPECT_STREQ(edit.GetText(), "7");
    edit.SetNumberText("--");
    EXPECT_EQ(edit.GetNumber(), -1.5f);
}

TEST(yUINumberEditHidden, AClickOpensItAndADragDoesNot)
{
    ControlHarness h;
    yUINumberEditHidden edit;
    edit.SetPosition(yPointL(10, 10));
    edit.SetMouseDragCommand("Scrub");
    edit.SetMouseUpCommand("Released");
    h.Add(edit);
    EXPECT_EQ(edit.GetBoxStyle(), yUIBox::kBoxNone);
    EXPECT_EQ(edit.GetFillMode(), yUIBox::kFillNone);

    h.Down(15, 15);
    h.Drag(40, 15);
    h.Up(40, 15);
    EXPECT_FALSE(edit.IsEditing());
    EXPECT_EQ(edit.GetPosition(), yPointL(10, 10)); // drags are passed on, not followed
    EXPECT_EQ(h.log.heard, (Log{"Scrub", "Released"}));

    h.Wait(1000);
    h.Click(15, 15);
    EXPECT_TRUE(edit.IsEditing());
    EXPECT_EQ(edit.GetBoxStyle(), yUIBox::kBoxSunken);
    EXPECT_EQ(edit.GetFillMode(), yUIBox::kFillSolid);

    h.Key('1');
    h.Key('2');
    h.Key('3');
    h.Key('4');
    h.Key('5');
    h.Key('6');
    h.Key('7');
    // The edit fits itself to its text.
    EXPECT_EQ(edit.GetSize().x, edit.GetTextControl().GetSize().x + yUINumberEditHidden::kTextPadding);

    h.Wait(1000);
    h.Click(250, 250); // elsewhere: closed and read back
    EXPECT_FALSE(edit.IsEditing());
    EXPECT_EQ(edit.GetNumber(), 999999.0f); // 1234567, clamped to the maximum
    EXPECT_EQ(edit.GetBoxStyle(), yUIBox::kBoxNone);
}

} // namespace
