// Window framework: window objects over Win32 windows, dialogs from
// templates, message maps, the thread's message pump and the module state.
// Shared by the library and every host, so that both see one handle map
// and one main window.
#pragma once

#include "afxbase.h"
#include "afxstr.h"

#ifndef _WIN32
#error "afxwin.h needs the Win32 window system"
#endif

#include <commctrl.h>

class CWnd;
class CDialog;
class CDC;
class CCmdTarget;
class CDataExchange;
struct CCreateContext;

// ---- small value types -------------------------------------------------------

class ZELAFX_API CPoint : public tagPOINT {
public:
    CPoint() { x = 0; y = 0; }
    CPoint(int initX, int initY) { x = initX; y = initY; }
    explicit CPoint(LPARAM lParam);
};

class ZELAFX_API CRect : public tagRECT {
public:
    CRect() { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
    CRect(const RECT& rc) { left = rc.left; top = rc.top; right = rc.right; bottom = rc.bottom; }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    void OffsetRect(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
};

// ---- message maps ------------------------------------------------------------

// Calls one handler: decodes the message's parameters for the handler's
// signature. Made per entry from the handler's own type, so no cast of
// member pointers is needed.
typedef void (*AFX_PTHUNK)(CCmdTarget* pTarget, UINT message, WPARAM wParam, LPARAM lParam,
                           LRESULT* pResult);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;   // window message (WM_COMMAND for notifications)
    UINT nCode;      // notification code
    UINT nID;        // control ID (0 for window messages)
    UINT nLastID;
    AFX_PTHUNK pfn;  // null ends the map
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Stands for the whole WM_CTLCOLORMSGBOX..WM_CTLCOLORSTATIC range in a map.
#define WM_CTLCOLOR 0x0019

#define DECLARE_MESSAGE_MAP()                                   \
protected:                                                      \
    static const AFX_MSGMAP* GetThisMessageMap();               \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                   \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                            \
        typedef theClass ThisClass;                                              \
        typedef baseClass TheBaseClass;                                          \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

// The map of a class template (a mixin over its base), chained to baseClass.
#define BEGIN_TEMPLATE_MESSAGE_MAP(theClass, typeParam, baseClass)                           \
    template <class typeParam>                                                             \
    const AFX_MSGMAP* theClass<typeParam>::GetMessageMap() const { return GetThisMessageMap(); } \
    template <class typeParam>                                                             \
    const AFX_MSGMAP* theClass<typeParam>::GetThisMessageMap() {                           \
        typedef theClass<typeParam> ThisClass;                                             \
        typedef baseClass TheBaseClass;                                                    \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                        \
        { 0, 0, 0, 0, nullptr } };                                               \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, \
                                               &_messageEntries[0] };            \
        return &messageMap;                                                      \
    }

#define AFX_THUNK(kind, memberFxn) \
    &AfxThunk##kind<decltype(&ThisClass::memberFxn), &ThisClass::memberFxn>::Call

#define ON_CONTROL(code, id, memberFxn) \
    { WM_COMMAND, (UINT)(code), (UINT)(id), (UINT)(id), AFX_THUNK(Void, memberFxn) },
#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)

#define ON_WM_CTLCOLOR() { WM_CTLCOLOR, 0, 0, 0, AFX_THUNK(CtlColor, OnCtlColor) },
#define ON_WM_DESTROY() { WM_DESTROY, 0, 0, 0, AFX_THUNK(Void, OnDestroy) },
#define ON_WM_SHOWWINDOW() { WM_SHOWWINDOW, 0, 0, 0, AFX_THUNK(ShowWindow, OnShowWindow) },
#define ON_WM_LBUTTONDBLCLK() { WM_LBUTTONDBLCLK, 0, 0, 0, AFX_THUNK(Mouse, OnLButtonDblClk) },
#define ON_WM_SETFOCUS() { WM_SETFOCUS, 0, 0, 0, AFX_THUNK(Focus, OnSetFocus) },
#define ON_WM_KILLFOCUS() { WM_KILLFOCUS, 0, 0, 0, AFX_THUNK(Focus, OnKillFocus) },

