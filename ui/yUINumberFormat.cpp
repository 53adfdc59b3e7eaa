#include "ui/yUINumberFormat.h"

#include <cmath>
#include <cstdio>

void yUINumberFormat::SetNumber(const float& number)
{
    if (!std::isnan(number))
    {
        float v = number;
        if (v > m_maximum)
            v = m_maximum;
        if (v < m_minimum)
            v = m_minimum;
        m_number = v;
    }
    Update();
}

void yUINumberFormat::SetNumberText(const yString& text)
{
    float value = m_number;
    if (std::sscanf(static_cast<char const*>(text), "%f", &value) != 1)
        value = m_number;
    SetNumber(value);
}

void yUINumberFormat::SetUnit(short unit)
{
    m_unit = (unit >= kUnitNone && unit <= kUnitDeep) ? unit : kUnitNone;
}

void yUINumberFormat::SetDecimals(short decimals)
{
    if (decimals < 0)
        decimals = 0;
    if (decimals > kMaxDecimals)
        decimals = kMaxDecimals;
    m_decimals = decimals;
}

float yUINumberFormat::UnitFactor(short unit)
{
    switch (unit)
    {
    case kUnitPercent:
        return 100.0f;
    case kUnitByte:
        return 255.0f;
    case kUnitDeep:
        return 32768.0f;
    default:
        return 1.0f;
    }
}

yString yUINumberFormat::GetNumberText() const
{
    yString text;
    text.NumberToText(m_number * UnitFactor(m_unit), static_cast<unsigned char>(m_decimals));
    return text;
}

char yUINumberFormat::FilterNumberChar(char c)
{
    if (c == '-' || c == '.' || (c >= '0' && c <= '9'))
        return c;
    return 0;
}
