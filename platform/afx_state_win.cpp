// Per-thread and per-process state of the framework: handle maps, the
// message being handled, the thread object, the module state and the chain
// of extension modules.
#include "afxwin.h"
#include "afx_state_win.h"

#include <exception>
#include <memory>

AfxThreadState& AfxGetThreadState()
{
    thread_local AfxThreadState state;
    return state;
}

AfxThreadState::~AfxThreadState()
{
    if (hDestroyHook != nullptr)
        ::UnhookWindowsHookEx(hDestroyHook);
}

// ---- wrappers of windows that are not ours -----------------------------------

void AfxWindowGoing(HWND hGoing)
{
    AfxThreadState& state = AfxGetThreadState();
    auto it = state.temporaryMap.find(hGoing);
    if (it != state.temporaryMap.end()) {
        state.retiredTemporaries.push_back(std::move(it->second));
        state.temporaryMap.erase(it);
    }
    // Its children go too, not each told of: the next free looks for them.
    state.bLookForGoneWindows = true;
    // The main window must not name a window that is gone, nor one that
    // later gets the same handle.
    if (state.pThread && state.pThread->m_pMainWnd != nullptr &&
        state.pThread->m_pMainWnd->m_hWnd == hGoing)
        state.pThread->m_pMainWnd = nullptr;
}

static LRESULT CALLBACK DestroyHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_DESTROYWND) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        AfxCallAtBoundary("window destruction hook", hWnd, WM_DESTROY, [hWnd] {
            AfxWindowGoing(hWnd);
            return LRESULT{0};
        });
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void AfxWatchWindowDestruction()
{
    AfxThreadState& state = AfxGetThreadState();
    if (state.hDestroyHook == nullptr)
        state.hDestroyHook = ::SetWindowsHookExW(WH_CBT, &DestroyHookProc, nullptr, ::GetCurrentThreadId());
}

void AfxFreeRetiredTemporaries()
{
    AfxThreadState& state = AfxGetThreadState();
    if (state.nHandlingDepth > 0)
        return;  // a handler may still use a wrapper it was given
    if (state.bLookForGoneWindows) {
        for (auto it = state.temporaryMap.begin(); it != state.temporaryMap.end();) {
            if (!::IsWindow(it->first)) {
                state.retiredTemporaries.push_back(std::move(it->second));
                it = state.temporaryMap.erase(it);
            } else {
                ++it;
            }
        }
        state.bLookForGoneWindows = false;
    }
    state.retiredTemporaries.clear();
}

CWinThread* AfxGetThread()
{
    AfxThreadState& state = AfxGetThreadState();
    if (!state.pThread)
        state.pThread = std::make_unique<CWinThread>();
    return state.pThread.get();
}

CWnd* AfxGetMainWnd()
{
    return AfxGetThread()->m_pMainWnd;
}

