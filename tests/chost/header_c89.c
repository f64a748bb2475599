/* The C header alone, compiled as strict C89. */
#include "ZelCalCtrlC.h"

int ZelCalHeaderSizeForC89(void) { return (int)sizeof(ZELCALVALUE) + (int)sizeof(NMZELCALCHANGE); }
