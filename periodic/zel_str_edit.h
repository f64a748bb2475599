// CZelStrEdit: the read-only field that shows a periodic rule in words. It
// holds its own copy of the rule, never keeps the keyboard focus, and edits
// its rule in the rule dialog when it is double-clicked. It tells its owner
// nothing: the new rule lives only in its members and its text.
#pragma once

#include "afxwin.h"
#include "zel_export.h"

class ZELCALCTRL_API CZelStrEdit : public CEdit {
public:
    CZelStrEdit();
    ~CZelStrEdit() override;

    // Stores the copy; the shown text is the owner's to set.
    void SetChoiceData(int nYear, int nMonth, int nDay, int nInterval);
    // The wording of a rule: 毎年M月D日, Nヶ月に1回のD日 or 毎月D日. An interval
    // of 0 leaves str as it was; one below -1 reads 毎月1日.
    static void CnvRegStr(int nInterval, int nMonth, int nDay, CString& str);

    int m_nYear = 0;      // the owner's year, held for the owner
    int m_nMonth = 0;     // month of the rule (every-year rules)
    int m_nDay = 0;       // day of the rule
    int m_nInterval = 0;  // interval of the rule, 0 for none

protected:
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnSetFocus(CWnd* pOldWnd);

    DECLARE_MESSAGE_MAP()
};
