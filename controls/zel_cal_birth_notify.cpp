#include "controls/zel_cal_birth_notify.h"

#include "controls/zel_alive_watch.h"

CZelCalBirthNotify::CZelCalBirthNotify(CWnd* pParent)
    : CZelNotifySwitch<CZelBirthYearFrame>(IDD_ZELCALBIRTHNOTIFY, pParent)
{
}

CZelCalBirthNotify::~CZelCalBirthNotify() = default;

void CZelCalBirthNotify::DoDataExchange(CDataExchange* pDX)
{
    CZelNotifySwitch::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_YEAR_EDIT, m_YearEdit);
    DDX_Control(pDX, IDC_FORM_COMBO, m_FormCombo);
}

void CZelCalBirthNotify::SetChoiceData(int nDiv, int nYear, int nNotify)
{
    CZelAliveWatch watch(this);
    TRACE("CZelCalBirthNotify::SetChoiceData()(引数) 和暦/西暦=%d, %d年, 通知=%d\n", nDiv, nYear, nNotify);
    m_bNotify = nNotify;
    TRACE("CZelCalBirthNotify::SetChoiceData()(ダイアログの値) 和暦/西暦=%d, %d年, 通知=%d\n", nDiv, nYear,
          m_bNotify);
    SetBirthYear(nDiv, nYear);
    if (StillHere())
        ShowNotify();
}

void CZelCalBirthNotify::GetChoiceData(int& nDiv, int& nYear, int& nNotify)
{
    GetBirthYear(nDiv, nYear);
    nNotify = m_bNotify;
}
