#include "controls/zel_date_frame.h"

#include <climits>

#include "controls/host_signals.h"
#include "controls/zel_alive_watch.h"
#include "controls/zel_field_text.h"
#include "controls/zel_messages.h"
#include "era/era_file_snapshot.h"
#include "era/era_table.h"
#include "module/zel_module.h"

// Pale background of the controls and their labels.
static const COLORREF kBackground = 0xDFFCFF;

BEGIN_MESSAGE_MAP(CZelDateFrame, CDialog)
    ON_EN_SETFOCUS(IDC_YEAR_EDIT, OnSetfocusYearEdit)
    ON_EN_SETFOCUS(IDC_MONTH_EDIT, OnSetfocusMonthEdit)
    ON_EN_SETFOCUS(IDC_DAY_EDIT, OnSetfocusDayEdit)
    ON_CBN_SETFOCUS(IDC_FORM_COMBO, OnSetfocusFormCombo)
    ON_CBN_SELCHANGE(IDC_FORM_COMBO, OnSelchangeFormCombo)
    ON_CBN_CLOSEUP(IDC_FORM_COMBO, OnCloseupFormCombo)
    ON_EN_CHANGE(IDC_YEAR_EDIT, OnChangeYearEdit)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CZelDateFrame::CZelDateFrame(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {}

CZelDateFrame::~CZelDateFrame() { CZelAliveWatch::Gone(this); }

BOOL CZelDateFrame::Create(LPCSTR, LPCSTR, DWORD, const RECT&, CWnd* pParentWnd, UINT, CCreateContext*)
{
    // The templates live in this library, whichever module calls.
    ZelUseLibraryResources();
    return CDialog::Create(m_nIDTemplate, pParentWnd);
}

void CZelDateFrame::SetParentCtrl(CWnd* pPrevCtrl, CWnd* pNextCtrl)
{
    m_pPrevCtrl = pPrevCtrl;
    m_pNextCtrl = pNextCtrl;
}

// ---- initialisation -------------------------------------------------------------

BOOL CZelDateFrame::OnInitDialog()
{
    CZelAliveWatch watch(this);
    CDialog::OnInitDialog();
    m_YearEdit.LimitText(4);
    m_arEra.RemoveAll();
    m_FormCombo.ResetContent();
    if (!m_pBkBrush)
        m_pBkBrush = std::make_unique<CBrush>(kBackground);
    LoadEraTable();
    ShowInitialValue();
    return TRUE;
}

void CZelDateFrame::LoadEraTable()
{
    ZelReadEraTableNow(m_arEra);
    FillEraList();
}

void CZelDateFrame::FillEraList()
{
    // An entry without a name would leave a gap between list positions and
    // table positions; such entries are dropped from the control's table.
    for (INT_PTR i = 0; i < m_arEra.GetSize();) {
        if (m_arEra[i].GetEraname().IsEmpty()) {
            m_arEra.RemoveAt(i);
            continue;
        }
        m_FormCombo.AddString(m_arEra[i].GetEraname());
        ++i;
    }
}

// ---- focus, keys, colours ---------------------------------------------------------

void CZelDateFrame::FieldGotFocus(UINT nID)
{
    HWND hField = ::GetDlgItem(m_hWnd, static_cast<int>(nID));
    CZelCalCtrlCom::ImeOff(hField);
    m_nFocusId = static_cast<int>(nID);
    if (SelectsTextOnFocus() && hField != nullptr) {
        ::SendMessageA(hField, EM_SETSEL, 0, -1);
        ::SendMessageA(hField, EM_SCROLLCARET, 0, 0);
    }
}

void CZelDateFrame::FocusFirstOrLast(int bFirst)
{
    const CZelWalkStops stops = WalkStops();
    if (HWND hTarget = ::GetDlgItem(m_hWnd, static_cast<int>(bFirst ? stops.First() : stops.Last())))
        ::SetFocus(hTarget);
}

void CZelDateFrame::OnSetfocusFormCombo()
{
    CZelCalCtrlCom::ImeOff(m_FormCombo.m_hWnd);
    m_nFocusId = IDC_FORM_COMBO;
}

void CZelDateFrame::OnSetfocusYearEdit() { FieldGotFocus(IDC_YEAR_EDIT); }
void CZelDateFrame::OnSetfocusMonthEdit() { FieldGotFocus(IDC_MONTH_EDIT); }
void CZelDateFrame::OnSetfocusDayEdit() { FieldGotFocus(IDC_DAY_EDIT); }

BOOL CZelDateFrame::WalkKey(WPARAM nKey, bool bShift)
{
    // Enter always walks forward.
    const bool bBack = nKey == VK_TAB && bShift;
    const CZelWalkStops stops = WalkStops();
    const HWND hPrev = m_pPrevCtrl != nullptr ? m_pPrevCtrl->m_hWnd : nullptr;
    const HWND hNext = m_pNextCtrl != nullptr ? m_pNextCtrl->m_hWnd : nullptr;
    const HWND hTarget = ZelWalkTarget(m_hWnd, stops, WalkPosition(bBack), bBack, hPrev, hNext);
    if (hTarget != nullptr && (hTarget != hNext || stops.Wraps() || MayLeaveForward()))
        ::SetFocus(hTarget);
    return TRUE;
}

BOOL CZelDateFrame::PreTranslateMessage(MSG* pMsg)
{
    CZelAliveWatch watch(this);
    if (pMsg->message == WM_KEYDOWN) {
        switch (pMsg->wParam) {
        case VK_TAB:
        case VK_RETURN:
            return WalkKey(pMsg->wParam, ::GetKeyState(VK_SHIFT) < 0);
        case VK_ESCAPE:
            return TRUE;
        default:
            break;
        }
    }
    return CDialog::PreTranslateMessage(pMsg);
}

HBRUSH CZelDateFrame::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH hbr = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (nCtlColor == CTLCOLOR_DLG && m_pBkBrush)
        return *m_pBkBrush;
    if (nCtlColor == CTLCOLOR_STATIC && pDC != nullptr && m_pBkBrush) {
        pDC->SetBkColor(kBackground);
        return *m_pBkBrush;
    }
    return hbr;
}

