#include "ui/yUINumberEdit.h"

yUINumberEdit::yUINumberEdit()
{
    SetName("yUINumberEdit");
    SetForeColor(yColor8(255, 102, 102, 102));
    SetDisabledColor(yColor8(255, 140, 140, 140));
    SetNumber(0.0f);
}

void yUINumberEdit::SetNumber(const float& number)
{
    yUINumberFormat::SetNumber(number);
    Invalidate(true);
}

void yUINumberEdit::SetNumberText(const yString& text)
{
    yUINumberFormat::SetNumberText(text);
    Invalidate(true);
}

void yUINumberEdit::Update()
{
    m_text.SetText(FilterText(GetNumberText()));
    Layout();
}

void yUINumberEdit::Deactivate()
{
    SetNumberText(GetText());
    yUITextEdit::Deactivate();
}

char yUINumberEdit::FilterChar(char c)
{
    return FilterNumberChar(c);
}
