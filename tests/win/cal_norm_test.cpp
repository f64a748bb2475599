// CZelCalNorm on real windows, and through it the frame every control shares:
// values in and out, era switching, the key walk with the host's neighbours,
// the date-change signal and the background.
#include "window_test.h"

#include "controls/zel_messages.h"

namespace {

class CalNormTest : public ControlTest<CZelCalNorm> {
protected:
    int Sel() { return TestHost::Selection(Item(IDC_FORM_COMBO)); }
    LRESULT YearLimit() { return ::SendMessageA(Item(IDC_YEAR_EDIT), EM_GETLIMITTEXT, 0, 0); }
    std::vector<int> Value()
    {
        int d, y, m, day;
        ctrl.GetChoiceData(d, y, m, day);
        return {d, y, m, day};
    }
};

TEST_F(CalNormTest, ValuesInBothCalendarsAndTodayForANewControl)
{
    COleDateTime now = COleDateTime::GetCurrentTime();
    EXPECT_EQ(Sel(), 0);
    EXPECT_EQ(Field(IDC_MONTH_EDIT), std::string(now.Format("%m")));  // two digits
    EXPECT_EQ(Value(), (std::vector<int>{1, now.GetYear(), now.GetMonth(), now.GetDay()}));

    ctrl.SetChoiceData(1, 2002, 4, 7);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "2002");
    EXPECT_EQ(Value(), (std::vector<int>{1, 2002, 4, 7}));
    struct { int western; int sel; const char* eraYear; } cases[] = {
        {2002, 1, "14"}, {1989, 1, "1"}, {1988, 2, "63"}, {1926, 2, "1"}, {1868, 4, "1"}};
    for (const auto& c : cases) {
        ctrl.SetChoiceData(0, c.western, 4, 7);
        EXPECT_EQ(Sel(), c.sel) << c.western;
        EXPECT_EQ(Field(IDC_YEAR_EDIT), c.eraYear) << c.western;
        EXPECT_EQ(Value(), (std::vector<int>{0, c.western, 4, 7}));
    }
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CalNormTest, SwitchingErasConvertsTheYearOrRefusesWithOneBox)
{
    ctrl.SetChoiceData(1, 2002, 4, 7);
    TestHost::ChooseWithKeys(Item(IDC_FORM_COMBO), 1);  // 平成
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "14");
    EXPECT_EQ(YearLimit(), 2);
    TestHost::ChooseWithKeys(Item(IDC_FORM_COMBO), 2);  // 昭和14: the number stays
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "14");
    EXPECT_EQ(Value()[1], 1939);
    ::SetWindowTextA(Item(IDC_YEAR_EDIT), "99");
    TestHost::ChooseThroughOpenList(Item(IDC_FORM_COMBO), 0);  // 西暦, no range check
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "2024");
    EXPECT_EQ(YearLimit(), 4);
    ASSERT_EQ(boxes.Count(), 0u);

    // 昭和70 does not fit 大正: the list goes back.
    ctrl.SetChoiceData(0, 1985, 4, 7);
    ::SetWindowTextA(Item(IDC_YEAR_EDIT), "70");
    TestHost::ChooseWithKeys(Item(IDC_FORM_COMBO), 3);
    EXPECT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(Sel(), 2);

    // A Western year in no era.
    boxes.Clear();
    ctrl.SetChoiceData(1, 1800, 4, 7);
    TestHost::ChooseWithKeys(Item(IDC_FORM_COMBO), 1);
    ASSERT_EQ(boxes.Count(), 1u);
    const RecordedBox& box = boxes.Boxes()[0];
    EXPECT_EQ(box.text, ZEL_MSG_INVALID_INPUT);
    EXPECT_EQ(box.caption, ZEL_CAPTION);
    EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_EQ(box.owner, host.Dialog()->m_hWnd);
    EXPECT_TRUE(box.mainDisabled);
    EXPECT_TRUE(::IsWindowEnabled(host.MainWindow()));
    EXPECT_EQ(Sel(), 0);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "1800");
    EXPECT_EQ(YearLimit(), 4);
}

