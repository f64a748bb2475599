// CZelCalNorm, and through it the frame every control shares.
#include "window_test.h"

#include "controls/zel_messages.h"
#include "tests/core/scratch_dir.h"

namespace {

class CalNormTest : public ControlTest<CZelCalNorm> {
protected:
    // The era list's position and the year field, with its length limit when bLimit.
    std::string Shown(bool bLimit = true)
    {
        return std::to_string(TestHost::Selection(Item(IDC_FORM_COMBO))) + ":" + Field(IDC_YEAR_EDIT) +
               (bLimit ? "/" + std::to_string(::SendMessageA(Item(IDC_YEAR_EDIT), EM_GETLIMITTEXT, 0, 0)) : "");
    }
    std::vector<int> Value()
    {
        int d, y, m, day;
        ctrl.GetChoiceData(d, y, m, day);
        return {d, y, m, day};
    }
};

// A new control shows today; typed values come back unchecked. (An era
// value in and out: the code page test.)
TEST_F(CalNormTest, ValuesInAndOut)
{
    const std::vector<int> today = Value();
    EXPECT_EQ(today[0], 1);
    EXPECT_TRUE(IsToday(today[1], today[2], today[3], dtBeforeCreate));
    EXPECT_EQ(Field(IDC_MONTH_EDIT).size(), 2u);  // two digits
    ctrl.SetChoiceData(1, 2002, 4, 7);
    for (const auto& [nID, pszText] : {std::pair(IDC_YEAR_EDIT, "1985"), std::pair(IDC_MONTH_EDIT, "13")}) {
        TestHost::Focus(Item(nID));  // the whole text is selected on entry
        TestHost::Type(pszText);
    }
    EXPECT_EQ(Value(), (std::vector<int>{1, 1985, 13, 7}));
}

TEST_F(CalNormTest, SwitchingErasConvertsTheYearOrRefusesWithOneBox)
{
    const HWND hCombo = Item(IDC_FORM_COMBO);
    ctrl.SetChoiceData(1, 2002, 4, 7);
    TestHost::ChooseWithKeys(hCombo, 1);
    EXPECT_EQ(Shown(), "1:14/2");  // 平成14
    TestHost::ChooseWithKeys(hCombo, 2);  // 昭和14: the number stays
    EXPECT_EQ(Value()[1], 1939);
    // The open list converts only when it closes; to 西暦 with no range check.
    ::SetWindowTextA(Item(IDC_YEAR_EDIT), "99");
    ::SendMessageA(hCombo, CB_SHOWDROPDOWN, TRUE, 0);
    TestHost::PressKey(VK_UP);
    TestHost::PressKey(VK_UP);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "99") << "converted while the list was open";
    ::SendMessageA(hCombo, CB_SHOWDROPDOWN, FALSE, 0);
    TestHost::Pump();
    EXPECT_EQ(Shown(), "0:2024/4");
    ASSERT_EQ(boxes.Count(), 0u);

    ctrl.SetChoiceData(0, 1985, 4, 7);  // 昭和70 does not fit 大正: the list goes back
    ::SetWindowTextA(Item(IDC_YEAR_EDIT), "70");
    TestHost::ChooseWithKeys(hCombo, 3);
    EXPECT_EQ(Shown(false), "2:70");
    ctrl.SetChoiceData(1, 1800, 4, 7);  // a Western year in no era
    TestHost::ChooseWithKeys(hCombo, 1);
    EXPECT_EQ(Shown(), "0:1800/4");
    ASSERT_EQ(boxes.Count(), 2u);
    const RecordedBox& box = boxes.boxes[1];
    EXPECT_EQ(box.text + "|" + box.caption, std::string(ZEL_MSG_INVALID_INPUT) + "|" + ZEL_CAPTION);
    EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_EQ(box.owner, host.Dialog()->m_hWnd);  // the main window around it: the modal owner test
}

