// The records of an era file's text as the era table store reads them, each
// field's bytes as they stand, before any number is read from them.
#pragma once

#include "zel_export.h"
#include "afx.h"

#include <cstddef>
#include <functional>

struct ZelEraFields
{
    CString strFirstYear;
    CString strLastYear;
    CString strEraname;
    CString strDiv;
    std::size_t nBegin;  // offset of the record's first byte in the text
    std::size_t nEnd;    // offset of the CR that ends it
};

// Scans pText up to its first zero byte: "first,last,name,flag", ended by CR
// and one more byte that is skipped unread. Calls onRecord for each complete
// record in order; bytes after the last CR make no record.
ZELCALCTRL_API void ZelScanEraText(const char* pText, const std::function<void(const ZelEraFields&)>& onRecord);
