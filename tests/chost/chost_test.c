/* A host written in C that uses only ZelCalCtrlC.h: one CONTROL line of each window class between
 * plain edits, run by its own IsDialogMessage loop. One line per failed check; exit code: their number. */
#include <stdio.h>
#include <string.h>

#include "ZelCalCtrlC.h"

/* chost.rc: plain fields 1000 to 8, controls 2000 to 7 in class order; their own fields. */
enum { IDD_CHOST = 100, IDC_FIELD_FIRST = 1000, IDC_CTRL_FIRST = 2000, CONTROLS = 8, LAST = CONTROLS - 1 };
enum { ERA = 32700, YEAR = 32701, DAY = 32703 };
#define COUNT(a) (int)(sizeof(a) / sizeof(a)[0])

static int g_nFailures, g_nCase; /* g_nCase: the table row being checked */
#define CHECK(c) ((c) ? (void)0 : (void)(++g_nFailures, printf("FAILED line %d case %d: %s\n", __LINE__, g_nCase, #c)))

static HWND g_hDlg;
static int g_nNotes, g_nButtons; /* ZCN_DATECHANGE seen; IDOK / IDCANCEL the dialog manager sent */
static NMZELCALCHANGE g_last;

static INT_PTR CALLBACK HostProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)hDlg;
    if (message == WM_NOTIFY && ((NMHDR*)lParam)->code == ZCN_DATECHANGE)
        ++g_nNotes, g_last = *(NMZELCALCHANGE*)lParam;
    g_nButtons += message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL);
    return message == WM_INITDIALOG || message == WM_NOTIFY || message == WM_COMMAND;
}

static void Pump(void)
{
    MSG msg;
    while (PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE))
        if (g_hDlg == NULL || !IsDialogMessageW(g_hDlg, &msg))
            TranslateMessage(&msg), DispatchMessageW(&msg);
}

static void PressKey(UINT vk, int bShift)
{
    BYTE state[256] = {0};
    state[VK_SHIFT] = state[VK_LSHIFT] = (BYTE)(bShift ? 0x80 : 0);
    SetKeyboardState(state); /* Shift as the dialog manager and the controls read it, until the next key */
    PostMessageW(GetFocus(), WM_KEYDOWN, vk, 1), Pump();
}

static HWND Field(int i) { return GetDlgItem(g_hDlg, IDC_FIELD_FIRST + i); }
static HWND Control(int i) { return GetDlgItem(g_hDlg, IDC_CTRL_FIRST + i); }
static HWND Inner(int i, int nId) { return GetDlgItem(GetWindow(Control(i), GW_CHILD), nId); }
static void Focus(HWND hWnd) { SetFocus(hWnd), Pump(); }
static ZELCALVALUE Date(int y, int m, int d) { ZELCALVALUE v = {sizeof v, 0, 1, y, m, d, 0, 0, 0, 0}; return v; }

/* ZCM_SETVALUE n[]: taken, it reads back (the fields whose bits are in nSame); refused, nothing changes. */
enum { ALL = 0x3FE, NOT_RULE = 0x0FE, NOT_YEAR = 0x3F6 };
static const struct SetCase { int iCtrl, cbExtra, bTaken, nSame, n[10]; } kSets[] = {
    {0, 0, 1, ALL, {0, 0, 1, 2002, 4, 7}},
    {1, 0, 1, ALL, {0, 0, 0, 2001, 4, 1}}, /* shown as 平成13, read as the Western year */
    {2, 0, 1, ALL, {0, 0, 1, 1975}},
    {3, 0, 1, ALL, {0, 0, 1, 1975, 0, 0, 1}},
    {4, 0, 1, ALL, {0, 0, 1, 2010, 12, 31, 1}},
    {5, 0, 1, NOT_RULE, {0, 0, 1, 2003, 6, 30}},                /* reads the kept rule's month and day */
    {6, 0, 1, NOT_YEAR, {0, 0, 1, 2002, 5, 10, 1, -1, 3, 3}}, /* every year on 3 March */
    {7, 0, 1, ALL, {0, ZCVF_NONE}},                            /* no date, like GDT_NONE */
    {7, 0, 1, NOT_RULE, {0, 0, 1, 2004, 2, 29}},
    {6, 0, 0, ALL, {0, ZCVF_NONE}}, /* the optional control's only */
    {0, -4, 0, ALL, {0, 0, 1, 2002, 4, 8}},
    {0, 0, 0, ALL, {0, 0, 1, 2002, 13, 1}},
    {0, 0, 0, ALL, {0, 0, 2, 2002, 4, 8}},
    {6, 0, 0, ALL, {0, 0, 1, 2002, 5, 10, 1, 13, 1, 1}},
};