class ZELAFX_API CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    // The first entry of this object's map chain for the message, or null.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;
};

// ---- GDI -------------------------------------------------------------------------

class ZELAFX_API CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject();
    BOOL DeleteObject();
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    HGDIOBJ m_hObject = nullptr;
};

class ZELAFX_API CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor);
    BOOL CreateSolidBrush(COLORREF crColor);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};

// A device context the framework hands to handlers; it does not own the DC.
class ZELAFX_API CDC {
public:
    CDC() = default;
    explicit CDC(HDC hDC) : m_hDC(hDC) {}
    HDC GetSafeHdc() const { return m_hDC; }
    COLORREF SetBkColor(COLORREF crColor);
    COLORREF SetTextColor(COLORREF crColor);
    int SetBkMode(int nBkMode);

    HDC m_hDC = nullptr;
};

// ---- windows ---------------------------------------------------------------------

class ZELAFX_API CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The permanent object of a window, or else a wrapper that lives as long as
    // the window (a host may keep the pointer while the window exists). Null for null.
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);

    BOOL Attach(HWND hWnd);
    HWND Detach();
    // Routes the window's messages through this object's message map.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID,
                        CCreateContext* pContext = nullptr);
    BOOL DestroyWindow();

    // Child items by ID.
    CWnd* GetDlgItem(int nID) const;
    int GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const;
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemText(int nID, LPCSTR lpszString);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    int GetDlgCtrlID() const;

    // The window itself.
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* GetParent() const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPRECT lpRect) const;
    void SetWindowText(LPCSTR lpszString);
    int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    DWORD GetStyle() const;
    void Invalidate(BOOL bErase = TRUE);
    void UpdateWindow();
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    int MessageBox(LPCSTR lpszText, LPCSTR lpszCaption = nullptr, UINT nType = MB_OK);

    // Message handling.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void PostNcDestroy();
    // The default processing of the message being handled.
    LRESULT Default();

    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnDestroy();
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);

    // Window procedure of every window the framework routes.
    static LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    WNDPROC m_pfnSuper = nullptr;  // the procedure this object subclassed
    bool m_bPermanent = false;     // in the thread's handle map
};

class ZELAFX_API CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
    HWND PrepareCtrl(int nIDC);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

ZELAFX_API void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
ZELAFX_API void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);

class ZELAFX_API CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modeless: a window from the template, child or owned by the parent.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    using CWnd::Create;
    // Modal: runs the dialog with a loop that pre-translates like the pump.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Applies the template's initial data (list items) from the resource.
    BOOL ExecuteDlgInit(UINT nIDTemplate);

protected:
    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;
    BOOL m_bInModalLoop = FALSE;
    int m_nModalResult = -1;

    static INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

class ZELAFX_API CEdit : public CWnd {
public:
    void LimitText(int nChars = 0);
    void SetLimitText(UINT nMax) { LimitText(static_cast<int>(nMax)); }
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    DWORD GetSel() const;
    void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE);
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
};

class ZELAFX_API CComboBox : public CWnd {
public:
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    int AddString(LPCSTR lpszString);
    void ResetContent();
    int GetLBTextLen(int nIndex) const;
    int GetLBText(int nIndex, LPSTR lpszText) const;
    void GetLBText(int nIndex, CString& rString) const;
    BOOL GetDroppedState() const;
    void ShowDropDown(BOOL bShowIt = TRUE);
};

class ZELAFX_API CButton : public CWnd {
public:
    int GetCheck() const;
    void SetCheck(int nCheck);
};

// ---- handler thunks (used by the message-map macros) ---------------------------

template <class PMF, PMF pfn> struct AfxThunkVoid;
template <class C, void (C::*pfn)()> struct AfxThunkVoid<void (C::*)(), pfn> {
    static void Call(CCmdTarget* p, UINT, WPARAM, LPARAM, LRESULT*) { (static_cast<C*>(p)->*pfn)(); }
};

