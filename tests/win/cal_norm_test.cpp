// CZelCalNorm on real windows: values in and out, era switching, the key
// walk with the host's neighbours, and the date-change signal.
#include "window_test.h"

#include "controls/zel_messages.h"

namespace {

class CalNormTest : public WindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ctrl.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), host.Dialog(), 1000,
                                nullptr));
        host.Place(ctrl);
    }

    HWND Item(int nID) { return ::GetDlgItem(ctrl.m_hWnd, nID); }
    std::string Field(int nID) { return TestHost::Text(Item(nID)); }
    int Sel() { return TestHost::Selection(Item(IDC_FORM_COMBO)); }

    CZelCalNorm ctrl;
};

TEST_F(CalNormTest, NewControlShowsTodayInTheWesternCalendar)
{
    COleDateTime now = COleDateTime::GetCurrentTime();
    EXPECT_EQ(Sel(), 0);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), std::string(now.Format("%Y")));
    EXPECT_EQ(Field(IDC_MONTH_EDIT), std::string(now.Format("%m")));
    EXPECT_EQ(Field(IDC_DAY_EDIT), std::string(now.Format("%d")));
    int d, y, m, day;
    ctrl.GetChoiceData(d, y, m, day);
    EXPECT_EQ(d, 1);
    EXPECT_EQ(y, now.GetYear());
    EXPECT_EQ(m, now.GetMonth());
    EXPECT_EQ(day, now.GetDay());
}

TEST_F(CalNormTest, SetAndGetInBothCalendars)
{
    ctrl.SetChoiceData(0, 2002, 4, 7);
    EXPECT_EQ(TestHost::Text(Item(IDC_FORM_COMBO)), "平成");
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "14");
    EXPECT_EQ(Field(IDC_MONTH_EDIT), "4");
    EXPECT_EQ(Field(IDC_DAY_EDIT), "7");
    int d, y, m, day;
    ctrl.GetChoiceData(d, y, m, day);
    EXPECT_EQ((std::vector<int>{d, y, m, day}), (std::vector<int>{0, 2002, 4, 7}));

    ctrl.SetChoiceData(1, 2002, 4, 7);
    EXPECT_EQ(Sel(), 0);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "2002");
    ctrl.GetChoiceData(d, y, m, day);
    EXPECT_EQ((std::vector<int>{d, y, m, day}), (std::vector<int>{1, 2002, 4, 7}));
    EXPECT_EQ(boxes.Count(), 0u);
}

}  // namespace

namespace {

// ---- era switching ---------------------------------------------------------------

TEST_F(CalNormTest, ChoosingAnEraConvertsTheWesternYearToTheEraThatHoldsIt)
{
    ctrl.SetChoiceData(1, 2002, 4, 7);
    TestHost::ChooseWithKeys(Item(IDC_FORM_COMBO), 1);  // 平成
    EXPECT_EQ(Sel(), 1);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "14");
    EXPECT_EQ(::SendMessageA(Item(IDC_YEAR_EDIT), EM_GETLIMITTEXT, 0, 0), 2);

    // Any era chosen while the field is Western lands on the era holding it.
    ctrl.SetChoiceData(1, 2002, 4, 7);
    ::SendMessageA(Item(IDC_FORM_COMBO), CB_SETCURSEL, 2, 0);  // 昭和, as the list would
    ::SendMessageA(ctrl.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_FORM_COMBO, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(Item(IDC_FORM_COMBO)));
    TestHost::Pump();
    EXPECT_EQ(Sel(), 1);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "14");
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CalNormTest, EraBoundariesOfTheBuiltInTable)
{
    struct { int western; int sel; const char* eraYear; } cases[] = {
        {1989, 1, "1"}, {1988, 2, "63"}, {1926, 2, "1"}, {1925, 3, "14"}, {1868, 4, "1"}};
    for (const auto& c : cases) {
        ctrl.SetChoiceData(0, c.western, 1, 1);
        EXPECT_EQ(Sel(), c.sel) << c.western;
        EXPECT_EQ(Field(IDC_YEAR_EDIT), c.eraYear) << c.western;
        int d, y, m, day;
        ctrl.GetChoiceData(d, y, m, day);
        EXPECT_EQ(y, c.western);
        EXPECT_EQ(d, 0);
    }
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CalNormTest, AYearInNoEraIsRefusedWithOneBoxAndNothingChanges)
{
    ctrl.SetChoiceData(1, 1800, 4, 7);
    TestHost::ChooseWithKeys(Item(IDC_FORM_COMBO), 1);
    ASSERT_EQ(boxes.Count(), 1u);
    const RecordedBox& box = boxes.Boxes()[0];
    EXPECT_EQ(box.text, ZEL_MSG_INVALID_INPUT);
    EXPECT_EQ(box.caption, ZEL_CAPTION);
    EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_EQ(box.owner, host.Dialog()->m_hWnd) << "the host dialog owns the box";
    EXPECT_TRUE(box.mainDisabled);
    EXPECT_TRUE(::IsWindowEnabled(host.MainWindow())) << "enabled again afterwards";
    EXPECT_EQ(Sel(), 0);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "1800");
    EXPECT_EQ(::SendMessageA(Item(IDC_YEAR_EDIT), EM_GETLIMITTEXT, 0, 0), 4);

    // The same from SetChoiceData: the fields keep the year, month and day are shown.
    boxes.Clear();
    ctrl.SetChoiceData(1, 2002, 4, 7);
    ctrl.SetChoiceData(0, 1700, 1, 1);
    EXPECT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(Sel(), 0);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "2002");
    EXPECT_EQ(Field(IDC_MONTH_EDIT), "1");
    EXPECT_EQ(Field(IDC_DAY_EDIT), "1");
}

