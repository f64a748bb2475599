#include "controls/zel_cal_norm.h"

CZelCalNorm::CZelCalNorm(CWnd* pParent) : CZelFullDateFrame(IDD_ZELCALNORM, pParent) {}

CZelCalNorm::~CZelCalNorm() = default;

void CZelCalNorm::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_YEAR_EDIT, m_YearEdit);
    DDX_Control(pDX, IDC_MONTH_EDIT, m_MonthEdit);
    DDX_Control(pDX, IDC_FORM_COMBO, m_FormCombo);
    DDX_Control(pDX, IDC_DAY_EDIT, m_DayEdit);
}

void CZelCalNorm::SetFocusCalCtrl(int bFirst)
{
    GetDlgItem(bFirst ? IDC_FORM_COMBO : IDC_DAY_EDIT)->SetFocus();
}
