// Text from the library (Shift_JIS) into a caller's wide-character buffer,
// the way the flat C functions hand it over, through the framework's conversion.
#pragma once

#include "afxstr.h"

namespace zelcal {

// The text's length in wide characters without the terminating zero; the
// text is written only when it fits with the zero (else an empty string,
// when there is room for one). -1 for a null buffer with a size above 0 or
// a size below 0.
int CopyWide(const CString& strText, wchar_t* pszBuf, int cchBuf);

}  // namespace zelcal
