#include "controls/zel_cal_norm.h"

CZelCalNorm::CZelCalNorm(CWnd* pParent) : CZelFullDateFrame(IDD_ZELCALNORM, pParent) {}

CZelCalNorm::~CZelCalNorm() = default;

void CZelCalNorm::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    BindDateFields(pDX);
}

void CZelCalNorm::SetFocusCalCtrl(int bFirst)
{
    GetDlgItem(bFirst ? IDC_FORM_COMBO : IDC_DAY_EDIT)->SetFocus();
}
