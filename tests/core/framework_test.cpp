#include "afx.h"
#include "era/decimal_value.h"
#include "scratch_dir.h"

#include <climits>
#include <string>

TEST(CStringTest, CompareGoesByShiftJisCharactersAndFormatLikePrintf)
{
    EXPECT_EQ(CString("平成").Compare("平成"), 0);
    EXPECT_LT(CString("ab").Compare("abc"), 0);
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
    COleDateTime dt;
    EXPECT_EQ(dt.SetDate(100, 1, 1), 0);
    EXPECT_EQ(dt.Format("%Y/%m/%d"), "0100/01/01");
    EXPECT_EQ(dt.SetDate(2000, 2, 29), 0);
    EXPECT_EQ(dt.SetDateTime(9999, 12, 31, 23, 59, 59), 0);
    EXPECT_EQ(dt.Format("%Y/%m/%d %H:%M:%S"), "9999/12/31 23:59:59");
    const int bad[][6] = {{99, 1, 1, 0, 0, 0},    {10000, 1, 1, 0, 0, 0}, {1900, 2, 29, 0, 0, 0},
                          {2003, 4, 31, 0, 0, 0}, {2003, 13, 1, 0, 0, 0}, {2003, 1, 1, 24, 0, 0}};
    for (const auto& b : bad) {
        EXPECT_EQ(dt.SetDateTime(b[0], b[1], b[2], b[3], b[4], b[5]), 1) << b[0] << "-" << b[1] << "-" << b[2];
        EXPECT_EQ(dt.GetYear() + dt.GetMonth() + dt.GetDay() + dt.GetSecond(), -4) << "nothing of it reads";
        EXPECT_TRUE(dt.Format("%Y/%m/%d").IsEmpty());
    }

    // Days count from 30 December 1899; before it backwards, with a positive time of day.
    EXPECT_DOUBLE_EQ(static_cast<DATE>(COleDateTime(2002, 8, 16, 0, 0, 0)), 37484.0);
    EXPECT_DOUBLE_EQ(static_cast<DATE>(COleDateTime(1899, 12, 29, 6, 0, 0)), -1.25);
    const COleDateTime old(1800, 3, 1, 12, 34, 56);
    ASSERT_LT(static_cast<DATE>(old), 0.0);
    EXPECT_EQ(COleDateTime(static_cast<DATE>(old)).Format("%Y/%m/%d %H:%M:%S"), "1800/03/01 12:34:56");
}

using CFileTest = ScratchDirTest;

TEST_F(CFileTest, MissingFileThrowsAndCreateReplaces)
{
    EXPECT_THROW(CFile("missing.bin", CFile::modeRead), CFileException);
    WriteBytes("f.txt", "a longer old content");
    {
        CFile file("f.txt", CFile::modeCreate | CFile::modeWrite);
        file.Write("new\r\n", 5);
    }
    EXPECT_EQ(ReadBytes("f.txt"), "new\r\n");
}

TEST(DecimalValueTest, SaturatesInsteadOfOverflowing)
{
    EXPECT_EQ(ZelDecimalValue(" \r\n-42,x"), -42);
    EXPECT_EQ(ZelDecimalValue("2147483648"), INT_MAX);
    EXPECT_EQ(ZelDecimalValue("-2147483648"), INT_MIN);
    EXPECT_EQ(ZelDecimalValue(std::string(40, '9').c_str()), INT_MAX);
    EXPECT_EQ(ZelDecimalValue(("-" + std::string(40, '9')).c_str()), INT_MIN);
}
