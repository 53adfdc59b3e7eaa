#include "base/yDate.h"

#include "platform/yPlatform.h"

#include <tuple>

yDate& yDate::GetSysDate()
{
    int year = 0, month = 0, day = 0;
    yPlatform::LocalDate(year, month, day);
    m_year = year;
    m_month = month;
    m_day = day;
    return *this;
}

bool yDate::operator<(yDate const& o) const
{
    return std::tie(m_year, m_month, m_day) < std::tie(o.m_year, o.m_month, o.m_day);
}
