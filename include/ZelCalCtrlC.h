/* ZelCalCtrl for any host: the controls as window classes, driven by
 * messages, and a few flat functions. Plain C (C89 and later) and C++.
 *
 * A dialog template places a control with one line:
 *   CONTROL "", IDC_BIRTHDAY, "ZelCalNorm", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 60, 40, 120, 14
 * or a program makes one with CreateWindowExW(0, L"ZelCalNorm", ...).
 * The classes are registered when ZelCalCtrl.dll loads; a host that loads
 * the DLL late may call ZelCalInitControls() first.
 *
 * Strings cross as wide strings into the caller's buffer. No C++ type,
 * exception or allocation crosses this interface. */
#ifndef ZELCALCTRLC_H
#define ZELCALCTRLC_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

#ifdef ZELCALCTRL_BUILD
#  define ZELCALC_API __declspec(dllexport)
#else
#  define ZELCALC_API __declspec(dllimport)
#endif

/* ---- window classes -------------------------------------------------------- */
#define ZELCAL_CLASS_NORM_W           L"ZelCalNorm"
#define ZELCAL_CLASS_NORMCAL_W        L"ZelCalNormCal"
#define ZELCAL_CLASS_BIRTH_W          L"ZelCalBirth"
#define ZELCAL_CLASS_BIRTHNOTIFY_W    L"ZelCalBirthNotify"
#define ZELCAL_CLASS_NORMNOTIFY_W     L"ZelCalNormNotify"
#define ZELCAL_CLASS_REG_W            L"ZelCalReg"
#define ZELCAL_CLASS_REGNOTIFY_W      L"ZelCalRegNotify"
#define ZELCAL_CLASS_REGNOTNOTIFY_W   L"ZelCalRegNotNotify"
#define ZELCAL_CLASS_NORM_A           "ZelCalNorm"
#define ZELCAL_CLASS_NORMCAL_A        "ZelCalNormCal"
#define ZELCAL_CLASS_BIRTH_A          "ZelCalBirth"
#define ZELCAL_CLASS_BIRTHNOTIFY_A    "ZelCalBirthNotify"
#define ZELCAL_CLASS_NORMNOTIFY_A     "ZelCalNormNotify"
#define ZELCAL_CLASS_REG_A            "ZelCalReg"
#define ZELCAL_CLASS_REGNOTIFY_A      "ZelCalRegNotify"
#define ZELCAL_CLASS_REGNOTNOTIFY_A   "ZelCalRegNotNotify"

/* Registers the classes (again); TRUE when all of them are registered. */
ZELCALC_API BOOL WINAPI ZelCalInitControls(void);

/* ---- the value ----------------------------------------------------------------- */
/* dwFlags: the optional periodic control (ZelCalRegNotNotify) holds no date
 * (its entry "なし"), like GDT_NONE. Every number is then 0. */
#define ZCVF_NONE 0x0001

typedef struct tagZELCALVALUE {
    UINT cbSize;        /* sizeof(ZELCALVALUE), checked first */
    DWORD dwFlags;      /* ZCVF_NONE or 0 */
    int nDiv;           /* calendar shown: 1 Western, 0 Japanese era */
    int nYear;          /* Western year */
    int nMonth;         /* not used by the birthday-year controls */
    int nDay;           /* not used by the birthday-year controls */
    int bNotify;        /* the notification switch (the *Notify classes) */
    int nInterval;      /* periodic classes: 0 a date, -1 every year, N every N months */
    int nRuleMonth;     /* periodic classes: month of the second date value, see the docs */
    int nRuleDay;       /* periodic classes: day of the second date value */
} ZELCALVALUE;

/* ---- messages ------------------------------------------------------------------ */
#define ZCM_FIRST          (WM_USER + 0x5A0)
/* lParam: ZELCALVALUE* with cbSize set. Returns TRUE when filled, FALSE for
 * a null pointer or a wrong cbSize. */
#define ZCM_GETVALUE       (ZCM_FIRST + 0)
/* lParam: const ZELCALVALUE*. Returns TRUE when the value was taken; FALSE
 * for a null pointer, a wrong cbSize or a value out of range (then the
 * control is left as it was). */
