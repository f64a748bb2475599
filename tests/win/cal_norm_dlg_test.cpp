// CZelCalNormDlg run modally for real, a script acting inside its own loop.
#include "window_test.h"

#include "controls/zel_messages.h"
#include "modal_script.h"

namespace {

class NormDlgTest : public WindowTest {
protected:
    // DoModal of date (in and out) at (100, 200), the script acting inside.
    int Run(const std::function<void(HWND)>& script)
    {
        ModalScript driver([&](HWND hDlg) { script(hShown = hDlg); });
        const int nResult = popup.DoModal(date[0], date[1], date[2], date[3], 100, 200);
        EXPECT_TRUE(driver.RanOnce()) << "the script did not close the dialog";
        return nResult;
    }
    // Nothing but one information box of pszText over the dialog since the last call.
    void ExpectBox(const char* pszText)
    {
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.boxes[0].text, pszText);
        EXPECT_EQ(boxes.boxes[0].icon, static_cast<UINT>(MB_ICONINFORMATION));
        EXPECT_EQ(boxes.boxes[0].owner, hShown);
        boxes.boxes.clear();
    }

    CZelCalNormDlg popup{host.Dialog()};
    std::vector<int> date{0, 2002, 4, 7};
    HWND hShown = nullptr;
};

// Enter hands the date back, Escape leaves it alone, the main window told 0
// and 1 around; a letter brings back the last accepted text, all selected;
// Enter with a wrong date keeps the dialog open with one box.
TEST_F(NormDlgTest, EnterHandsBackAGoodDateEscapeLeavesItAndWrongInputGetsOneBox)
{
    std::vector<LPARAM> enables;
    host.onCommand = [&](const RecordedCommand& c) {
        if (c.wParam == Msg("ZEL2_CALWND_ENABLE"))
            enables.push_back(c.lParam);
    };
    RECT rc{};
    EXPECT_EQ(Run([&](HWND hDlg) { ::GetWindowRect(hDlg, &rc); TestHost::PressKey(VK_RETURN); }), IDOK);
    EXPECT_EQ(std::make_pair(rc.left, rc.top), std::make_pair(100L, 200L));
    EXPECT_EQ(enables, (std::vector<LPARAM>{0, 1}));
    host.onCommand = nullptr;
    std::string strDay;
    LRESULT nSel = 0;
    EXPECT_EQ(Run([&](HWND hDlg) {
        dlg::TypeInto(hDlg, IDC_DAY_EDIT, "2");
        TestHost::Type("a");
        strDay = dlg::Text(hDlg, IDC_DAY_EDIT);
        nSel = ::SendMessageA(dlg::Item(hDlg, IDC_DAY_EDIT), EM_GETSEL, 0, 0);
        TestHost::PressKey(VK_ESCAPE);
    }), IDCANCEL);
    ExpectBox(ZEL_MSG_ENTER_NUMBER);
    EXPECT_EQ(strDay + " " + std::to_string(nSel), "2 " + std::to_string(MAKELRESULT(0, 1)));
    EXPECT_EQ(date, (std::vector<int>{0, 2002, 4, 7}));
    bool bOpen = false;
    EXPECT_EQ(Run([&](HWND hDlg) {
        dlg::TypeInto(hDlg, IDC_DAY_EDIT, "31");  // 4/31
        TestHost::PressKey(VK_RETURN);
        bOpen = ::IsWindowVisible(hDlg) != FALSE;
        dlg::SetText(hDlg, IDC_DAY_EDIT, "30");
        TestHost::PressKey(VK_RETURN);
    }), IDOK);
    EXPECT_TRUE(bOpen);
    ExpectBox(ZEL_MSG_DATE_ERROR);
    EXPECT_EQ(date, (std::vector<int>{0, 2002, 4, 30}));
}

}  // namespace
