// CZelCalCtrlCom: the era table store (era.dat) and the small input
// operations the controls share.
#pragma once

#include "zel_export.h"
#include "afx.h"
#include "zel_era.h"

class ZELCALCTRL_API CZelCalCtrlCom
{
public:
    CZelCalCtrlCom();
    CZelCalCtrlCom(const CZelCalCtrlCom&) = default;
    CZelCalCtrlCom& operator=(const CZelCalCtrlCom&) = default;
    virtual ~CZelCalCtrlCom();

    // Appends the records of .\data\era.dat to arr and returns 1; when the
    // file is missing or unreadable, appends the default table, writes it to
    // the file and returns 0.
    int ReadEraInfo(CArray<CZelEra, CZelEra&>& arr);
    // Replaces .\data\era.dat with the records of arr; 1 written, 0 failed.
    int WriteFile(CArray<CZelEra, CZelEra&>& arr);

#ifdef _WIN32
    // Typing in the window goes in directly, without input-method composition.
    static void ImeOff(HWND hWnd);
#endif
    static int ChkInputDay(int nDay);
    // 1 to 12 for the texts "1月" to "12月", else 0.
    static int GetStrToMonth(char* str);

private:
    void DefaultDataSet(CArray<CZelEra, CZelEra&>& arr);
    void GetEraData(CArray<CZelEra, CZelEra&>& arr, char* pText);
};
