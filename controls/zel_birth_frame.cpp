#include "controls/zel_birth_frame.h"

void CZelBirthYearFrame::ShowInitialValue()
{
    if (m_date.nYear != 0) {
        int nOut = 0;
        ChgYear(m_date.nYear, m_date.nDiv, 1, nOut);
        return;
    }
    m_FormCombo.SetCurSel(0);
    COleDateTime now = COleDateTime::GetCurrentTime();
    if (PutField(IDC_YEAR_EDIT, now.Format("%Y")))
        m_date.nYear = now.GetYear();
}

void CZelBirthYearFrame::SetBirthYear(int nDiv, int nYear)
{
    m_date.nDiv = nDiv;
    m_date.nYear = nYear;
    m_bSetDataFlg = 1;
    int nOut = 0;
    ChgYear(nYear, nDiv, 1, nOut);
}

void CZelBirthYearFrame::GetBirthYear(int& nDiv, int& nYear)
{
    ReadShownYear(m_date.nDiv);
    nDiv = m_date.nDiv;
    nYear = m_date.nYear;
}

void CZelBirthYearFrame::EnableFields(int bEnable)
{
    m_YearEdit.EnableWindow(bEnable);
    m_FormCombo.EnableWindow(bEnable);
}
