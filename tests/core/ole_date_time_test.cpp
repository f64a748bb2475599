#include "afx.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <limits>

namespace {

void ExpectFields(const COleDateTime& dt, int y, int mo, int d, int h, int mi, int s)
{
    EXPECT_EQ(dt.GetYear(), y);
    EXPECT_EQ(dt.GetMonth(), mo);
    EXPECT_EQ(dt.GetDay(), d);
    EXPECT_EQ(dt.GetHour(), h);
    EXPECT_EQ(dt.GetMinute(), mi);
    EXPECT_EQ(dt.GetSecond(), s);
}

void ExpectUnreadable(const COleDateTime& dt)
{
    ExpectFields(dt, -1, -1, -1, -1, -1, -1);
    EXPECT_EQ(dt.GetDayOfWeek(), -1);
    EXPECT_TRUE(dt.Format("%Y/%m/%d").IsEmpty());
}

}  // namespace

TEST(COleDateTimeTest, ZeroValueIsTheEpoch)
{
    const COleDateTime zero;
    EXPECT_EQ(zero.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(static_cast<DATE>(zero), 0.0);
    ExpectFields(zero, 1899, 12, 30, 0, 0, 0);
    EXPECT_EQ(zero.GetDayOfWeek(), 7);  // a Saturday
}

TEST(COleDateTimeTest, OnlyYears100To9999AreValid)
{
    COleDateTime dt;
    EXPECT_EQ(dt.SetDate(100, 1, 1), 0);
    EXPECT_EQ(dt.GetYear(), 100);
    EXPECT_EQ(dt.SetDateTime(9999, 12, 31, 23, 59, 59), 0);
    ExpectFields(dt, 9999, 12, 31, 23, 59, 59);

    for (int year : {99, 0, -1, 10000, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        EXPECT_EQ(dt.SetDate(year, 1, 1), 1) << year;
        EXPECT_EQ(dt.GetStatus(), COleDateTime::invalid) << year;
        ExpectUnreadable(dt);
    }
    // A year of 0 with month and day 0, as an era record starts.
    EXPECT_EQ(dt.SetDateTime(0, 0, 0, 0, 0, 0), 1);
    EXPECT_EQ(dt.GetYear(), -1);

    // A later valid set makes it valid again.
    EXPECT_EQ(dt.SetDate(1989, 1, 8), 0);
    EXPECT_EQ(dt.GetStatus(), COleDateTime::valid);
}

TEST(COleDateTimeTest, ImpossibleDatesAndTimesAreRejected)
{
    COleDateTime dt;
    EXPECT_EQ(dt.SetDate(1900, 2, 29), 1);  // 1900 is not a leap year
    EXPECT_EQ(dt.SetDate(2000, 2, 29), 0);
    EXPECT_EQ(dt.SetDate(2004, 2, 29), 0);
    EXPECT_EQ(dt.SetDate(2003, 2, 29), 1);
    EXPECT_EQ(dt.SetDate(2003, 4, 31), 1);
    EXPECT_EQ(dt.SetDate(2003, 12, 31), 0);
    EXPECT_EQ(dt.SetDate(2003, 13, 1), 1);
    EXPECT_EQ(dt.SetDate(2003, 0, 1), 1);
    EXPECT_EQ(dt.SetDate(2003, 1, 0), 1);
    EXPECT_EQ(dt.SetDate(2003, 1, 32), 1);
    EXPECT_EQ(dt.SetDate(2003, -1, -1), 1);
    EXPECT_EQ(dt.SetDateTime(2003, 1, 1, 24, 0, 0), 1);
    EXPECT_EQ(dt.SetDateTime(2003, 1, 1, 0, 60, 0), 1);
    EXPECT_EQ(dt.SetDateTime(2003, 1, 1, 0, 0, 60), 1);
    EXPECT_EQ(dt.SetDateTime(2003, 1, 1, -1, 0, 0), 1);
    EXPECT_EQ(dt.GetStatus(), COleDateTime::invalid);

    const COleDateTime constructed(2003, 2, 29, 0, 0, 0);
    EXPECT_EQ(constructed.GetStatus(), COleDateTime::invalid);
    ExpectUnreadable(constructed);
}

TEST(COleDateTimeTest, ValuesAndTheirFields)
{
    const COleDateTime d(2002, 8, 16, 18, 30, 15);
    const DATE expected = 37484.0 + (18 * 3600 + 30 * 60 + 15) / 86400.0;
    EXPECT_NEAR(static_cast<DATE>(d), expected, 1e-9);
    EXPECT_EQ(d.GetDayOfWeek(), 6);  // a Friday
    EXPECT_EQ(COleDateTime(2000, 1, 2, 0, 0, 0).GetDayOfWeek(), 1);  // a Sunday

    const COleDateTime fromValue(expected);
    EXPECT_EQ(fromValue.GetStatus(), COleDateTime::valid);
    ExpectFields(fromValue, 2002, 8, 16, 18, 30, 15);

    // Just below the next second rounds to it, and the day carries.
    ExpectFields(COleDateTime(37484.0 + (86400 - 0.2) / 86400.0), 2002, 8, 17, 0, 0, 0);
}

TEST(COleDateTimeTest, DatesBeforeTheEpochCountBackwardsWithAPositiveTime)
{
    const COleDateTime d(1899, 12, 29, 6, 0, 0);
    EXPECT_DOUBLE_EQ(static_cast<DATE>(d), -1.25);
    ExpectFields(COleDateTime(-1.25), 1899, 12, 29, 6, 0, 0);

    // Round trip through the value, far back and with a time of day.
    const COleDateTime old(1800, 3, 1, 12, 34, 56);
    ASSERT_LT(static_cast<DATE>(old), 0.0);
    ExpectFields(COleDateTime(static_cast<DATE>(old)), 1800, 3, 1, 12, 34, 56);

    const COleDateTime first(100, 1, 1, 23, 59, 59);
    ExpectFields(COleDateTime(static_cast<DATE>(first)), 100, 1, 1, 23, 59, 59);
    EXPECT_EQ(COleDateTime(100, 1, 1, 0, 0, 0).GetYear(), 100);

    // The time before the epoch on its own day: -0.5 is noon of 30 December.
    ExpectFields(COleDateTime(-0.5), 1899, 12, 30, 12, 0, 0);
}

TEST(COleDateTimeTest, ValuesOutsideTheRangeReadMinusOne)
{
    const double bad[] = {
        std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(),
        1e300,
        -1e300,
        static_cast<DATE>(COleDateTime(9999, 12, 31, 0, 0, 0)) + 1.0,
        static_cast<DATE>(COleDateTime(100, 1, 1, 0, 0, 0)) - 1.0,
    };
    for (double v : bad) {
        const COleDateTime dt(v);
        EXPECT_EQ(dt.GetStatus(), COleDateTime::invalid) << v;
        ExpectUnreadable(dt);
        // Even when someone marks it valid.
        COleDateTime forced(v);
        forced.SetStatus(COleDateTime::valid);
        ExpectUnreadable(forced);
    }
    // 9999-12-31 23:59:59.8 would round into year 10000.
    ExpectUnreadable(COleDateTime(static_cast<DATE>(COleDateTime(9999, 12, 31, 0, 0, 0)) + (86400 - 0.2) / 86400.0));
}

TEST(COleDateTimeTest, StatusAndEquality)
{
    COleDateTime a(2003, 3, 15, 0, 0, 0);
    COleDateTime b(2003, 3, 15, 0, 0, 0);
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a != b);
    b.SetStatus(COleDateTime::null);
    EXPECT_EQ(b.GetStatus(), COleDateTime::null);
    EXPECT_TRUE(a != b);
    ExpectUnreadable(b);
    EXPECT_TRUE(a != COleDateTime(2003, 3, 16, 0, 0, 0));
}

TEST(COleDateTimeTest, Format)
{
    const COleDateTime d(2002, 8, 6, 7, 5, 3);
    EXPECT_EQ(d.Format("%Y/%m/%d %H:%M:%S"), "2002/08/06 07:05:03");
    EXPECT_EQ(d.Format("%y%%"), "02%");
    EXPECT_EQ(d.Format("%Y年%m月"), "2002年08月");
    EXPECT_EQ(d.Format("%q and %"), "%q and %");
    EXPECT_EQ(COleDateTime(305, 1, 1, 0, 0, 0).Format("%Y %y"), "0305 05");
    EXPECT_TRUE(d.Format(nullptr).IsEmpty());
}

TEST(COleDateTimeTest, CurrentTimeIsLocal)
{
#ifndef _WIN32
    // A zone far from UTC, so that UTC would show.
    const char* previous = std::getenv("TZ");
    const std::string saved = previous ? previous : "";
    setenv("TZ", "JST-9", 1);
    tzset();
#endif
    const std::time_t before = std::time(nullptr);
    const COleDateTime now = COleDateTime::GetCurrentTime();
    const std::tm local = *std::localtime(&before);
#ifndef _WIN32
    if (previous)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
#endif
    ASSERT_EQ(now.GetStatus(), COleDateTime::valid);
    const COleDateTime expected(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                                local.tm_sec > 59 ? 59 : local.tm_sec);
    // Within a few seconds of the C library's local time.
    EXPECT_LT(std::fabs(static_cast<DATE>(now) - static_cast<DATE>(expected)) * 86400.0, 5.0);
}
