// A themed control used as a push button.
#pragma once

#include "ui/yUIThemedControl.h"

class yUIThemedButton : public yUIThemedControl
{
public:
    yUIThemedButton();
};
