// Modal dialogs with no parent are owned by the main window's last active
// pop-up (the host's own dialog when it is in front), which is disabled for
// the dialog's life and gets its earlier state back; one rule dialog at a
// time; a library message box leaves the main window as it found it.
#include "window_test.h"

#include "modal_script.h"

namespace {

class ModalOwnerTest : public ControlTest<CZelCalReg> {
protected:
    void SetUp() override
    {
        ControlTest<CZelCalReg>::SetUp();
        ctrl.SetChoiceData(1, 2002, 0, 25, 1, COleDateTime(2002, 1, 25, 0, 0, 0));  // the rule face
    }
    HWND HostDialog() { return host.Dialog()->m_hWnd; }
};

// From 設定 and from a double-click on the rule text; then the host dialog
// goes while the rule dialog is up, and nothing is enabled on its way out.
TEST_F(ModalOwnerTest, RuleDialogIsOwnedByTheHostDialogAndOpensOnceFromEitherWay)
{
    int nOthers = 0;  // rule dialogs the script did not claim (its hook, made later, looks first)
    const DialogAnswerer cancelOthers("定期の設定", [&](HWND h) { ++nOthers, ::PostMessageW(h, WM_COMMAND, IDCANCEL, 0); });
    const std::function<void()> opens[] = {
        [&] { TestHost::Click(Item(IDC_BTN_SET)); },
        [&] { ::PostMessageW(Item(IDC_STR_EDIT), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5)), TestHost::Pump(); }};
    for (const auto& open : opens) {
        HWND hOwner = nullptr;
        bool bOwnerEnabled = true;
        ModalScript driver([&](HWND hDlg) {
            hOwner = ::GetWindow(hDlg, GW_OWNER);
            bOwnerEnabled = ::IsWindowEnabled(HostDialog()) != FALSE;
            // A second 設定 and a double-click on the rule text, straight to the windows.
            ::SendMessageW(Item(IDC_BTN_SET), BM_CLICK, 0, 0);
            ::SendMessageW(Item(IDC_STR_EDIT), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
            dlg::Click(hDlg, IDCANCEL);
        });
        open();
        EXPECT_TRUE(driver.RanOnce());
        EXPECT_EQ(nOthers, 0) << "one rule dialog at a time";
        EXPECT_EQ(hOwner, HostDialog());
        EXPECT_FALSE(bOwnerEnabled) << "the owner is disabled while the dialog is up";
        EXPECT_TRUE(::IsWindowEnabled(HostDialog())) << "and enabled again afterwards";
    }
    const HWND hDialog = HostDialog();
    ModalScript driver([&](HWND) { ::DestroyWindow(hDialog); });
    opens[0]();
    EXPECT_TRUE(driver.RanOnce());
    EXPECT_FALSE(::IsWindow(hDialog));
    EXPECT_EQ(ctrl.m_hWnd, nullptr) << "the control let go of its window";
}

TEST_F(ModalOwnerTest, AnOwnerDisabledBeforeStaysDisabledAndAMessageBoxLeavesTheMainWindowAsFound)
{
    ::EnableWindow(HostDialog(), FALSE);  // as the host's own modal dialog would
    HWND hOwner = nullptr;
    {
        CZelCalNormDlg dateDialog;
        ModalScript driver([&](HWND hDlg) { hOwner = ::GetWindow(hDlg, GW_OWNER), ::PostMessageW(hDlg, WM_COMMAND, IDCANCEL, 0); });
        int nDiv = 1, nYear = 2002, nMonth = 4, nDay = 7;
        EXPECT_EQ(dateDialog.DoModal(nDiv, nYear, nMonth, nDay, 100, 100), IDCANCEL);
        EXPECT_TRUE(driver.RanOnce());
    }
    EXPECT_EQ(hOwner, HostDialog());
    EXPECT_FALSE(::IsWindowEnabled(HostDialog()));
    ::EnableWindow(HostDialog(), TRUE);

    for (bool bMainEnabled : {false, true}) {
        ::EnableWindow(host.MainWindow(), bMainEnabled);
        boxes.boxes.clear();
        ctrl.SetChoiceData(1, 1800, 4, 7, 0, COleDateTime());  // a Western year in no era
        TestHost::ChooseWithKeys(Item(IDC_FORM_COMBO), 1);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_TRUE(boxes.boxes[0].mainDisabled);
        EXPECT_EQ(::IsWindowEnabled(host.MainWindow()) != FALSE, bMainEnabled);
    }
}

}  // namespace