TEST_F(CalNormTest, SwitchingBetweenErasKeepsTheNumberAndChecksTheRange)
{
    ctrl.SetChoiceData(0, 2002, 4, 7);                  // 平成14
    TestHost::ChooseWithKeys(Item(IDC_FORM_COMBO), 2);  // 昭和
    EXPECT_EQ(Sel(), 2);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "14");
    int d, y, m, day;
    ctrl.GetChoiceData(d, y, m, day);
    EXPECT_EQ(y, 1939);

    // 昭和70 does not fit 大正: one box, the list back at 昭和.
    TestHost::Focus(Item(IDC_YEAR_EDIT));
    TestHost::PressKey(VK_BACK);
    TestHost::PressKey(VK_BACK);
    ::SetWindowTextA(Item(IDC_YEAR_EDIT), "70");
    TestHost::ChooseWithKeys(Item(IDC_FORM_COMBO), 3);
    EXPECT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(Sel(), 2);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "70");
}

TEST_F(CalNormTest, BackToWesternAddsTheEraStartWithoutRangeCheck)
{
    ctrl.SetChoiceData(0, 2002, 4, 7);
    TestHost::ChooseWithKeys(Item(IDC_FORM_COMBO), 0);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "2002");
    EXPECT_EQ(::SendMessageA(Item(IDC_YEAR_EDIT), EM_GETLIMITTEXT, 0, 0), 4);

    ctrl.SetChoiceData(0, 1985, 4, 7);  // 昭和60
    ::SetWindowTextA(Item(IDC_YEAR_EDIT), "99");
    // Through the open list: the arrow keys in the closed list would pass 平成.
    TestHost::ChooseThroughOpenList(Item(IDC_FORM_COMBO), 0);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "2024");
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CalNormTest, AnEmptyEraYearStaysAnEraYearAcrossSwitches)
{
    ctrl.SetChoiceData(0, 2002, 4, 7);
    ::SetWindowTextA(Item(IDC_YEAR_EDIT), "");
    TestHost::ChooseWithKeys(Item(IDC_FORM_COMBO), 0);
    EXPECT_EQ(Sel(), 0);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "");
    // Still an era year: typing 5 and choosing 昭和 only checks the range.
    ::SetWindowTextA(Item(IDC_YEAR_EDIT), "5");
    TestHost::ChooseWithKeys(Item(IDC_FORM_COMBO), 2);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "5");
    EXPECT_EQ(Sel(), 2);
}

TEST_F(CalNormTest, TheOpenListConvertsOnlyWhenItCloses)
{
    ctrl.SetChoiceData(1, 1990, 4, 7);
    HWND hCombo = Item(IDC_FORM_COMBO);
    TestHost::Focus(hCombo);
    ::SendMessageA(hCombo, CB_SHOWDROPDOWN, TRUE, 0);
    TestHost::Pump();
    TestHost::PressKey(VK_DOWN);
    TestHost::PressKey(VK_DOWN);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "1990") << "nothing converted while open";
    ::SendMessageA(hCombo, CB_SHOWDROPDOWN, FALSE, 0);
    TestHost::Pump();
    EXPECT_EQ(Sel(), 1);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "2");
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CalNormTest, TypedValuesComeBackUnchecked)
{
    ctrl.SetChoiceData(0, 2002, 4, 7);
    TestHost::ChooseWithKeys(Item(IDC_FORM_COMBO), 2);  // 昭和14
    TestHost::Focus(Item(IDC_YEAR_EDIT));                // whole text selected
    TestHost::Type("60");
    TestHost::Focus(Item(IDC_MONTH_EDIT));
    TestHost::Type("13");
    TestHost::Focus(Item(IDC_DAY_EDIT));
    TestHost::Type("40");
    int d, y, m, day;
    ctrl.GetChoiceData(d, y, m, day);
    EXPECT_EQ((std::vector<int>{d, y, m, day}), (std::vector<int>{0, 1985, 13, 40}));

    TestHost::ChooseWithKeys(Item(IDC_FORM_COMBO), 0);
    ::SetWindowTextA(Item(IDC_YEAR_EDIT), "");
    ctrl.GetChoiceData(d, y, m, day);
    EXPECT_EQ(d, 1);
    EXPECT_EQ(y, 0);
}