TEST_F(CalNormTest, TheOpenListConvertsOnlyWhenItCloses)
{
    ctrl.SetChoiceData(1, 1990, 4, 7);
    HWND hCombo = Item(IDC_FORM_COMBO);
    TestHost::Focus(hCombo);
    ::SendMessageA(hCombo, CB_SHOWDROPDOWN, TRUE, 0);
    TestHost::PressKey(VK_DOWN);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "1990") << "nothing converted while the list is open";
    ::SendMessageA(hCombo, CB_SHOWDROPDOWN, FALSE, 0);
    TestHost::Pump();
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "2");
}

TEST_F(CalNormTest, TypedValuesComeBackUnchecked)
{
    ctrl.SetChoiceData(1, 2002, 4, 7);
    TestHost::Focus(Item(IDC_YEAR_EDIT));  // the whole text is selected on entry
    TestHost::Type("1985");
    TestHost::Focus(Item(IDC_MONTH_EDIT));
    TestHost::Type("13");
    TestHost::Focus(Item(IDC_DAY_EDIT));
    TestHost::Type("40");
    EXPECT_EQ(Value(), (std::vector<int>{1, 1985, 13, 40}));
    ::SetWindowTextA(Item(IDC_YEAR_EDIT), "");
    EXPECT_EQ(Value()[1], 0);
}

TEST_F(CalNormTest, TheDateChangeSignalComesBeforeTheMonthIsStored)
{
    ctrl.SetChoiceData(1, 2002, 4, 7);
    EXPECT_EQ(host.Count("ZEL2_DATE_CHANGE"), 0) << "nobody holds the flag";
    HeldFlag flag("ZEL2_DATE_CHANGE");
    std::vector<int> monthsSeen;
    host.onCommand = [&](const RecordedCommand& c) {
        if (c.wParam == Msg("ZEL2_DATE_CHANGE"))
            monthsSeen.push_back(Value()[2]);
    };
    TestHost::Focus(Item(IDC_MONTH_EDIT));
    TestHost::Type("9");
    EXPECT_EQ(monthsSeen, std::vector<int>{4});
    EXPECT_EQ(Value()[2], 9);
    host.onCommand = nullptr;
}

TEST_F(CalNormTest, AFlagHeldByAnotherProcessIsHeard)
{
    FlagHolderProcess holder("ZEL2_DATE_CHANGE");
    ASSERT_TRUE(holder.Ready());
    ctrl.SetChoiceData(0, 2002, 4, 7);  // year, month and day written by the program
    EXPECT_EQ(host.Count("ZEL2_DATE_CHANGE"), 3);
    ctrl.SendErrorMessage();
    EXPECT_EQ(host.Count("ZEL_DATE_ERROR_MESSAGE"), 1);
}

TEST_F(CalNormTest, PaleBackgroundUntilCancelled)
{
    HDC hdc = ::GetDC(ctrl.m_hWnd);
    auto dialogBrushColour = [&] {
        LOGBRUSH lb{};
        ::GetObjectA(reinterpret_cast<HBRUSH>(::SendMessageA(ctrl.m_hWnd, WM_CTLCOLORDLG,
                                                             reinterpret_cast<WPARAM>(hdc), 0)),
                     sizeof lb, &lb);
        return lb.lbColor;
    };
    EXPECT_EQ(dialogBrushColour(), 0xDFFCFFu);
    ::SendMessageA(ctrl.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc), 0);
    EXPECT_EQ(::GetBkColor(hdc), 0xDFFCFFu);
    ctrl.cancelBkColor(0);
    ctrl.cancelBkColor(0);
    EXPECT_NE(dialogBrushColour(), 0xDFFCFFu);
    ::ReleaseDC(ctrl.m_hWnd, hdc);
}

}  // namespace
