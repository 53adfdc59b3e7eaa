#include "base/yTimer.h"

#include "platform/yPlatform.h"

uint32_t yTimer::GetTickCount()
{
    return yPlatform::TickCount();
}
