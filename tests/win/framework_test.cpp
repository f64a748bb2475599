// The framework layer on real windows: module chain and resource lookup,
// handle maps, message-map dispatch along the class chain, the pump's
// pre-translation order, modal dialogs and data exchange.
#include "window_test.h"

#include "test_host_ids.h"

namespace {

class CRecordingDlg : public CDialog {
public:
    CRecordingDlg() : CDialog(IDD_FRAMEWORK_DLG) {}
    std::vector<std::string> events;
    int m_nRadio = 1;
    CEdit m_edit;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        events.push_back("init");
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_FW_EDIT, m_edit);
        DDX_Radio(pDX, IDC_FW_RADIO1, m_nRadio);
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F2) {
            events.push_back("pretranslate F2");
            EndDialog(IDC_FW_BUTTON);
            return TRUE;
        }
        return CDialog::PreTranslateMessage(pMsg);
    }
    void OnButton() { events.push_back("button"); }
    void OnEditChange() { events.push_back("edit change"); }
    void OnDestroy()
    {
        events.push_back("destroy");
        CDialog::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingDlg, CDialog)
    ON_BN_CLICKED(IDC_FW_BUTTON, OnButton)
    ON_EN_CHANGE(IDC_FW_EDIT, OnEditChange)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

// Posts a key to the modal dialog once it is up.
class KeyOnActivate {
public:
    explicit KeyOnActivate(UINT vk) : m_vk(vk)
    {
        s_pThis = this;
        m_hHook = ::SetWindowsHookExA(WH_CBT, Proc, nullptr, ::GetCurrentThreadId());
    }
    ~KeyOnActivate() { ::UnhookWindowsHookEx(m_hHook); s_pThis = nullptr; }

private:
    static LRESULT CALLBACK Proc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        if (nCode == HCBT_ACTIVATE && s_pThis && !s_pThis->m_bDone) {
            s_pThis->m_bDone = true;
            HWND hDlg = reinterpret_cast<HWND>(wParam);
            ::PostMessageA(::GetDlgItem(hDlg, IDC_FW_EDIT), WM_KEYDOWN, s_pThis->m_vk, 1);
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    static KeyOnActivate* s_pThis;
    UINT m_vk;
    HHOOK m_hHook;
    bool m_bDone = false;
};
KeyOnActivate* KeyOnActivate::s_pThis = nullptr;

using FrameworkTest = WindowTest;

TEST_F(FrameworkTest, TheLibraryIsInTheModuleChainAndItsTemplatesAreFound)
{
    HMODULE hLib = ::GetModuleHandleA("ZelCalCtrl.dll");
    ASSERT_NE(hLib, nullptr);
    bool bFound = false;
    for (CDynLinkLibrary* p = AfxGetModuleState()->m_pFirstLibrary; p; p = p->m_pNextDLL)
        bFound = bFound || p->m_hModule == hLib;
    EXPECT_TRUE(bFound);

    // The host's own template wins while its module is current; the
    // library's templates are found through the chain all the same.
    HINSTANCE hExe = ::GetModuleHandleA(nullptr);
    AfxSetResourceHandle(hExe);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_DECOY_REGSET), reinterpret_cast<LPCSTR>(RT_DIALOG)), hExe);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(32704), reinterpret_cast<LPCSTR>(RT_DIALOG)), hLib);

    // Making a control leaves the library's module current.
    CZelCalNorm ctrl;
    ASSERT_TRUE(ctrl.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 0, 0), host.Dialog(), 1, nullptr));
    EXPECT_EQ(AfxGetResourceHandle(), hLib);
    AfxSetResourceHandle(hExe);
}

TEST_F(FrameworkTest, HandleMapsGiveOneObjectPerWindow)
{
    HWND hPrev = host.Prev()->m_hWnd;
    EXPECT_EQ(CWnd::FromHandle(hPrev), CWnd::FromHandle(hPrev));
    EXPECT_EQ(CWnd::FromHandlePermanent(hPrev), nullptr);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);

    CEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(hPrev));
    EXPECT_EQ(CWnd::FromHandle(hPrev), &edit);
    edit.UnsubclassWindow();
    EXPECT_EQ(CWnd::FromHandlePermanent(hPrev), nullptr);
    EXPECT_TRUE(::IsWindow(hPrev)) << "letting go of a window does not destroy it";
}

