// The frame of the periodic date controls. Their value is either a date or a
// periodic rule, shown in one of two faces in the same place: the date face
// (era list, year, month, day and the 定期 button) and the rule face (the
// rule in words, 設定 to edit it and 日時 to go back to a date).
//
// This class holds what the three controls share: the faces and their
// switching, the three buttons, the key walk that follows the face in force,
// and the era switching that keeps the calendar for the value. Each control
// states its value's differences through the hooks below.
#pragma once

#include "controls/zel_date_frame.h"
#include "periodic/zel_rule.h"
#include "periodic/zel_str_edit.h"

class ZELCALCTRL_API CZelPeriodicFrame : public CZelFullDateFrame {
public:
    // Non-zero: the first stop of the face in force (era list or 設定);
    // 0: its last.
    void SetFocusCalCtrl(int bFirst) { FocusFirstOrLast(bFirst); }
    // Enables or disables the buttons, the rule text and the date fields;
    // the labels are left alone (the notification switch adds its box).
    void UseControl(int bEnable) { EnableFields(bEnable); }
    void SendErrorMessage() { CZelDateFrame::SendErrorMessage(); }

protected:
    CZelPeriodicFrame(UINT nIDTemplate, CWnd* pParent);
    ~CZelPeriodicFrame() override;

    // ---- what a periodic control states about itself ----------------------------
    // The rule worded in the rule face while a date is held.
    virtual CZelRule RuleToWord() = 0;
    // Writes the held date into the fields as the date face is shown.
    virtual void ShowDateFields() {}
    // The kept rule as the rule face is chosen for a value (bDateGiven: the
    // value carried a date; otherwise today's date has been taken).
    virtual void KeepRule(bool bDateGiven) = 0;
    // Steps of choosing the date face for a value: before anything is shown,
    // a date the value carries, today's date for a value without one, and
    // once the face is shown.
    virtual void PrepareDateFace() {}
    virtual void ShowGivenDate();
    virtual void ShowTodaysDate();
    virtual void DateFaceShown() {}
    // The end of choosing a face, in either face.
    virtual void InitDataShown() {}
    // 定期: the rule the rule face shows.
    virtual void TakeRuleBack() = 0;
    // 日時: brings a date back; false leaves the face as it is.
    virtual bool TakeDateBack() = 0;
    // 設定: the rule offered in the dialog, what is done before it runs, and
    // where an accepted rule's month and day go.
    virtual CZelRule OfferedRule() = 0;
    virtual void BeforeRuleDialog() {}
    virtual void StoreAcceptedRule(const CZelRule& rule) = 0;

    // ---- the frame's hooks -------------------------------------------------------------
    // The date face walks the era list, the fields and 定期; the rule face
    // 設定 and 日時. The walk stands on the stop that has the focus.
    CZelWalkStops WalkStops() const override;
    UINT WalkPosition(bool bBack) override;
    void OnCalendarSwitched(int nDiv, bool bSelchange) override;
    void ShowInitialValue() override { DspInitData(); }

    void EnableFields(int bEnable);
    // Chooses the face for the held value and shows it.
    void DspInitData();
    // Shows the rule face (non-zero) or the date face (0).
    void DspChg(int bRule);
    // The rule text shows a rule in words.
    void ShowRule(const CZelRule& rule);
    // The held date in the calendar GetChoiceData reports.
    CZelDate ValueDate() const { return {m_kept.nDiv, m_date.nYear, m_date.nMonth, m_date.nDay}; }
    bool HoldsDate() const { return !m_date.IsEmpty(); }
    // Today's year, month and day into the held date.
    void TakeToday();
    bool InDateFace() const;
    HWND Item(UINT nID) const { return ::GetDlgItem(m_hWnd, static_cast<int>(nID)); }

    void OnBtnReg();
    void OnBtnDay();
    void OnBtnSet();

    // The kept date, brought back by 日時 (CZelCalReg); its calendar is also
    // the one GetChoiceData reports, in every periodic control.
    CZelDate m_kept{0, 0, 0, 0};
    // The kept rule, brought back by 定期.
    CZelRule m_keptRule{1, 0, 0};
    BOOL m_bDayMode = 1;  // the date face is in force
    // The held value's interval (0 a date). CZelCalRegNotify holds its
    // notification rule's month and day here too; CZelCalReg holds the
    // rule's month and day in m_date, where its rule face shows them.
    CZelRule m_rule;
    CButton m_DayBtn;
    CButton m_SetBtn;
    CButton m_RegBtn;
    CZelStrEdit m_StrEdit;

    DECLARE_MESSAGE_MAP()
};
