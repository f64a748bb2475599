// Placing a full-date control in a host dialog, between two of its fields.
#include "ZelCalCtrl.h"

void PlaceDateControl(CZelCalNorm& date, HWND hDlg, HWND hFieldBefore, HWND hFieldAfter, POINT at)
{
    CWnd* pDlg = CWnd::FromHandle(hDlg);
    // Only the parent counts: style, size, place and ID come from the library's template.
    date.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 0, 0), pDlg, 1000, nullptr);
    // The template is made hidden: put the control where it belongs, at its
    // own size, and show it.
    CRect rc;
    date.GetWindowRect(&rc);
    date.MoveWindow(at.x, at.y, rc.Width(), rc.Height());
    date.ShowWindow(SW_SHOW);
    // Tab, Shift+Tab and Enter leave the control to these host windows.
    date.SetParentCtrl(CWnd::FromHandle(hFieldBefore), CWnd::FromHandle(hFieldAfter));
    date.SetChoiceData(0, 2002, 4, 7);  // era calendar: shows 平成 14 4 7
}

// The host's own "no date": a check box beside the control, kept by the host.
bool ReadDate(CZelCalNorm& date, HWND hHasDate, int& nYear, int& nMonth, int& nDay)
{
    if (::SendMessageA(hHasDate, BM_GETCHECK, 0, 0) != BST_CHECKED)
        return false;
    int nDiv = 1;
    date.GetChoiceData(nDiv, nYear, nMonth, nDay);  // always the Western year
    COleDateTime check;
    return check.SetDate(nYear, nMonth, nDay) == 0;  // 0: a real day
}

void ShowNoDate(CZelCalNorm& date, HWND hHasDate, bool bHasDate)
{
    ::SendMessageA(hHasDate, BM_SETCHECK, bHasDate ? BST_CHECKED : BST_UNCHECKED, 0);
    date.UseControl(bHasDate ? TRUE : FALSE);  // greyed while there is no date
}
