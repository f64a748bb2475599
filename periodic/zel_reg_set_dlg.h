// CZelRegSetDlg: the modal dialog "定期の設定" that edits a periodic rule.
//
// A rule is the triple (interval, month, day): interval 1 every month on the
// day, 2 to 12 every N months on the day, -1 every year on the month and day;
// 0 is no rule. A monthly day lies in 1..31; a yearly day must exist in its
// month, with February allowing 28 days at most.
//
// Inside the dialog each kind keeps its own fields, so switching the kind
// with the radio buttons keeps what was typed for the others.
#pragma once

#include "afxwin.h"
#include "resources/resource.h"
#include "zel_export.h"

class ZELCALCTRL_API CZelRegSetDlg : public CDialog {
public:
    explicit CZelRegSetDlg(CWnd* pParent = nullptr);
    ~CZelRegSetDlg() override;

    // Loads a rule before DoModal; an interval of 0 or below -1 changes nothing.
    void SetChoiceData(int nInterval, int nMonth, int nDay);
    // The rule of the kind in force, after DoModal returned IDOK.
    void GetChoiceData(int& nInterval, int& nMonth, int& nDay);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnRdEverymonth();
    void OnRdEachmonth();
    void OnRdEveryyear();
    void OnUpdateEverydayEdit();
    void OnUpdateEachdayEdit();
    void OnUpdateEveryydayEdit();

    int m_nEveryday = 0;        // day of the every-month rule
    int m_nEachmonth = 0;       // interval - 1 of the every-N-months rule
    int m_nEachday = 0;         // day of the every-N-months rule
    int m_nEveryyearMonth = 0;  // month of the every-year rule
    int m_nEveryyday = 0;       // day of the every-year rule
    int m_nMode = 1;            // 1 every month, 2 every N months, 3 every year
    int m_nRadio = 0;           // checked radio button: 0 毎月, 1 隔月, 2 毎年
    CEdit m_EverydayEdit;
    CEdit m_EachdayEdit;
    CEdit m_EveryydayEdit;
    CComboBox m_EachmonthCombo;
    CComboBox m_EveryyearCombo;

private:
    // Enables the widgets of the kind m_nMode and disables the others.
    void DspChg();
    // 0 when the entry of the checked kind is complete and valid, else the
    // ID of the control to put right.
    int CheckValue();
    // The check of a day field while it is typed in.
    void CheckDayLive(int nID);
    int ReadDay(int nID);
    bool DayFieldValid(int nID);
    int ListSelection(int nID);
    int SelectedMonth();
    void FocusItem(int nID);

    DECLARE_MESSAGE_MAP()
};
