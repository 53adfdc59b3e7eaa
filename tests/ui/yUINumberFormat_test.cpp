#include "ui/yUINumberFormat.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// Counts Update calls, so that the tests see that every change reaches the display.
class CountingFormat : public yUINumberFormat
{
public:
    void Update() override { ++updates; }
    int updates = 0;
};

TEST(yUINumberFormat, ClampsToTheLimitsAndUpdates)
{
    CountingFormat f;
    f.SetNumber(2e6f);
    EXPECT_EQ(f.GetNumber(), 999999.0f);
    f.SetNumber(-2e6f);
    EXPECT_EQ(f.GetNumber(), -999999.0f);
    f.SetNumber(std::numeric_limits<float>::infinity());
    EXPECT_EQ(f.GetNumber(), 999999.0f);
    f.SetNumber(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(f.GetNumber(), 999999.0f); // NaN keeps the held number
    EXPECT_EQ(f.updates, 4);

    f.SetMinimum(0.0f);
    f.SetMaximum(255.0f);
    f.SetNumber(-1.0f);
    EXPECT_EQ(f.GetNumber(), 0.0f);
    f.SetNumber(12.5f);
    EXPECT_EQ(f.GetNumber(), 12.5f);
}

TEST(yUINumberFormat, FormatsWithUnitAndDecimals)
{
    yUINumberFormat f;
    EXPECT_STREQ(f.GetNumberText(), "0.00");

    f.SetUnit(yUINumberFormat::kUnitPercent);
    f.SetDecimals(0);
    f.SetNumber(0.25f);
    EXPECT_STREQ(f.GetNumberText(), "25");

    f.SetUnit(yUINumberFormat::kUnitByte);
    f.SetNumber(1.0f);
    EXPECT_STREQ(f.GetNumberText(), "255");

    f.SetUnit(yUINumberFormat::kUnitDeep);
    f.SetNumber(0.5f);
    EXPECT_STREQ(f.GetNumberText(), "16384");

    f.SetUnit(9); // unknown units show the plain number
    f.SetDecimals(20);
    EXPECT_EQ(f.GetDecimals(), 7);
    EXPECT_STREQ(f.GetNumberText(), "0.5000000");
    f.SetDecimals(-3);
    EXPECT_STREQ(f.GetNumberText(), "0");
}

TEST(yUINumberFormat, ReadsTextBackAndKeepsTheNumberOnJunk)
{
    CountingFormat f;
    f.SetNumberText("-1.5");
    EXPECT_EQ(f.GetNumber(), -1.5f);
    f.SetNumberText("abc");
    EXPECT_EQ(f.GetNumber(), -1.5f);
    f.SetNumberText("");
    EXPECT_EQ(f.GetNumber(), -1.5f);
    f.SetNumberText("  42xyz");
    EXPECT_EQ(f.GetNumber(), 42.0f);
    f.SetNumberText("1e9");
    EXPECT_EQ(f.GetNumber(), 999999.0f);
    // The text is read as it stands: the unit does not divide it.
    f.SetUnit(yUINumberFormat::kUnitPercent);
    f.SetNumberText("25");
    EXPECT_EQ(f.GetNumber(), 25.0f);
}

TEST(yUINumberFormat, FilterKeepsOnlyNumberCharacters)
{
    std::string kept;
    for (int c = 1; c < 256; ++c)
        if (char k = yUINumberFormat::FilterNumberChar(static_cast<char>(c)))
            kept += k;
    EXPECT_EQ(kept, "-.0123456789");
}

} // namespace
