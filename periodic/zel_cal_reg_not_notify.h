// CZelCalRegNotNotify: the periodic date control with notification whose
// base date may be left out. Its era list starts with the entry "なし":
// while it is chosen the date fields, 定期 and the check box are greyed, the
// check box is unticked and the value reads empty (all numbers 0).
//
// It has no key handling of its own: keys get the dialog's default
// pre-translation, and Tab does not lead out to the host's neighbours.
#pragma once

#include "periodic/zel_cal_reg_notify.h"

class ZELCALCTRL_API CZelCalRegNotNotify : public CZelCalRegNotify {
public:
    explicit CZelCalRegNotNotify(CWnd* pParent = nullptr);
    ~CZelCalRegNotNotify() override;

    // A base date of year, month and day all 0 is no date ("なし").
    void SetChoiceData(int nDiv, int nYear, int nMonth, int nDay, int bNotify, int nInterval,
                       COleDateTime dtInterval);
    // With no date every number is 0 and the date value is now.
    void GetChoiceData(int& nDiv, int& nYear, int& nMonth, int& nDay, int& bNotify, int& nInterval,
                       COleDateTime& dtInterval);

protected:
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The dialog's own Tab handling wraps inside the control.
    CZelWalkStops WalkStops() const override { return CZelCalRegNotify::WalkStops().WrappingInside(); }
    const char* TraceName() const override { return "CZelCalRegNotNotify"; }

    // The "なし" entry stands first in the era table and the list.
    void LoadEraTable() override;
    int WesternListPos() const override { return 1; }
    BOOL SelectWesternEntry() override;
    void OnSelchangeFormCombo() override;
    void OnCloseupFormCombo() override;

    void PrepareDateFace() override;
    void ShowTodaysDate() override;
    void DateFaceShown() override;
    void TakeRuleBack() override;
    bool MayShowDateAgain() override;

    BOOL m_bNone = 0;  // "なし" is the chosen entry: the control holds no date

private:
    int NoneOrWesternPos() const { return m_bNone ? 0 : 1; }
    // The no-date state: the visible date items greyed, the box unticked.
    void ShowNoDate();
    // Enters the no-date state when the list shows "なし" (and the control is still there).
    void FollowNoneEntry();
    // Enables or disables the visible date items and the check box.
    void EnableDateItems(BOOL bEnable, bool bVisibleOnly);
};
