// CZelCalNormDlg: the full-date control as a small modal pop-up placed at a
// screen point. Enter accepts and Escape cancels, each only while the shown
// date passes the whole-date check; non-digits are refused as they are typed.
// Era switching shows no message box, and no date-change signal is raised.
#pragma once

#include "controls/zel_date_frame.h"

class ZELCALCTRL_API CZelCalNormDlg : public CZelFullDateFrame {
public:
    // Makes this library's templates the current ones, so that DoModal finds
    // its template.
    explicit CZelCalNormDlg(CWnd* pParent = nullptr);
    ~CZelCalNormDlg() override;

    // Runs the dialog at screen point (x, y) with the given date; on IDOK the
    // references receive the date as it stood when the dialog closed.
    int DoModal(int& nDiv, int& nYear, int& nMonth, int& nDay, int x, int y);
    // The whole-date check without message, flag or mark: 1 valid, 0 not.
    int ChkDate_();

    void SetFocusCalCtrl(int bFirst) { FocusFirstOrLast(bFirst); }
    void SetChoiceData(int nDiv, int nYear, int nMonth, int nDay) { SetFullDate({nDiv, nYear, nMonth, nDay}); }
    void GetChoiceData(int& nDiv, int& nYear, int& nMonth, int& nDay) { ReadDate().CopyTo(nDiv, nYear, nMonth, nDay); }
    void UseControl(int bEnable) { EnableFields(bEnable); }
    void cancelBkColor(int) { CancelBackground(); }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnInitDialog() override;
    // The platform's: they end the dialog.
    void OnOK() override;
    void OnCancel() override;

    const char* TraceName() const override { return "CZelCalNormDlg"; }
    // A refused era switch only puts the list back.
    CWnd* EraErrorOwner() override { return nullptr; }
    bool SelectsTextOnFocus() const override { return true; }
    bool SignalsDateChange() const override { return false; }
    // Tab wraps inside the dialog: back from the era list to the day field,
    // on from the day field to the era list.
    CZelWalkStops WalkStops() const override { return CZelFullDateFrame::WalkStops().WrappingInside(); }

    void OnSetfocusYearEdit() override;
    void OnSetfocusMonthEdit() override;
    void OnSetfocusDayEdit() override;
    // The fields are read when needed; typing stores nothing.
    void OnChangeYearEdit() override {}
    void OnChangeMonthEdit() override {}
    void OnChangeDayEdit() override {}
    void OnKillfocusYearEdit();
    void OnKillfocusMonthEdit();
    void OnKillfocusDayEdit();
    void OnKillfocusFormCombo();
    void OnDestroy();

private:
    using CZelDateFrame::ChgYear;

    // Index of a field in the whole-date check: 0 year, 1 month, 2 day,
    // 4 era list, -1 none.
    enum { kYear = 0, kMonth = 1, kDay = 2, kEra = 4, kNone = -1 };

    // The whole-date check of the field nField being left; 1 accepted.
    int ChkDate(int nField);
    void FieldLeft(int nField, CWnd& field);
    void FieldEntered(UINT nID, int nField);
    int FocusedField() const;
    // GetChoiceData: month and day are read from their fields first (typing
    // stores nothing here).
    CZelDate ReadDate();
    // The typing filter: a field's text of anything but digits is put back.
    void FilterTyping(HWND hField);

    CString m_strYear;
    CString m_strMonth;
    CString m_strDay;
    // Where DoModal places the dialog; a window made with Create goes to the
    // top-left corner of the screen unless DoModal gave a place before.
    int m_nPosY = 0;
    int m_nPosX = 0;
    BOOL m_bModal = 0;
    // The date DoModal was given, replaced by the date read as the window goes.
    CZelDate m_dlgDate;
    int m_nChkField = kNone;
    // Set once the dialog is ending: the focus leaving its fields as the
    // window goes checks nothing.
    bool m_bEnding = false;

    DECLARE_MESSAGE_MAP()
};
