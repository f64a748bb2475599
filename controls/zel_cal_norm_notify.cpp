#include "controls/zel_cal_norm_notify.h"

#include "controls/zel_alive_watch.h"

CZelCalNormNotify::CZelCalNormNotify(CWnd* pParent)
    : CZelNotifySwitch<CZelFullDateFrame>(IDD_ZELCALNORMNOTIFY, pParent)
{
}

CZelCalNormNotify::~CZelCalNormNotify() = default;

void CZelCalNormNotify::DoDataExchange(CDataExchange* pDX)
{
    CZelNotifySwitch::DoDataExchange(pDX);
    BindDateFields(pDX);
}

void CZelCalNormNotify::SetChoiceData(int nDiv, int nYear, int nMonth, int nDay, int nNotify)
{
    CZelAliveWatch watch(this);
    TRACE("CZelCalNormNotify::SetChoiceData()(引数) 和暦/西暦=%d, %d/%d/%d, 通知=%d\n", nDiv, nYear, nMonth,
          nDay, nNotify);
    m_bNotify = nNotify;
    TRACE("CZelCalNormNotify::SetChoiceData()(ダイアログの値) 和暦/西暦=%d, %d/%d/%d, 通知=%d\n", nDiv, nYear,
          nMonth, nDay, m_bNotify);
    SetFullDate({nDiv, nYear, nMonth, nDay});
    if (StillHere())
        ShowNotify();
}

void CZelCalNormNotify::GetChoiceData(int& nDiv, int& nYear, int& nMonth, int& nDay, int& nNotify)
{
    GetFullDate().CopyTo(nDiv, nYear, nMonth, nDay);
    nNotify = m_bNotify;
    TRACE("CZelCalNormNotify::GetChoiceData() 和暦/西暦=%d, %d/%d/%d, 通知=%d\n", nDiv, nYear, nMonth, nDay,
          nNotify);
}
