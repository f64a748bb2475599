#include "era/era_core.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

// The checks take writable texts, as the controls' field buffers are.
struct Text
{
    explicit Text(const char* s) : value(s) {}
    char* get() { return value.data(); }
    std::string value;
};

int ChkNum(const char* s) { return CZelEra::ChkNum(Text(s).get()); }
int ChkMonth(const char* s) { return CZelEra::ChkMonth(Text(s).get(), 0); }
int ChkDay(const char* y, const char* m, const char* d)
{
    Text ty(y), tm(m), td(d);
    return CZelEra::ChkDay(ty.get(), tm.get(), td.get());
}

}  // namespace

TEST(DecimalValueTest, ReadsLikeAtoi)
{
    EXPECT_EQ(ZelDecimalValue("12abc"), 12);
    EXPECT_EQ(ZelDecimalValue(""), 0);
    EXPECT_EQ(ZelDecimalValue(nullptr), 0);
    EXPECT_EQ(ZelDecimalValue("abc"), 0);
    EXPECT_EQ(ZelDecimalValue(" \t\r\n\v\f-42,"), -42);
    EXPECT_EQ(ZelDecimalValue("+7"), 7);
    EXPECT_EQ(ZelDecimalValue("- 7"), 0);
    EXPECT_EQ(ZelDecimalValue("--7"), 0);
    EXPECT_EQ(ZelDecimalValue("007"), 7);
    EXPECT_EQ(ZelDecimalValue("\x82\x4f"), 0);  // a full-width digit is no digit
}

TEST(DecimalValueTest, SaturatesInsteadOfOverflowing)
{
    EXPECT_EQ(ZelDecimalValue("2147483647"), INT_MAX);
    EXPECT_EQ(ZelDecimalValue("2147483648"), INT_MAX);
    EXPECT_EQ(ZelDecimalValue("-2147483648"), INT_MIN);
    EXPECT_EQ(ZelDecimalValue("-2147483649"), INT_MIN);
    EXPECT_EQ(ZelDecimalValue(std::string(500, '9').c_str()), INT_MAX);
    EXPECT_EQ(ZelDecimalValue(("-" + std::string(500, '9')).c_str()), INT_MIN);
}

TEST(CZelEraTest, DefaultRecordIsWesternWithoutYears)
{
    CZelEra era;
    EXPECT_EQ(era.GetDiv(), 1);
    EXPECT_TRUE(era.GetEraname().IsEmpty());
    EXPECT_EQ(era.GetStartYear(), -1);
    EXPECT_EQ(era.GetEndYear(), -1);
    EXPECT_EQ(era.ChkEra(2000), 0);
}

TEST(CZelEraTest, WesternEntryNeverContainsAYear)
{
    CZelEra era;
    era.SetEraInfo(1, "西暦", 0, 0);
    EXPECT_EQ(era.GetDiv(), 1);
    EXPECT_EQ(era.GetEraname(), "\x90\xBC\x97\xEF");
    EXPECT_EQ(era.GetStartYear(), -1);
    EXPECT_EQ(era.GetEndYear(), -1);
    for (int year : {-1, 0, 1, 1989, 9999, 10000})
        EXPECT_EQ(era.ChkEra(year), 0) << year;

    // Even with years, a Western entry matches nothing.
    era.SetEraInfo(1, "西暦", 1900, 2000);
    EXPECT_EQ(era.ChkEra(1950), 0);
}

TEST(CZelEraTest, EraYearsAndContainment)
{
    CZelEra heisei;
    heisei.SetEraInfo(0, "平成", 1989, 0);
    EXPECT_EQ(heisei.GetStartYear(), 1989);
    EXPECT_EQ(heisei.GetEndYear(), -1);
    EXPECT_EQ(heisei.ChkEra(1989), 1);
    EXPECT_EQ(heisei.ChkEra(9999), 1);  // open-ended up to 9999
    EXPECT_EQ(heisei.ChkEra(1988), 0);
    EXPECT_EQ(heisei.ChkEra(10000), 0);

    CZelEra showa;
    showa.SetEraInfo(0, "昭和", 1926, 1988);
    EXPECT_EQ(showa.ChkEra(1926), 1);
    EXPECT_EQ(showa.ChkEra(1988), 1);
    EXPECT_EQ(showa.ChkEra(1925), 0);
    EXPECT_EQ(showa.ChkEra(1989), 0);

    // Years below 100 read -1, so the era reaches from -1 to 9999.
    CZelEra ancient;
    ancient.SetEraInfo(0, "古", 50, 99);
    EXPECT_EQ(ancient.GetStartYear(), -1);
    EXPECT_EQ(ancient.GetEndYear(), -1);
    EXPECT_EQ(ancient.ChkEra(-1), 1);
    EXPECT_EQ(ancient.ChkEra(5000), 1);
    EXPECT_EQ(ancient.ChkEra(9999), 1);
    EXPECT_EQ(ancient.ChkEra(-2), 0);
    EXPECT_EQ(ancient.ChkEra(10000), 0);

    // Years past 9999 or hugely negative read -1 too.
    CZelEra huge;
    huge.SetEraInfo(0, "x", INT_MIN, INT_MAX);
    EXPECT_EQ(huge.GetStartYear(), -1);
    EXPECT_EQ(huge.GetEndYear(), -1);
    EXPECT_EQ(huge.ChkEra(INT_MAX), 0);
    EXPECT_EQ(huge.ChkEra(INT_MIN), 0);
}

