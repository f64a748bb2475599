// CZelCalNormNotify: the full date with the notification switch. Field texts
// are not selected on entry and era-switching errors are owned by the control.
#pragma once

#include "controls/zel_date_frame.h"
#include "controls/zel_notify_switch.h"

class ZELCALCTRL_API CZelCalNormNotify : public CZelNotifySwitch<CZelFullDateFrame> {
public:
    explicit CZelCalNormNotify(CWnd* pParent = nullptr);
    ~CZelCalNormNotify() override;

    // Non-zero: the era list; 0: the notification box.
    void SetFocusCalCtrl(int bFirst) { this->FocusFirstOrLast(bFirst); }
    void SetChoiceData(int nDiv, int nYear, int nMonth, int nDay, int nNotify);
    void GetChoiceData(int& nDiv, int& nYear, int& nMonth, int& nDay, int& nNotify);
    void SendErrorMessage() { CZelDateFrame::SendErrorMessage(); }

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    using CZelDateFrame::ChgYear;
    using CZelDateFrame::EnableMainWindow;
};
