#include "ui/yUIThemedButton.h"

yUIThemedButton::yUIThemedButton()
{
    SetName("yUIThemedButton");
}
