// The leading numbers read from the dialogs' edit boxes.
#include "LeadingDigits.h"

#include <gtest/gtest.h>

#include <climits>

TEST(LeadingDigits, NumberIsTheLeadingDigitsAndSaturates)
{
    EXPECT_EQ(0, LeadingNumber(""));
    EXPECT_EQ(0, LeadingNumber("x12"));
    EXPECT_EQ(0, LeadingNumber("-5"));
    EXPECT_EQ(12, LeadingNumber("12.75"));
    EXPECT_EQ(7, LeadingNumber("007"));
    EXPECT_EQ(INT_MAX, LeadingNumber("2147483647"));
    EXPECT_EQ(INT_MAX, LeadingNumber("2147483648"));
    EXPECT_EQ(INT_MAX, LeadingNumber("99999999999999999999999999"));
    EXPECT_EQ(214748364, LeadingNumber("214748364x9"));
}

TEST(LeadingDigits, ComparisonIsExactForAnyLength)
{
    EXPECT_LT(CompareLeadingNumbers("", "5"), 0);
    EXPECT_EQ(CompareLeadingNumbers("", "0"), 0);
    EXPECT_EQ(CompareLeadingNumbers("1.2", "1.8"), 0);
    EXPECT_GT(CompareLeadingNumbers("10", "5"), 0);
    EXPECT_GT(CompareLeadingNumbers("99999999999999999999", "5"), 0);
    EXPECT_LT(CompareLeadingNumbers("99999999999999999998", "99999999999999999999"), 0);
    EXPECT_LT(CompareLeadingNumbers("99999999999999999999", "199999999999999999999"), 0);
    EXPECT_EQ(CompareLeadingNumbers("000123", "123.9"), 0);
    EXPECT_GT(CompareLeadingNumbers("00012", "9"), 0);
}
