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

const float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(yUINumberFormat, ClampsNumbersAndReadsTextBack)
{
    CountingFormat f;
    struct Step
    {
        float number;
        const char* text; // read instead of the number when set
        float held;
    } const steps[] = {
        {2e6f, nullptr, 999999.0f}, {-2e6f, nullptr, -999999.0f},
        {std::numeric_limits<float>::infinity(), nullptr, 999999.0f},
        {kNaN, nullptr, 999999.0f},  // NaN keeps the held number
        {0, "-1.5", -1.5f}, {0, "abc", -1.5f}, {0, "", -1.5f}, // junk keeps it too
        {0, "  42xyz", 42.0f}, {0, "1e9", 999999.0f},
    };
    for (const Step& s : steps)
    {
        if (s.text)
            f.SetNumberText(s.text);
        else
            f.SetNumber(s.number);
        EXPECT_EQ(f.GetNumber(), s.held) << s.number << " " << (s.text ? s.text : "");
    }
    EXPECT_EQ(f.updates, 9); // every call reaches the display, unchanged or not
    f.SetUnit(yUINumberFormat::kUnitPercent); // the text is read as it stands
    f.SetNumberText("25");
    EXPECT_EQ(f.GetNumber(), 25.0f);
}

TEST(yUINumberFormat, FormatsWithUnitAndDecimals)
{
    yUINumberFormat f;
    struct Row
    {
        short unit, decimals;
        float number;
        const char* text;
    } const rows[] = {
        {yUINumberFormat::kUnitDeep, 0, 0.5f, "16384"},
        {9, 20, 0.5f, "0.5000000"}, // unknown units show the plain number; at most 7 decimals
        {9, -3, 0.5f, "0"},
    };
    for (const Row& r : rows)
    {
        f.SetUnit(r.unit);
        f.SetDecimals(r.decimals);
        f.SetNumber(r.number);
        EXPECT_STREQ(f.GetNumberText(), r.text);
    }
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
