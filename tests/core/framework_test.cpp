// The framework value types: Shift_JIS strings and date values. (Files: the
// era file tests; the decimal reading of era.dat fields: the reader fuzz target.)
#include "afx.h"
#include <gtest/gtest.h>

#include <string>

TEST(CStringTest, CompareGoesByShiftJisCharactersAndFormatLikePrintf)
{
    // Half-width ｱ (B1) is below the double-byte Ａ (8260), though its byte is greater.
    EXPECT_LT(CString("\xB1").Compare("\x82\x60"), 0);
    EXPECT_GT(CString("\x82\x60").Compare("\xB1"), 0);
    // ｂ (8282) has a second byte that is a lead byte: ｱ then follows it, not 82B1.
    EXPECT_LT(CString("\x82\x82\xB1").Compare("\x82\x82\x82\x60"), 0);

    CString s;
    s.Format("%d,%s,%02d", -1, "平成", 3);
    EXPECT_EQ(s, "-1,\x95\xBD\x90\xAC,03");
    // The argument may be the string being formatted.
    s.Format("%s-%s", static_cast<LPCSTR>(s), static_cast<LPCSTR>(s));
    EXPECT_EQ(s, "-1,\x95\xBD\x90\xAC,03--1,\x95\xBD\x90\xAC,03");
}

TEST(COleDateTimeTest, RealDatesOfYears100To9999AndTheirValues)
{
    // Validity and the parts of a date value: the int fuzz target.
    COleDateTime dt;
    EXPECT_EQ(dt.SetDateTime(9999, 12, 31, 23, 59, 59), 0);
    EXPECT_EQ(dt.Format("%Y/%m/%d %H:%M:%S"), "9999/12/31 23:59:59");
    EXPECT_EQ(dt.SetDate(1900, 2, 29), 1);
    EXPECT_TRUE(dt.Format("%Y/%m/%d").IsEmpty());

    // Days count from 30 December 1899; before it backwards, with a positive time of day.
    EXPECT_DOUBLE_EQ(static_cast<DATE>(COleDateTime(2002, 8, 16, 0, 0, 0)), 37484.0);
    EXPECT_DOUBLE_EQ(static_cast<DATE>(COleDateTime(1899, 12, 29, 6, 0, 0)), -1.25);
    const COleDateTime old(1800, 3, 1, 12, 34, 56);
    EXPECT_EQ(COleDateTime(static_cast<DATE>(old)).Format("%Y/%m/%d %H:%M:%S"), "1800/03/01 12:34:56");
}
