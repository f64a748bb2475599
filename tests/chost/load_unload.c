/* The window classes come with the DLL and go with it: a C program that
 * loads ZelCalCtrl.dll itself finds them registered, makes a control, and
 * after unloading the DLL finds them gone. Then it loads the DLL again,
 * leaves a control window alive and ends, as a careless host may. */
#include <stdio.h>

#include "ZelCalCtrlC.h"

static int ClassExists(const WCHAR* pszName)
{
    WNDCLASSEXW wc;
    wc.cbSize = sizeof wc;
    return GetClassInfoExW(NULL, pszName, &wc) != 0;
}

int main(void)
{
    int nFailures = 0;
    HMODULE hDll;
    HWND hWnd;

    if (ClassExists(ZELCAL_CLASS_NORM_W)) {
        printf("FAILED: class registered before the DLL was loaded\n");
        ++nFailures;
    }
    hDll = LoadLibraryW(L"ZelCalCtrl.dll");
    if (hDll == NULL || !ClassExists(ZELCAL_CLASS_NORM_W) || !ClassExists(ZELCAL_CLASS_REGNOTNOTIFY_W)) {
        printf("FAILED: classes not registered at load\n");
        return 1;
    }
    hWnd = CreateWindowExW(0, ZELCAL_CLASS_BIRTH_W, L"", WS_POPUP, 0, 0, 0, 0, NULL, NULL, NULL, NULL);
    if (hWnd == NULL || GetWindow(hWnd, GW_CHILD) == NULL) {
        printf("FAILED: no control made\n");
        ++nFailures;
    }
    DestroyWindow(hWnd);
    FreeLibrary(hDll);
    if (GetModuleHandleW(L"ZelCalCtrl.dll") != NULL || ClassExists(ZELCAL_CLASS_NORM_W)) {
        printf("FAILED: DLL or class still there after unloading\n");
        ++nFailures;
    }

    hDll = LoadLibraryW(L"ZelCalCtrl.dll");
    hWnd = CreateWindowExW(0, ZELCAL_CLASS_NORM_W, L"", WS_POPUP, 0, 0, 0, 0, NULL, NULL, NULL, NULL);
    if (hDll == NULL || hWnd == NULL) {
        printf("FAILED: no control after loading again\n");
        ++nFailures;
    }
    printf("%s: %d failed check(s)\n", nFailures == 0 ? "PASSED" : "FAILED", nFailures);
    fflush(stdout);
    return nFailures;
}
