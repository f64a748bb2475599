// The words of a periodic rule and the notification sentence built on them.
#include <gtest/gtest.h>

#include "era/rule_wording.h"

#include <string>

// Every kind worded, no upper bound on the interval, interval 0 leaving the text.
TEST(RuleWordingTest, WordsEachKindOfRule)
{
    const struct { int nInterval, nMonth, nDay; const char* pszText; } cases[] = {
        {-1, 2, 14, "毎年2月14日"}, {3, 0, 10, "3ヶ月に1回の10日"}, {1, 0, 25, "毎月25日"},
        {24, 0, 1, "24ヶ月に1回の1日"}, {-5, 7, 9, "毎月1日"}, {0, 7, 9, "前"}, {13, 0, 15, "13ヶ月に1回の15日"}};
    for (const auto& c : cases) {
        CString str("前");
        ZelWordRule(c.nInterval, c.nMonth, c.nDay, str);
        EXPECT_EQ(std::string(str), c.pszText) << c.nInterval;
    }
}

// The sentence words intervals up to 12 only and ends every rule with に.
TEST(RuleWordingTest, NotificationSentence)
{
    const struct { int bNotify, nInterval, nMonth, nDay; const char* pszText; } cases[] = {
        {1, -1, 3, 15, "毎年3月15日に通知する"}, {1, 1, 3, 15, "毎月15日に通知する"},
        {1, 12, 3, 15, "12ヶ月に1回の15日に通知する"}, {1, 13, 3, 15, "通知する"},
        {1, -2, 3, 15, "通知する"}, {1, 0, 3, 15, "通知する"}, {1, 2, -1, -1, "2ヶ月に1回の-1日に通知する"},
        {0, -1, 3, 15, "通知しない"}, {7, 1, 0, 31, "毎月31日に通知する"}};
    for (const auto& c : cases)
        EXPECT_EQ(std::string(ZelNotifySentence(c.bNotify, c.nInterval, c.nMonth, c.nDay)), c.pszText)
            << c.bNotify << " " << c.nInterval;
}
