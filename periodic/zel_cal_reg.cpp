#include "periodic/zel_cal_reg.h"

CZelCalReg::CZelCalReg(CWnd* pParent) : CZelPeriodicFrame(IDD_ZELCALREG, pParent) {}

CZelCalReg::~CZelCalReg() = default;

void CZelCalReg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BTN_DAY, m_DayBtn);
    DDX_Control(pDX, IDC_BTN_SET, m_SetBtn);
    DDX_Control(pDX, IDC_BTN_REG, m_RegBtn);
    DDX_Control(pDX, IDC_STR_EDIT, m_StrEdit);
    BindDateFields(pDX);
}

// ---- value -------------------------------------------------------------------------------

void CZelCalReg::SetChoiceData(int nDiv, int nYear, int nMonth, int nDay, int nInterval, COleDateTime dtBase)
{
    m_nDiv = nDiv;
    m_nYear = nYear;
    m_nMonth = nMonth;
    m_nDay = nDay;
    m_bSetDataFlg = 1;
    // A value from the host is shown as it is; only a value without a date
    // falls back to the default rule again.
    m_bDefault = 0;
    m_nInterval = nInterval;
    m_dtBase = dtBase;
    if (static_cast<DATE>(dtBase) == 0.0) {
        m_nRegInterval = 1;
        m_nRegDay = 1;
    } else {
        m_nSaveMonth = dtBase.GetMonth();
        m_nSaveDay = dtBase.GetDay();
    }
    m_StrEdit.SetChoiceData(nYear, nMonth, nDay, nInterval);
    DspInitData();
}

void CZelCalReg::GetChoiceData(int& nDiv, int& nYear, int& nMonth, int& nDay, int& nInterval,
                               COleDateTime& dtBase)
{
    // Calendar and year come from the era list and the year field, hidden or not.
    ReadShownYear(m_nSaveDiv);
    nDiv = m_nSaveDiv;
    nYear = m_nYear;
    nMonth = m_nMonth;
    nDay = m_nDay;
    nInterval = m_bDayMode ? 0 : m_nInterval;
    if (m_nRegMonth == 0)
        m_nRegMonth = nMonth;
    dtBase = COleDateTime(m_nYear, m_nRegMonth, m_nRegDay, 0, 0, 0);
    TRACE("CZelCalReg::GetChoiceData() Year->[%d] Month->[%d] Day->[%d]\n", dtBase.GetYear(), dtBase.GetMonth(),
          dtBase.GetDay());
}

// ---- faces ---------------------------------------------------------------------------------

void CZelCalReg::RuleToWord(int& nInterval, int& nMonth, int& nDay)
{
    nInterval = m_nInterval;
    nMonth = m_nMonth;
    nDay = m_nDay;
    if (m_bDefault || m_nInterval == 0) {
        nInterval = 1;
        nDay = 1;
    }
}

void CZelCalReg::KeepRule(bool bDateGiven)
{
    if (bDateGiven)
        return;
    m_nRegInterval = 1;
    m_nRegMonth = m_nMonth;
    m_nRegDay = m_nDay;
    m_bDefault = 1;
}

void CZelCalReg::KeepDate()
{
    m_nSaveYear = m_nYear;
    m_nSaveMonth = m_nMonth;
    m_nSaveDay = m_nDay;
}

void CZelCalReg::ShowGivenDate()
{
    // The date face writes the date (DspChg); the kept date holds its
    // Western year, so that 日時 can show it in any era again.
    KeepDate();
    m_nSaveDiv = m_nDiv;
}

void CZelCalReg::ShowTodaysDate()
{
    CZelPeriodicFrame::ShowTodaysDate();
    KeepDate();
    m_bDefault = 1;
}

// ---- buttons -------------------------------------------------------------------------------

void CZelCalReg::TakeRuleBack()
{
    m_nInterval = m_nRegInterval;
    m_nMonth = m_nRegMonth;
    m_nDay = m_nRegDay;
}

bool CZelCalReg::TakeDateBack()
{
    m_nYear = m_nSaveYear;
    m_nMonth = m_nSaveMonth;
    m_nDay = m_nSaveDay;
    m_nDiv = m_nSaveDiv;
    return true;
}

void CZelCalReg::OfferedRule(int& nInterval, int& nMonth, int& nDay)
{
    if (m_bDefault) {
        nInterval = 1;
        nMonth = 0;
        nDay = 1;
        return;
    }
    // The held rule as it is worded; a day of 0 is offered as 1.
    nInterval = m_nInterval;
    nMonth = m_nMonth;
    nDay = m_nDay == 0 ? 1 : m_nDay;
}

void CZelCalReg::StoreAcceptedRule(int nMonth, int nDay)
{
    m_nMonth = nMonth;
    m_nDay = nDay;
    m_bDefault = 0;
}
