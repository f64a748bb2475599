/* A small C host of ZelCalCtrl: one date control between two fields of a dialog. It shows a date
 * as an era year, prints each change the control reports and the date chosen when OK closes it.
 * Run with any argument, it types a 5 into the day field and closes itself. */
#include <stdio.h>
#include <windows.h>
#include "ZelCalCtrlC.h"
#include "sample_host.h"

static void PrintValue(const char* pszWhat, const ZELCALVALUE* pValue)
{
    printf("%s: %s %d/%d/%d\n", pszWhat, pValue->nDiv ? "Western" : "era",
           pValue->nYear, pValue->nMonth, pValue->nDay);
}

static INT_PTR CALLBACK SampleProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    /* nDiv 0: shown as 平成14 */
    ZELCALVALUE value = {.cbSize = sizeof(ZELCALVALUE), .nDiv = 0, .nYear = 2002, .nMonth = 4, .nDay = 7};
    switch (message) {
    case WM_INITDIALOG:
        SendDlgItemMessageW(hDlg, IDC_BIRTHDAY, ZCM_SETVALUE, 0, (LPARAM)&value);
        if (lParam != 0)
            SetTimer(hDlg, 1, 100, NULL);
        return TRUE;
    case WM_TIMER: /* the unattended run: type 5 as the day, then OK */
        KillTimer(hDlg, wParam);
        if (wParam == 1) {
            SendDlgItemMessageW(hDlg, IDC_BIRTHDAY, ZCM_SETFOCUSCTRL, 0, 0); /* its day field */
            PostMessageW(GetFocus(), WM_CHAR, '5', 1);
            SetTimer(hDlg, 2, 100, NULL);
        } else {
            PostMessageW(hDlg, WM_COMMAND, IDOK, 0);
        }
        return TRUE;
    case WM_NOTIFY:
        if (((NMHDR*)lParam)->idFrom == IDC_BIRTHDAY && ((NMHDR*)lParam)->code == ZCN_DATECHANGE)
            PrintValue("changed", &((NMZELCALCHANGE*)lParam)->value);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            if (LOWORD(wParam) == IDOK &&
                SendDlgItemMessageW(hDlg, IDC_BIRTHDAY, ZCM_GETVALUE, 0, (LPARAM)&value))
                PrintValue("chosen", &value);
            EndDialog(hDlg, LOWORD(wParam));
        }
        return TRUE;
    }
    return FALSE;
}

int main(int argc, char** argv)
{
    INT_PTR nResult;
    (void)argv;
    ZelCalInitControls(); /* links the DLL in, as InitCommonControlsEx does */
    nResult = DialogBoxParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_SAMPLE), NULL, SampleProc,
                              argc > 1);
    fflush(stdout);
    return nResult == IDOK ? 0 : 1;
}
