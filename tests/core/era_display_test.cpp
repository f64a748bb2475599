#include "era/era_core.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <climits>
#include <ctime>
#include <string>

namespace {

int GetStrToMonth(const char* s)
{
    std::string text(s);
    return CZelCalCtrlCom::GetStrToMonth(text.data());
}

COleDateTime Date(int y, int m, int d) { return COleDateTime(y, m, d, 0, 0, 0); }

COleDateTime InvalidDate()
{
    COleDateTime dt;
    dt.SetDate(2003, 2, 30);
    return dt;
}

}  // namespace

class EraDisplayTest : public ScratchDirTest
{
protected:
    void SetUp() override
    {
        ScratchDirTest::SetUp();
        MakeDataDir();  // the default table gets written here
    }
};

TEST_F(EraDisplayTest, WesternDatesIgnoreTheTable)
{
    CZelCalCtrlUtil util;
    EXPECT_EQ(util.FromEra(1, 2002, 8, 16), "2002/08/16");
    EXPECT_EQ(util.FromEra(1, 5, 3, 4), "5/03/04");
    EXPECT_EQ(util.FromEra(-3, 2002, 12, 1), "2002/12/01");  // any non-zero flag
    EXPECT_EQ(util.FromEra(1, INT_MIN, INT_MAX, -1), "-2147483648/2147483647/-1");
    EXPECT_EQ(util.FromEra(1, Date(2003, 3, 15)), "2003/03/15");
    EXPECT_EQ(util.FromEra(1, InvalidDate()), "-1/-1/-1");

    // A table without the Western entry still formats Western dates.
    WriteEraFile("1989,0,平成,0\r\n");
    CZelCalCtrlUtil noWestern;
    EXPECT_EQ(noWestern.FromEra(1, 2002, 8, 16), "2002/08/16");
    EXPECT_EQ(noWestern.FromEra(0, 2002, 8, 16), "平成14/08/16");
}

TEST_F(EraDisplayTest, EraDatesWithTheDefaultTable)
{
    CZelCalCtrlUtil util;
    EXPECT_EQ(ReadEraFile().size(), 84u);  // the default file was written
    EXPECT_EQ(util.FromEra(0, 2002, 8, 16), "\x95\xBD\x90\xAC" "14/08/16");
    EXPECT_EQ(util.FromEra(0, 1989, 1, 7), "平成1/01/07");  // chosen by year alone
    EXPECT_EQ(util.FromEra(0, 1988, 12, 31), "昭和63/12/31");
    EXPECT_EQ(util.FromEra(0, 1926, 12, 25), "昭和1/12/25");
    EXPECT_EQ(util.FromEra(0, 1925, 1, 1), "大正14/01/01");
    EXPECT_EQ(util.FromEra(0, 1868, 1, 1), "明治1/01/01");
    EXPECT_EQ(util.FromEra(0, 9999, 12, 31), "平成8011/12/31");
    EXPECT_EQ(util.FromEra(0, 1867, 12, 31), "");
    EXPECT_EQ(util.FromEra(0, 10000, 1, 1), "");
    EXPECT_EQ(util.FromEra(0, INT_MAX, 1, 1), "");
    EXPECT_EQ(util.FromEra(0, INT_MIN, 1, 1), "");
    EXPECT_EQ(util.FromEra(0, Date(2019, 5, 1)), "平成31/05/01");
    EXPECT_EQ(util.FromEra(0, InvalidDate()), "");
}

TEST_F(EraDisplayTest, EraLookupFollowsTheFileTable)
{
    // Table order decides; a last year of 0 or less is open-ended; years
    // below 100 read -1 and so start at -1.
    WriteEraFile(
        "1926,1988,昭和,0\r\n"
        "1980,0,新,0\r\n"
        "50,60,古,0\r\n");
    CZelCalCtrlUtil util;
    EXPECT_EQ(util.FromEra(0, 1985, 1, 1), "昭和60/01/01");
    EXPECT_EQ(util.FromEra(0, 1995, 1, 1), "新16/01/01");
    EXPECT_EQ(util.FromEra(0, 1900, 2, 3), "古1902/02/03");
    EXPECT_EQ(util.FromEra(0, -1, 1, 1), "古1/01/01");
    EXPECT_EQ(util.FromEra(0, -2, 1, 1), "");
    // An invalid date reads -1 and falls into that era.
    EXPECT_EQ(util.FromEra(0, InvalidDate()), "古1/-1/-1");

    // An empty table finds no era.
    WriteEraFile("");
    CZelCalCtrlUtil empty;
    EXPECT_EQ(empty.FromEra(0, 2000, 1, 1), "");
    EXPECT_EQ(empty.FromEra(1, 2000, 1, 1), "2000/01/01");
}

