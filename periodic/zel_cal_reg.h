// CZelCalReg: the periodic date control. Its value is a date or a periodic
// rule; while a rule is held the control keeps a date for the 日時 button,
// and while a date is held it keeps a rule for the 定期 button.
#pragma once

#include "periodic/zel_periodic_frame.h"

class ZELCALCTRL_API CZelCalReg : public CZelPeriodicFrame {
public:
    explicit CZelCalReg(CWnd* pParent = nullptr);
    ~CZelCalReg() override;

    // nDiv: calendar of the date (1 Western, 0 era); nYear: Western year;
    // nMonth, nDay: the date's or the rule's; nInterval: 0 a date, else the
    // rule's interval; dtBase: the date 日時 brings back while a rule is held
    // (its month and day), a zero value for none.
    void SetChoiceData(int nDiv, int nYear, int nMonth, int nDay, int nInterval, COleDateTime dtBase);
    void GetChoiceData(int& nDiv, int& nYear, int& nMonth, int& nDay, int& nInterval, COleDateTime& dtBase);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const char* TraceName() const override { return "CZelCalReg"; }

    CZelRule RuleToWord() override;
    void ShowDateFields() override { ShowHeldDate(); }
    void KeepRule(bool bDateGiven) override;
    void ShowGivenDate() override;
    void ShowTodaysDate() override;
    void TakeRuleBack() override;
    bool TakeDateBack() override;
    CZelRule OfferedRule() override;
    void StoreAcceptedRule(const CZelRule& rule) override;

    BOOL m_bDefault = 0;  // today's date was filled in; the rule face shows 毎月1日
    COleDateTime m_dtBase;

private:
    // The held rule: its interval with the held month and day.
    CZelRule HeldRule() const;
    void HoldRule(const CZelRule& rule);
};
