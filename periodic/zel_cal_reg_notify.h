// CZelCalRegNotify: the periodic date control with the check box "通知設定".
// Its value is a base date, a notification switch and a notification rule:
// interval 0 notifies on the base date itself, any other interval is a
// periodic rule whose month and day travel in a date value.
#pragma once

#include "controls/zel_notify_switch.h"
#include "periodic/zel_periodic_frame.h"

class ZELCALCTRL_API CZelCalRegNotify : public CZelNotifySwitch<CZelPeriodicFrame> {
public:
    explicit CZelCalRegNotify(CWnd* pParent = nullptr);
    ~CZelCalRegNotify() override;

    // nDiv: calendar of the base date; nYear (Western), nMonth, nDay: the
    // base date; bNotify: the switch; nInterval: the notification interval;
    // dtInterval: its month and day (used when the interval is not 0).
    void SetChoiceData(int nDiv, int nYear, int nMonth, int nDay, int bNotify, int nInterval,
                       COleDateTime dtInterval);
    // The date value: interval 0 the base date; -1 the rule's month and day
    // in 2000; any other interval the rule's day in December 2000.
    void GetChoiceData(int& nDiv, int& nYear, int& nMonth, int& nDay, int& bNotify, int& nInterval,
                       COleDateTime& dtInterval);

protected:
    CZelCalRegNotify(UINT nIDTemplate, CWnd* pParent);

    void DoDataExchange(CDataExchange* pDX) override;
    const char* TraceName() const override { return "CZelCalRegNotify"; }
    void StoreYear(int nYear) override;

    CZelRule RuleToWord() override;
    void KeepRule(bool bDateGiven) override;
    void InitDataShown() override;
    void TakeRuleBack() override;
    bool TakeDateBack() override;
    CZelRule OfferedRule() override;
    void BeforeRuleDialog() override;
    void StoreAcceptedRule(const CZelRule& rule) override;
    // 日時, once today's date is the base date: false leaves the face as it is.
    virtual bool MayShowDateAgain() { return true; }
};
