// A small box filled with a colour, which it pales while disabled.
#pragma once

#include "ui/yUIBox.h"

class yUIColorSwatch : public yUIBox
{
public:
    yUIColorSwatch();

    void Draw() override;

    void SetColor(const yColor8& color);
    const yColor8& GetColor() const { return m_color; }
    // The colour shown while disabled: each channel scaled to a quarter and
    // lifted by 150, opaque.
    static yColor8 Pale(const yColor8& color);

private:
    yColor8 m_color{255, 0, 0, 0};
};
