#include "periodic/zel_cal_reg_notify.h"

#include "controls/host_signals.h"
#include "module/zel_module.h"

// Year and month that hold every month-and-day and every day of a month.
static const int kRuleYear = 2000;
static const int kRuleMonth = 12;

CZelCalRegNotify::CZelCalRegNotify(CWnd* pParent) : CZelNotifySwitch(IDD_ZELCALREGNOTIFY, pParent) {}

CZelCalRegNotify::CZelCalRegNotify(UINT nIDTemplate, CWnd* pParent) : CZelNotifySwitch(nIDTemplate, pParent) {}

CZelCalRegNotify::~CZelCalRegNotify() = default;

void CZelCalRegNotify::DoDataExchange(CDataExchange* pDX)
{
    CZelNotifySwitch::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BTN_DAY, m_DayBtn);
    DDX_Control(pDX, IDC_BTN_REG, m_RegBtn);
    DDX_Control(pDX, IDC_BTN_SET, m_SetBtn);
    DDX_Control(pDX, IDC_STR_EDIT, m_StrEdit);
    BindDateFields(pDX);
}

// ---- value -------------------------------------------------------------------------------

void CZelCalRegNotify::SetChoiceData(int nDiv, int nYear, int nMonth, int nDay, int bNotify, int nInterval,
                                     COleDateTime dtInterval)
{
    TRACE("SetChoiceData Era[%d] Year[%d] Month[%d] Day[%d] Notify[%d] Interval[%d] IntMonth[%d] IntDay[%d]\n",
          nDiv, nYear, nMonth, nDay, bNotify, nInterval, dtInterval.GetMonth(), dtInterval.GetDay());
    m_date = {nDiv, nYear, nMonth, nDay};
    m_bNotify = bNotify;
    m_bSetDataFlg = 1;
    if (nInterval != 0) {
        m_rule = {nInterval, dtInterval.GetMonth(), dtInterval.GetDay()};
    } else {
        m_rule.nInterval = 0;
        m_keptRule.nInterval = 1;
        m_keptRule.nDay = 1;
    }
    DspInitData();
}

void CZelCalRegNotify::GetChoiceData(int& nDiv, int& nYear, int& nMonth, int& nDay, int& bNotify,
                                     int& nInterval, COleDateTime& dtInterval)
{
    ReadShownYear(m_kept.nDiv);
    ValueDate().CopyTo(nDiv, nYear, nMonth, nDay);
    bNotify = m_bNotify;
    nInterval = m_rule.nInterval;
    if (m_keptRule.nMonth == 0)
        m_keptRule.nMonth = nMonth;
    if (m_rule.nInterval == 0)
        dtInterval = COleDateTime(m_date.nYear, m_date.nMonth, m_date.nDay, 0, 0, 0);
    else if (m_rule.nInterval == -1)
        dtInterval = COleDateTime(kRuleYear, m_keptRule.nMonth, m_keptRule.nDay, 0, 0, 0);
    else
        dtInterval = COleDateTime(kRuleYear, kRuleMonth, m_keptRule.nDay, 0, 0, 0);
    TRACE("%s::GetChoiceData() 基準日=%d/%d/%d(和暦/西暦=%d), 通知=%d, 通知間隔=%d, 通知の月日=%d%d%d\n",
          TraceName(), nYear, nMonth, nDay, nDiv, bNotify, nInterval, dtInterval.GetYear(), dtInterval.GetMonth(),
          dtInterval.GetDay());
}

void CZelCalRegNotify::StoreYear(int nYear)
{
    // The base date follows the year field only while it is the date shown.
    if (m_bDayMode)
        m_date.nYear = nYear;
}

// ---- faces ---------------------------------------------------------------------------------

CZelRule CZelCalRegNotify::RuleToWord() { return m_rule; }

void CZelCalRegNotify::KeepRule(bool bDateGiven)
{
    m_keptRule = {bDateGiven ? m_keptRule.nInterval : 1, m_rule.nMonth, m_rule.nDay};
}

void CZelCalRegNotify::InitDataShown() { ShowNotify(); }

// ---- buttons -------------------------------------------------------------------------------

void CZelCalRegNotify::TakeRuleBack()
{
    // 定期 always starts from 毎月1日.
    m_rule.nInterval = 1;
    m_rule.nDay = 1;
    m_keptRule.nDay = 1;
}

bool CZelCalRegNotify::TakeDateBack()
{
    // 日時 starts from today's date, not from the base date held before.
    m_rule.nMonth = 1;
    m_rule.nDay = 1;
    TakeToday();
    m_date.nDiv = m_kept.nDiv;
    if (!MayShowDateAgain())
        return false;
    DspInitData();
    return true;
}

CZelRule CZelCalRegNotify::OfferedRule() { return m_rule; }

// The rule dialog's template is this library's, whatever the host made current.
void CZelCalRegNotify::BeforeRuleDialog() { ZelUseLibraryResources(); }

void CZelCalRegNotify::StoreAcceptedRule(const CZelRule& rule) { m_rule = rule; }
