#include "wndclass/class_window.h"

#include <memory>
#include <mutex>
#include <unordered_map>

#include "ZelCalCtrlC.h"
#include "afx_state_win.h"
#include "controls/host_signals.h"
#include "wndclass/class_controls.h"
#include "wndclass/key_routing.h"

namespace zelcal {

namespace {

// Private messages of the class windows.
const UINT kRefreshNeighbours = kRoutedKeyMessage + 1;
const UINT kSendDateChange = kRoutedKeyMessage + 2;

class ClassWindow final : private CZelDateChangeListener {
public:
    ClassWindow(HWND hWnd, int nClass) : m_hWnd(hWnd), m_nClass(nClass) { m_self.Attach(hWnd); }
    ~ClassWindow()
    {
        // The neighbour objects never entered the handle map.
        m_prev.m_hWnd = nullptr;
        m_next.m_hWnd = nullptr;
        m_self.Detach();
    }
    ClassWindow(const ClassWindow&) = delete;
    ClassWindow& operator=(const ClassWindow&) = delete;

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

private:
    bool MakeControl();
    void DestroyControl();
    void RefreshNeighbours();
    void SendDateChange();
    void RouteKey(WPARAM ticket);
    LRESULT GetValue(LPARAM lParam);
    LRESULT SetValue(LPARAM lParam);
    void DateChangeProbed() override { ::PostMessageW(m_hWnd, kSendDateChange, 0, 0); }

    HWND m_hWnd;
    int m_nClass;
    CWnd m_self;  // the control's parent
    CWnd m_prev;  // the host's windows before and after this one in its tab order
    CWnd m_next;
    KeyRouteUser m_keys;
    std::unique_ptr<ClassControl> m_control;
};

// Every class window of the process. Shared, so that a window destroyed
// from inside one of its own handlers lives until that handler returns. Not
// per thread: a thread-local object would keep the DLL loaded until the
// thread ends, and the classes with it.
class WindowTable {
public:
    void Add(HWND hWnd, std::shared_ptr<ClassWindow> pWindow)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_windows[hWnd] = std::move(pWindow);
    }
    std::shared_ptr<ClassWindow> Find(HWND hWnd) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_windows.find(hWnd);
        return it == m_windows.end() ? nullptr : it->second;
    }
    // The entry leaves the table; the object goes with the last holder.
    std::shared_ptr<ClassWindow> Remove(HWND hWnd)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_windows.find(hWnd);
        if (it == m_windows.end())
            return nullptr;
        std::shared_ptr<ClassWindow> pWindow = std::move(it->second);
        m_windows.erase(it);
        return pWindow;
    }
    bool Holds(HWND hWnd) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_windows.count(hWnd) != 0;
    }

private:
    mutable std::mutex m_mutex;
    std::unordered_map<HWND, std::shared_ptr<ClassWindow>> m_windows;
};

WindowTable& Windows()
{
    static WindowTable table;
    return table;
}

bool ValueSizeRight(const ZELCALVALUE* pValue) { return pValue != nullptr && pValue->cbSize == sizeof(ZELCALVALUE); }

