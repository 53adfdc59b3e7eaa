// A text edit that always shows a formatted number; a finished edit is read
// back into the number. Only the minus sign, the point and digits can be typed.
#pragma once

#include "ui/yUINumberFormat.h"
#include "ui/yUITextEdit.h"

class yUINumberEdit : public yUINumberFormat, public yUITextEdit
{
public:
    yUINumberEdit();

    // Each then redraws the edit.
    void SetNumber(const float& number) override;
    void SetNumberText(const yString& text) override;
    // Shows the formatted number.
    void Update() override;
    // Reads the edited text into the number, then ends the edit.
    void Deactivate() override;
    char FilterChar(char c) override;
};