TEST_F(EraDisplayTest, NotificationTexts)
{
    CZelCalCtrlUtil util;
    EXPECT_EQ(util.FromSettingNotify(1), "通知する");
    EXPECT_EQ(util.FromSettingNotify(-5), "通知する");
    EXPECT_EQ(util.FromSettingNotify(0), "通知しない");

    const COleDateTime d = Date(2003, 3, 15);
    EXPECT_EQ(util.FromSettingNotifyAndInterval(1, -1, d), "毎年3月15日に通知する");
    EXPECT_EQ(util.FromSettingNotifyAndInterval(1, 1, d), "毎月15日に通知する");
    EXPECT_EQ(util.FromSettingNotifyAndInterval(1, 2, d), "2ヶ月に1回の15日に通知する");
    EXPECT_EQ(util.FromSettingNotifyAndInterval(1, 3, d), "3ヶ月に1回の15日に通知する");
    EXPECT_EQ(util.FromSettingNotifyAndInterval(1, 12, d), "12ヶ月に1回の15日に通知する");
    for (int interval : {0, 13, -2, INT_MIN, INT_MAX})
        EXPECT_EQ(util.FromSettingNotifyAndInterval(1, interval, d), "通知する") << interval;
    for (int interval : {-1, 0, 1, 3})
        EXPECT_EQ(util.FromSettingNotifyAndInterval(0, interval, d), "通知しない") << interval;
    EXPECT_EQ(util.FromSettingNotifyAndInterval(1, -1, InvalidDate()), "毎年-1月-1日に通知する");
    // Exact bytes of one sentence: 毎月 15 日 に 通知する.
    EXPECT_EQ(util.FromSettingNotifyAndInterval(1, 1, d),
              "\x96\x88\x8C\x8E" "15" "\x93\xFA\x82\xC9" "\x92\xCA\x92\x6D\x82\xB7\x82\xE9");
}

TEST(CZelCalCtrlComTest, DayRangeAndMonthTexts)
{
    EXPECT_EQ(CZelCalCtrlCom::ChkInputDay(0), 0);
    EXPECT_EQ(CZelCalCtrlCom::ChkInputDay(1), 1);
    EXPECT_EQ(CZelCalCtrlCom::ChkInputDay(31), 1);
    EXPECT_EQ(CZelCalCtrlCom::ChkInputDay(32), 0);
    EXPECT_EQ(CZelCalCtrlCom::ChkInputDay(INT_MIN), 0);

    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(GetStrToMonth((std::to_string(m) + "\x8C\x8E").c_str()), m) << m;
    EXPECT_EQ(GetStrToMonth("12月"), 12);
    EXPECT_EQ(GetStrToMonth("１２月"), 0);  // full-width digits
    EXPECT_EQ(GetStrToMonth("12"), 0);
    EXPECT_EQ(GetStrToMonth("01月"), 0);
    EXPECT_EQ(GetStrToMonth("13月"), 0);
    EXPECT_EQ(GetStrToMonth("1月 "), 0);
    EXPECT_EQ(GetStrToMonth(""), 0);
    EXPECT_EQ(CZelCalCtrlCom::GetStrToMonth(nullptr), 0);
}

TEST_F(EraDisplayTest, EraDateHoldsAndFormats)
{
    const CEraDate today;
    CEraDate copy(today);
    EXPECT_EQ(copy.GetEra(), 1);
    const COleDateTime now = COleDateTime::GetCurrentTime();
    const COleDateTime held = copy.GetDate();
    EXPECT_LT((static_cast<DATE>(now) - static_cast<DATE>(held)) * 86400.0, 5.0);
    EXPECT_GE(static_cast<DATE>(now), static_cast<DATE>(held));
    CString expected;
    expected.Format("%d/%02d/%02d", held.GetYear(), held.GetMonth(), held.GetDay());
    EXPECT_EQ(copy.Format(), expected);

    CEraDate date(0, Date(2002, 8, 16));
    EXPECT_EQ(date.GetEra(), 0);
    EXPECT_EQ(date.Format(), "平成14/08/16");
    date.SetDate(Date(1926, 12, 25));
    EXPECT_EQ(date.GetEra(), 0);
    EXPECT_EQ(date.Format(), "昭和1/12/25");
    date.SetEraDate(1, Date(1926, 12, 25));
    EXPECT_EQ(date.Format(), "1926/12/25");

    CEraDate assigned;
    assigned = date;
    EXPECT_EQ(assigned.GetEra(), 1);
    EXPECT_TRUE(assigned.GetDate() == Date(1926, 12, 25));

    // Every Format reads era.dat afresh.
    CEraDate era(0, Date(2002, 8, 16));
    WriteEraFile("2000,0,新,0\r\n1989,0,平成,0\r\n");
    EXPECT_EQ(era.Format(), "新3/08/16");
    WriteEraFile("1989,0,平成,0\r\n");
    EXPECT_EQ(era.Format(), "平成14/08/16");

    // Without era.dat the default file is written again.
    std::filesystem::remove("data/era.dat");
    EXPECT_EQ(era.Format(), "平成14/08/16");
    EXPECT_EQ(ReadEraFile().size(), 84u);
}