AfxCurrentMessageScope::AfxCurrentMessageScope(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    : m_saved(AfxGetThreadState().current)
{
    AfxThreadState& state = AfxGetThreadState();
    state.current = AfxCurrentMessage{hWnd, message, wParam, lParam};
    ++state.nHandlingDepth;
}

AfxCurrentMessageScope::~AfxCurrentMessageScope()
{
    AfxThreadState& state = AfxGetThreadState();
    state.current = m_saved;
    --state.nHandlingDepth;
}

LRESULT AfxReportBoundaryException(const char* pszWhere, HWND hWnd, UINT message)
{
    try {
        throw;
    } catch (const std::exception& e) {
        TRACE("%s: exception while handling message 0x%04X of window %p: %s\n", pszWhere, message,
              static_cast<void*>(hWnd), e.what());
    } catch (...) {
        TRACE("%s: exception while handling message 0x%04X of window %p\n", pszWhere, message,
              static_cast<void*>(hWnd));
    }
    switch (message) {
    case WM_NCCREATE:
        return FALSE;  // the window is not made
    case WM_CREATE:
        return -1;
    case WM_PAINT:
        // Left invalid, the window would be sent WM_PAINT without end.
        if (hWnd != nullptr)
            ::ValidateRect(hWnd, nullptr);
        return 0;
    default:
        return 0;
    }
}

BOOL CWinThread::PumpMessage()
{
    // Before waiting: wrappers of windows that are gone.
    AfxFreeRetiredTemporaries();
    // Wide throughout, so text in messages never passes the system code page.
    if (!::GetMessageW(&m_msgCur, nullptr, 0, 0))
        return FALSE;
    // Pre-translation runs handlers outside any window procedure; when one
    // fails, the message goes on to its window as an untranslated one.
    const LRESULT bTranslated = AfxCallAtBoundary("PreTranslateMessage", m_msgCur.hwnd, m_msgCur.message,
                                                  [this] { return static_cast<LRESULT>(PreTranslateMessage(&m_msgCur)); });
    if (!bTranslated) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageW(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    // The target window first, then each parent up to the top.
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
    }
    return FALSE;
}

// ---- module state ------------------------------------------------------------

AFX_MODULE_STATE* AfxGetModuleState()
{
    static AFX_MODULE_STATE state = [] {
        AFX_MODULE_STATE s;
        s.m_hCurrentInstanceHandle = ::GetModuleHandleA(nullptr);
        s.m_hCurrentResourceHandle = s.m_hCurrentInstanceHandle;
        return s;
    }();
    return &state;
}

HINSTANCE AfxGetResourceHandle() { return AfxGetModuleState()->m_hCurrentResourceHandle; }
void AfxSetResourceHandle(HINSTANCE h) { AfxGetModuleState()->m_hCurrentResourceHandle = h; }
HINSTANCE AfxGetInstanceHandle() { return AfxGetModuleState()->m_hCurrentInstanceHandle; }

HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    if (pState->m_hCurrentResourceHandle != nullptr &&
        ::FindResourceA(pState->m_hCurrentResourceHandle, lpszName, lpszType) != nullptr)
        return pState->m_hCurrentResourceHandle;
    if (::FindResourceA(pState->m_hCurrentInstanceHandle, lpszName, lpszType) != nullptr)
        return pState->m_hCurrentInstanceHandle;
    for (CDynLinkLibrary* p = pState->m_pFirstLibrary; p != nullptr; p = p->m_pNextDLL) {
        if (p->m_hResource != nullptr && ::FindResourceA(p->m_hResource, lpszName, lpszType) != nullptr)
            return p->m_hResource;
    }
    return pState->m_hCurrentResourceHandle;
}

// ---- extension modules ---------------------------------------------------------

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (hModule == nullptr)
        return FALSE;
    if (state.bInitialized)
        return TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

static void UnlinkLibrary(CDynLinkLibrary* pLib)
{
    CDynLinkLibrary** pp = &AfxGetModuleState()->m_pFirstLibrary;
    while (*pp != nullptr) {
        if (*pp == pLib) {
            *pp = pLib->m_pNextDLL;
            break;
        }
        pp = &(*pp)->m_pNextDLL;
    }
    pLib->m_pNextDLL = nullptr;
    pLib->m_bRegistered = FALSE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    (void)bAll;
    if (!state.bInitialized)
        return;
    // Take every library of this module out of the chain; the objects
    // themselves belong to the module that made them.
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    for (CDynLinkLibrary* p = pState->m_pFirstLibrary; p != nullptr;) {
        CDynLinkLibrary* pNext = p->m_pNextDLL;
        if (p->m_hModule == state.hModule)
            UnlinkLibrary(p);
        p = pNext;
    }
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state)
    : m_hModule(state.hModule), m_hResource(state.hResource)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    m_pNextDLL = pState->m_pFirstLibrary;
    pState->m_pFirstLibrary = this;
    m_bRegistered = TRUE;
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    if (m_bRegistered)
        UnlinkLibrary(this);
}
