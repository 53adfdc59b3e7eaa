#include "base/yDate.h"

#include <gtest/gtest.h>

#include <ctime>

TEST(yDate, OrdersByYearThenMonthThenDay)
{
    const yDate d(2006, 5, 1);
    // Each later date is later in one field and earlier in the ones below it.
    for (yDate const& later : {yDate(2006, 5, 2), yDate(2006, 6, 1), yDate(2007, 1, 1)})
        EXPECT_TRUE(d < later && later > d && !(later < d) && !(d > later));
    EXPECT_TRUE(yDate(2005, 12, 31) < d && yDate(2006, 4, 30) < d);
    EXPECT_FALSE(d < d || d > d);
}

TEST(yDate, SystemDateIsToday)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    yDate d;
    d.GetSysDate();
    EXPECT_EQ(d.GetYear() * 10000 + d.GetMonth() * 100 + d.GetDay(),
              (local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday);
}
