// The decimal value of a text, as atoi reads it.
#pragma once

#include "zel_export.h"

// Leading white space skipped, an optional sign, then digits up to the first
// byte that is not a digit; 0 when there are none or for a null pointer.
// Values beyond the int range saturate at INT_MIN / INT_MAX.
ZELCALCTRL_API int ZelDecimalValue(const char* psz);
