#include "yUIToggle.h"

yUIToggle::yUIToggle()
{
    SetName("yUIToggle");
}