#define ZCM_SETVALUE       (ZCM_FIRST + 1)
/* wParam: non-zero enables the control's fields, 0 disables them. */
#define ZCM_USECONTROL     (ZCM_FIRST + 2)
/* wParam: non-zero focuses the control's first stop, 0 its last. */
#define ZCM_SETFOCUSCTRL   (ZCM_FIRST + 3)
/* Turns the pale background off (ZelCalNorm, ZelCalNormCal). */
#define ZCM_CANCELBKCOLOR  (ZCM_FIRST + 4)
/* ZelCalNormCal: 1 when the fields hold a valid date, 0 if not; no message. */
#define ZCM_CHKDATE        (ZCM_FIRST + 5)
/* ZelCalNormCal: the check with a message; wParam non-zero puts the focus
 * into the faulty field. 1 valid (or another check is under way), 0 not. */
#define ZCM_CHECKDATE      (ZCM_FIRST + 6)
#define ZCM_LAST           (ZCM_FIRST + 0x3F)

/* Done: the void operations answer ZCR_DONE. A message of this range that
 * the class does not have (or that is not defined) answers ZCR_UNSUPPORTED
 * and does nothing. */
#define ZCR_DONE           ((LRESULT)1)
#define ZCR_UNSUPPORTED    ((LRESULT)-1)

/* ---- notification -------------------------------------------------------------- */
/* WM_NOTIFY to the parent whenever the control's date may have changed:
 * a date field's text changed (typed or set), the notification switch was
 * clicked, or a periodic control changed between date and rule. It comes
 * whether or not any party holds the named flag "ZEL2_DATE_CHANGE"; the
 * messages to the main window are sent as before. */
#define ZCN_FIRST          (0U - 3100U)
#define ZCN_DATECHANGE     (ZCN_FIRST - 1)

typedef struct tagNMZELCALCHANGE {
    NMHDR hdr;          /* hwndFrom: the control window; code ZCN_DATECHANGE */
    ZELCALVALUE value;  /* the value as ZCM_GETVALUE reads it when sent */
} NMZELCALCHANGE;

/* ---- flat functions ------------------------------------------------------------ */
/* The modal date dialog at screen point 'at'. *pValue gives the date shown
 * (nDiv, nYear, nMonth, nDay) and receives it on IDOK. Returns IDOK or
 * IDCANCEL; -1 for a null pointer, a wrong cbSize, a date that is not real,
 * an owner that is not a window or a dialog that could not be made. */
ZELCALC_API int WINAPI ZelCalDateDialog(HWND hOwner, POINT at, ZELCALVALUE* pValue);

/* The texts below are written into pszBuf (cchBuf wide characters, the
 * terminating zero included) when they fit. The result is the text's length
 * without the zero; when it is cchBuf or more the buffer was too small and
 * holds an empty string (if cchBuf > 0). -1: pszBuf null with cchBuf > 0,
 * or cchBuf below 0. pszBuf may be null with cchBuf 0 to ask the length. */

/* The wording of a periodic rule: 毎年M月D日, Nヶ月に1回のD日 or 毎月D日;
 * interval 0 gives the empty text. */
ZELCALC_API int WINAPI ZelCalRuleText(int nInterval, int nMonth, int nDay, WCHAR* pszBuf, int cchBuf);
/* The display text of a date (as CEraDate shows it): nEra non-zero
 * "Y/MM/DD"; 0 the era name and era year, empty when no era of the table
 * holds the year. The era file is read on every call. -1 also when year,
 * month and day form no date. */
ZELCALC_API int WINAPI ZelCalEraDateText(int nEra, int nYear, int nMonth, int nDay, WCHAR* pszBuf,
                                         int cchBuf);
/* The same text from the numbers as they are, not checked as a date
 * (FromEra): month 13 is written as 13. */
ZELCALC_API int WINAPI ZelCalFromEra(int nEra, int nYear, int nMonth, int nDay, WCHAR* pszBuf, int cchBuf);

#ifdef __cplusplus
}
#endif

#endif /* ZELCALCTRLC_H */
