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
    // the file and returns 0. An existing file is replaced by the defaults
    // only after its bytes were kept as .\data\era.dat.bak.
    int ReadEraInfo(CArray<CZelEra, CZelEra&>& arr);
    // Replaces .\data\era.dat with the records of arr in one step; 1
    // written, 0 failed (the old file then stays as it was).
    int WriteFile(CArray<CZelEra, CZelEra&>& arr);

    // The same on an era file at any path (the era tool). ReadEraFile appends
    // what ReadEraInfo would read, but neither falls back nor writes: 1 read,
    // 0 no such file, -1 there but unreadable (records read before the
    // failure stay in arr).
    int ReadEraFile(LPCSTR pszPath, CArray<CZelEra, CZelEra&>& arr);
    int WriteEraFile(LPCSTR pszPath, CArray<CZelEra, CZelEra&>& arr);
    // Copies the file at pszPath to pszPath + ".bak" in one step, replacing
    // an older copy; 1 kept, 0 failed.
    int KeepBackup(LPCSTR pszPath);
    // Appends the built-in table.
    void BuiltInTable(CArray<CZelEra, CZelEra&>& arr);

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
