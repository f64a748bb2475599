// The notification switch "通知設定" (32704) that some date controls carry
// after their fields: a 0/1 flag held next to the date, toggled by each click
// of the box, which also raises the date-change probe. The box is the last
// stop of the key walk; it has no set-focus handler, so it is recognised by
// the focus itself.
//
// The switch brings its own map entry, its binding and its part of
// UseControl: a control derived from it lists none of them again.
#pragma once

#include "controls/zel_date_frame.h"

template <class TFrame>
class CZelNotifySwitch : public TFrame {
public:
    // The box, then the frame's own fields.
    void UseControl(int bEnable)
    {
        m_ChkNotify.EnableWindow(bEnable);
        this->EnableFields(bEnable);
    }

protected:
    CZelNotifySwitch(UINT nIDTemplate, CWnd* pParent) : TFrame(nIDTemplate, pParent) {}

    bool BoxHasFocus() const { return m_ChkNotify.m_hWnd != nullptr && ::GetFocus() == m_ChkNotify.m_hWnd; }

    // The box is the last stop of the walk in every face.
    CZelWalkStops WalkStops() const override
    {
        CZelWalkStops stops = TFrame::WalkStops();
        stops.Add(IDC_CHK_NOTIFY);
        return stops;
    }
    // The walk stands on the box while it has the focus, except that Shift+Tab
    // goes by the field last entered when that is the first stop (so it leads
    // back to the host's previous window).
    UINT WalkPosition(bool bBack) override
    {
        const UINT nField = TFrame::WalkPosition(bBack);
        if (BoxHasFocus() && !(bBack && nField == WalkStops().First()))
            return IDC_CHK_NOTIFY;
        return nField;
    }

    // The box is bound before the control's own fields.
    void DoDataExchange(CDataExchange* pDX) override
    {
        TFrame::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_CHK_NOTIFY, m_ChkNotify);
    }
    // The box shows m_bNotify, set by program: no click, no signal.
    void ShowNotify() { this->CheckDlgButton(IDC_CHK_NOTIFY, static_cast<UINT>(m_bNotify)); }

    // BN_CLICKED: the box has toggled its own mark.
    void OnChkNotify()
    {
        m_bNotify = m_bNotify == 0 ? 1 : 0;
        this->ProbeDateChange();
    }

    int m_bNotify = 0;
    CButton m_ChkNotify;

    DECLARE_MESSAGE_MAP()
};

BEGIN_TEMPLATE_MESSAGE_MAP(CZelNotifySwitch, TFrame, TFrame)
    ON_BN_CLICKED(IDC_CHK_NOTIFY, OnChkNotify)
END_MESSAGE_MAP()
