// The flat C functions of ZelCalCtrlC.h: thin calls of the C++ classes,
// with nothing thrown or allocated across the boundary.
#include "ZelCalCtrlC.h"

#include "ZelCalCtrl.h"
#include "module/zel_module.h"
#include "wndclass/class_window.h"
#include "wndclass/value_rules.h"
#include "wndclass/wide_text.h"

extern "C" BOOL WINAPI ZelCalInitControls(void)
{
    try {
        return zelcal::RegisterWindowClasses(ZelModuleInstance()) ? TRUE : FALSE;
    } catch (...) {
        return FALSE;
    }
}

extern "C" int WINAPI ZelCalDateDialog(HWND hOwner, POINT at, ZELCALVALUE* pValue)
{
    if (pValue == nullptr || pValue->cbSize != sizeof(ZELCALVALUE))
        return -1;
    if (hOwner != nullptr && !::IsWindow(hOwner))
        return -1;
    if (!zelcal::IsCalendar(pValue->nDiv) || !zelcal::IsRealDate(pValue->nYear, pValue->nMonth, pValue->nDay))
        return -1;
    try {
        // The owner as a window object of this call only, never in the handle map.
        CWnd owner;
        owner.m_hWnd = hOwner;
        CZelCalNormDlg dlg(hOwner != nullptr ? &owner : nullptr);
        int nDiv = pValue->nDiv, nYear = pValue->nYear, nMonth = pValue->nMonth, nDay = pValue->nDay;
        const int nResult = dlg.DoModal(nDiv, nYear, nMonth, nDay, at.x, at.y);
        owner.m_hWnd = nullptr;
        if (nResult == IDOK) {
            pValue->nDiv = nDiv;
            pValue->nYear = nYear;
            pValue->nMonth = nMonth;
            pValue->nDay = nDay;
            return IDOK;
        }
        return nResult == IDCANCEL ? IDCANCEL : -1;
    } catch (...) {
        return -1;
    }
}

extern "C" int WINAPI ZelCalRuleText(int nInterval, int nMonth, int nDay, WCHAR* pszBuf, int cchBuf)
{
    try {
        CString strText;
        CZelStrEdit::CnvRegStr(nInterval, nMonth, nDay, strText);
        return zelcal::CopyWide(strText, pszBuf, cchBuf);
    } catch (...) {
        return -1;
    }
}

extern "C" int WINAPI ZelCalEraDateText(int nEra, int nYear, int nMonth, int nDay, WCHAR* pszBuf, int cchBuf)
{
    if (!zelcal::IsRealDate(nYear, nMonth, nDay))
        return -1;
    try {
        CEraDate date(nEra, COleDateTime(nYear, nMonth, nDay, 0, 0, 0));
        return zelcal::CopyWide(date.Format(), pszBuf, cchBuf);
    } catch (...) {
        return -1;
    }
}

extern "C" int WINAPI ZelCalFromEra(int nEra, int nYear, int nMonth, int nDay, WCHAR* pszBuf, int cchBuf)
{
    try {
        CZelCalCtrlUtil util;
        return zelcal::CopyWide(util.FromEra(nEra, nYear, nMonth, nDay), pszBuf, cchBuf);
    } catch (...) {
        return -1;
    }
}
