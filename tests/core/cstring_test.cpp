#include "afx.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

TEST(CStringTest, ConstructionAssignmentAndAppending)
{
    CString empty(static_cast<const char*>(nullptr));
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_STREQ(static_cast<LPCSTR>(empty), "");

    EXPECT_EQ(CString('x', 3), "xxx");
    EXPECT_TRUE(CString('x', -2).IsEmpty());

    CString s("ab");
    s += CString("cd");
    s += "ef";
    s += 'g';
    s += static_cast<const char*>(nullptr);
    EXPECT_EQ(s, "abcdefg");
    EXPECT_EQ(s.GetLength(), 7);

    CString t;
    t = s;
    t = static_cast<const char*>(t) + 1;  // assigning from its own bytes
    EXPECT_EQ(t, "bcdefg");
    t = static_cast<const char*>(nullptr);
    EXPECT_TRUE(t.IsEmpty());

    EXPECT_EQ(CString("a") + CString("b"), "ab");
    EXPECT_EQ(CString("a") + "b", "ab");
    EXPECT_EQ("a" + CString("b"), "ab");
    EXPECT_TRUE("ab" == CString("ab"));
    EXPECT_TRUE(CString("ab") != "abc");
    EXPECT_TRUE("abc" != CString("ab"));
    EXPECT_FALSE(CString("ab") != CString("ab"));

    s.Empty();
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(s.GetLength(), 0);
}

TEST(CStringTest, ShiftJisBytesStayAsTheyAre)
{
    const CString name("西暦");
    ASSERT_EQ(name.GetLength(), 4);
    EXPECT_EQ(name, "\x90\xBC\x97\xEF");
    // 表 has 0x5C as its second byte.
    EXPECT_EQ(CString("表"), "\x95\x5C");
}

TEST(CStringTest, GetAtOutsideTheStringThrows)
{
    const CString s("abc");
    EXPECT_EQ(s.GetAt(0), 'a');
    EXPECT_EQ(s.GetAt(2), 'c');
    EXPECT_THROW(s.GetAt(3), std::out_of_range);
    EXPECT_THROW(s.GetAt(-1), std::out_of_range);
}

TEST(CStringTest, FormatLikePrintf)
{
    CString s;
    s.Format("%d,%d,%s,%d\r\n", -1, 1989, "平成", 0);
    EXPECT_EQ(s, "-1,1989,\x95\xBD\x90\xAC,0\r\n");

    s.Format("%02d/%02d", 3, -1);
    EXPECT_EQ(s, "03/-1");

    // Longer than any small buffer.
    const std::string longText(1000, 'z');
    s.Format("[%s]", longText.c_str());
    EXPECT_EQ(s.GetLength(), 1002);
    EXPECT_EQ(s.GetAt(1001), ']');

    // The argument may be the string being formatted.
    s = "abc";
    s.Format("%s-%s", static_cast<LPCSTR>(s), static_cast<LPCSTR>(s));
    EXPECT_EQ(s, "abc-abc");

    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringTest, CompareWorksByShiftJisCharacters)
{
    EXPECT_EQ(CString("平成").Compare("平成"), 0);
    EXPECT_LT(CString("abc").Compare("abd"), 0);
    EXPECT_GT(CString("abd").Compare("abc"), 0);
    EXPECT_LT(CString("ab").Compare("abc"), 0);
    EXPECT_GT(CString("abc").Compare(""), 0);

    // Half-width ｱ (B1) is one character below the double-byte Ａ (8260),
    // although its byte is greater than 0x82.
    EXPECT_LT(CString("ｱ").Compare("Ａ"), 0);
    EXPECT_GT(CString("Ａ").Compare("ｱ"), 0);
    EXPECT_LT(AfxMbsCmp("\xB1", "\x82\x60"), 0);

    // The second byte belongs to its character: 8340 against 'A' then '@'.
    EXPECT_GT(AfxMbsCmp("\x83\x40", "A@"), 0);
    // A lead byte at the very end stands alone and reads nothing after it.
    EXPECT_GT(AfxMbsCmp("a\x83", "a"), 0);
    EXPECT_LT(AfxMbsCmp("\x83", "\x83\x40"), 0);

    EXPECT_EQ(AfxMbsCmp(nullptr, ""), 0);
    EXPECT_LT(AfxMbsCmp(nullptr, "a"), 0);
}

TEST(CStringTest, BufferAndSubstrings)
{
    CString s;
    char* p = s.GetBuffer(10);
    for (int i = 0; i < 5; ++i)
        p[i] = static_cast<char>('a' + i);
    p[5] = '\0';
    s.ReleaseBuffer();
    EXPECT_EQ(s, "abcde");
    EXPECT_EQ(s.GetLength(), 5);

    p = s.GetBuffer(0);  // never shorter than the text
    EXPECT_STREQ(p, "abcde");
    s.ReleaseBuffer(2);
    EXPECT_EQ(s, "ab");
    s.ReleaseBuffer(50);  // longer than the buffer: keeps what there is
    EXPECT_EQ(s, "ab");

    const CString t("abcdef");
    EXPECT_EQ(t.Left(2), "ab");
    EXPECT_EQ(t.Left(100), "abcdef");
    EXPECT_TRUE(t.Left(-1).IsEmpty());
    EXPECT_EQ(t.Mid(4), "ef");
    EXPECT_EQ(t.Mid(1, 3), "bcd");
    EXPECT_EQ(t.Mid(-5, 2), "ab");
    EXPECT_TRUE(t.Mid(6).IsEmpty());
    EXPECT_TRUE(t.Mid(2, 0).IsEmpty());
    EXPECT_EQ(t.Mid(3, 1000), "def");
}
