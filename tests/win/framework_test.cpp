// The framework layer on real windows: resource lookup through the module
// chain, and the modal loop's pre-translation and result. (Map dispatch, data
// exchange and the pump are exercised by every control test.)
#include "window_test.h"

#include "modal_script.h"
#include "test_host_ids.h"

namespace {

// Ends itself with the F2 key, seen only in its PreTranslateMessage.
class CF2Dlg : public CDialog {
public:
    CF2Dlg() : CDialog(IDD_FRAMEWORK_DLG) {}

protected:
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F2) {
            EndDialog(IDC_FW_BUTTON);
            return TRUE;
        }
        return CDialog::PreTranslateMessage(pMsg);
    }
};

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

TEST_F(FrameworkTest, ModalLoopPreTranslatesAndReturnsTheClosingButton)
{
    AfxSetResourceHandle(::GetModuleHandleA(nullptr));
    const std::pair<UINT, INT_PTR> cases[] = {{VK_F2, IDC_FW_BUTTON}, {VK_ESCAPE, IDCANCEL}, {VK_RETURN, IDOK}};
    for (const auto& [vk, result] : cases) {
        CF2Dlg dlg;
        ModalScript script([vk = vk](HWND hDlg) {
            ::PostMessageA(::GetDlgItem(hDlg, IDC_FW_EDIT), WM_KEYDOWN, vk, 1);
        });
        EXPECT_EQ(dlg.DoModal(), result) << vk;
    }
    EXPECT_TRUE(::IsWindowEnabled(host.MainWindow())) << "the owner is enabled again";
}

}  // namespace