void CZelDateFrame::CancelBackground() { m_pBkBrush.reset(); }

// ---- notifications and signals ------------------------------------------------------

BOOL CZelDateFrame::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nCode = HIWORD(wParam);
    HWND hChild = reinterpret_cast<HWND>(lParam);
    if ((nCode == CBN_SELCHANGE || nCode == EN_CHANGE) && hChild != nullptr)
        ::SendMessageA(hChild, WM_COMMAND, wParam, lParam);
    // Only the date fields carry the value; other edits (the rule text) do not.
    const UINT nID = LOWORD(wParam);
    if (nCode == EN_UPDATE && nID >= IDC_YEAR_EDIT && nID <= IDC_DAY_EDIT && SignalsDateChange()) {
        if (!ProbeDateChange())
            return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

bool CZelDateFrame::StillHere() const { return CZelAliveWatch::Alive(this); }

LRESULT CZelDateFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CZelAliveWatch watch(this);
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult) && StillHere())
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

bool CZelDateFrame::ProbeDateChange()
{
    ZelProbeDateChange();
    if (!StillHere())
        return false;
    if (m_pDateChangeListener != nullptr)
        m_pDateChangeListener->DateChangeProbed();
    return StillHere();
}

void CZelDateFrame::SendErrorMessage() { ZelSendToMainWindow(ZEL_NAME_DATE_ERROR, 0); }
void CZelDateFrame::EnableMainWindow(int bEnable) { ZelEnableMainWindow(bEnable); }

int CZelDateFrame::ReadField(UINT nID) { return CZelFieldText(*this, static_cast<int>(nID)).Value(); }

bool CZelDateFrame::PutField(UINT nID, LPCSTR pszText)
{
    SetDlgItemText(static_cast<int>(nID), pszText);
    return StillHere();
}

bool CZelDateFrame::PutField(UINT nID, int nValue)
{
    SetDlgItemInt(static_cast<int>(nID), static_cast<UINT>(nValue), TRUE);
    return StillHere();
}

void CZelDateFrame::OnChangeYearEdit() { StoreYear(ReadField(IDC_YEAR_EDIT)); }

// ---- era switching ---------------------------------------------------------------

void CZelDateFrame::ShowEraError()
{
    if (CWnd* pOwner = EraErrorOwner())
        ZelMessageBox(pOwner, ZEL_MSG_INVALID_INPUT, MB_ICONSTOP, true);
}

BOOL CZelDateFrame::SelectWesternEntry()
{
    m_FormCombo.SetCurSel(0);
    return TRUE;
}

void CZelDateFrame::OnCalendarSwitched(int nDiv, bool) { m_date.nDiv = nDiv; }

