#include "yUIThemedButton.h"

yUIThemedButton::yUIThemedButton()
{
    SetName("yUIThemedButton");
}
