// CZelCalBirthNotify: the birthday year with the notification switch. The
// year is not checked when the field is left.
#pragma once

#include "controls/zel_birth_frame.h"
#include "controls/zel_notify_switch.h"

class ZELCALCTRL_API CZelCalBirthNotify : public CZelNotifySwitch<CZelBirthYearFrame> {
public:
    explicit CZelCalBirthNotify(CWnd* pParent = nullptr);
    ~CZelCalBirthNotify() override;

    // Non-zero: the era list; 0: the notification box.
    void SetFocusCalCtrl(int bFirst) { this->FocusFirstOrLast(bFirst); }
    void SetChoiceData(int nDiv, int nYear, int nNotify);
    void GetChoiceData(int& nDiv, int& nYear, int& nNotify);
    void SendErrorMessage() { CZelDateFrame::SendErrorMessage(); }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The year is read from the window only, not kept while typing.
    void StoreYear(int) override {}

private:
    using CZelDateFrame::ChgYear;
    using CZelDateFrame::EnableMainWindow;
};
