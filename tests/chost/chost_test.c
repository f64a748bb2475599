/* A host written in C that uses only ZelCalCtrlC.h: its dialog template
 * holds one CONTROL line of each window class between plain edit fields.
 * It drives the dialog through its own message loop (IsDialogMessage) and
 * prints one line per failed check; the exit code is the number of them. */
#include <stdio.h>
#include <string.h>

#include "ZelCalCtrlC.h"
#include "chost_ids.h"

static int g_nFailures;

static void Check(int bOk, const char* pszWhat, int nLine)
{
    if (!bOk) {
        ++g_nFailures;
        printf("FAILED line %d: %s\n", nLine, pszWhat);
    }
}
#define CHECK(cond) Check((cond) ? 1 : 0, #cond, __LINE__)

/* ---- the host dialog ---------------------------------------------------------- */

static HWND g_hDlg;
static int g_nNotifications;
static int g_nHostButtons;  /* IDOK and IDCANCEL the dialog manager sent */
static NMZELCALCHANGE g_lastChange;

static INT_PTR CALLBACK HostProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)hDlg;
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_NOTIFY) {
        const NMHDR* pHdr = (const NMHDR*)lParam;
        if (pHdr->code == ZCN_DATECHANGE) {
            ++g_nNotifications;
            g_lastChange = *(const NMZELCALCHANGE*)lParam;
        }
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        ++g_nHostButtons;
        return TRUE;
    }
    return FALSE;
}

