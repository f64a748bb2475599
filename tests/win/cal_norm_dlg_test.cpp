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

// Enter hands the date back, Escape leaves it, ENABLE 0 and 1 around; a letter
// brings back the last accepted text, all selected, with one box.
TEST_F(NormDlgTest, EnterHandsBackAGoodDateEscapeLeavesItAndWrongInputGetsOneBox)
{
    RECT rc{};
    EXPECT_EQ(Run([&](HWND hDlg) { ::GetWindowRect(hDlg, &rc); TestHost::PressKey(VK_RETURN); }), IDOK);
    EXPECT_EQ(std::make_pair(rc.left, rc.top), std::make_pair(100L, 200L));
    EXPECT_EQ(host.events, (Events{"ZEL2_CALWND_ENABLE 0", "ZEL2_CALWND_ENABLE 1"}));
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
}

// A field left with a refused date keeps the focus and stays pending (Enter asks
// again, closes nothing); once right, Tab wraps from the day field to the era list.
TEST_F(NormDlgTest, ARefusedFieldStaysPendingAndTabWraps)
{
    std::vector<int> stops;
    const auto key = [&](HWND hDlg, UINT vk, bool bShift = false) {
        TestHost::PressKey(vk, bShift);
        stops.push_back(::GetDlgCtrlID(TestHost::Focused()) * (::IsWindowVisible(hDlg) ? 1 : -1));
    };
    EXPECT_EQ(Run([&](HWND hDlg) {
        dlg::TypeInto(hDlg, IDC_DAY_EDIT, "31");  // 4/31
        key(hDlg, VK_TAB);
        key(hDlg, VK_RETURN);
        dlg::SetText(hDlg, IDC_DAY_EDIT, "30");
        key(hDlg, VK_TAB);
        key(hDlg, VK_TAB, true);
        TestHost::PressKey(VK_RETURN);
    }), IDOK);
    EXPECT_EQ(stops, (std::vector<int>{IDC_DAY_EDIT, IDC_DAY_EDIT, IDC_FORM_COMBO, IDC_DAY_EDIT}));
    const std::string box = std::string("box: ") + ZEL_MSG_DATE_ERROR;
    EXPECT_EQ(host.events, (Events{"ZEL2_CALWND_ENABLE 0", box, box, "ZEL2_CALWND_ENABLE 1"}));
    EXPECT_EQ(date, (std::vector<int>{0, 2002, 4, 30}));
}

}  // namespace
