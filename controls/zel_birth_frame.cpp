#include "controls/zel_birth_frame.h"

void CZelBirthYearFrame::ShowInitialValue()
{
    if (m_nYear != 0) {
        int nOut = 0;
        ChgYear(m_nYear, m_nDiv, 1, nOut);
        return;
    }
    m_FormCombo.SetCurSel(0);
    COleDateTime now = COleDateTime::GetCurrentTime();
    SetDlgItemText(IDC_YEAR_EDIT, now.Format("%Y"));
    m_nYear = now.GetYear();
}

void CZelBirthYearFrame::SetBirthYear(int nDiv, int nYear)
{
    m_nDiv = nDiv;
    m_nYear = nYear;
    m_bSetDataFlg = 1;
    int nOut = 0;
    ChgYear(nYear, nDiv, 1, nOut);
}

void CZelBirthYearFrame::GetBirthYear(int& nDiv, int& nYear)
{
    ReadShownYear(m_nDiv);
    nDiv = m_nDiv;
    nYear = m_nYear;
}

void CZelBirthYearFrame::EnableYearFields(int bEnable)
{
    m_YearEdit.EnableWindow(bEnable);
    m_FormCombo.EnableWindow(bEnable);
}
