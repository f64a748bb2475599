// era.dat as a fresh read gives it, without reading the file again while its
// directory entry shows it unchanged since a read that can be trusted.
#pragma once

#include "afx.h"
#include "zel_era.h"
#include "zel_export.h"

// Appends to arr what CZelCalCtrlCom::ReadEraInfo would append now and
// returns what it would return (a missing or unreadable file takes the same
// way: the default table, written to the file).
ZELCALCTRL_API int ZelReadEraTableNow(CArray<CZelEra, CZelEra&>& arr);

// The display text of a date (ZelEraDateText) with the table a fresh read of
// era.dat gives now; "" when that fails for want of memory.
ZELCALCTRL_API CString ZelEraDateTextNow(int nEra, int nYear, int nMonth, int nDay);
