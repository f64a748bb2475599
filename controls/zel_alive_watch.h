// Whether a window object outlived code that may have run the host's: a
// message sent to the main window, a message box or a modal dialog runs a
// nested message loop, and the host may destroy the control's window, or
// delete the control, before that call returns.
//
// A watch lives on the stack for the span of one message or one call from
// the host. The watched object's destructor calls Gone(), which marks every
// watch on it, so code further up the stack can tell without touching the
// freed object. Watches of one thread form a chain; nothing is allocated.
#pragma once

#include "afxwin.h"
#include "zel_export.h"

class ZELCALCTRL_API CZelAliveWatch {
public:
    explicit CZelAliveWatch(const CWnd* pWnd);
    ~CZelAliveWatch();
    CZelAliveWatch(const CZelAliveWatch&) = delete;
    CZelAliveWatch& operator=(const CZelAliveWatch&) = delete;

    // pWnd's object still exists (as far as the watches on it saw) and the
    // window it had when the innermost watch began was not destroyed. Reads
    // the object only when it exists; an object no watch covers counts as
    // there while it has a window.
    static bool Alive(const CWnd* pWnd);
    // Called by a watched object's destructor.
    static void Gone(const CWnd* pWnd);
    // This watch saw its object deleted (whatever became of the window).
    bool Deleted() const { return m_bGone; }

private:
    const CWnd* m_pWnd;
    bool m_bHadWindow;  // the object had a window when the watch began
    bool m_bGone = false;
    CZelAliveWatch* m_pOuter;
};