// ---- keys ---------------------------------------------------------------------------

TEST_F(CalNormTest, TabWalksThroughTheFieldsToTheHostNeighbours)
{
    ctrl.SetParentCtrl(host.Prev(), host.Next());
    TestHost::Focus(Item(IDC_FORM_COMBO));
    const int forward[] = {IDC_YEAR_EDIT, IDC_MONTH_EDIT, IDC_DAY_EDIT};
    for (int id : forward) {
        TestHost::PressKey(VK_TAB);
        EXPECT_EQ(TestHost::Focused(), Item(id));
    }
    TestHost::PressKey(VK_TAB);
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);

    TestHost::Focus(Item(IDC_YEAR_EDIT));
    TestHost::PressKey(VK_TAB, true);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_FORM_COMBO));
    TestHost::PressKey(VK_TAB, true);
    EXPECT_EQ(TestHost::Focused(), host.Prev()->m_hWnd);
}

TEST_F(CalNormTest, EnterWalksForwardEvenWithShift)
{
    ctrl.SetParentCtrl(host.Prev(), host.Next());
    TestHost::Focus(Item(IDC_MONTH_EDIT));
    TestHost::PressKey(VK_RETURN, true);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_DAY_EDIT));
    TestHost::PressKey(VK_RETURN);
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);
}

TEST_F(CalNormTest, WithoutNeighboursTheEndsKeepTheFocus)
{
    TestHost::Focus(Item(IDC_FORM_COMBO));
    TestHost::PressKey(VK_TAB, true);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_FORM_COMBO));
    TestHost::Focus(Item(IDC_DAY_EDIT));
    TestHost::PressKey(VK_TAB);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_DAY_EDIT));
    TestHost::PressKey(VK_RETURN);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_DAY_EDIT));
}

TEST_F(CalNormTest, EscapeDoesNothing)
{
    ctrl.SetParentCtrl(host.Prev(), host.Next());
    TestHost::Focus(Item(IDC_MONTH_EDIT));
    TestHost::PressKey(VK_ESCAPE);
    EXPECT_TRUE(::IsWindow(ctrl.m_hWnd));
    EXPECT_TRUE(::IsWindowVisible(host.Dialog()->m_hWnd));
    EXPECT_EQ(TestHost::Focused(), Item(IDC_MONTH_EDIT));
    EXPECT_TRUE(host.Commands().empty());
}

TEST_F(CalNormTest, EnteringAFieldSelectsItsText)
{
    ctrl.SetChoiceData(1, 2002, 4, 7);
    TestHost::Focus(Item(IDC_YEAR_EDIT));
    DWORD sel = static_cast<DWORD>(::SendMessageA(Item(IDC_YEAR_EDIT), EM_GETSEL, 0, 0));
    EXPECT_EQ(LOWORD(sel), 0);
    EXPECT_EQ(HIWORD(sel), 4);
}

// ---- signals --------------------------------------------------------------------

TEST_F(CalNormTest, TheDateChangeSignalComesBeforeTheMonthIsStored)
{
    ctrl.SetChoiceData(1, 2002, 4, 7);
    HeldFlag flag("ZEL2_DATE_CHANGE");
    std::vector<int> monthsSeen;
    host.onCommand = [&](const RecordedCommand& c) {
        if (c.wParam == Msg("ZEL2_DATE_CHANGE")) {
            int d, y, m, day;
            ctrl.GetChoiceData(d, y, m, day);
            monthsSeen.push_back(m);
        }
    };
    TestHost::Focus(Item(IDC_MONTH_EDIT));  // "4" selected
    host.ClearCommands();
    monthsSeen.clear();
    TestHost::Type("9");
    ASSERT_EQ(host.Count("ZEL2_DATE_CHANGE"), 1);
    EXPECT_EQ(monthsSeen, std::vector<int>{4}) << "the host hears before the month is stored";
    int d, y, m, day;
    ctrl.GetChoiceData(d, y, m, day);
    EXPECT_EQ(m, 9);
    host.onCommand = nullptr;
}