TEST_F(FrameworkTest, ModelessDialogDispatchesThroughItsMapAndDataExchange)
{
    AfxSetResourceHandle(::GetModuleHandleA(nullptr));
    CRecordingDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_FRAMEWORK_DLG, host.Dialog()));
    EXPECT_EQ(dlg.events, std::vector<std::string>{"init"});
    EXPECT_EQ(dlg.m_edit.m_hWnd, ::GetDlgItem(dlg.m_hWnd, IDC_FW_EDIT)) << "bound by DDX_Control";
    EXPECT_EQ(::IsDlgButtonChecked(dlg.m_hWnd, IDC_FW_RADIO2), BST_CHECKED) << "radio 1 of 0..2 loaded";

    ::SendMessageA(::GetDlgItem(dlg.m_hWnd, IDC_FW_BUTTON), BM_CLICK, 0, 0);
    dlg.SetDlgItemText(IDC_FW_EDIT, "x");
    EXPECT_EQ(dlg.events, (std::vector<std::string>{"init", "button", "edit change"}));

    dlg.CheckRadioButton(IDC_FW_RADIO1, IDC_FW_RADIO3, IDC_FW_RADIO3);
    dlg.UpdateData(TRUE);
    EXPECT_EQ(dlg.m_nRadio, 2);

    dlg.DestroyWindow();
    EXPECT_EQ(dlg.events.back(), "destroy");
    EXPECT_EQ(dlg.m_hWnd, nullptr) << "the object lets go of its destroyed window";
}

TEST_F(FrameworkTest, ModalLoopPreTranslatesKeysAndReturnsTheClosingButton)
{
    AfxSetResourceHandle(::GetModuleHandleA(nullptr));
    {
        CRecordingDlg dlg;
        KeyOnActivate key(VK_F2);
        EXPECT_EQ(dlg.DoModal(), IDC_FW_BUTTON);
        EXPECT_EQ(dlg.events, (std::vector<std::string>{"init", "pretranslate F2", "destroy"}));
    }
    {
        CRecordingDlg dlg;
        KeyOnActivate key(VK_ESCAPE);  // the dialog manager turns it into IDCANCEL
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    }
    {
        CRecordingDlg dlg;
        KeyOnActivate key(VK_RETURN);  // the default button
        EXPECT_EQ(dlg.DoModal(), IDOK);
    }
    EXPECT_TRUE(::IsWindowEnabled(host.MainWindow())) << "the owner is enabled again";
}

TEST_F(FrameworkTest, PumpOffersKeysToTheTargetAndThenEachParent)
{
    struct CRecordingEdit : CEdit {
        std::vector<std::string>* pLog = nullptr;
        BOOL PreTranslateMessage(MSG* pMsg) override
        {
            if (pMsg->message == WM_KEYDOWN)
                pLog->push_back("edit");
            return FALSE;
        }
    };
    struct CParentDlg : CRecordingDlg {
        std::vector<std::string>* pLog = nullptr;
        BOOL PreTranslateMessage(MSG* pMsg) override
        {
            if (pMsg->message == WM_KEYDOWN && pMsg->wParam == 'Q') {
                pLog->push_back("dialog");
                return TRUE;
            }
            return CRecordingDlg::PreTranslateMessage(pMsg);
        }
    };
    AfxSetResourceHandle(::GetModuleHandleA(nullptr));
    std::vector<std::string> log;
    CParentDlg dlg;
    dlg.pLog = &log;
    ASSERT_TRUE(dlg.Create(IDD_FRAMEWORK_DLG, host.Dialog()));
    dlg.ShowWindow(SW_SHOW);
    CRecordingEdit edit;
    edit.pLog = &log;
    dlg.m_edit.UnsubclassWindow();
    ASSERT_TRUE(edit.SubclassWindow(::GetDlgItem(dlg.m_hWnd, IDC_FW_EDIT)));
    TestHost::Focus(edit.m_hWnd);
    TestHost::PressKey('Q');
    EXPECT_EQ(log, (std::vector<std::string>{"edit", "dialog"}));
    EXPECT_EQ(TestHost::Text(edit.m_hWnd), "") << "consumed: the edit never saw it";
    edit.UnsubclassWindow();
    dlg.DestroyWindow();
}

}  // namespace
