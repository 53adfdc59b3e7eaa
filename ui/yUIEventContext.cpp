#include "ui/yUIEventContext.h"

#include "ui/yUIBaseControl.h"
#include "platform/yPlatform.h"

#include <cmath>

namespace
{
// Whole-pixel distance between two points, without overflow for any coordinates.
long Distance(const yPointL& a, const yPointL& b)
{
    const double dx = static_cast<double>(a.x) - b.x;
    const double dy = static_cast<double>(a.y) - b.y;
    const double d = std::sqrt(dx * dx + dy * dy);
    return d >= 1e9 ? 1000000000L : static_cast<long>(d);
}
} // namespace

yUIEventContext::yUIEventContext() : doubleClickInterval(yPlatform::DoubleClickInterval())
{
}

void yUIEventContext::SetEventName(const yString& name)
{
    previousEventName = eventName;
    eventName = name;
}

void yUIEventContext::RecordMouseDown(uint32_t now)
{
    downPositions[2] = downPositions[1];
    downPositions[1] = downPositions[0];
    downPositions[0] = mousePosition;
    downTimes[2] = downTimes[1];
    downTimes[1] = downTimes[0];
    downTimes[0] = now;
    doubleClick = false;
    tripleClick = false;

    // Tick differences in 32 bits, so that the counter may wrap between clicks.
    const uint64_t interval = doubleClickInterval;
    switch (clickCount)
    {
    case 2:
        if (static_cast<uint32_t>(now - downTimes[2]) < 2 * interval
            && Distance(downPositions[2], downPositions[0]) < kClickDistance)
        {
            tripleClick = true;
            clickCount = 3;
        }
        else
        {
            clickCount = 1;
        }
        break;
    case 1:
        if (static_cast<uint32_t>(now - downTimes[1]) < interval
            && Distance(downPositions[1], downPositions[0]) < kClickDistance)
        {
            doubleClick = true;
            clickCount = 2;
        }
        break;
    default:
        clickCount = 1;
        break;
    }
}

void yUIEventContext::Forget(const yUIBaseNode* node)
{
    auto same = [node](const yUIBaseControl* c) { return c && static_cast<const yUIBaseNode*>(c) == node; };
    if (same(target))
        target = nullptr;
    if (same(activeControl))
        activeControl = nullptr;
    if (same(hoverControl))
        hoverControl = nullptr;
}
