#include "controls/zel_cal_norm_cal.h"

#include "controls/shown_date_check.h"
#include "controls/host_signals.h"
#include "controls/zel_alive_watch.h"
#include "controls/zel_field_text.h"
#include "controls/zel_messages.h"
#include "era/era_table.h"

BEGIN_MESSAGE_MAP(CZelCalNormCal, CZelFullDateFrame)
    ON_EN_KILLFOCUS(IDC_YEAR_EDIT, OnKillfocusYearEdit)
    ON_EN_KILLFOCUS(IDC_MONTH_EDIT, OnKillfocusMonthEdit)
    ON_EN_KILLFOCUS(IDC_DAY_EDIT, OnKillfocusDayEdit)
END_MESSAGE_MAP()

CZelCalNormCal::CZelCalNormCal(CWnd* pParent) : CZelFullDateFrame(IDD_ZELCALNORMCAL, pParent) {}

CZelCalNormCal::~CZelCalNormCal() = default;

void CZelCalNormCal::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    BindDateFields(pDX);
}

int CZelCalNormCal::ChkDate()
{
    CZelFieldText year(*this, IDC_YEAR_EDIT), month(*this, IDC_MONTH_EDIT), day(*this, IDC_DAY_EDIT);
    if (!year.DigitsOnly() || !month.DigitsOnly() || !day.DigitsOnly())
        return 0;
    // Without a chosen calendar the year means nothing.
    CZelEra* pEra = CZelEraTable(m_arEra).At(m_FormCombo.GetCurSel());
    if (pEra == nullptr)
        return 0;
    const int nYear = year.Value();
    CString strYear(year.Text());
    if (pEra->GetDiv() == 0 && nYear >= 0 && nYear <= 9999)
        strYear.Format("%d", CZelEraTable::ToWestern(*pEra, nYear));
    return CZelEra::ChkDay(strYear.GetBuffer(0), month.Text(), day.Text());
}

int CZelCalNormCal::CheckDate(int bFocus) { return RunCheck(bFocus != 0, nullptr); }

int CZelCalNormCal::RunCheck(bool bFocusFaulty, CWnd* pStayIn)
{
    CZelAliveWatch watch(this);
    CZelCheckStage stage;
    if (!stage.Entered())
        return 1;
    const ZelDateFault fault = ZelTestShownDate(*this, m_arEra);
    if (fault == kZelDateGood)
        return 1;
    ZelMessageBox(this, ZEL_MSG_DATE_ERROR, MB_ICONINFORMATION, true);
    if (!StillHere())
        return 0;
    CWnd* pFocus = pStayIn;
    if (bFocusFaulty) {
        switch (fault) {
        case kZelDateYearRange: pFocus = &m_YearEdit; break;
        case kZelDateMonthRange: pFocus = &m_MonthEdit; break;
        case kZelDateDayRange: pFocus = &m_DayEdit; break;
        default: break;
        }
    }
    if (pFocus != nullptr && pFocus->m_hWnd != nullptr)
        pFocus->SetFocus();
    return 0;
}

// Forward out of the day field only with a valid date; else the focus stays.
BOOL CZelCalNormCal::MayLeaveForward() { return RunCheck(false, &m_DayEdit); }

void CZelCalNormCal::FieldLeft(CWnd& field)
{
    if (!GoingAway())
        RunCheck(false, &field);
}

void CZelCalNormCal::OnKillfocusYearEdit() { FieldLeft(m_YearEdit); }
void CZelCalNormCal::OnKillfocusMonthEdit() { FieldLeft(m_MonthEdit); }
void CZelCalNormCal::OnKillfocusDayEdit() { FieldLeft(m_DayEdit); }
