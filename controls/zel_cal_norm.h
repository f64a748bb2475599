// CZelCalNorm: the full-date control. Era list, year, month and day in one
// row; no check of month and day (its kill-focus handlers do nothing).
#pragma once

#include "controls/zel_date_frame.h"

class ZELCALCTRL_API CZelCalNorm : public CZelFullDateFrame {
public:
    explicit CZelCalNorm(CWnd* pParent = nullptr);
    ~CZelCalNorm() override;

    void SetFocusCalCtrl(int bFirst) { FocusFirstOrLast(bFirst); }
    void UseControl(int bEnable) { EnableFields(bEnable); }
    void EnableMainWindow(int bEnable) { CZelDateFrame::EnableMainWindow(bEnable); }
    void cancelBkColor(int) { CancelBackground(); }
    void SendErrorMessage() { CZelDateFrame::SendErrorMessage(); }
    void SetChoiceData(int nDiv, int nYear, int nMonth, int nDay) { SetFullDate({nDiv, nYear, nMonth, nDay}); }
    void GetChoiceData(int& nDiv, int& nYear, int& nMonth, int& nDay)
    {
        GetFullDate().CopyTo(nDiv, nYear, nMonth, nDay);
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const char* TraceName() const override { return "CZelCalNorm"; }
    CWnd* EraErrorOwner() override { return GetParent(); }
    bool SelectsTextOnFocus() const override { return true; }
};
