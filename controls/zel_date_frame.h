// The frame every date-entry control shares: made from a template of this
// library as a child of the host's dialog, it joins the host's tab order,
// walks Tab/Shift+Tab/Enter and swallows Escape, paints the pale background,
// turns the input method off in its fields, signals date changes to the host
// and converts the year when the era list is switched.
//
// A control states only where it differs, through the virtual hooks below.
#pragma once

#include <memory>

#include "afxwin.h"
#include "controls/zel_date.h"
#include "controls/zel_key_walk.h"
#include "era/era_core.h"
#include "resources/resource.h"
#include "zel_export.h"

class CZelDateChangeListener;  // controls/host_signals.h

class ZELCALCTRL_API CZelDateFrame : public CDialog {
public:
    // Only the parent window is used; the template gives style, place and size.
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;
    // The host windows before and after the control in the host's tab order.
    void SetParentCtrl(CWnd* pPrevCtrl, CWnd* pNextCtrl);
    // Told after every date-change probe of this control; null for none.
    void SetDateChangeListener(CZelDateChangeListener* pListener) { m_pDateChangeListener = pListener; }

protected:
    CZelDateFrame(UINT nIDTemplate, CWnd* pParent);
    ~CZelDateFrame() override;

    // ---- what a control states about itself -----------------------------------
    // Class name written in the trace lines of ChgYear and SetChoiceData; null
    // writes none.
    virtual const char* TraceName() const { return nullptr; }
    // Owner of the era-switching error box; null shows no box at all.
    virtual CWnd* EraErrorOwner() { return this; }
    // Whether a field's whole text is selected when it gets the focus.
    virtual bool SelectsTextOnFocus() const { return false; }
    // Whether EN_UPDATE from a field raises the date-change probe.
    virtual bool SignalsDateChange() const { return true; }
    // Key walk: the stops of the face in force, in tab order, and whether its
    // ends wrap; and the stop the walk stands on (the field last entered).
    virtual CZelWalkStops WalkStops() const = 0;
    virtual UINT WalkPosition(bool /*bBack*/) { return static_cast<UINT>(m_nFocusId); }
    // Called before the focus leaves forward for the host's next window;
    // FALSE keeps it here (the override places the focus itself).
    virtual BOOL MayLeaveForward() { return TRUE; }
    // List position of the Western entry, for reading the value back.
    virtual int WesternListPos() const { return 0; }
    // Shows a converted Western year: selects the Western entry; FALSE stops
    // the conversion (ChgYear then fails).
    virtual BOOL SelectWesternEntry();
    // The era list was switched to a calendar (1 Western, 0 era) by the
    // selection-change (bSelchange) or close-up handler.
    virtual void OnCalendarSwitched(int nDiv, bool bSelchange);
    // Fills m_arEra and the era list (after both were emptied).
    virtual void LoadEraTable();
    // Shows the value the control holds, or today's date for a new control.
    virtual void ShowInitialValue() = 0;
    // Stores the year field's number.
    virtual void StoreYear(int nYear) { m_date.nYear = nYear; }

    // ---- the frame ---------------------------------------------------------------
    // Every message runs under a liveness watch on this control.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Whether this control is still there after code that may have run the
    // host's (a message to the main window, a message box, a modal dialog):
    // when not, the caller returns at once without touching a member.
    bool StillHere() const;
    // The control or the host dialog around it is being hidden or destroyed:
    // a field left now is not checked (no box, no focus moved).
    bool GoingAway() const { return !::IsWindowVisible(m_hWnd); }
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnOK() override {}
    void OnCancel() override {}
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    // Tab, Shift+Tab and Enter inside the control and out to the host.
    BOOL WalkKey(WPARAM nKey, bool bShift);
    void FieldGotFocus(UINT nID);
    // SetFocusCalCtrl: the first stop of the walk (non-zero), or its last.
    void FocusFirstOrLast(int bFirst);
    void FillEraList();
    void CancelBackground();
    void SendErrorMessage();
    void EnableMainWindow(int bEnable);
    int ReadField(UINT nID);
    // The date-change probe of host signalling, then the listener; false
    // when the host did away with the control meanwhile.
    bool ProbeDateChange();
    // Writes a date field. Its EN_UPDATE may raise the date-change signal, so
    // false when the host did away with the control meanwhile.
    bool PutField(UINT nID, LPCSTR pszText);
    bool PutField(UINT nID, int nValue);

    // ---- era switching -------------------------------------------------------------
    int ChgYear(int nInputYear, int bDiv, int bDsp, int& nOutYear);
    void SwitchEra(bool bCheckDropped);
    void ShowEraError();
    // The calendar and the Western year the era list and the year field show.
    void ReadShownYear(int& nDiv);

    virtual void OnSetfocusFormCombo();
    virtual void OnSetfocusYearEdit();
    virtual void OnSetfocusMonthEdit();
    virtual void OnSetfocusDayEdit();
    virtual void OnSelchangeFormCombo();
    virtual void OnCloseupFormCombo();
    virtual void OnChangeYearEdit();

    CArray<CZelEra, CZelEra&> m_arEra;
    int m_nFocusId = 0;
    BOOL m_bWestern = 1;
    int m_nOldSel = 0;
    CWnd* m_pPrevCtrl = nullptr;
    CWnd* m_pNextCtrl = nullptr;
    // The held date; the birthday controls use its calendar and year only.
    CZelDate m_date;
    BOOL m_bSetDataFlg = 0;
    CComboBox m_FormCombo;
    CEdit m_YearEdit;
    std::unique_ptr<CBrush> m_pBkBrush;
    CZelDateChangeListener* m_pDateChangeListener = nullptr;

    DECLARE_MESSAGE_MAP()
};

// The frame of the controls with month and day fields.
class ZELCALCTRL_API CZelFullDateFrame : public CZelDateFrame {
protected:
    CZelFullDateFrame(UINT nIDTemplate, CWnd* pParent) : CZelDateFrame(nIDTemplate, pParent) {}

    BOOL OnInitDialog() override;
    CZelWalkStops WalkStops() const override
    {
        return {IDC_FORM_COMBO, IDC_YEAR_EDIT, IDC_MONTH_EDIT, IDC_DAY_EDIT};
    }
    // The held date, or today's for a control that holds none (all zeros).
    void ShowInitialValue() override;
    // Today's date in the Western calendar, month and day with two digits;
    // false when the control is gone meanwhile.
    bool ShowToday();
    // The held date: the year through ChgYear, month and day as numbers.
    void ShowHeldDate();
    // SetChoiceData of the full-date controls: holds the date and shows it.
    void SetFullDate(const CZelDate& date);
    // GetChoiceData of the full-date controls: the calendar and Western year
    // shown, with the month and day held. The held date takes the calendar
    // and year read, so that a window made again shows what was read.
    CZelDate GetFullDate();
    // UseControl: year, month, era list and day field, in that order.
    void EnableFields(int bEnable);
    // Binds the year, month, era list and day field, in that order.
    void BindDateFields(CDataExchange* pDX);

    virtual void OnChangeMonthEdit();
    virtual void OnChangeDayEdit();

    CEdit m_MonthEdit;
    CEdit m_DayEdit;

    DECLARE_MESSAGE_MAP()
};
