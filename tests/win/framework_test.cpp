// The framework layer on real windows: resource lookup through the module
// chain, map dispatch and data exchange, and the modal loop's and the pump's
// pre-translation.
#include "window_test.h"

#include "modal_script.h"
#include "test_host_ids.h"

namespace {

class CRecordingDlg : public CDialog {
public:
    CRecordingDlg() : CDialog(IDD_FRAMEWORK_DLG) {}
    std::vector<std::string> events;
    int m_nRadio = 1;
    CEdit m_edit;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_FW_EDIT, m_edit);
        DDX_Radio(pDX, IDC_FW_RADIO1, m_nRadio);
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F2) {
            events.push_back("F2");
            EndDialog(IDC_FW_BUTTON);
            return TRUE;
        }
        return CDialog::PreTranslateMessage(pMsg);
    }
    void OnButton() { events.push_back("button"); }
    void OnDestroy()
    {
        events.push_back("destroy");
        CDialog::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingDlg, CDialog)
    ON_BN_CLICKED(IDC_FW_BUTTON, OnButton)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

using FrameworkTest = WindowTest;

TEST_F(FrameworkTest, TemplatesAreFoundThroughTheCurrentHandleThenTheModuleChain)
{
    HMODULE hLib = ::GetModuleHandleA("ZelCalCtrl.dll");
    HINSTANCE hExe = ::GetModuleHandleA(nullptr);
    AfxSetResourceHandle(hExe);
    const LPCSTR kDialog = reinterpret_cast<LPCSTR>(RT_DIALOG);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_DECOY_REGSET), kDialog), hExe);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(32704), kDialog), hLib);
    CZelCalNorm ctrl;
    ASSERT_TRUE(ctrl.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 0, 0), host.Dialog(), 1, nullptr));
    EXPECT_EQ(AfxGetResourceHandle(), hLib) << "making a control leaves the library current";
    AfxSetResourceHandle(hExe);
}

TEST_F(FrameworkTest, ModelessDialogDispatchesItsMapAndExchangesData)
{
    AfxSetResourceHandle(::GetModuleHandleA(nullptr));
    CRecordingDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_FRAMEWORK_DLG, host.Dialog()));
    EXPECT_EQ(dlg.m_edit.m_hWnd, ::GetDlgItem(dlg.m_hWnd, IDC_FW_EDIT));
    EXPECT_EQ(::IsDlgButtonChecked(dlg.m_hWnd, IDC_FW_RADIO2), BST_CHECKED);
    ::SendMessageA(::GetDlgItem(dlg.m_hWnd, IDC_FW_BUTTON), BM_CLICK, 0, 0);
    dlg.CheckRadioButton(IDC_FW_RADIO1, IDC_FW_RADIO3, IDC_FW_RADIO3);
    dlg.UpdateData(TRUE);
    EXPECT_EQ(dlg.m_nRadio, 2);
    dlg.DestroyWindow();
    EXPECT_EQ(dlg.events, (std::vector<std::string>{"button", "destroy"}));
    EXPECT_EQ(dlg.m_hWnd, nullptr) << "the object lets go of its destroyed window";
}

TEST_F(FrameworkTest, ModalLoopPreTranslatesAndReturnsTheClosingButton)
{
    AfxSetResourceHandle(::GetModuleHandleA(nullptr));
    const std::pair<UINT, INT_PTR> cases[] = {{VK_F2, IDC_FW_BUTTON}, {VK_ESCAPE, IDCANCEL}, {VK_RETURN, IDOK}};
    for (const auto& [vk, result] : cases) {
        CRecordingDlg dlg;
        ModalScript script([vk = vk](HWND hDlg) {
            ::PostMessageA(::GetDlgItem(hDlg, IDC_FW_EDIT), WM_KEYDOWN, vk, 1);
        });
        EXPECT_EQ(dlg.DoModal(), result) << vk;
    }
    EXPECT_TRUE(::IsWindowEnabled(host.MainWindow())) << "the owner is enabled again";
}

TEST_F(FrameworkTest, PumpOffersKeysToTheTargetThenEachParent)
{
    struct CLogEdit : CEdit {
        std::vector<std::string>* pLog = nullptr;
        BOOL PreTranslateMessage(MSG* pMsg) override
        {
            if (pMsg->message == WM_KEYDOWN)
                pLog->push_back("edit");
            return FALSE;
        }
    };
    struct CLogDlg : CRecordingDlg {
        std::vector<std::string>* pLog = nullptr;
        BOOL PreTranslateMessage(MSG* pMsg) override
        {
            if (pMsg->message != WM_KEYDOWN || pMsg->wParam != 'Q')
                return CRecordingDlg::PreTranslateMessage(pMsg);
            pLog->push_back("dialog");
            return TRUE;
        }
    };
    AfxSetResourceHandle(::GetModuleHandleA(nullptr));
    std::vector<std::string> log;
    CLogDlg dlg;
    dlg.pLog = &log;
    ASSERT_TRUE(dlg.Create(IDD_FRAMEWORK_DLG, host.Dialog()));
    dlg.ShowWindow(SW_SHOW);
    CLogEdit edit;
    edit.pLog = &log;
    dlg.m_edit.UnsubclassWindow();
    ASSERT_TRUE(edit.SubclassWindow(::GetDlgItem(dlg.m_hWnd, IDC_FW_EDIT)));
    TestHost::Focus(edit.m_hWnd);
    TestHost::PressKey('Q');
    EXPECT_EQ(log, (std::vector<std::string>{"edit", "dialog"}));
    EXPECT_EQ(TestHost::Text(edit.m_hWnd), "") << "consumed: the edit never saw it";
}

}  // namespace
