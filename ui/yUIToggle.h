// A two-state button: a simple button, usually in toggle mode.
#pragma once

#include "ui/yUISimpleButton.h"

class yUIToggle : public yUISimpleButton
{
public:
    yUIToggle();
};