/* The host's own loop: the dialog manager handles its keys. */
static void Pump(void)
{
    MSG msg;
    while (PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (g_hDlg != NULL && IsDialogMessageW(g_hDlg, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

static void SetShift(int bDown)
{
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_SHIFT] = (BYTE)(bDown ? 0x80 : 0);
    state[VK_LSHIFT] = state[VK_SHIFT];
    SetKeyboardState(state);
}

static void PressKey(UINT vk, int bShift)
{
    HWND hTarget = GetFocus();
    SetShift(bShift);
    PostMessageW(hTarget, WM_KEYDOWN, vk, 1);
    PostMessageW(hTarget, WM_KEYUP, vk, (LPARAM)0xC0000001u);
    Pump();
    SetShift(0);
}

static HWND Field(int i) { return GetDlgItem(g_hDlg, IDC_FIELD_FIRST + i); }
static HWND Control(int i) { return GetDlgItem(g_hDlg, IDC_CTRL_FIRST + i); }

static ZELCALVALUE NewValue(void)
{
    ZELCALVALUE v;
    memset(&v, 0, sizeof v);
    v.cbSize = sizeof v;
    return v;
}

static ZELCALVALUE Read(HWND hCtrl)
{
    ZELCALVALUE v = NewValue();
    CHECK(SendMessageW(hCtrl, ZCM_GETVALUE, 0, (LPARAM)&v) == TRUE);
    return v;
}

static int SameDate(const ZELCALVALUE* a, const ZELCALVALUE* b)
{
    return a->dwFlags == b->dwFlags && a->nDiv == b->nDiv && a->nYear == b->nYear &&
           a->nMonth == b->nMonth && a->nDay == b->nDay;
}

/* ---- checks ---------------------------------------------------------------------- */

static void ClassesAreThere(void)
{
    static const char* const names[CHOST_CONTROL_COUNT] = {
        "ZelCalNorm", "ZelCalNormCal", "ZelCalBirth", "ZelCalBirthNotify",
        "ZelCalNormNotify", "ZelCalReg", "ZelCalRegNotify", "ZelCalRegNotNotify"};
    int i;
    HWND hAnsi, hWide;
    RECT rc;
    CHECK(ZelCalInitControls() == TRUE);
    for (i = 0; i < CHOST_CONTROL_COUNT; ++i) {
        char szClass[64] = "";
        HWND hCtrl = Control(i);
        CHECK(hCtrl != NULL);
        GetClassNameA(hCtrl, szClass, sizeof szClass);
        CHECK(strcmp(szClass, names[i]) == 0);
        /* sized to the control it holds, which sits inside it */
        GetClientRect(hCtrl, &rc);
        CHECK(rc.right > 100 && rc.bottom > 10);
        CHECK(GetWindow(hCtrl, GW_CHILD) != NULL);
    }
    /* made by a program, with either name form */
    hAnsi = CreateWindowExA(0, ZELCAL_CLASS_BIRTH_A, "", WS_CHILD, 0, 280, 10, 10, g_hDlg, (HMENU)3001,
                            GetModuleHandleW(NULL), NULL);
    hWide = CreateWindowExW(0, ZELCAL_CLASS_REG_W, L"", WS_CHILD, 0, 280, 10, 10, g_hDlg, (HMENU)3002,
                            GetModuleHandleW(NULL), NULL);
    CHECK(hAnsi != NULL && hWide != NULL);
    CHECK(hAnsi != NULL && GetWindow(hAnsi, GW_CHILD) != NULL);
    CHECK(hWide != NULL && GetWindow(hWide, GW_CHILD) != NULL);
    DestroyWindow(hAnsi);
    DestroyWindow(hWide);
    Pump();
}

static void ValuesGoInAndComeBack(void)
{
    ZELCALVALUE v, back;

    v = NewValue(); v.nDiv = 1; v.nYear = 2002; v.nMonth = 4; v.nDay = 7;
    CHECK(SendMessageW(Control(0), ZCM_SETVALUE, 0, (LPARAM)&v) == TRUE);
    back = Read(Control(0));
    CHECK(SameDate(&v, &back));
    /* an era year: 2001 shows as 平成 13 and reads back as the Western year */
    v.nDiv = 0; v.nYear = 2001; v.nMonth = 4; v.nDay = 1;
    CHECK(SendMessageW(Control(1), ZCM_SETVALUE, 0, (LPARAM)&v) == TRUE);
    back = Read(Control(1));
    CHECK(SameDate(&v, &back));

    v = NewValue(); v.nDiv = 1; v.nYear = 1975;
    CHECK(SendMessageW(Control(2), ZCM_SETVALUE, 0, (LPARAM)&v) == TRUE);
    back = Read(Control(2));
    CHECK(back.nDiv == 1 && back.nYear == 1975 && back.nMonth == 0);

    v.bNotify = 1;
    CHECK(SendMessageW(Control(3), ZCM_SETVALUE, 0, (LPARAM)&v) == TRUE);
    back = Read(Control(3));
    CHECK(back.nYear == 1975 && back.bNotify == 1);

    v = NewValue(); v.nDiv = 1; v.nYear = 2010; v.nMonth = 12; v.nDay = 31; v.bNotify = 1;
    CHECK(SendMessageW(Control(4), ZCM_SETVALUE, 0, (LPARAM)&v) == TRUE);
    back = Read(Control(4));
    CHECK(SameDate(&v, &back) && back.bNotify == 1);

    /* a date held by the periodic control */
    v = NewValue(); v.nDiv = 1; v.nYear = 2003; v.nMonth = 6; v.nDay = 30;
    CHECK(SendMessageW(Control(5), ZCM_SETVALUE, 0, (LPARAM)&v) == TRUE);
    back = Read(Control(5));
    CHECK(SameDate(&v, &back) && back.nInterval == 0);

    /* an every-year rule on 3 March with notification */
    v = NewValue(); v.nDiv = 1; v.nYear = 2002; v.nMonth = 5; v.nDay = 10; v.bNotify = 1;
    v.nInterval = -1; v.nRuleMonth = 3; v.nRuleDay = 3;
    CHECK(SendMessageW(Control(6), ZCM_SETVALUE, 0, (LPARAM)&v) == TRUE);
    back = Read(Control(6));
    CHECK(back.nInterval == -1 && back.nRuleMonth == 3 && back.nRuleDay == 3 && back.bNotify == 1);

    /* no date, like GDT_NONE, and a date again */
    v = NewValue(); v.nDiv = 1; v.dwFlags = ZCVF_NONE;
    CHECK(SendMessageW(Control(7), ZCM_SETVALUE, 0, (LPARAM)&v) == TRUE);
    back = Read(Control(7));
    CHECK(back.dwFlags == ZCVF_NONE && back.nYear == 0 && back.bNotify == 0);
    v = NewValue(); v.nDiv = 1; v.nYear = 2004; v.nMonth = 2; v.nDay = 29;
    CHECK(SendMessageW(Control(7), ZCM_SETVALUE, 0, (LPARAM)&v) == TRUE);
    back = Read(Control(7));
    CHECK(SameDate(&v, &back));
    /* "no date" is the optional control's only */
    v.dwFlags = ZCVF_NONE;
    CHECK(SendMessageW(Control(6), ZCM_SETVALUE, 0, (LPARAM)&v) == FALSE);
    Pump();
}

static void BadInputIsRefused(void)
{
    ZELCALVALUE v = NewValue(), before, after;
    WCHAR buf[8];
    POINT at = {10, 10};
    HWND hNorm = Control(0);

    before = Read(hNorm);
    CHECK(SendMessageW(hNorm, ZCM_GETVALUE, 0, 0) == FALSE);
    CHECK(SendMessageW(hNorm, ZCM_SETVALUE, 0, 0) == FALSE);
    v.cbSize = sizeof v - 4;
    CHECK(SendMessageW(hNorm, ZCM_GETVALUE, 0, (LPARAM)&v) == FALSE);
    v = before; v.cbSize = sizeof v + 4;
    CHECK(SendMessageW(hNorm, ZCM_SETVALUE, 0, (LPARAM)&v) == FALSE);
    v = before; v.nMonth = 13;
    CHECK(SendMessageW(hNorm, ZCM_SETVALUE, 0, (LPARAM)&v) == FALSE);
    v = before; v.nMonth = 2; v.nDay = 30;
    CHECK(SendMessageW(hNorm, ZCM_SETVALUE, 0, (LPARAM)&v) == FALSE);
    v = before; v.nDiv = 2;
    CHECK(SendMessageW(hNorm, ZCM_SETVALUE, 0, (LPARAM)&v) == FALSE);
    v = before; v.nInterval = 13; v.nRuleMonth = 1; v.nRuleDay = 1;
    CHECK(SendMessageW(Control(6), ZCM_SETVALUE, 0, (LPARAM)&v) == FALSE);
    after = Read(hNorm);
    CHECK(SameDate(&before, &after));

    /* operations a class does not have, and messages nobody has */
    CHECK(SendMessageW(hNorm, ZCM_CHKDATE, 0, 0) == ZCR_UNSUPPORTED);
    CHECK(SendMessageW(Control(2), ZCM_CANCELBKCOLOR, 0, 0) == ZCR_UNSUPPORTED);
    CHECK(SendMessageW(hNorm, ZCM_FIRST + 40, 0, 0) == ZCR_UNSUPPORTED);

    /* buffers: too small, none, bad */
    buf[0] = L'x';
    CHECK(ZelCalRuleText(1, 0, 15, buf, 3) == 5);
    CHECK(buf[0] == L'\0');
    CHECK(ZelCalRuleText(1, 0, 15, NULL, 0) == 5);
    CHECK(ZelCalRuleText(1, 0, 15, buf, 5) == 5 && buf[0] == L'\0');
    CHECK(ZelCalRuleText(1, 0, 15, NULL, 6) == -1);
    CHECK(ZelCalRuleText(1, 0, 15, buf, -1) == -1);
    CHECK(ZelCalEraDateText(0, 2002, 13, 1, buf, 8) == -1);

    CHECK(ZelCalDateDialog(g_hDlg, at, NULL) == -1);
    v = before; v.cbSize = 4;
    CHECK(ZelCalDateDialog(g_hDlg, at, &v) == -1);
    v = before; v.nMonth = 13;
    CHECK(ZelCalDateDialog(g_hDlg, at, &v) == -1);
    v = before;
    CHECK(ZelCalDateDialog((HWND)(UINT_PTR)0x7ff0, at, &v) == -1);
}

static void TextsAreTheLibrarys(void)
{
    WCHAR buf[32];
    CHECK(ZelCalRuleText(-1, 3, 15, buf, 32) == 7 && wcscmp(buf, L"毎年3月15日") == 0);
    CHECK(ZelCalRuleText(2, 0, 10, buf, 32) > 0 && wcscmp(buf, L"2ヶ月に1回の10日") == 0);
    CHECK(ZelCalRuleText(1, 0, 15, buf, 6) == 5 && wcscmp(buf, L"毎月15日") == 0);
    CHECK(ZelCalRuleText(0, 3, 15, buf, 32) == 0 && buf[0] == L'\0');
    CHECK(ZelCalEraDateText(0, 2002, 4, 7, buf, 32) > 0 && wcscmp(buf, L"平成14/04/07") == 0);
    CHECK(ZelCalEraDateText(1, 2002, 4, 7, buf, 32) == 10 && wcscmp(buf, L"2002/04/07") == 0);
    CHECK(ZelCalFromEra(0, 1988, 1, 8, buf, 32) > 0 && wcscmp(buf, L"昭和63/01/08") == 0);
    CHECK(ZelCalFromEra(1, 2002, 13, 1, buf, 32) == 10 && wcscmp(buf, L"2002/13/01") == 0);
}

/* Whether the control paints its pale background (red 255, green 252, blue 223). */
static int IsPale(HWND hInner)
{
    HDC hdc = GetDC(hInner);
    HBRUSH hbr = (HBRUSH)SendMessageW(hInner, WM_CTLCOLORDLG, (WPARAM)hdc, (LPARAM)hInner);
    LOGBRUSH lb;
    int bPale = hbr != NULL && GetObjectW(hbr, sizeof lb, &lb) == sizeof lb && lb.lbColor == RGB(255, 252, 223);
    ReleaseDC(hInner, hdc);
    return bPale;
}

static void OperationsReachTheControl(void)
{
    HWND hNorm = Control(0), hCal = Control(1);
    HWND hYear = GetDlgItem(GetWindow(hNorm, GW_CHILD), 32701);
    HWND hDay = GetDlgItem(GetWindow(hNorm, GW_CHILD), 32703);
    ZELCALVALUE v = NewValue();

    CHECK(hYear != NULL && hDay != NULL);
    CHECK(SendMessageW(hNorm, ZCM_USECONTROL, 0, 0) == ZCR_DONE);
    CHECK(!IsWindowEnabled(hYear));
    CHECK(SendMessageW(hNorm, ZCM_USECONTROL, 1, 0) == ZCR_DONE);
    CHECK(IsWindowEnabled(hYear));
    EnableWindow(hNorm, FALSE);
    CHECK(!IsWindowEnabled(hYear));
    EnableWindow(hNorm, TRUE);
    CHECK(IsWindowEnabled(hYear));

    CHECK(SendMessageW(hNorm, ZCM_SETFOCUSCTRL, 0, 0) == ZCR_DONE);
    CHECK(GetFocus() == hDay);
    CHECK(IsPale(GetWindow(hNorm, GW_CHILD)));
    CHECK(SendMessageW(hNorm, ZCM_CANCELBKCOLOR, 0, 0) == ZCR_DONE);
    CHECK(!IsPale(GetWindow(hNorm, GW_CHILD)));

    v.nDiv = 1; v.nYear = 2000; v.nMonth = 2; v.nDay = 29;
    CHECK(SendMessageW(hCal, ZCM_SETVALUE, 0, (LPARAM)&v) == TRUE);
    CHECK(SendMessageW(hCal, ZCM_CHKDATE, 0, 0) == 1);
    CHECK(SendMessageW(hCal, ZCM_CHECKDATE, 0, 0) == 1);
    SetDlgItemTextA(GetWindow(hCal, GW_CHILD), 32703, "30");
    CHECK(SendMessageW(hCal, ZCM_CHKDATE, 0, 0) == 0);
    SetDlgItemTextA(GetWindow(hCal, GW_CHILD), 32703, "29");
    Pump();
}

/* The dialog item that is or holds the focus. */
static HWND FocusItem(void)
{
    HWND h = GetFocus();
    while (h != NULL && GetParent(h) != g_hDlg)
        h = GetParent(h);
    return h;
}

/* Tab (or Shift+Tab) from field iFrom: the focus goes through the control
 * between, entering it at its first (last) stop, and on to the field on the
 * other side. */
static void WalkOver(int iFrom, int bBack)
{
    const int iCtrl = bBack ? iFrom - 1 : iFrom;
    const int iTo = bBack ? iFrom - 1 : iFrom + 1;
    HWND hCtrl = Control(iCtrl), hPrevFocus;
    int nSteps = 0;

    SetFocus(Field(iFrom));
    Pump();
    PressKey(VK_TAB, bBack);
    CHECK(FocusItem() == hCtrl);
    /* entered at the stop the control itself names first (last) */
    hPrevFocus = GetFocus();
    SendMessageW(hCtrl, ZCM_SETFOCUSCTRL, bBack ? 0 : 1, 0);
    CHECK(GetFocus() == hPrevFocus);
    if (iCtrl == 0)  /* the full-date control: era list and day field */
        CHECK(GetDlgCtrlID(GetFocus()) == (bBack ? 32703 : 32700));
    while (FocusItem() == hCtrl && nSteps < 12) {
        hPrevFocus = GetFocus();
        PressKey(VK_TAB, bBack);
        CHECK(GetFocus() != hPrevFocus);
        ++nSteps;
    }
    if (FocusItem() != Field(iTo))
        printf("  walking %s from field %d\n", bBack ? "back" : "on", iFrom);
    CHECK(FocusItem() == Field(iTo));
}

static void TabWalksTheWholeDialog(void)
{
    int i, nSteps;
    HWND hLast = Control(CHOST_CONTROL_COUNT - 1), hFirstStop;

    for (i = 0; i < CHOST_CONTROL_COUNT - 1; ++i)
        WalkOver(i, 0);
    for (i = CHOST_CONTROL_COUNT - 1; i >= 1; --i)
        WalkOver(i, 1);
    /* The optional periodic control keeps the dialog's default keys: Tab
     * goes round inside it and does not leave. */
    SetFocus(Field(CHOST_CONTROL_COUNT - 1));
    Pump();
    PressKey(VK_TAB, 0);
    hFirstStop = GetFocus();
    CHECK(FocusItem() == hLast);
    for (nSteps = 0; nSteps < 12; ++nSteps) {
        PressKey(VK_TAB, 0);
        CHECK(FocusItem() == hLast);
        if (GetFocus() == hFirstStop)
            break;
    }
    CHECK(GetFocus() == hFirstStop);
    /* Escape in a control is swallowed, Enter walks on inside it: the host
     * dialog gets neither as IDCANCEL or IDOK. */
    SetFocus(Field(0));
    Pump();
    PressKey(VK_TAB, 0);
    g_nHostButtons = 0;
    PressKey(VK_ESCAPE, 0);
    PressKey(VK_RETURN, 0);
    CHECK(g_nHostButtons == 0);
    CHECK(FocusItem() == Control(0) && GetDlgCtrlID(GetFocus()) == 32701);
    /* the host's own fields still get the dialog manager's keys */
    SetFocus(Field(0));
    Pump();
    PressKey(VK_ESCAPE, 0);
    CHECK(g_nHostButtons == 1);
}

static void ChangesAreNotified(void)
{
    HWND hNorm = Control(0);
    HWND hDay = GetDlgItem(GetWindow(hNorm, GW_CHILD), 32703);
    HWND hCalDay = GetDlgItem(GetWindow(Control(1), GW_CHILD), 32703);
    Pump();
    g_nNotifications = 0;
    SetFocus(hDay);
    Pump();
    PostMessageW(hDay, WM_CHAR, '9', 1);
    Pump();
    CHECK(g_nNotifications >= 1);
    CHECK(g_lastChange.hdr.hwndFrom == hNorm);
    CHECK(g_lastChange.hdr.idFrom == IDC_CTRL_FIRST);
    CHECK(g_lastChange.value.cbSize == sizeof(ZELCALVALUE));
    CHECK(g_lastChange.value.nDay == 9);
    /* the whole-date control raises no date change */
    g_nNotifications = 0;
    SetFocus(hCalDay);
    Pump();
    PostMessageW(hCalDay, WM_CHAR, '8', 1);
    Pump();
    CHECK(g_nNotifications == 0);
    /* a click on the notification switch, carrying the new switch */
    g_nNotifications = 0;
    SendMessageW(GetDlgItem(GetWindow(Control(3), GW_CHILD), 32704), BM_CLICK, 0, 0);
    Pump();
    CHECK(g_nNotifications == 1 && g_lastChange.hdr.hwndFrom == Control(3));
    CHECK(g_lastChange.value.bNotify == 0);  /* it was set to 1 above */
    /* the periodic control going from its date to a rule with 定期 */
    g_nNotifications = 0;
    SendMessageW(GetDlgItem(GetWindow(Control(5), GW_CHILD), 32705), BM_CLICK, 0, 0);
    Pump();
    CHECK(g_nNotifications >= 1 && g_lastChange.hdr.hwndFrom == Control(5));
    CHECK(g_lastChange.value.nInterval != 0);
}

/* ---- the modal date dialog ------------------------------------------------------- */

static UINT g_nKeyForDialog;
static const char* g_pszDayForDialog;

static void CALLBACK DriveDateDialog(HWND hWnd, UINT message, UINT_PTR idEvent, DWORD dwTime)
{
    HWND hDialog = GetActiveWindow();
    (void)hWnd; (void)message; (void)dwTime;
    KillTimer(NULL, idEvent);
    if (hDialog == NULL || hDialog == g_hDlg)
        return;
    if (g_pszDayForDialog != NULL)
        SetDlgItemTextA(hDialog, 32703, g_pszDayForDialog);
    PostMessageW(GetFocus(), WM_KEYDOWN, g_nKeyForDialog, 1);
}

static int RunDateDialog(ZELCALVALUE* pValue, UINT nKey, const char* pszDay)
{
    POINT at = {40, 40};
    g_nKeyForDialog = nKey;
    g_pszDayForDialog = pszDay;
    SetTimer(NULL, 0, 100, DriveDateDialog);
    return ZelCalDateDialog(g_hDlg, at, pValue);
}

static void DateDialogRuns(void)
{
    ZELCALVALUE v = NewValue();
    v.nDiv = 1; v.nYear = 2002; v.nMonth = 4; v.nDay = 7;
    CHECK(RunDateDialog(&v, VK_RETURN, "20") == IDOK);
    CHECK(v.nDiv == 1 && v.nYear == 2002 && v.nMonth == 4 && v.nDay == 20);
    CHECK(RunDateDialog(&v, VK_ESCAPE, "25") == IDCANCEL);
    CHECK(v.nDay == 20);
    CHECK(IsWindowEnabled(g_hDlg));
    Pump();
}

static int FlagExists(const char* pszName)
{
    HANDLE h = OpenMutexA(SYNCHRONIZE, FALSE, pszName);
    if (h == NULL)
        return 0;
    CloseHandle(h);
    return 1;
}

int main(void)
{
    g_hDlg = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_CHOST), NULL, HostProc, 0);
    CHECK(g_hDlg != NULL);
    if (g_hDlg == NULL)
        return 1;
    SetForegroundWindow(g_hDlg);
    Pump();

    ClassesAreThere();
    ValuesGoInAndComeBack();
    BadInputIsRefused();
    TextsAreTheLibrarys();
    OperationsReachTheControl();
    TabWalksTheWholeDialog();
    ChangesAreNotified();
    DateDialogRuns();

    DestroyWindow(g_hDlg);
    g_hDlg = NULL;
    Pump();
    CHECK(!FlagExists("ZEL2_DATE_CHANGE"));
    CHECK(!FlagExists("ZEL2_CHECKVALUE_STAGE"));

    printf("%s: %d failed check(s)\n", g_nFailures == 0 ? "PASSED" : "FAILED", g_nFailures);
    return g_nFailures;
}
