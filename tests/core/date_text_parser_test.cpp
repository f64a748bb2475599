// The date reader of the whole-date checks, on a table of 西暦, 平成 and 昭和.
// (The date-text fuzz target holds it and the whole-date test against a
// second reading.)
#include <gtest/gtest.h>

#include "era/date_text_parser.h"
#include "era_rows.h"

#include <string>

TEST(DateTextParserTest, ReadsOnlyComposedRealDatesWithinTheirEra)
{
    CArray<CZelEra, CZelEra&> table;
    FillEraTable(table, {{1, "西暦", 0, 0}, {0, "平成", 1989, 0}, {0, "昭和", 1926, 1988}});
    const struct { const char *pszText, *pszRead; } rows[] = {
        {"2000/2/29", "2000-2-29"}, {"平成14/04/7", "2002-4-7"}, {"昭和64/1/7", "1989-1-7"},  // when 平成 began
        {"2002/2/29", "2345-6-7"},  {"99/1/1", "2345-6-7"},      {"昭和65/1/1", "2345-6-7"},
        {"平成0/1/1", "2345-6-7"},  {" 2002/4/7", "2345-6-7"},   {"西暦2002/4/7", "2345-6-7"},
    };
    for (const auto& r : rows) {
        COleDateTime dt(2345, 6, 7, 0, 0, 0);  // a refused text leaves it as it was
        const BOOL bRead = ZelParseDateText(r.pszText, table, dt);
        EXPECT_EQ(std::to_string(dt.GetYear()) + "-" + std::to_string(dt.GetMonth()) + "-" + std::to_string(dt.GetDay()),
                  r.pszRead) << r.pszText;
        EXPECT_EQ(bRead != FALSE, std::string(r.pszRead) != "2345-6-7") << r.pszText;
    }
}