TEST_F(CalNormTest, ProgramSetTextSignalsTooButOnlyWhileSomeoneHoldsTheFlag)
{
    ctrl.SetChoiceData(1, 2002, 4, 7);
    EXPECT_EQ(host.Count("ZEL2_DATE_CHANGE"), 0);
    EXPECT_FALSE(NamedFlagExists("ZEL2_DATE_CHANGE"));
    {
        FlagHolderProcess holder("ZEL2_DATE_CHANGE");
        ASSERT_TRUE(holder.Ready());
        host.ClearCommands();
        ctrl.SetChoiceData(0, 2002, 4, 7);  // year, month and day written: three updates
        EXPECT_EQ(host.Count("ZEL2_DATE_CHANGE"), 3);
    }
    host.ClearCommands();
    ctrl.SetChoiceData(1, 2003, 5, 8);
    EXPECT_EQ(host.Count("ZEL2_DATE_CHANGE"), 0);
}

TEST_F(CalNormTest, NoMainWindowMeansNoSignalsButTheControlWorks)
{
    CWnd* pMain = AfxGetThread()->m_pMainWnd;
    AfxGetThread()->m_pMainWnd = nullptr;
    {
        HeldFlag flag("ZEL2_DATE_CHANGE");
        ctrl.SetChoiceData(0, 2002, 4, 7);
        ctrl.SendErrorMessage();
        ctrl.EnableMainWindow(0);
    }
    AfxGetThread()->m_pMainWnd = pMain;
    EXPECT_TRUE(host.Commands().empty());
    EXPECT_TRUE(::IsWindowEnabled(host.MainWindow()));
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "14");
}

TEST_F(CalNormTest, ErrorMessageAndMainWindowControl)
{
    ctrl.SendErrorMessage();
    EXPECT_EQ(host.Count("ZEL_DATE_ERROR_MESSAGE"), 1);
    ctrl.EnableMainWindow(0);
    EXPECT_FALSE(::IsWindowEnabled(host.MainWindow()));
    ctrl.EnableMainWindow(1);
    EXPECT_TRUE(::IsWindowEnabled(host.MainWindow()));
}

// ---- host-facing operations ------------------------------------------------------------

TEST_F(CalNormTest, FocusEntryAndEnabling)
{
    ctrl.SetFocusCalCtrl(1);
    TestHost::Pump();
    EXPECT_EQ(TestHost::Focused(), Item(IDC_FORM_COMBO));
    ctrl.SetFocusCalCtrl(0);
    TestHost::Pump();
    EXPECT_EQ(TestHost::Focused(), Item(IDC_DAY_EDIT));
    ctrl.UseControl(0);
    for (int id : {IDC_FORM_COMBO, IDC_YEAR_EDIT, IDC_MONTH_EDIT, IDC_DAY_EDIT})
        EXPECT_FALSE(::IsWindowEnabled(Item(id))) << id;
    ctrl.UseControl(1);
    for (int id : {IDC_FORM_COMBO, IDC_YEAR_EDIT, IDC_MONTH_EDIT, IDC_DAY_EDIT})
        EXPECT_TRUE(::IsWindowEnabled(Item(id))) << id;
}

TEST_F(CalNormTest, BackgroundBrushUntilCancelled)
{
    HDC hdc = ::GetDC(ctrl.m_hWnd);
    HBRUSH hDlg = reinterpret_cast<HBRUSH>(
        ::SendMessageA(ctrl.m_hWnd, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(ctrl.m_hWnd)));
    LOGBRUSH lb{};
    ASSERT_TRUE(::GetObjectA(hDlg, sizeof lb, &lb));
    EXPECT_EQ(lb.lbColor, 0xDFFCFFu);
    ::SendMessageA(ctrl.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc), 0);
    EXPECT_EQ(::GetBkColor(hdc), 0xDFFCFFu);

    ctrl.cancelBkColor(0);
    ctrl.cancelBkColor(0);  // a second time does nothing
    HBRUSH hAfter = reinterpret_cast<HBRUSH>(
        ::SendMessageA(ctrl.m_hWnd, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(ctrl.m_hWnd)));
    LOGBRUSH lb2{};
    if (hAfter != nullptr && ::GetObjectA(hAfter, sizeof lb2, &lb2)) {
        EXPECT_NE(lb2.lbColor, 0xDFFCFFu);
    }
    ::ReleaseDC(ctrl.m_hWnd, hdc);
}

TEST_F(CalNormTest, AControlMadeAgainShowsTheDateItHolds)
{
    ctrl.SetChoiceData(0, 2002, 4, 7);
    ctrl.DestroyWindow();
    ASSERT_TRUE(ctrl.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), host.Dialog(), 1000, nullptr));
    EXPECT_EQ(Sel(), 1);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "14");
    EXPECT_EQ(Field(IDC_MONTH_EDIT), "4");
}

}  // namespace