TEST(CZelEraTest, CopiesCarryEveryField)
{
    CZelEra original;
    original.SetEraInfo(0, "大正", 1912, 1925);
    CZelEra copy(original);
    CZelEra assigned;
    assigned = original;
    original.SetEraInfo(1, "x", 2000, 2001);
    for (CZelEra* era : {&copy, &assigned}) {
        EXPECT_EQ(era->GetDiv(), 0);
        EXPECT_EQ(era->GetEraname(), "大正");
        EXPECT_EQ(era->GetStartYear(), 1912);
        EXPECT_EQ(era->GetEndYear(), 1925);
    }
}

TEST(CZelEraTest, ChkNumAcceptsAsciiDigitsOnly)
{
    EXPECT_EQ(ChkNum("007"), 1);
    EXPECT_EQ(ChkNum("0"), 1);
    EXPECT_EQ(ChkNum(""), 0);
    EXPECT_EQ(ChkNum("-1"), 0);
    EXPECT_EQ(ChkNum(" 7"), 0);
    EXPECT_EQ(ChkNum("7 "), 0);
    EXPECT_EQ(ChkNum("１"), 0);  // full-width digit
    EXPECT_EQ(ChkNum("12a"), 0);
    EXPECT_EQ(CZelEra::ChkNum(nullptr), 0);
}

TEST(CZelEraTest, ChkMonthReadsTheDecimalValue)
{
    EXPECT_EQ(ChkMonth("12"), 1);
    EXPECT_EQ(ChkMonth("1"), 1);
    EXPECT_EQ(ChkMonth("13"), 0);
    EXPECT_EQ(ChkMonth("0"), 0);
    EXPECT_EQ(ChkMonth("3x"), 1);
    EXPECT_EQ(ChkMonth(" 3"), 1);
    EXPECT_EQ(ChkMonth(""), 0);
    EXPECT_EQ(ChkMonth("-1"), 0);
    EXPECT_EQ(ChkMonth("99999999999999999999"), 0);
}

TEST(CZelEraTest, GetDayMaxFollowsTheGregorianRule)
{
    EXPECT_EQ(CZelEra::GetDayMax(1900, 2), 28);
    EXPECT_EQ(CZelEra::GetDayMax(2000, 2), 29);
    EXPECT_EQ(CZelEra::GetDayMax(2004, 2), 29);
    EXPECT_EQ(CZelEra::GetDayMax(2003, 2), 28);
    EXPECT_EQ(CZelEra::GetDayMax(2003, 0), 30);
    EXPECT_EQ(CZelEra::GetDayMax(2003, 13), 0);
    EXPECT_EQ(CZelEra::GetDayMax(2003, -1), 0);
    const int expected[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(CZelEra::GetDayMax(2003, m), expected[m - 1]) << m;
    // Years outside the date range still follow the rule.
    EXPECT_EQ(CZelEra::GetDayMax(-4, 2), 29);
    EXPECT_EQ(CZelEra::GetDayMax(-100, 2), 28);
    EXPECT_EQ(CZelEra::GetDayMax(0, 2), 29);
    EXPECT_EQ(CZelEra::GetDayMax(40000, 2), 29);
    EXPECT_EQ(CZelEra::GetDayMax(INT_MIN, 2), 29);  // divisible by 4, not by 100
    EXPECT_EQ(CZelEra::GetDayMax(INT_MAX, 2), 28);
    EXPECT_EQ(CZelEra::GetDayMax(2003, INT_MIN), 0);
}

TEST(CZelEraTest, ChkDayJudgesOnlyKnownYearAndMonth)
{
    EXPECT_EQ(ChkDay("0", "2", "31"), 1);
    EXPECT_EQ(ChkDay("2003", "0", "45"), 1);
    EXPECT_EQ(ChkDay("abc", "2", "31"), 1);  // reads as year 0
    EXPECT_EQ(ChkDay("2003", "2", "29"), 0);
    EXPECT_EQ(ChkDay("2004", "2", "29"), 1);
    EXPECT_EQ(ChkDay("2003", "2", "28"), 1);
    EXPECT_EQ(ChkDay("2003", "4", "31"), 0);
    EXPECT_EQ(ChkDay("2003", "4", "0"), 0);
    EXPECT_EQ(ChkDay("99", "1", "1"), 0);
    EXPECT_EQ(ChkDay("10000", "1", "1"), 0);
    EXPECT_EQ(ChkDay("2003", "13", "1"), 0);
    EXPECT_EQ(ChkDay("2003", "-1", "1"), 0);
    EXPECT_EQ(ChkDay("2003", "", "1"), 0);
    EXPECT_EQ(ChkDay("", "1", "1"), 0);
    EXPECT_EQ(ChkDay("2003", "1", ""), 0);
    EXPECT_EQ(ChkDay("99999999999", "2", "29"), 0);
    EXPECT_EQ(CZelEra::ChkDay(nullptr, nullptr, nullptr), 0);
}

TEST(CZelEraTest, ChkYearBounds)
{
    EXPECT_EQ(CZelEra::ChkYear(99), 0);
    EXPECT_EQ(CZelEra::ChkYear(100), 1);
    EXPECT_EQ(CZelEra::ChkYear(9999), 1);
    EXPECT_EQ(CZelEra::ChkYear(10000), 0);
    EXPECT_EQ(CZelEra::ChkYear(INT_MIN), 0);
}
