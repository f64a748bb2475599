// The whole-date test run on what a full-date control shows.
#pragma once

#include "afxwin.h"
#include "era/date_text_parser.h"

// The test on the texts of the children 32700 to 32703 of a control: the era
// list and the year, month and day fields.
ZelDateFault ZelTestShownDate(const CWnd& control, CArray<CZelEra, CZelEra&>& arEra);
