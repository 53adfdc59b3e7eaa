// A calendar date: year, month 1-12, day 1-31.
#pragma once

#include "base/yExport.h"

#include <cstdint>

class Y_EXPORT yDate
{
public:
    yDate() = default;
    yDate(int32_t year, int32_t month, int32_t day) : m_year(year), m_month(month), m_day(day) {}

    // Today in local time.
    yDate& GetSysDate();

    int32_t GetYear() const { return m_year; }
    int32_t GetMonth() const { return m_month; }
    int32_t GetDay() const { return m_day; }

    // Earlier and later: by year, then month, then day.
    bool operator<(yDate const& o) const;
    bool operator>(yDate const& o) const { return o < *this; }

private:
    int32_t m_year = 0;
    int32_t m_month = 0;
    int32_t m_day = 0;
};
