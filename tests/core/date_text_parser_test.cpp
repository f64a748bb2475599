// The date reader of the whole-date checks, on a table of 西暦, 平成 and 昭和.
#include <gtest/gtest.h>

#include "era/date_text_parser.h"
#include "era_rows.h"

#include <string>

namespace {

TEST(DateTextParserTest, ReadsOnlyComposedRealDatesWithinTheirEra)
{
    CArray<CZelEra, CZelEra&> table;
    FillEraTable(table, {{1, "西暦", 0, 0}, {0, "平成", 1989, 0}, {0, "昭和", 1926, 1988}});
    const struct { const char *pszText, *pszRead; } rows[] = {
        {"2002/4/7", "2002-4-7"},     {"2000/2/29", "2000-2-29"},   {"1995/03/15", "1995-3-15"},
        {"平成14/4/7", "2002-4-7"},   {"昭和64/1/7", "1989-1-7"},   // the year 平成 began in
        {"2002/2/29", "refused"},     {"2003/4/31", "refused"},     {"99/1/1", "refused"},
        {"平成13/2/29", "refused"},   {"昭和65/1/1", "refused"},    {"平成0/1/1", "refused"},
        {"2002-4-7", "refused"},      {" 2002/4/7", "refused"},     {"2002/4", "refused"},
        {"西暦2002/4/7", "refused"},  {"2002/1a/3", "refused"},    {"平成9000/1/1", "refused"},
    };
    for (const auto& r : rows) {
        COleDateTime dt(2345, 6, 7, 0, 0, 0);  // a refused text leaves it as it was
        const BOOL bRead = ZelParseDateText(r.pszText, table, dt);
        EXPECT_EQ(std::to_string(dt.GetYear()) + "-" + std::to_string(dt.GetMonth()) + "-" +
                      std::to_string(dt.GetDay()),
                  bRead ? r.pszRead : "2345-6-7")
            << r.pszText;
        EXPECT_EQ(bRead != FALSE, std::string(r.pszRead) != "refused") << r.pszText;
    }
}

// The whole-date test names the last failing field of year, month and day.
TEST(DateTextParserTest, WholeDateTestNamesTheFieldToCorrect)
{
    CArray<CZelEra, CZelEra&> table;
    FillEraTable(table, {{1, "西暦", 0, 0}, {0, "平成", 1989, 0}});
    const struct { const char *pszEra, *pszYear, *pszMonth, *pszDay; ZelDateFault fault; } rows[] = {
        {"西暦", "2002", "4", "7", kZelDateGood},       {"平成", "14", "04", "07", kZelDateGood},
        {"西暦", "2002", "", "7", kZelDateEmpty},       {"西暦", "99", "4", "7", kZelDateYearRange},
        {"平成", "100", "4", "7", kZelDateYearRange},   {"平成", "0", "4", "7", kZelDateYearRange},
        {"西暦", "99", "13", "7", kZelDateMonthRange},  {"西暦", "99", "13", "32", kZelDateDayRange},
        {"西暦", "2003", "2", "29", kZelDateNotReal},   {"平成", "13", "2", "29", kZelDateNotReal},
        {"西暦", "2002x", "4", "7", kZelDateNotReal},   {"", "2002", "4", "7", kZelDateYearRange},
    };
    for (const auto& r : rows)
        EXPECT_EQ(ZelTestDateTexts(r.pszEra, r.pszYear, r.pszMonth, r.pszDay, table), r.fault)
            << r.pszEra << r.pszYear << "/" << r.pszMonth << "/" << r.pszDay;
}

}  // namespace
