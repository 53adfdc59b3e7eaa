// A themed control used as a push button.
#pragma once

#include "yUIThemedControl.h"

class yUIThemedButton : public yUIThemedControl
{
public:
    yUIThemedButton();
};
