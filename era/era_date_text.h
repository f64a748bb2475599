// The display text of a date: "Y/MM/DD" in the Western calendar, or the
// name and year of the era that holds the Western year followed by /MM/DD.
#pragma once

#include "afx.h"
#include "zel_era.h"
#include "zel_export.h"

// nEra non-zero: the Western text, the table unread. nEra 0: the first
// Japanese era of the table that holds nYear, "" when none does. Numbers
// read as printf's %d and %02d write them.
ZELCALCTRL_API CString ZelEraDateText(CArray<CZelEra, CZelEra&>& arEra, int nEra, int nYear, int nMonth, int nDay);