static void ValuesGoInAndComeBack(void)
{
    int k, got[10], want[10];
    for (g_nCase = 0; g_nCase < COUNT(kSets); ++g_nCase) {
        const struct SetCase* s = &kSets[g_nCase];
        HWND hCtrl = Control(s->iCtrl);
        ZELCALVALUE v, before = Date(0, 0, 0), after = before;
        memcpy(&v, s->n, sizeof v);
        v.cbSize = (UINT)(sizeof v + s->cbExtra);
        CHECK(SendMessageW(hCtrl, ZCM_GETVALUE, 0, (LPARAM)&before) == TRUE);
        CHECK(SendMessageW(hCtrl, ZCM_SETVALUE, 0, (LPARAM)&v) == s->bTaken);
        CHECK(SendMessageW(hCtrl, ZCM_GETVALUE, 0, (LPARAM)&after) == TRUE);
        memcpy(got, &after, sizeof got), memcpy(want, s->bTaken ? (const void*)s->n : &before, sizeof want);
        for (k = 1; k < 10; ++k)
            CHECK(!(s->nSame >> k & 1) || got[k] == want[k]);
    }
}

/* Each message's answer, bad ones included; ZCM_USECONTROL and EnableWindow reach the fields. */
static void MessagesAnswerAsDocumented(void)
{
    ZELCALVALUE shortValue = Date(2002, 4, 7);
    const struct { int iCtrl; UINT message; ZELCALVALUE* p; LRESULT result; } kMessages[] = {
        {0, ZCM_GETVALUE, NULL, FALSE}, {0, ZCM_SETVALUE, NULL, FALSE}, {0, ZCM_GETVALUE, &shortValue, FALSE},
        {0, ZCM_CHKDATE, NULL, ZCR_UNSUPPORTED}, {2, ZCM_CANCELBKCOLOR, NULL, ZCR_UNSUPPORTED},
        {0, ZCM_FIRST + 40, NULL, ZCR_UNSUPPORTED}, {0, ZCM_CANCELBKCOLOR, NULL, ZCR_DONE},
        {1, ZCM_CHKDATE, NULL, 1}, {1, ZCM_CHECKDATE, NULL, 1}};
    shortValue.cbSize -= 4;
    for (g_nCase = 0; g_nCase < COUNT(kMessages); ++g_nCase)
        CHECK(SendMessageW(Control(kMessages[g_nCase].iCtrl), kMessages[g_nCase].message, 0,
                           (LPARAM)kMessages[g_nCase].p) == kMessages[g_nCase].result);
    CHECK(SendMessageW(Control(0), ZCM_USECONTROL, 0, 0) == ZCR_DONE && !IsWindowEnabled(Inner(0, YEAR)));
    CHECK(SendMessageW(Control(0), ZCM_USECONTROL, 1, 0) == ZCR_DONE && IsWindowEnabled(Inner(0, YEAR)));
    EnableWindow(Control(0), FALSE), CHECK(!IsWindowEnabled(Inner(0, YEAR)));
    EnableWindow(Control(0), TRUE), CHECK(IsWindowEnabled(Inner(0, YEAR)));
    SetWindowTextA(Inner(1, DAY), "31"), CHECK(SendMessageW(Control(1), ZCM_CHKDATE, 0, 0) == 0); /* 4/31 */
    SetWindowTextA(Inner(1, DAY), "01");
}

