/* The classes come with ZelCalCtrl.dll loaded by hand and go when it is unloaded; loaded again,
 * the program ends with a control alive, as a careless host may. */
#include <stdio.h>

#include "ZelCalCtrlC.h"

/* How many of the first and the last class are registered. */
static int Registered(void)
{
    WNDCLASSW wc;
    return (GetClassInfoW(NULL, ZELCAL_CLASS_NORM_W, &wc) != 0) +
           (GetClassInfoW(NULL, ZELCAL_CLASS_REGNOTNOTIFY_W, &wc) != 0);
}

int main(void)
{
    const int nBefore = Registered();
    HMODULE hDll = LoadLibraryW(L"ZelCalCtrl.dll");
    const int nLoaded = Registered();
    HWND hWnd = CreateWindowExW(0, ZELCAL_CLASS_BIRTH_W, L"", WS_POPUP, 0, 0, 0, 0, NULL, NULL, NULL, NULL);
    const int bMade = hWnd != NULL && GetWindow(hWnd, GW_CHILD) != NULL;
    int nAfter;
    DestroyWindow(hWnd);
    FreeLibrary(hDll);
    nAfter = Registered() + (GetModuleHandleW(L"ZelCalCtrl.dll") != NULL);
    hDll = LoadLibraryW(L"ZelCalCtrl.dll");
    hWnd = CreateWindowExW(0, ZELCAL_CLASS_NORM_W, L"", WS_POPUP, 0, 0, 0, 0, NULL, NULL, NULL, NULL);
    printf("classes before %d, loaded %d, unloaded %d; made %d, again %d\n", nBefore, nLoaded, nAfter, bMade, !!hWnd);
    return nBefore == 0 && hDll != NULL && nLoaded == 2 && bMade && nAfter == 0 && hWnd != NULL ? 0 : 1;
}
