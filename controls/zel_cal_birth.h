// CZelCalBirth: the birthday-year control. An era list and a year field; the
// year is checked when the field is left (digits only, not zero).
#pragma once

#include "controls/zel_birth_frame.h"

class ZELCALCTRL_API CZelCalBirth : public CZelBirthYearFrame {
public:
    explicit CZelCalBirth(CWnd* pParent = nullptr);
    ~CZelCalBirth() override;

    void SetFocusCalCtrl(int bFirst) { FocusFirstOrLast(bFirst); }
    void SetChoiceData(int nDiv, int nYear) { SetBirthYear(nDiv, nYear); }
    void GetChoiceData(int& nDiv, int& nYear) { GetBirthYear(nDiv, nYear); }
    void UseControl(int bEnable) { EnableFields(bEnable); }
    void SendErrorMessage() { CZelDateFrame::SendErrorMessage(); }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnKillfocusYearEdit();

private:
    using CZelDateFrame::ChgYear;
    using CZelDateFrame::EnableMainWindow;

    DECLARE_MESSAGE_MAP()
};
