#include "controls/zel_cal_norm_notify.h"

BEGIN_MESSAGE_MAP(CZelCalNormNotify, CZelFullDateFrame)
    ON_BN_CLICKED(IDC_CHK_NOTIFY, OnChkNotify)
END_MESSAGE_MAP()

CZelCalNormNotify::CZelCalNormNotify(CWnd* pParent)
    : CZelNotifySwitch<CZelFullDateFrame>(IDD_ZELCALNORMNOTIFY, pParent)
{
}

CZelCalNormNotify::~CZelCalNormNotify() = default;

void CZelCalNormNotify::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    BindNotifyBox(pDX);
    BindDateFields(pDX);
}

void CZelCalNormNotify::SetChoiceData(int nDiv, int nYear, int nMonth, int nDay, int nNotify)
{
    TRACE("CZelCalNormNotify::SetChoiceData()(引数) 和暦/西暦=%d, %d/%d/%d, 通知=%d\n", nDiv, nYear, nMonth,
          nDay, nNotify);
    m_bNotify = nNotify;
    TRACE("CZelCalNormNotify::SetChoiceData()(ダイアログの値) 和暦/西暦=%d, %d/%d/%d, 通知=%d\n", nDiv, nYear,
          nMonth, nDay, m_bNotify);
    SetFullDate({nDiv, nYear, nMonth, nDay});
    ShowNotify();
}

void CZelCalNormNotify::GetChoiceData(int& nDiv, int& nYear, int& nMonth, int& nDay, int& nNotify)
{
    GetFullDate().CopyTo(nDiv, nYear, nMonth, nDay);
    nNotify = m_bNotify;
    TRACE("CZelCalNormNotify::GetChoiceData() 和暦/西暦=%d, %d/%d/%d, 通知=%d\n", nDiv, nYear, nMonth, nDay,
          nNotify);
}

void CZelCalNormNotify::UseControl(int bEnable)
{
    m_ChkNotify.EnableWindow(bEnable);
    EnableDateFields(bEnable);
}
