// The words of a periodic rule and the notification sentence built on them:
// no upper bound on the rule's interval, interval 0 leaving the text; the
// sentence words intervals up to 12 only and ends every rule with に.
#include <gtest/gtest.h>

#include "era/rule_wording.h"

#include <string>

TEST(RuleWordingTest, WordsEachKindOfRuleAndTheNotificationSentence)
{
    const struct { int bNotify, nInterval, nMonth, nDay; const char *pszRule, *pszSentence; } cases[] = {
        {1, -1, 2, 14, "毎年2月14日", "毎年2月14日に通知する"}, {7, 1, 0, 25, "毎月25日", "毎月25日に通知する"},
        {1, 12, 3, 15, "12ヶ月に1回の15日", "12ヶ月に1回の15日に通知する"}, {1, 13, 3, 1, "13ヶ月に1回の1日", "通知する"},
        {1, -5, 7, 9, "毎月1日", "通知する"}, {1, 0, 7, 9, "前", "通知する"}, {0, -1, 3, 15, "毎年3月15日", "通知しない"}};
    for (const auto& c : cases) {
        CString str("前");
        ZelWordRule(c.nInterval, c.nMonth, c.nDay, str);
        EXPECT_EQ(std::string(str), c.pszRule) << c.nInterval;
        EXPECT_EQ(std::string(ZelNotifySentence(c.bNotify, c.nInterval, c.nMonth, c.nDay)), c.pszSentence) << c.nInterval;
    }
}
