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
// owned here; a name that exists but may not be opened from here counts as
// held elsewhere too. When the flag cannot be made at all (the name taken by
// another kind of object, or no resources) it is neither owned nor held
// elsewhere. Released (when owned) and closed on every way out.
class ZELCALCTRL_API CZelNamedFlag {
public:
    explicit CZelNamedFlag(const char* pszName);
    ~CZelNamedFlag();
    CZelNamedFlag(const CZelNamedFlag&) = delete;
    CZelNamedFlag& operator=(const CZelNamedFlag&) = delete;

    bool Owned() const { return m_state == kOwned; }
    bool HeldElsewhere() const { return m_state == kHeldElsewhere; }
    bool NotMade() const { return m_state == kNotMade; }

private:
    enum State { kOwned, kHeldElsewhere, kNotMade };
    HANDLE m_hMutex;
    State m_state;
};

// The check stage: a check that may show a message box runs only while this
// object has entered it; when anyone else holds the stage the check is
// skipped and the entry accepted. When the system-wide flag cannot be made,
// the stage is kept within this thread instead, so that checks still run and
// a box's own focus changes still find the stage held.
class ZELCALCTRL_API CZelCheckStage {
public:
    CZelCheckStage();
    ~CZelCheckStage();
    CZelCheckStage(const CZelCheckStage&) = delete;
    CZelCheckStage& operator=(const CZelCheckStage&) = delete;
    bool Entered() const { return m_bEntered; }

private:
    CZelNamedFlag m_flag;
    bool m_bEntered;
    bool m_bThreadStage = false;  // entered through the thread's own stage
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
// "ZEL2_CALWND_ENABLE" 0 to the main window as a modal dialog of the library
// starts, and 1 when this object goes, on every way out: a host that disabled
// its windows on 0 always gets them back.
class ZELCALCTRL_API CZelModalSignals {
public:
    CZelModalSignals() { ZelSendToMainWindow(ZEL_NAME_CALWND_ENABLE, 0); }
    ~CZelModalSignals() { ZelSendToMainWindow(ZEL_NAME_CALWND_ENABLE, 1); }
    CZelModalSignals(const CZelModalSignals&) = delete;
    CZelModalSignals& operator=(const CZelModalSignals&) = delete;
};
// A message box with the library's caption; with bDisableMain the main window
// is disabled while it is up.
ZELCALCTRL_API int ZelMessageBox(CWnd* pOwner, const char* pszText, UINT nIcon, bool bDisableMain);
