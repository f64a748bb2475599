// The two modal dialogs of the library.
#include "ZelCalCtrl.h"

// The date pop-up at a screen point. Opened with a day that does not exist it
// keeps the focus in its era list, so it is always handed a real day: the
// host's date when it is one, else today's.
bool AskDate(CWnd* pOwner, POINT at, int& nDiv, int& nYear, int& nMonth, int& nDay)
{
    int y = nYear, m = nMonth, d = nDay;
    COleDateTime check;
    if (check.SetDate(y, m, d) != 0) {
        const COleDateTime today = COleDateTime::GetCurrentTime();
        y = today.GetYear();
        m = today.GetMonth();
        d = today.GetDay();
    }
    CZelCalNormDlg dlg(pOwner);
    // The references change on IDOK only.
    if (dlg.DoModal(nDiv, y, m, d, at.x, at.y) != IDOK)
        return false;
    nYear = y, nMonth = m, nDay = d;
    return true;
}

// The rule dialog "定期の設定": every month (1), every N months (2 to 12) or
// every year (-1), with a day (and a month for every year).
bool AskRule(CWnd* pOwner, int& nInterval, int& nMonth, int& nDay)
{
    CZelRegSetDlg dlg(pOwner);
    dlg.SetChoiceData(nInterval, nMonth, nDay);
    if (dlg.DoModal() != IDOK)
        return false;
    dlg.GetChoiceData(nInterval, nMonth, nDay);
    return true;
}