/* Wide text and its length; an empty string when it does not fit with its zero; -1 for bad input. */
static void TextsComeWide(void)
{
    WCHAR buf[32];
    CHECK(ZelCalRuleText(-1, 3, 15, buf, 32) == 7 && wcscmp(buf, L"毎年3月15日") == 0);
    CHECK(ZelCalRuleText(1, 3, 15, buf, 6) == 5 && wcscmp(buf, L"毎月15日") == 0);
    CHECK(ZelCalRuleText(1, 3, 15, buf, 5) == 5 && buf[0] == L'\0');
    CHECK(ZelCalRuleText(1, 3, 15, NULL, 0) == 5 && ZelCalRuleText(1, 3, 15, NULL, 6) == -1);
    CHECK(ZelCalRuleText(1, 3, 15, buf, -1) == -1 && ZelCalEraDateText(0, 2002, 13, 1, buf, 32) == -1);
    CHECK(ZelCalEraDateText(0, 2002, 4, 7, buf, 32) == 10 && wcscmp(buf, L"平成14/04/07") == 0);
    CHECK(ZelCalFromEra(1, 2002, 13, 1, buf, 32) == 10 && wcscmp(buf, L"2002/13/01") == 0);
}

/* 2i for field i, 2i + 1 for control i: the dialog item that is or holds the focus. */
static int FocusItem(void)
{
    HWND h = GetFocus();
    while (h != NULL && GetParent(h) != g_hDlg)
        h = GetParent(h);
    return h == NULL ? -1 : GetDlgCtrlID(h) >= IDC_CTRL_FIRST ? 2 * (GetDlgCtrlID(h) - IDC_CTRL_FIRST) + 1
                                                               : 2 * (GetDlgCtrlID(h) - IDC_FIELD_FIRST);
}

/* Tab (Shift+Tab) end to end: each control entered at its first (last) stop, walked, left in order. */
static void WalkTheDialog(int bBack)
{
    const int nEnd = bBack ? 0 : 2 * LAST, nStep = bBack ? -1 : 1;
    int nItem, nWas, nPresses;
    HWND hWas;
    Focus(Field(bBack ? LAST : 0));
    for (nItem = FocusItem(), nPresses = 0; nItem != nEnd && nPresses < 100; ++nPresses) {
        hWas = GetFocus(), nWas = nItem, g_nCase = nItem;
        PressKey(VK_TAB, bBack);
        nItem = FocusItem();
        CHECK(GetFocus() != hWas && (nItem == nWas + nStep || (nItem == nWas && nItem % 2 == 1)));
        if (nItem % 2 == 1 && nItem != nWas) {
            hWas = GetFocus();
            CHECK(SendMessageW(Control(nItem / 2), ZCM_SETFOCUSCTRL, !bBack, 0) == ZCR_DONE && GetFocus() == hWas);
            CHECK(nItem != 1 || GetDlgCtrlID(hWas) == (bBack ? DAY : ERA));
        }
    }
    CHECK(nItem == nEnd);
}

static void TabWalksTheWholeDialog(void)
{
    int i;
    WalkTheDialog(0), WalkTheDialog(1);
    /* The optional periodic control keeps the dialog's keys: Tab never leaves it. */
    Focus(Field(LAST));
    for (i = 0; i < 12; ++i)
        PressKey(VK_TAB, 0), CHECK(FocusItem() == 2 * LAST + 1);
    /* In a control Escape is swallowed and Enter walks on; the host's fields keep both keys. */
    Focus(Field(0));
    g_nButtons = 0;
    PressKey(VK_TAB, 0), PressKey(VK_ESCAPE, 0), PressKey(VK_RETURN, 0);
    CHECK(g_nButtons == 0 && GetFocus() == Inner(0, YEAR));
    Focus(Field(0)), PressKey(VK_ESCAPE, 0);
    CHECK(g_nButtons == 1);
}

