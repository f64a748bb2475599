// The era record and the calendar checks, and the display texts of the
// default table. (Those of era.dat as it changes: era_file_snapshot_test.cpp.)
#include "era/era_core.h"
#include "scratch_dir.h"

#include <string>

// Years 0 and below 100 read -1; -1 as the last year is open up to 9999.
// (The whole int range: the int fuzz target.)
TEST(CZelEraTest, EraYearsAndContainment)
{
    CZelEra heisei, early;
    heisei.SetEraInfo(0, "平成", 1989, 0);
    early.SetEraInfo(0, "古", 50, 99);
    const std::pair<CZelEra*, int> asked[] = {{&heisei, 1988}, {&heisei, 1989}, {&heisei, 9999}, {&heisei, 10000},
                                               {&early, -2},     {&early, -1},     {&early, 50}};
    std::string held;
    for (const auto& [pEra, nYear] : asked)
        held += std::to_string(pEra->ChkEra(nYear));
    EXPECT_EQ(held, "0110" "011");
}

// ChkNum, ChkMonth and GetStrToMonth: the int fuzz target.
TEST(CZelEraTest, DayCheckJudgesOnceYearAndMonthAreKnown)
{
    const struct { const char *year, *month, *day; int ok; } rows[] = {
        {"2004", "2", "29", 1}, {"2003", "2", "29", 0}, {"1900", "2", "29", 0}, {"2000", "2", "29", 1},
        {"2003", "4", "31", 0}, {"2003", "4", "0", 0},  {"0", "2", "31", 1},    {"2003", "0", "45", 1},
        {"99", "1", "1", 0},    {"2003", "13", "1", 0}, {"2003", "", "1", 0},   {"", "1", "1", 0},
    };
    for (const auto& r : rows) {
        std::string y = r.year, m = r.month, d = r.day;
        EXPECT_EQ(CZelEra::ChkDay(y.data(), m.data(), d.data()), r.ok) << y << "/" << m << "/" << d;
    }
}

using EraDisplayTest = ScratchDirTest;

TEST_F(EraDisplayTest, DateTextsWithTheDefaultTable)
{
    // Any era but 0 is Western; the years of the default table: the int fuzz target.
    CZelCalCtrlUtil util;
    EXPECT_EQ(util.FromEra(-3, 5, 3, 4), "5/03/04");
    EXPECT_EQ(util.FromEra(0, 1989, 1, 7), "平成1/01/07");
    const COleDateTime invalid(2003, 2, 30, 0, 0, 0);
    EXPECT_EQ(util.FromEra(1, invalid), "-1/-1/-1");
    EXPECT_EQ(util.FromEra(0, invalid), "");
}
