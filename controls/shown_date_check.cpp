#include "controls/shown_date_check.h"

#include "resources/resource.h"

ZelDateFault ZelTestShownDate(const CWnd& control, CArray<CZelEra, CZelEra&>& arEra)
{
    CString strEra, strYear, strMonth, strDay;
    control.GetDlgItemText(IDC_FORM_COMBO, strEra);
    control.GetDlgItemText(IDC_YEAR_EDIT, strYear);
    control.GetDlgItemText(IDC_MONTH_EDIT, strMonth);
    control.GetDlgItemText(IDC_DAY_EDIT, strDay);
    return ZelTestDateTexts(strEra, strYear, strMonth, strDay, arEra);
}