int CZelDateFrame::ChgYear(int nInputYear, int bDiv, int bDsp, int& nOutYear)
{
    const char* pszTrace = TraceName();
    if (pszTrace != nullptr)
        TRACE("in %s::ChgYear() m_nOldSel=%d, m_bSetDataFlg=%d, nInputYear=%d, bDiv=%d, bDsp=%d\n",
              pszTrace, m_nOldSel, m_bSetDataFlg, nInputYear, bDiv, bDsp);
    const int y = nInputYear;

    CZelEraTable table(m_arEra);
    if (bDiv == 0) {
        // A Western year: find the era that holds it, newest first. A year of
        // one or two digits is read as a year of the era.
        m_bSetDataFlg = 0;
        const bool bShort = ZelIsShortYear(y);
        const INT_PTR nPos = bShort ? table.EraHavingYear(y) : table.EraHolding(y);
        CZelEra* pEra = table.At(nPos);
        if (pEra == nullptr) {
            ShowEraError();
            if (!StillHere())
                return 0;
            m_FormCombo.SetCurSel(m_nOldSel);
            return 0;
        }
        const int nWestern = bShort ? CZelEraTable::ToWestern(*pEra, y) : y;
        if (nWestern > 0) {
            const int nEraYear = CZelEraTable::ToEraYear(*pEra, nWestern);
            if (bDsp) {
                m_FormCombo.SetCurSel(static_cast<int>(nPos));
                if (!PutField(IDC_YEAR_EDIT, nEraYear))
                    return 0;
                m_bWestern = 0;
            }
            nOutYear = nEraYear;
        }
    } else if (CZelEra* pEra = table.At(m_nOldSel); y > 0 && pEra != nullptr) {
        // An era year of the entry in force, or a year that is Western already.
        int nWestern;
        if (m_bSetDataFlg) {
            m_bSetDataFlg = 0;
            nWestern = y;
        } else if (pEra->GetStartYear() == -1) {
            nWestern = y;
        } else {
            nWestern = CZelEraTable::ToWestern(*pEra, y);
        }
        if (bDsp) {
            if (!SelectWesternEntry())
                return 0;
            if (!PutField(IDC_YEAR_EDIT, nWestern))
                return 0;
            m_bWestern = 1;
        }
        nOutYear = nWestern;
    }

    if (pszTrace != nullptr)
        TRACE("out %s::ChgYear() nInputYear=%d, bDiv=%d, bDsp=%d, nOutYear=%d\n", pszTrace, nInputYear,
              bDiv, bDsp, nOutYear);
    m_nOldSel = m_FormCombo.GetCurSel();
    return 1;
}

void CZelDateFrame::SwitchEra(bool bCheckDropped)
{
    int s = m_FormCombo.GetCurSel();
    if (s == CB_ERR || (bCheckDropped && m_FormCombo.GetDroppedState()))
        return;
    CZelEra* pEra = CZelEraTable(m_arEra).At(s);
    if (pEra == nullptr)
        return;
    CZelEra era = *pEra;
    int nOut = 0;
    if (era.GetDiv() == 0) {
        if (m_bWestern) {
            const int bDone = ChgYear(ReadField(IDC_YEAR_EDIT), 0, 1, nOut);
            if (!StillHere())
                return;
            if (bDone) {
                m_YearEdit.LimitText(2);
                if (m_FormCombo.GetCurSel() == CB_ERR)
                    return;
            }
            s = m_FormCombo.GetCurSel();
        } else {
            // The number stays and now counts in the chosen era.
            int nWestern = CZelEraTable::ToWestern(era, ReadField(IDC_YEAR_EDIT));
            if (!era.ChkEra(nWestern)) {
                ShowEraError();
                if (StillHere())
                    m_FormCombo.SetCurSel(m_nOldSel);
                return;
            }
        }
        OnCalendarSwitched(0, bCheckDropped);
    } else {
        if (!m_bWestern) {
            const int bDone = ChgYear(ReadField(IDC_YEAR_EDIT), 1, 1, nOut);
            if (!StillHere())
                return;
            if (bDone)
                m_YearEdit.LimitText(4);
            s = m_FormCombo.GetCurSel();
            if (s == CB_ERR)
                return;
        }
        OnCalendarSwitched(1, bCheckDropped);
    }
    m_nOldSel = s;
}

void CZelDateFrame::OnSelchangeFormCombo() { SwitchEra(true); }
void CZelDateFrame::OnCloseupFormCombo() { SwitchEra(false); }

