// The frame of the year-only (birthday) controls: an era list and a year
// field, the year field being the last stop of the key walk.
#pragma once

#include "controls/zel_date_frame.h"

class ZELCALCTRL_API CZelBirthYearFrame : public CZelDateFrame {
protected:
    CZelBirthYearFrame(UINT nIDTemplate, CWnd* pParent) : CZelDateFrame(nIDTemplate, pParent) {}

    CZelWalkStops WalkStops() const override { return {IDC_FORM_COMBO, IDC_YEAR_EDIT}; }
    // The held year in its calendar, or the current year in the Western
    // calendar for a control that holds none.
    void ShowInitialValue() override;
    // SetChoiceData: nYear is Western; nDiv 1 shows it so, 0 as an era year.
    void SetBirthYear(int nDiv, int nYear);
    // GetChoiceData: the calendar shown and the Western year.
    void GetBirthYear(int& nDiv, int& nYear);
    // UseControl: the year field, then the era list.
    void EnableFields(int bEnable);
};