// A short Western year switched to an era is that era's year; 0 lies in no
// era; the empty date leaves the year field.
TEST_F(CalNormTest, ShortYearsZeroAndTheEmptyDate)
{
    const HWND hCombo = Item(IDC_FORM_COMBO);
    ctrl.SetChoiceData(1, 2002, 4, 7);
    for (const auto& [pszYear, pszShown] : {std::pair("0", "0:0"), std::pair("14", "1:14")}) {
        ::SetWindowTextA(Item(IDC_YEAR_EDIT), pszYear);
        TestHost::ChooseWithKeys(hCombo, 1);  // 平成
        EXPECT_EQ(Shown(false), pszShown);
    }
    EXPECT_EQ(host.events, Events{std::string("box: ") + ZEL_MSG_INVALID_INPUT});  // for 0 only
    EXPECT_EQ(Value(), (std::vector<int>{0, 2002, 4, 7}));
    ctrl.SetChoiceData(1, 0, 0, 0);  // the year field and the list keep what they showed
    EXPECT_EQ(Shown(false), "1:14");
}

// Pale until the host cancels it, with a real brush (GetObject fails on none).
TEST_F(CalNormTest, PaleBackgroundUntilCancelled)
{
    const HDC hdc = ::GetDC(ctrl.m_hWnd);
    const auto brushColour = [&] {
        LOGBRUSH lb{};
        const LRESULT hBrush = ::SendMessageA(ctrl.m_hWnd, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(hdc), 0);
        return ::GetObjectA(reinterpret_cast<HBRUSH>(hBrush), sizeof lb, &lb) == sizeof lb ? lb.lbColor : CLR_INVALID;
    };
    EXPECT_EQ(brushColour(), 0xDFFCFFu);
    ctrl.cancelBkColor(0);
    EXPECT_NE(brushColour(), 0xDFFCFFu);
    ::ReleaseDC(ctrl.m_hWnd, hdc);
}

// An unnamed era entry is left out of the list; the entries after it keep their places.
struct EraFileWindowTest : WindowTest { ScratchDir dir; };
TEST_F(EraFileWindowTest, UnnamedEntriesAreLeftOut)
{
    WriteEraFile("0,0,西暦,1\r\n1989,-1,,0\r\n1926,1989,昭和,0\r\n");
    CZelCalNorm ctrl;
    ASSERT_TRUE(ctrl.Create(nullptr, nullptr, WS_CHILD, CRect(), host.Dialog(), 1000, nullptr));
    ctrl.SetChoiceData(0, 1985, 4, 7);
    const HWND hCombo = ::GetDlgItem(ctrl.m_hWnd, IDC_FORM_COMBO);
    EXPECT_EQ(std::to_string(::SendMessageA(hCombo, CB_GETCOUNT, 0, 0)) + std::to_string(TestHost::Selection(hCombo)) +
                  TestHost::Text(hCombo), "21昭和");
}

// Signalled only while somebody (in any process) holds the flag, before the value is stored.
TEST_F(CalNormTest, TheDateChangeSignalComesBeforeTheMonthIsStored)
{
    ctrl.SetChoiceData(1, 2002, 4, 7);
    EXPECT_EQ(host.events, Events{}) << "nobody holds the flag";
    {
        HeldFlag flag("ZEL2_DATE_CHANGE");
        std::vector<int> monthsSeen;
        host.onCommand = [&](const RecordedCommand& c) {
            if (c.wParam == Msg("ZEL2_DATE_CHANGE"))
                monthsSeen.push_back(Value()[2]);
        };
        TestHost::Focus(Item(IDC_MONTH_EDIT));
        TestHost::Type("9");
        host.onCommand = nullptr;
        EXPECT_EQ(monthsSeen, std::vector<int>{4});
        EXPECT_EQ(Value()[2], 9);
    }
    ctrl.SetChoiceData(1, 2001, 1, 1);
    host.Clear();
    FlagHolderProcess holder("ZEL2_DATE_CHANGE");
    ASSERT_TRUE(holder.Ready());
    ctrl.SetChoiceData(0, 2002, 4, 7);  // year, month and day written by the program
    ctrl.SendErrorMessage();
    EXPECT_EQ(host.events, (Events{"ZEL2_DATE_CHANGE 0", "ZEL2_DATE_CHANGE 0", "ZEL2_DATE_CHANGE 0",
                                   "ZEL_DATE_ERROR_MESSAGE 0"}));
}

}  // namespace
