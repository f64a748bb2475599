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

void CZelCalNorm::ShowInitialValue()
{
    if (m_nYear == 0 && m_nMonth == 0 && m_nDay == 0)
        ShowToday();
    else
        ShowHeldDate();
}

void CZelCalNorm::SetFocusCalCtrl(int bFirst)
{
    GetDlgItem(bFirst ? IDC_FORM_COMBO : IDC_DAY_EDIT)->SetFocus();
}

void CZelCalNorm::UseControl(int bEnable)
{
    m_YearEdit.EnableWindow(bEnable);
    m_MonthEdit.EnableWindow(bEnable);
    m_FormCombo.EnableWindow(bEnable);
    m_DayEdit.EnableWindow(bEnable);
}

void CZelCalNorm::SetChoiceData(int nDiv, int nYear, int nMonth, int nDay)
{
    TRACE("in CZelCalNorm::SetChoiceData() 和暦/西暦=%d, %d/%d/%d\n", nDiv, nYear, nMonth, nDay);
    m_nDiv = nDiv;
    m_nYear = nYear;
    m_nMonth = nMonth;
    m_nDay = nDay;
    m_bSetDataFlg = 1;
    int nOut = nYear;
    ChgYear(nYear, nDiv, 1, nOut);
    TRACE("out CZelCalNorm::SetChoiceData() 和暦/西暦=%d, %d/%d/%d\n", nDiv, nOut, m_nMonth, m_nDay);
    SetDlgItemInt(IDC_MONTH_EDIT, static_cast<UINT>(m_nMonth), TRUE);
    SetDlgItemInt(IDC_DAY_EDIT, static_cast<UINT>(m_nDay), TRUE);
}

void CZelCalNorm::GetChoiceData(int& nDiv, int& nYear, int& nMonth, int& nDay)
{
    ReadShownYear(m_nDiv);
    nDiv = m_nDiv;
    nYear = m_nYear;
    nMonth = m_nMonth;
    nDay = m_nDay;
    TRACE("out CZelCalNorm::GetChoiceData() 和暦/西暦=%d, %d/%d/%d\n", nDiv, nYear, nMonth, nDay);
}
