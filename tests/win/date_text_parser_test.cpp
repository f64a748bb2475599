// The date parser that the whole-date checks use, and the whole-date test
// itself, on the built-in era table: every real date is read back, Western
// or era, and every day the Gregorian calendar lacks is refused; era years
// stop at the end of their era, the year of a change belonging to both eras.
#include <gtest/gtest.h>

#include <string>

#include "ZelCalCtrl.h"
#include "controls/date_text_parser.h"
#include "test_host.h"

namespace {

class DateTextParserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // 西暦 and the four eras of the built-in table, newest first.
        Add(1, "西暦", 0, 0);
        Add(0, "平成", 1989, 0);
        Add(0, "昭和", 1926, 1988);
        Add(0, "大正", 1912, 1925);
        Add(0, "明治", 1868, 1911);
    }
    void Add(int nDiv, const char* pszName, int nFirst, int nLast)
    {
        CZelEra era;
        era.SetEraInfo(nDiv, pszName, nFirst, nLast);
        table.Add(era);
    }
    // "y-m-d" of the date read, or "refused".
    std::string Read(const char* pszText)
    {
        COleDateTime dt(2345, 6, 7, 0, 0, 0);
        if (!ZelParseDateText(pszText, table, dt)) {
            EXPECT_EQ(dt.GetYear(), 2345) << "a refused text changed the date";
            return "refused";
        }
        return std::to_string(dt.GetYear()) + "-" + std::to_string(dt.GetMonth()) + "-" +
               std::to_string(dt.GetDay());
    }

    CArray<CZelEra, CZelEra&> table;
};

struct Reading {
    const char* pszText;
    const char* pszExpected;
};

TEST_F(DateTextParserTest, WesternDatesAreReadWhenTheDayExists)
{
    for (const Reading& r : std::initializer_list<Reading>{
             {"2002/4/7", "2002-4-7"},   {"1995/03/15", "1995-3-15"}, {"2000/2/29", "2000-2-29"},
             {"2004/2/29", "2004-2-29"}, {"100/1/1", "100-1-1"},      {"9999/12/31", "9999-12-31"},
             {"2002/2/29", "refused"},   {"1900/2/29", "refused"},    {"2003/4/31", "refused"},
             {"2003/2/30", "refused"},   {"2002/13/1", "refused"},    {"2002/0/1", "refused"},
             {"2002/1/0", "refused"},    {"2002/1/32", "refused"},    {"99/1/1", "refused"},
         })
        EXPECT_EQ(Read(r.pszText), r.pszExpected) << r.pszText;
}

TEST_F(DateTextParserTest, EraDatesCountFromTheFirstYearOfTheEra)
{
    for (const Reading& r : std::initializer_list<Reading>{
             {"平成14/4/7", "2002-4-7"},
             {"平成1/1/8", "1989-1-8"},
             {"平成12/2/29", "2000-2-29"},
             {"平成13/2/29", "refused"},
             {"平成95/1/1", "2083-1-1"},  // the newest era has no end
             {"平成0/1/1", "refused"},
             {"昭和1/12/25", "1926-12-25"},
             {"昭和63/12/31", "1988-12-31"},
             {"昭和64/1/7", "1989-1-7"},  // the year 平成 began in
             {"昭和65/1/1", "refused"},
             {"昭和70/1/1", "refused"},
             {"大正15/12/24", "1926-12-24"},
             {"大正16/1/1", "refused"},
             {"明治1/10/23", "1868-10-23"},
             {"明治45/7/29", "1912-7-29"},
             {"明治46/1/1", "refused"},
         })
        EXPECT_EQ(Read(r.pszText), r.pszExpected) << Utf8(r.pszText);
}

TEST_F(DateTextParserTest, AnEraWhoseSuccessorBeganLaterEndsWithItsLastYear)
{
    // 昭和 with a last year of its own and no era beginning the year after.
    table.RemoveAll();
    Add(1, "西暦", 0, 0);
    Add(0, "昭和", 1926, 1989);
    EXPECT_EQ(Read("昭和64/12/31"), "1989-12-31");
    EXPECT_EQ(Read("昭和65/1/1"), "refused");
}

TEST_F(DateTextParserTest, OnlyTheComposedFormIsRead)
{
    for (const char* pszText : {"", "2002/4", "2002/4/7/1", "2002-4-7", " 2002/4/7", "2002/4/7 ", "2002/1a/3",
                                "2002//7", "/4/7", "西暦2002/4/7", "令和1/5/1", "平成/4/7", "平成 14/4/7",
                                "12345/1/1", "2002/00004/7", "平成14/4/7日"})
        EXPECT_EQ(Read(pszText), "refused") << Utf8(pszText);
    COleDateTime dt;
    EXPECT_FALSE(ZelParseDateText(nullptr, table, dt));
    // Leading zeros are digits like any other.
    EXPECT_EQ(Read("0002002/4/7"), "refused");
    EXPECT_EQ(Read("平成014/04/07"), "2002-4-7");
}

TEST_F(DateTextParserTest, WholeDateTestNamesTheLastFaultyField)
{
    struct Case {
        const char *pszEra, *pszYear, *pszMonth, *pszDay;
        ZelDateFault fault;
    };
    const Case cases[] = {
        {"西暦", "2002", "4", "7", kZelDateGood},
        {"西暦", "99", "", "7", kZelDateEmpty},  // empty before any number test
        {"西暦", "2002", "4", "", kZelDateEmpty},
        {"西暦", "99", "4", "7", kZelDateYearRange},
        {"西暦", "10000", "4", "7", kZelDateYearRange},
        {"平成", "0", "4", "7", kZelDateYearRange},
        {"平成", "100", "4", "7", kZelDateYearRange},
        {"平成", "95", "4", "7", kZelDateGood},
        {"西暦", "99", "13", "7", kZelDateMonthRange},
        {"西暦", "99", "13", "32", kZelDateDayRange},
        {"西暦", "2002", "4", "0", kZelDateDayRange},
        {"西暦", "2002", "2", "29", kZelDateNotReal},
        {"西暦", "2000", "2", "29", kZelDateGood},
        {"昭和", "70", "1", "1", kZelDateNotReal},
        {"", "14", "4", "7", kZelDateNotReal},  // no era chosen
        {"西暦", "2002", "4x", "7", kZelDateNotReal},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ZelTestDateTexts(c.pszEra, c.pszYear, c.pszMonth, c.pszDay, table), c.fault)
            << Utf8(c.pszEra) << c.pszYear << "/" << c.pszMonth << "/" << c.pszDay;
}

}  // namespace
