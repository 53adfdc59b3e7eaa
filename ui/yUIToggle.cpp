#include "ui/yUIToggle.h"

yUIToggle::yUIToggle()
{
    SetName("yUIToggle");
}
