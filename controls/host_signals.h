// Signalling between the controls and the host application: the named
// flags, the registered messages sent to the main window, and the message
// boxes shown while the main window is disabled.
#pragma once

#include "afxwin.h"
#include "zel_export.h"

#define ZEL_NAME_DATE_CHANGE "ZEL2_DATE_CHANGE"
#define ZEL_NAME_CHECKVALUE_STAGE "ZEL2_CHECKVALUE_STAGE"
#define ZEL_NAME_CALWND_ENABLE "ZEL2_CALWND_ENABLE"
#define ZEL_NAME_DATE_ERROR "ZEL_DATE_ERROR_MESSAGE"

// A system-wide named flag asked for with initial ownership. When another
// party already has the name, the flag counts as held elsewhere and is not
// owned here. Released (when owned) and closed on every way out.
class ZELCALCTRL_API CZelNamedFlag {
public:
    explicit CZelNamedFlag(const char* pszName);
    ~CZelNamedFlag();
    CZelNamedFlag(const CZelNamedFlag&) = delete;
    CZelNamedFlag& operator=(const CZelNamedFlag&) = delete;

    bool HeldElsewhere() const { return m_bHeldElsewhere; }

private:
    HANDLE m_hMutex;
    bool m_bHeldElsewhere;
};

// The check stage: a check that may show a message box runs only while this
// object has entered it; when anyone else holds the stage the check is
// skipped and the entry accepted.
class ZELCALCTRL_API CZelCheckStage {
public:
    CZelCheckStage() : m_flag(ZEL_NAME_CHECKVALUE_STAGE) {}
    bool Entered() const { return !m_flag.HeldElsewhere(); }

private:
    CZelNamedFlag m_flag;
};

// Told by a control each time it has run the date-change probe, whoever
// holds the flag; the window-class face turns it into a notification.
class CZelDateChangeListener {
public:
    virtual void DateChangeProbed() = 0;

protected:
    ~CZelDateChangeListener() = default;
};

// WM_COMMAND with the registered number of pszName to the main window; does
// nothing when there is none.
ZELCALCTRL_API void ZelSendToMainWindow(const char* pszName, LPARAM lParam);
// The date-change probe: tells the main window when someone holds the flag.
ZELCALCTRL_API void ZelProbeDateChange();
ZELCALCTRL_API void ZelEnableMainWindow(BOOL bEnable);
// A message box with the library's caption; with bDisableMain the main window
// is disabled while it is up.
ZELCALCTRL_API int ZelMessageBox(CWnd* pOwner, const char* pszText, UINT nIcon, bool bDisableMain);
