#include "era/zel_cal_ctrl_com.h"

#include <imm.h>

void CZelCalCtrlCom::ImeOff(HWND hWnd)
{
    ::ImmAssociateContext(hWnd, nullptr);
}
