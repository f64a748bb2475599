#include "era/era_core.h"
#include "scratch_dir.h"

#include <ctime>
#include <string>

TEST(CZelEraTest, EraYearsAndContainment)
{
    CZelEra heisei, showa, western, early;
    heisei.SetEraInfo(0, "平成", 1989, 0);
    showa.SetEraInfo(0, "昭和", 1926, 1988);
    western.SetEraInfo(1, "西暦", 1900, 2000);
    early.SetEraInfo(0, "古", 50, 99);
    // Years 0 and below 100 read -1; -1 as the last year is open up to 9999.
    EXPECT_EQ(heisei.GetEndYear(), -1);
    EXPECT_EQ(early.GetStartYear(), -1);
    EXPECT_EQ(early.GetEndYear(), -1);
    const struct { CZelEra* era; int year, contained; } rows[] = {
        {&heisei, 1988, 0}, {&heisei, 1989, 1}, {&heisei, 9999, 1}, {&heisei, 10000, 0},
        {&showa, 1925, 0}, {&showa, 1926, 1}, {&showa, 1988, 1}, {&showa, 1989, 0},
        {&western, 1950, 0}, {&western, -1, 0}, {&early, -1, 1}, {&early, -2, 0},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.era->ChkEra(r.year), r.contained) << r.era->GetStartYear() << " " << r.year;
}

TEST(CZelEraTest, ChkDayJudgesOnceYearAndMonthAreKnown)
{
    const struct { const char *year, *month, *day; int ok; } rows[] = {
        {"2004", "2", "29", 1}, {"2003", "2", "29", 0}, {"1900", "2", "29", 0}, {"2000", "2", "29", 1},
        {"2003", "4", "30", 1}, {"2003", "4", "31", 0}, {"2003", "4", "0", 0},  {"0", "2", "31", 1},
        {"2003", "0", "45", 1}, {"99", "1", "1", 0},    {"10000", "1", "1", 0}, {"2003", "13", "1", 0},
        {"2003", "", "1", 0},   {"", "1", "1", 0},
    };
    for (const auto& r : rows) {
        std::string y = r.year, m = r.month, d = r.day;
        EXPECT_EQ(CZelEra::ChkDay(y.data(), m.data(), d.data()), r.ok) << y << "/" << m << "/" << d;
    }
}

TEST(CZelEraTest, NumberMonthYearAndMonthLengthChecks)
{
    const struct { const char* text; int num, month; } texts[] = {
        {"12", 1, 1}, {"1", 1, 1}, {"13", 1, 0}, {"0", 1, 0}, {"", 0, 0}, {"-1", 0, 0}, {"3x", 0, 1}, {"１", 0, 0},
    };
    for (const auto& t : texts) {
        std::string s = t.text;
        EXPECT_EQ(CZelEra::ChkNum(s.data()), t.num) << s;
        EXPECT_EQ(CZelEra::ChkMonth(s.data(), 0), t.month) << s;
    }
    const int dayMax[][3] = {{1900, 2, 28}, {2000, 2, 29}, {2004, 2, 29}, {2003, 2, 28}, {2003, 4, 30},
                             {2003, 12, 31}, {2003, 0, 30}, {2003, 13, 0}, {2003, -1, 0}};
    for (const auto& r : dayMax)
        EXPECT_EQ(CZelEra::GetDayMax(r[0], r[1]), r[2]) << r[0] << "-" << r[1];
    const int years[][2] = {{99, 0}, {100, 1}, {9999, 1}, {10000, 0}};
    for (const auto& r : years)
        EXPECT_EQ(CZelEra::ChkYear(r[0]), r[1]) << r[0];
}

using EraDisplayTest = ScratchDirTest;

TEST_F(EraDisplayTest, DateAndNotificationTextsWithTheDefaultTable)
{
    CZelCalCtrlUtil util;
    const struct { int era, year, month, day; const char* text; } dates[] = {
        {1, 2002, 8, 16, "2002/08/16"},  {-3, 5, 3, 4, "5/03/04"},         {0, 2002, 8, 16, "平成14/08/16"},
        {0, 1989, 1, 7, "平成1/01/07"},  {0, 1926, 12, 25, "昭和1/12/25"}, {0, 1868, 1, 1, "明治1/01/01"},
        {0, 1867, 12, 31, ""},
    };
    for (const auto& r : dates)
        EXPECT_EQ(util.FromEra(r.era, r.year, r.month, r.day), r.text) << r.era << " " << r.year;
    COleDateTime invalid;
    invalid.SetDate(2003, 2, 30);
    EXPECT_EQ(util.FromEra(1, invalid), "-1/-1/-1");
    EXPECT_EQ(util.FromEra(0, invalid), "");

    // The sentence takes month and day from the date (-1 each when it is not valid).
    EXPECT_EQ(util.FromSettingNotifyAndInterval(1, -1, COleDateTime(2003, 3, 15, 0, 0, 0)), "毎年3月15日に通知する");
    EXPECT_EQ(util.FromSettingNotifyAndInterval(1, -1, invalid), "毎年-1月-1日に通知する");
    EXPECT_EQ(util.FromSettingNotify(0), "通知しない");
}

TEST(CZelCalCtrlComTest, DayRangeAndMonthTexts)
{
    const int days[][2] = {{0, 0}, {1, 1}, {31, 1}, {32, 0}};
    for (const auto& r : days)
        EXPECT_EQ(CZelCalCtrlCom::ChkInputDay(r[0]), r[1]) << r[0];
    const struct { const char* text; int month; } months[] = {
        {"1月", 1}, {"9月", 9}, {"10月", 10}, {"12月", 12}, {"13月", 0}, {"01月", 0}, {"１２月", 0}, {"12", 0}, {"", 0},
    };
    for (const auto& r : months) {
        std::string s = r.text;
        EXPECT_EQ(CZelCalCtrlCom::GetStrToMonth(s.data()), r.month) << s;
    }
    EXPECT_EQ(CZelCalCtrlCom::GetStrToMonth(nullptr), 0);
}

TEST_F(EraDisplayTest, EraDatesFormatWithTheCurrentFile)
{
    const std::time_t now = std::time(nullptr);
    CEraDate today;
    const std::tm local = *std::localtime(&now);
    CString expected;
    expected.Format("%d/%02d/%02d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    EXPECT_EQ(today.Format(), expected);

    // Each Format reads era.dat afresh.
    CEraDate date(0, COleDateTime(2002, 8, 16, 0, 0, 0));
    EXPECT_EQ(date.Format(), "平成14/08/16");
    WriteEraFile("2000,0,新,0\r\n1989,0,平成,0\r\n");
    EXPECT_EQ(date.Format(), "新3/08/16");
}
