#include "rule_wording.h"

void ZelWordRule(int nInterval, int nMonth, int nDay, CString& str)
{
    if (nInterval == 0)
        return;
    if (nInterval == -1)
        str.Format("毎年%d月%d日", nMonth, nDay);
    else if (nInterval >= 2)
        str.Format("%dヶ月に1回の%d日", nInterval, nDay);
    else if (nInterval == 1)
        str.Format("毎月%d日", nDay);
    else
        str = "毎月1日";
}

const char* ZelNotifyWord(int bNotify) { return bNotify ? "通知する" : "通知しない"; }

CString ZelNotifySentence(int bNotify, int nInterval, int nMonth, int nDay)
{
    if (!bNotify)
        return CString(ZelNotifyWord(0));
    CString strResult;
    // The sentence knows intervals up to 12 only.
    if (nInterval == -1 || (nInterval >= 1 && nInterval <= 12)) {
        ZelWordRule(nInterval, nMonth, nDay, strResult);
        strResult += "に";
    }
    strResult += ZelNotifyWord(1);
    return strResult;
}