template <class PMF, PMF pfn> struct AfxThunkCtlColor;
template <class C, HBRUSH (C::*pfn)(CDC*, CWnd*, UINT)>
struct AfxThunkCtlColor<HBRUSH (C::*)(CDC*, CWnd*, UINT), pfn> {
    static void Call(CCmdTarget* p, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
    {
        CDC dc(reinterpret_cast<HDC>(wParam));
        HBRUSH hbr = (static_cast<C*>(p)->*pfn)(&dc, CWnd::FromHandle(reinterpret_cast<HWND>(lParam)),
                                                 message - WM_CTLCOLORMSGBOX);
        *pResult = reinterpret_cast<LRESULT>(hbr);
    }
};

template <class PMF, PMF pfn> struct AfxThunkShowWindow;
template <class C, void (C::*pfn)(BOOL, UINT)> struct AfxThunkShowWindow<void (C::*)(BOOL, UINT), pfn> {
    static void Call(CCmdTarget* p, UINT, WPARAM wParam, LPARAM lParam, LRESULT*)
    {
        (static_cast<C*>(p)->*pfn)(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
    }
};

template <class PMF, PMF pfn> struct AfxThunkMouse;
template <class C, void (C::*pfn)(UINT, CPoint)> struct AfxThunkMouse<void (C::*)(UINT, CPoint), pfn> {
    static void Call(CCmdTarget* p, UINT, WPARAM wParam, LPARAM lParam, LRESULT*)
    {
        (static_cast<C*>(p)->*pfn)(static_cast<UINT>(wParam), CPoint(lParam));
    }
};

template <class PMF, PMF pfn> struct AfxThunkFocus;
template <class C, void (C::*pfn)(CWnd*)> struct AfxThunkFocus<void (C::*)(CWnd*), pfn> {
    static void Call(CCmdTarget* p, UINT, WPARAM wParam, LPARAM, LRESULT*)
    {
        (static_cast<C*>(p)->*pfn)(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));
    }
};

// ---- threads and modules -------------------------------------------------------

class ZELAFX_API CWinThread {
public:
    CWinThread() = default;
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;
    virtual ~CWinThread() = default;

    // One message: get it, offer it to PreTranslateMessage of the target
    // window and of each parent up to the top, else translate and dispatch.
    // FALSE when the message was WM_QUIT.
    virtual BOOL PumpMessage();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    CWnd* GetMainWnd() const { return m_pMainWnd; }

    CWnd* m_pMainWnd = nullptr;
    MSG m_msgCur{};
};

// The calling thread's thread object, made on first use.
ZELAFX_API CWinThread* AfxGetThread();
ZELAFX_API CWnd* AfxGetMainWnd();

class CDynLinkLibrary;

struct ZELAFX_API AFX_MODULE_STATE {
    HINSTANCE m_hCurrentInstanceHandle = nullptr;
    HINSTANCE m_hCurrentResourceHandle = nullptr;
    CDynLinkLibrary* m_pFirstLibrary = nullptr;  // registered extension modules
};

ZELAFX_API AFX_MODULE_STATE* AfxGetModuleState();
ZELAFX_API HINSTANCE AfxGetResourceHandle();
ZELAFX_API void AfxSetResourceHandle(HINSTANCE hInstResource);
ZELAFX_API HINSTANCE AfxGetInstanceHandle();
// The module that holds a resource: the current resource handle first, then
// the process's own module, then the registered extension modules.
ZELAFX_API HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);

struct ZELAFX_API AFX_EXTENSION_MODULE {
    BOOL bInitialized = FALSE;
    HMODULE hModule = nullptr;
    HMODULE hResource = nullptr;
};

ZELAFX_API BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
ZELAFX_API void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// Puts an extension module into the module state's chain for as long as the
// object lives.
class ZELAFX_API CDynLinkLibrary {
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state);
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;
    virtual ~CDynLinkLibrary();

    HMODULE m_hModule;
    HMODULE m_hResource;
    CDynLinkLibrary* m_pNextDLL = nullptr;
    BOOL m_bRegistered = FALSE;
};