void CZelDateFrame::ReadShownYear(int& nDiv)
{
    const int s = m_FormCombo.GetCurSel();
    const int y = static_cast<int>(GetDlgItemInt(IDC_YEAR_EDIT, nullptr, TRUE));
    if (s == WesternListPos()) {
        nDiv = 1;
        m_date.nYear = y;
        return;
    }
    nDiv = 0;
    // The number counts in the era chosen; with no choice the year stays.
    if (CZelEra* pEra = CZelEraTable(m_arEra).At(s))
        m_date.nYear = CZelEraTable::ToWestern(*pEra, y);
}

// ---- the controls with month and day ------------------------------------------------

BEGIN_MESSAGE_MAP(CZelFullDateFrame, CZelDateFrame)
    ON_EN_CHANGE(IDC_MONTH_EDIT, OnChangeMonthEdit)
    ON_EN_CHANGE(IDC_DAY_EDIT, OnChangeDayEdit)
END_MESSAGE_MAP()

BOOL CZelFullDateFrame::OnInitDialog()
{
    // The month and day limits come before the shared steps show a value.
    ::SendDlgItemMessageA(m_hWnd, IDC_MONTH_EDIT, EM_LIMITTEXT, 2, 0);
    ::SendDlgItemMessageA(m_hWnd, IDC_DAY_EDIT, EM_LIMITTEXT, 2, 0);
    return CZelDateFrame::OnInitDialog();
}

bool CZelFullDateFrame::ShowToday()
{
    m_FormCombo.SetCurSel(0);
    COleDateTime now = COleDateTime::GetCurrentTime();
    if (!PutField(IDC_YEAR_EDIT, now.Format("%Y")) || !PutField(IDC_MONTH_EDIT, now.Format("%m")) ||
        !PutField(IDC_DAY_EDIT, now.Format("%d")))
        return false;
    m_date.nYear = now.GetYear();
    m_date.nMonth = now.GetMonth();
    m_date.nDay = now.GetDay();
    return true;
}

void CZelFullDateFrame::ShowHeldDate()
{
    int nOut = 0;
    ChgYear(m_date.nYear, m_date.nDiv, 1, nOut);
    if (StillHere() && PutField(IDC_MONTH_EDIT, m_date.nMonth))
        PutField(IDC_DAY_EDIT, m_date.nDay);
}

void CZelFullDateFrame::ShowInitialValue()
{
    if (m_date.IsEmpty())
        ShowToday();
    else
        ShowHeldDate();
}

void CZelFullDateFrame::SetFullDate(const CZelDate& date)
{
    CZelAliveWatch watch(this);
    const char* pszTrace = TraceName();
    if (pszTrace != nullptr)
        TRACE("in %s::SetChoiceData() 和暦/西暦=%d, %d/%d/%d\n", pszTrace, date.nDiv, date.nYear, date.nMonth,
              date.nDay);
    m_date = date;
    m_bSetDataFlg = 1;
    int nOut = date.nYear;
    ChgYear(date.nYear, date.nDiv, 1, nOut);
    if (!StillHere())
        return;
    if (pszTrace != nullptr)
        TRACE("out %s::SetChoiceData() 和暦/西暦=%d, %d/%d/%d\n", pszTrace, date.nDiv, nOut, m_date.nMonth,
              m_date.nDay);
    if (PutField(IDC_MONTH_EDIT, m_date.nMonth))
        PutField(IDC_DAY_EDIT, m_date.nDay);
}

CZelDate CZelFullDateFrame::GetFullDate()
{
    ReadShownYear(m_date.nDiv);
    if (const char* pszTrace = TraceName())
        TRACE("out %s::GetChoiceData() 和暦/西暦=%d, %d/%d/%d\n", pszTrace, m_date.nDiv, m_date.nYear, m_date.nMonth,
              m_date.nDay);
    return m_date;
}

void CZelFullDateFrame::EnableFields(int bEnable)
{
    m_YearEdit.EnableWindow(bEnable);
    m_MonthEdit.EnableWindow(bEnable);
    m_FormCombo.EnableWindow(bEnable);
    m_DayEdit.EnableWindow(bEnable);
}

void CZelFullDateFrame::OnChangeMonthEdit() { m_date.nMonth = ReadField(IDC_MONTH_EDIT); }
void CZelFullDateFrame::OnChangeDayEdit() { m_date.nDay = ReadField(IDC_DAY_EDIT); }

void CZelFullDateFrame::BindDateFields(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_YEAR_EDIT, m_YearEdit);
    DDX_Control(pDX, IDC_MONTH_EDIT, m_MonthEdit);
    DDX_Control(pDX, IDC_FORM_COMBO, m_FormCombo);
    DDX_Control(pDX, IDC_DAY_EDIT, m_DayEdit);
}
