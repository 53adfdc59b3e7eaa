#include "base/yDate.h"
#include "base/yTimer.h"

#include "host/sdk/ZT_HostPlatform.h"
#include "platform/yPlatform.h"

#include <gtest/gtest.h>

TEST(yDate, OrdersByYearThenMonthThenDay)
{
    const yDate d(2006, 5, 1);
    EXPECT_TRUE(d < yDate(2006, 5, 2));
    EXPECT_TRUE(d > yDate(2005, 12, 31));
    EXPECT_TRUE(d < yDate(2006, 6, 1));
    EXPECT_TRUE(d > yDate(2006, 4, 30));
    EXPECT_FALSE(d < d);
    EXPECT_FALSE(d > d);
}

TEST(yDate, SystemDateIsAValidDate)
{
    yDate d;
    d.GetSysDate();
    EXPECT_GE(d.GetYear(), 2020);
    EXPECT_GE(d.GetMonth(), 1);
    EXPECT_LE(d.GetMonth(), 12);
    EXPECT_GE(d.GetDay(), 1);
    EXPECT_LE(d.GetDay(), 31);
}

namespace
{
uint32_t NearlyWrapped()
{
    return 0xFFFFFFFEu;
}
} // namespace

TEST(yTimer, TicksComeFromTheHost)
{
    static const ZT_HostPlatform table = {ZT_HostPlatform_VERSION, &NearlyWrapped, nullptr, nullptr, nullptr, nullptr};
    yPlatform::SetHostPlatform(&table);
    EXPECT_EQ(yTimer::GetTickCount(), 0xFFFFFFFEu);
    yPlatform::SetHostPlatform(nullptr);
}
