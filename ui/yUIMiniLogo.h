// The maker's small logo on the panel, a themed control.
#pragma once

#include "ui/yUIThemedControl.h"

class yUIMiniLogo : public yUIThemedControl
{
public:
    yUIMiniLogo();
};
