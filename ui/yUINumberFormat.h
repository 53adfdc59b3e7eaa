// A number with limits, a display unit and a count of decimals, turned into
// text and read back from it. Number edits and slider read-outs build on it.
#pragma once

#include "base/yString.h"

class yUINumberFormat
{
public:
    // Display factors: the text shows the number times the unit's factor.
    static constexpr short kUnitNone = 0;
    static constexpr short kUnitPercent = 1; // times 100
    static constexpr short kUnitByte = 2;    // times 255
    static constexpr short kUnitDeep = 3;    // times 32768
    static constexpr short kMaxDecimals = 7;

    yUINumberFormat() = default;
    virtual ~yUINumberFormat() = default;

    // Stores the number clamped to the limits, then Update(). NaN keeps the held number.
    virtual void SetNumber(const float& number);
    // Reads a float the way scanf's "%f" does; unreadable text keeps the held number.
    virtual void SetNumberText(const yString& text);
    // Brings whatever shows the number up to date; nothing here.
    virtual void Update() {}

    float GetNumber() const { return m_number; }
    float GetMinimum() const { return m_minimum; }
    float GetMaximum() const { return m_maximum; }
    short GetUnit() const { return m_unit; }
    short GetDecimals() const { return m_decimals; }

    // The limits do not re-clamp the held number; the next SetNumber does.
    void SetMinimum(float minimum) { m_minimum = minimum; }
    void SetMaximum(float maximum) { m_maximum = maximum; }
    // Units outside 0..3 count as none.
    void SetUnit(short unit);
    // Clamped to 0..7.
    void SetDecimals(short decimals);

    // The number times the unit's factor, with the set decimals.
    yString GetNumberText() const;

    static float UnitFactor(short unit);
    // Keeps the minus sign, the point and the digits; every other character maps to 0.
    static char FilterNumberChar(char c);

protected:
    float m_number = 0.0f;
    float m_maximum = 999999.0f;
    float m_minimum = -999999.0f;
    short m_unit = kUnitNone;
    short m_decimals = 2;
};