bool ClassWindow::MakeControl()
{
    m_control = MakeClassControl(m_nClass, &m_self);
    if (!m_control)
        return false;
    CZelDateFrame& frame = m_control->Frame();
    frame.SetDateChangeListener(this);
    if (!frame.Create(nullptr, nullptr, WS_CHILD, CRect(), &m_self, 0, nullptr))
        return false;
    // This window takes the size of the control's template.
    RECT rc;
    ::GetWindowRect(frame.m_hWnd, &rc);
    ::SetWindowPos(frame.m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(frame.m_hWnd, SW_SHOWNA);
    if (!::IsWindowEnabled(m_hWnd))
        m_control->UseControl(FALSE);
    RefreshNeighbours();
    // Again once the host's dialog has made its later items.
    ::PostMessageW(m_hWnd, kRefreshNeighbours, 0, 0);
    return true;
}

void ClassWindow::DestroyControl()
{
    if (!m_control)
        return;
    CZelDateFrame& frame = m_control->Frame();
    frame.SetDateChangeListener(nullptr);
    if (frame.m_hWnd != nullptr)
        frame.DestroyWindow();
}

void ClassWindow::RefreshNeighbours()
{
    HWND hParent = ::GetParent(m_hWnd);
    if (!m_control || hParent == nullptr)
        return;
    m_prev.m_hWnd = ::GetNextDlgTabItem(hParent, m_hWnd, TRUE);
    m_next.m_hWnd = ::GetNextDlgTabItem(hParent, m_hWnd, FALSE);
    m_control->Frame().SetParentCtrl(m_prev.m_hWnd ? &m_prev : nullptr, m_next.m_hWnd ? &m_next : nullptr);
}

void ClassWindow::SendDateChange()
{
    HWND hParent = ::GetParent(m_hWnd);
    if (!m_control || hParent == nullptr)
        return;
    NMZELCALCHANGE nm{};
    nm.hdr.hwndFrom = m_hWnd;
    nm.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(m_hWnd));
    nm.hdr.code = ZCN_DATECHANGE;
    nm.value.cbSize = sizeof nm.value;
    m_control->Read(nm.value);
    ::SendMessageW(hParent, WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

void ClassWindow::RouteKey(WPARAM ticket)
{
    MSG msg;
    if (!TakeRoutedKey(ticket, msg))
        return;
    // The neighbours as the host's tab order stands now.
    RefreshNeighbours();
    // As the framework's pump: wide, and a pre-translation that fails leaves
    // the key to its window instead of losing it.
    const LRESULT bTranslated = AfxCallAtBoundary("ZelCal key routing", msg.hwnd, msg.message, [&]() -> LRESULT {
        for (HWND hWnd = msg.hwnd; hWnd != nullptr && hWnd != m_hWnd; hWnd = ::GetAncestor(hWnd, GA_PARENT)) {
            CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
            if (pWnd != nullptr && pWnd->PreTranslateMessage(&msg))
                return TRUE;
        }
        return FALSE;
    });
    if (bTranslated)
        return;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
}

LRESULT ClassWindow::GetValue(LPARAM lParam)
{
    ZELCALVALUE* pValue = reinterpret_cast<ZELCALVALUE*>(lParam);
    if (!ValueSizeRight(pValue) || !m_control)
        return FALSE;
    ZELCALVALUE value{};
    value.cbSize = sizeof value;
    m_control->Read(value);
    *pValue = value;
    return TRUE;
}

LRESULT ClassWindow::SetValue(LPARAM lParam)
{
    const ZELCALVALUE* pValue = reinterpret_cast<const ZELCALVALUE*>(lParam);
    if (!ValueSizeRight(pValue) || !m_control)
        return FALSE;
    return m_control->Write(*pValue) ? TRUE : FALSE;
}

LRESULT ClassWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return MakeControl() ? 0 : -1;
    case WM_DESTROY:
        DestroyControl();
        return 0;
    case WM_SETFOCUS:
        // Shift+Tab from the host's next window enters at the last stop.
        if (m_control)
            m_control->SetFocusCalCtrl(::GetKeyState(VK_SHIFT) < 0 ? 0 : 1);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFONT:
        return 0;  // the control keeps its template's font
    case WM_ENABLE:
        if (m_control)
            m_control->UseControl(wParam ? 1 : 0);
        return 0;
    case kRefreshNeighbours:
        RefreshNeighbours();
        return 0;
    case kSendDateChange:
        SendDateChange();
        return 0;
    case kRoutedKeyMessage:
        RouteKey(wParam);
        return 0;
    case ZCM_GETVALUE:
        return GetValue(lParam);
    case ZCM_SETVALUE:
        return SetValue(lParam);
    default:
        break;
    }
    if (message >= ZCM_FIRST && message <= ZCM_LAST) {
        if (!m_control)
            return ZCR_UNSUPPORTED;
        switch (message) {
        case ZCM_USECONTROL:
            m_control->UseControl(wParam ? 1 : 0);
            return ZCR_DONE;
        case ZCM_SETFOCUSCTRL:
            m_control->SetFocusCalCtrl(wParam ? 1 : 0);
            return ZCR_DONE;
        case ZCM_CANCELBKCOLOR:
            return m_control->CancelBkColor();
        case ZCM_CHKDATE:
            return m_control->ChkDate();
        case ZCM_CHECKDATE:
            return m_control->CheckDate(wParam ? 1 : 0);
        default:
            return ZCR_UNSUPPORTED;
        }
    }
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK ClassWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Nothing thrown below leaves for the host's code.
    return AfxCallAtBoundary("ZelCal class window", hWnd, message, [&]() -> LRESULT {
        if (message == WM_NCCREATE) {
            wchar_t szName[64] = {};
            ::GetClassNameW(hWnd, szName, 64);
            const int nClass = ClassIndex(szName);
            if (nClass < 0)
                return FALSE;
            Windows().Add(hWnd, std::make_shared<ClassWindow>(hWnd, nClass));
            return ::DefWindowProcW(hWnd, message, wParam, lParam);
        }
        if (message == WM_NCDESTROY) {
            Windows().Remove(hWnd);
            return ::DefWindowProcW(hWnd, message, wParam, lParam);
        }
        std::shared_ptr<ClassWindow> pWindow = Windows().Find(hWnd);
        if (!pWindow)
            return ::DefWindowProcW(hWnd, message, wParam, lParam);
        return pWindow->Handle(message, wParam, lParam);
    });
}

}  // namespace

HWND ClassWindowAbove(HWND hWnd)
{
    // Real parents only: an owned pop-up (a modal dialog) is not inside.
    for (HWND h = ::GetAncestor(hWnd, GA_PARENT); h != nullptr; h = ::GetAncestor(h, GA_PARENT))
        if (Windows().Holds(h))
            return h;
    return nullptr;
}

bool RegisterWindowClasses(HINSTANCE hInstance)
{
    bool bAll = true;
    for (int i = 0; i < kClassCount; ++i) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_GLOBALCLASS;
        wc.lpfnWndProc = &ClassWindowProc;
        wc.hInstance = hInstance;
        wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = ClassName(i);
        if (::RegisterClassExW(&wc) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            bAll = false;
    }
    return bAll;
}

void UnregisterWindowClasses(HINSTANCE hInstance)
{
    for (int i = 0; i < kClassCount; ++i)
        ::UnregisterClassW(ClassName(i), hInstance);
}

}  // namespace zelcal
