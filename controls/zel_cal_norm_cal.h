// CZelCalNormCal: the full-date control that will not let the user leave a
// date that is no real calendar date. The whole date is checked when a field
// is left and when the focus would leave forward from the day field; the host
// can run the check too, with or without a message. It raises no date-change
// signal.
#pragma once

#include "controls/zel_date_frame.h"

class ZELCALCTRL_API CZelCalNormCal : public CZelFullDateFrame {
public:
    explicit CZelCalNormCal(CWnd* pParent = nullptr);
    ~CZelCalNormCal() override;

    void SetFocusCalCtrl(int bFirst) { FocusFirstOrLast(bFirst); }
    void SetChoiceData(int nDiv, int nYear, int nMonth, int nDay) { SetFullDate({nDiv, nYear, nMonth, nDay}); }
    void GetChoiceData(int& nDiv, int& nYear, int& nMonth, int& nDay)
    {
        GetFullDate().CopyTo(nDiv, nYear, nMonth, nDay);
    }
    void UseControl(int bEnable) { EnableFields(bEnable); }
    void cancelBkColor(int) { CancelBackground(); }
    void EnableMainWindow(int bEnable) { CZelDateFrame::EnableMainWindow(bEnable); }
    void SendErrorMessage() { CZelDateFrame::SendErrorMessage(); }

    // 1 when the fields hold a valid date (the Western year 100..9999 and the
    // real length of the month); shows nothing and takes no flag.
    int ChkDate();
    // The whole-date check with a message: 1 when the date is valid or another
    // check is under way, 0 after telling the user; with bFocus the focus goes
    // into the faulty field when one can be named.
    int CheckDate(int bFocus);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const char* TraceName() const override { return "CZelCalNormCal"; }
    CWnd* EraErrorOwner() override { return GetParent(); }
    bool SelectsTextOnFocus() const override { return true; }
    bool SignalsDateChange() const override { return false; }
    BOOL MayLeaveForward() override;

    void OnKillfocusYearEdit();
    void OnKillfocusMonthEdit();
    void OnKillfocusDayEdit();

private:
    using CZelDateFrame::ChgYear;
    // CheckDate, then the focus into the faulty field (bFocusFaulty) or into
    // pStayIn when the date is refused. The focus moves while the check stage
    // is still held, so that the field it leaves starts no second check.
    int RunCheck(bool bFocusFaulty, CWnd* pStayIn);
    // The check of a field being left, unless the control is going away.
    void FieldLeft(CWnd& field);

    DECLARE_MESSAGE_MAP()
};
