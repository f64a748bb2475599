// The words of a periodic rule and of the notification sentence built on it.
#pragma once

#include "afx.h"
#include "zel_export.h"

// The wording of a rule: 毎年M月D日 (interval -1), Nヶ月に1回のD日 (2 or
// more), 毎月D日 (1). An interval of 0 leaves str as it was; one below -1
// reads 毎月1日.
ZELCALCTRL_API void ZelWordRule(int nInterval, int nMonth, int nDay, CString& str);

// "通知する" or "通知しない".
ZELCALCTRL_API const char* ZelNotifyWord(int bNotify);

// The notification sentence: the rule's wording followed by に for every
// year, every month and every 2 to 12 months, then 通知する; other
// intervals give 通知する alone; notification off gives 通知しない.
ZELCALCTRL_API CString ZelNotifySentence(int bNotify, int nInterval, int nMonth, int nDay);