/* A digit typed into a date field: WM_NOTIFY to the host with the new value. */
static void TypedDigitIsNotified(void)
{
    g_nNotes = 0, g_nCase = 0;
    Focus(Inner(0, DAY)), PostMessageW(GetFocus(), WM_CHAR, '9', 1), Pump();
    CHECK(g_nNotes == 1 && g_last.hdr.hwndFrom == Control(0) && g_last.hdr.idFrom == IDC_CTRL_FIRST);
    CHECK(g_last.value.cbSize == sizeof(ZELCALVALUE) && g_last.value.nDay == 9);
}

static UINT g_nKey;
static const char* g_pszDay;

/* Once the modal date dialog is up: a day put into it, then a key. */
static void CALLBACK DriveDateDialog(HWND hWnd, UINT message, UINT_PTR idEvent, DWORD dwTime)
{
    HWND hDialog = GetActiveWindow();
    (void)hWnd, (void)message, (void)dwTime;
    KillTimer(NULL, idEvent);
    if (hDialog != NULL && hDialog != g_hDlg)
        SetDlgItemTextA(hDialog, DAY, g_pszDay), PostMessageW(GetFocus(), WM_KEYDOWN, g_nKey, 1);
}

static void DateDialogRuns(void)
{
    POINT at = {40, 40};
    ZELCALVALUE v = Date(2002, 4, 7), shortValue = v, month13 = Date(2002, 13, 1);
    shortValue.cbSize = 4;
    CHECK(ZelCalDateDialog(g_hDlg, at, NULL) == -1 && ZelCalDateDialog(g_hDlg, at, &shortValue) == -1);
    CHECK(ZelCalDateDialog(g_hDlg, at, &month13) == -1 && ZelCalDateDialog((HWND)(UINT_PTR)0x7ff0, at, &v) == -1);
    g_nKey = VK_RETURN, g_pszDay = "20", SetTimer(NULL, 0, 100, DriveDateDialog);
    CHECK(ZelCalDateDialog(g_hDlg, at, &v) == IDOK && v.nDiv == 1 && v.nYear == 2002 && v.nMonth == 4 && v.nDay == 20);
    g_nKey = VK_ESCAPE, g_pszDay = "25", SetTimer(NULL, 0, 100, DriveDateDialog);
    CHECK(ZelCalDateDialog(g_hDlg, at, &v) == IDCANCEL && v.nDay == 20 && IsWindowEnabled(g_hDlg));
}

int main(void)
{
    static const char* const kFlags[] = {"ZEL2_DATE_CHANGE", "ZEL2_CHECKVALUE_STAGE"};
    RECT rc;
    g_hDlg = CreateDialogParamW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDD_CHOST), NULL, HostProc, 0);
    if (g_hDlg == NULL)
        return printf("FAILED: no dialog\n"), 1;
    Pump();
    CHECK(ZelCalInitControls() == TRUE);
    for (g_nCase = 0; g_nCase < CONTROLS; ++g_nCase) /* holds its control, at its size */
        GetClientRect(Control(g_nCase), &rc), CHECK(GetWindow(Control(g_nCase), GW_CHILD) && rc.right > 100);
    ValuesGoInAndComeBack();
    MessagesAnswerAsDocumented();
    TextsComeWide();
    TabWalksTheWholeDialog();
    TypedDigitIsNotified();
    DateDialogRuns();
    DestroyWindow(g_hDlg);
    g_hDlg = NULL;
    Pump();
    for (g_nCase = 0; g_nCase < COUNT(kFlags); ++g_nCase) { /* no named flag outlives the dialog */
        HANDLE h = OpenMutexA(SYNCHRONIZE, FALSE, kFlags[g_nCase]);
        CHECK(h == NULL), CloseHandle(h);
    }
    printf("%s: %d failed check(s)\n", g_nFailures == 0 ? "PASSED" : "FAILED", g_nFailures);
    return g_nFailures;
}
