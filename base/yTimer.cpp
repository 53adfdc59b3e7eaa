#include "yTimer.h"

#include "yPlatform.h"

uint32_t yTimer::GetTickCount()
{
    return yPlatform::TickCount();
}
