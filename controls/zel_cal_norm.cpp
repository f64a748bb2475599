#include "controls/zel_cal_norm.h"

CZelCalNorm::CZelCalNorm(CWnd* pParent) : CZelFullDateFrame(IDD_ZELCALNORM, pParent) {}

CZelCalNorm::~CZelCalNorm() = default;

void CZelCalNorm::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    BindDateFields(pDX);
}

