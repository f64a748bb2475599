// CZelCalReg on real windows: the face chosen for each value, 定期 and 日時
// with the kept date and rule, 設定 with the rule dialog and the modal
// signals, the text field's own copy, the key walks of both faces and era
// switching.
#include "window_test.h"

#include <cstdlib>

#include "controls/zel_messages.h"
#include "modal_script.h"

namespace {

struct RegValue {
    int nDiv = -9, nYear = -9, nMonth = -9, nDay = -9, nInterval = -9;
    COleDateTime dt;
};

class CalRegTest : public WindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ctrl.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), host.Dialog(), 1000,
                                nullptr));
        host.Place(ctrl);
        ctrl.SetParentCtrl(host.Prev(), host.Next());
    }

    HWND Item(int nID) { return ::GetDlgItem(ctrl.m_hWnd, nID); }
    std::string Field(int nID) { return TestHost::Text(Item(nID)); }
    int Number(int nID) { return std::atoi(Field(nID).c_str()); }
    int Sel() { return TestHost::Selection(Item(IDC_FORM_COMBO)); }
    bool Visible(int nID) { return ::IsWindowVisible(Item(nID)) != FALSE; }

    RegValue Get()
    {
        RegValue v;
        ctrl.GetChoiceData(v.nDiv, v.nYear, v.nMonth, v.nDay, v.nInterval, v.dt);
        return v;
    }

    // Every item of the face shown, every item of the other face hidden.
    void ExpectFace(bool bRule)
    {
        for (int nID : {IDC_FORM_COMBO, IDC_YEAR_EDIT, IDC_MONTH_EDIT, IDC_DAY_EDIT, IDC_BTN_REG, IDC_LABEL_YEAR,
                        IDC_LABEL_MONTH, IDC_LABEL_DAY})
            EXPECT_EQ(Visible(nID), !bRule) << nID;
        for (int nID : {IDC_STR_EDIT, IDC_BTN_SET, IDC_BTN_DAY})
            EXPECT_EQ(Visible(nID), bRule) << nID;
    }

    // The user replaces the year field's text.
    void TypeYear(const char* pszYear)
    {
        TestHost::Focus(Item(IDC_YEAR_EDIT));
        ::SendMessageA(Item(IDC_YEAR_EDIT), EM_SETSEL, 0, -1);
        TestHost::Type(pszYear);
    }

    void DoubleClickRuleText()
    {
        ::PostMessageA(Item(IDC_STR_EDIT), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
        TestHost::Pump();
    }

    static COleDateTime Date(int y, int m, int d) { return COleDateTime(y, m, d, 0, 0, 0); }

    CZelCalReg ctrl;
};

TEST_F(CalRegTest, FaceFollowsTheValueHandedIn)
{
    ctrl.SetChoiceData(1, 2002, 5, 10, 0, COleDateTime());
    ExpectFace(false);
    EXPECT_EQ(Sel(), 0);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "2002");
    EXPECT_EQ(Field(IDC_MONTH_EDIT), "5");
    EXPECT_EQ(Field(IDC_DAY_EDIT), "10");
    RegValue v = Get();
    EXPECT_EQ((std::vector<int>{v.nDiv, v.nYear, v.nMonth, v.nDay, v.nInterval}),
              (std::vector<int>{1, 2002, 5, 10, 0}));
    // No date value: the kept rule is every month on day 1, in the date's month.
    EXPECT_TRUE(v.dt == Date(2002, 5, 1));

    ctrl.SetChoiceData(0, 2001, 4, 1, 0, COleDateTime());
    EXPECT_EQ(TestHost::Text(Item(IDC_FORM_COMBO)), "平成");
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "13");
    v = Get();
    EXPECT_EQ((std::vector<int>{v.nDiv, v.nYear, v.nMonth, v.nDay, v.nInterval}),
              (std::vector<int>{0, 2001, 4, 1, 0}));

    // A date of an older era keeps its era.
    ctrl.SetChoiceData(0, 1980, 6, 1, 0, COleDateTime());
    EXPECT_EQ(TestHost::Text(Item(IDC_FORM_COMBO)), "昭和");
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "55");
    v = Get();
    EXPECT_EQ((std::vector<int>{v.nDiv, v.nYear, v.nInterval}), (std::vector<int>{0, 1980, 0}));

    // A rule: the rule face with its wording.
    ctrl.SetChoiceData(1, 2002, 3, 15, -1, Date(2002, 3, 15));
    ExpectFace(true);
    EXPECT_EQ(Field(IDC_STR_EDIT), "毎年3月15日");
    v = Get();
    EXPECT_EQ((std::vector<int>{v.nMonth, v.nDay, v.nInterval}), (std::vector<int>{3, 15, -1}));

    ctrl.SetChoiceData(1, 2002, 0, 10, 3, Date(2002, 3, 15));
    EXPECT_EQ(Field(IDC_STR_EDIT), "3ヶ月に1回の10日");
    ctrl.SetChoiceData(1, 2002, 0, 25, 1, Date(2002, 3, 15));
    EXPECT_EQ(Field(IDC_STR_EDIT), "毎月25日");
    EXPECT_EQ(Get().nInterval, 1);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CalRegTest, ValueWithoutDateShowsTodayAndTheDefaultRule)
{
    const COleDateTime now = COleDateTime::GetCurrentTime();
    ctrl.SetChoiceData(1, 0, 0, 0, 0, COleDateTime());
    ExpectFace(false);
    EXPECT_EQ(Sel(), 0);
    EXPECT_EQ(Number(IDC_YEAR_EDIT), now.GetYear());
    EXPECT_EQ(Number(IDC_MONTH_EDIT), now.GetMonth());
    EXPECT_EQ(Number(IDC_DAY_EDIT), now.GetDay());
    RegValue v = Get();
    EXPECT_EQ((std::vector<int>{v.nDiv, v.nYear, v.nMonth, v.nDay, v.nInterval}),
              (std::vector<int>{1, now.GetYear(), now.GetMonth(), now.GetDay(), 0}));

    TestHost::Click(Item(IDC_BTN_REG));
    ExpectFace(true);
    EXPECT_EQ(Field(IDC_STR_EDIT), "毎月1日");
    EXPECT_EQ(Get().nInterval, 1);

    // A rule without a date: today's date is taken and 毎月1日 shown, while
    // the value still carries the rule handed in.
    ctrl.SetChoiceData(1, 0, 0, 0, -1, Date(2002, 3, 15));
    ExpectFace(true);
    EXPECT_EQ(Field(IDC_STR_EDIT), "毎月1日");
    v = Get();
    EXPECT_EQ(v.nInterval, -1);
    EXPECT_EQ(v.nMonth, now.GetMonth());
}

TEST_F(CalRegTest, RegThenDayBringsBackTheKeptDateAndSignalsEachSwitch)
{
    ctrl.SetChoiceData(1, 2002, 5, 10, 0, COleDateTime());
    TypeYear("1999");
    EXPECT_EQ(Get().nYear, 1999);

    HeldFlag dateChange("ZEL2_DATE_CHANGE");
    host.ClearCommands();
    TestHost::Click(Item(IDC_BTN_REG));
    ExpectFace(true);
    EXPECT_EQ(Field(IDC_STR_EDIT), "毎月1日");
    // One signal for the switch; the rule text written with it raises none.
    EXPECT_EQ(host.Count("ZEL2_DATE_CHANGE"), 1);

    host.ClearCommands();
    TestHost::Click(Item(IDC_BTN_DAY));
    ExpectFace(false);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "2002") << "the date handed in, not the one typed before 定期";
    EXPECT_EQ(Field(IDC_MONTH_EDIT), "5");
    EXPECT_EQ(Field(IDC_DAY_EDIT), "10");
    EXPECT_GE(host.Count("ZEL2_DATE_CHANGE"), 1);
    EXPECT_EQ(Get().nInterval, 0);
}

TEST_F(CalRegTest, DayShowsTheKeptDateInTheCalendarChosenLast)
{
    // An era date kept through 定期 comes back in its own era.
    ctrl.SetChoiceData(0, 1980, 6, 1, 0, COleDateTime());
    TestHost::Click(Item(IDC_BTN_REG));
    TestHost::Click(Item(IDC_BTN_DAY));
    EXPECT_EQ(TestHost::Text(Item(IDC_FORM_COMBO)), "昭和");
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "55");

    // A choice in the closed list decides the calendar kept for the value.
    ctrl.SetChoiceData(1, 2002, 5, 10, 0, COleDateTime());
    TestHost::ChooseWithKeys(Item(IDC_FORM_COMBO), 1);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "14");
    TestHost::Click(Item(IDC_BTN_REG));
    TestHost::Click(Item(IDC_BTN_DAY));
    EXPECT_EQ(TestHost::Text(Item(IDC_FORM_COMBO)), "平成");
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "14");

    // Closing the open list on an era converts the field but keeps the
    // calendar of the value, so 日時 shows the Western year again.
    ctrl.SetChoiceData(1, 2002, 5, 10, 0, COleDateTime());
    TestHost::ChooseThroughOpenList(Item(IDC_FORM_COMBO), 1);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "14");
    TestHost::Click(Item(IDC_BTN_REG));
    TestHost::Click(Item(IDC_BTN_DAY));
    EXPECT_EQ(Sel(), 0);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "2002");
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CalRegTest, SetButtonRunsTheRuleDialogBetweenTheEnableSignals)
{
    ctrl.SetChoiceData(1, 2002, 0, 25, 1, Date(2002, 1, 25));
    HeldFlag dateChange("ZEL2_DATE_CHANGE");
    host.ClearCommands();
    {
        ModalScript driver([&](HWND hDlg) {
            EXPECT_EQ(host.Count("ZEL2_CALWND_ENABLE", 0), 1);
            EXPECT_EQ(host.Count("ZEL2_CALWND_ENABLE", 1), 0);
            // The held rule is offered.
            EXPECT_TRUE(dlg::Checked(hDlg, IDC_RD_EVERYMONTH));
            EXPECT_EQ(dlg::Text(hDlg, IDC_EVERYDAY_EDIT), "25");
            dlg::Click(hDlg, IDC_RD_EVERYYEAR);
            dlg::Select(hDlg, IDC_EVERYYEAR_COMBO, 2);
            dlg::SetText(hDlg, IDC_EVERYYDAY_EDIT, "15");
            dlg::Click(hDlg, IDOK);
        });
        TestHost::Click(Item(IDC_BTN_SET));
        ASSERT_EQ(driver.Runs(), 1);
        EXPECT_EQ(driver.Captions()[0], "定期の設定");
    }
    EXPECT_EQ(Field(IDC_STR_EDIT), "毎年3月15日");
    RegValue v = Get();
    EXPECT_EQ((std::vector<int>{v.nDiv, v.nYear, v.nMonth, v.nDay, v.nInterval}),
              (std::vector<int>{1, COleDateTime::GetCurrentTime().GetYear(), 3, 15, -1}))
        << "calendar and year from the hidden era list and year field";
    EXPECT_EQ(host.Count("ZEL2_CALWND_ENABLE", 0), 1);
    EXPECT_EQ(host.Count("ZEL2_CALWND_ENABLE", 1), 1);
    EXPECT_EQ(host.Count("ZEL2_DATE_CHANGE"), 0) << "setting a rule raises no date-change signal";

    // Cancelled: text and value stay; both signals all the same.
    host.ClearCommands();
    {
        ModalScript driver([&](HWND hDlg) {
            EXPECT_TRUE(dlg::Checked(hDlg, IDC_RD_EVERYYEAR));
            EXPECT_EQ(dlg::Selection(hDlg, IDC_EVERYYEAR_COMBO), 2);
            dlg::SetText(hDlg, IDC_EVERYYDAY_EDIT, "20");
            dlg::Click(hDlg, IDCANCEL);
        });
        TestHost::Click(Item(IDC_BTN_SET));
        EXPECT_EQ(driver.Runs(), 1);
    }
    EXPECT_EQ(Field(IDC_STR_EDIT), "毎年3月15日");
    v = Get();
    EXPECT_EQ((std::vector<int>{v.nMonth, v.nDay, v.nInterval}), (std::vector<int>{3, 15, -1}));
    EXPECT_EQ(host.Count("ZEL2_CALWND_ENABLE", 0), 1);
    EXPECT_EQ(host.Count("ZEL2_CALWND_ENABLE", 1), 1);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CalRegTest, RuleTextDoubleClickChangesOnlyTheFieldsCopy)
{
    ctrl.SetChoiceData(1, 2002, 3, 15, -1, Date(2002, 3, 15));
    HeldFlag dateChange("ZEL2_DATE_CHANGE");
    host.ClearCommands();
    {
        ModalScript driver([&](HWND hDlg) {
            EXPECT_TRUE(dlg::Checked(hDlg, IDC_RD_EVERYYEAR));
            EXPECT_EQ(dlg::Selection(hDlg, IDC_EVERYYEAR_COMBO), 2);
            EXPECT_EQ(dlg::Text(hDlg, IDC_EVERYYDAY_EDIT), "15");
            dlg::Click(hDlg, IDC_RD_EACHMONTH);
            dlg::Select(hDlg, IDC_EACHMONTH_COMBO, 1);
            dlg::SetText(hDlg, IDC_EACHDAY_EDIT, "10");
            dlg::Click(hDlg, IDOK);
        });
        DoubleClickRuleText();
        EXPECT_EQ(driver.Runs(), 1);
    }
    EXPECT_EQ(Field(IDC_STR_EDIT), "3ヶ月に1回の10日");
    RegValue v = Get();
    EXPECT_EQ((std::vector<int>{v.nMonth, v.nDay, v.nInterval}), (std::vector<int>{3, 15, -1}));
    EXPECT_TRUE(host.Commands().empty()) << "no signal of any kind";

    // 設定 still offers the control's own rule; the field offers its copy.
    {
        ModalScript driver([&](HWND hDlg) {
            EXPECT_TRUE(dlg::Checked(hDlg, IDC_RD_EVERYYEAR));
            dlg::Click(hDlg, IDCANCEL);
        });
        TestHost::Click(Item(IDC_BTN_SET));
        EXPECT_EQ(driver.Runs(), 1);
    }
    {
        ModalScript driver([&](HWND hDlg) {
            EXPECT_TRUE(dlg::Checked(hDlg, IDC_RD_EACHMONTH));
            EXPECT_EQ(dlg::Text(hDlg, IDC_EACHDAY_EDIT), "10");
            dlg::Click(hDlg, IDCANCEL);
        });
        DoubleClickRuleText();
        EXPECT_EQ(driver.Runs(), 1);
    }
}

// 設定 takes the template through the handle current when it runs: the
// handle Create left current, or the host's own when the host changed it.
TEST_F(CalRegTest, SetButtonFindsTheTemplateThroughTheCurrentResources)
{
    ctrl.SetChoiceData(1, 2002, 0, 25, 1, Date(2002, 1, 25));
    {
        ModalScript driver([](HWND hDlg) { dlg::Click(hDlg, IDCANCEL); });
        TestHost::Click(Item(IDC_BTN_SET));
        ASSERT_EQ(driver.Runs(), 1);
        EXPECT_EQ(driver.Captions()[0], "定期の設定");
    }
    CurrentResources own(CurrentResources::Host());
    host.ClearCommands();
    ModalScript driver([](HWND hDlg) { ::PostMessageA(hDlg, WM_CLOSE, 0, 0); });
    TestHost::Click(Item(IDC_BTN_SET));
    ASSERT_EQ(driver.Runs(), 1);
    EXPECT_EQ(driver.Captions()[0], "DECOY");
    EXPECT_EQ(Field(IDC_STR_EDIT), "毎月25日");
    EXPECT_EQ(host.Count("ZEL2_CALWND_ENABLE", 1), 1);
}

TEST_F(CalRegTest, KeysWalkTheDateFaceAndLeaveAtItsEnds)
{
    ctrl.SetChoiceData(1, 2002, 5, 10, 0, COleDateTime());
    TestHost::Focus(Item(IDC_FORM_COMBO));
    TestHost::PressKey(VK_TAB, true);
    EXPECT_EQ(TestHost::Focused(), host.Prev()->m_hWnd);

    TestHost::Focus(Item(IDC_YEAR_EDIT));
    TestHost::PressKey(VK_TAB, true);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_FORM_COMBO));

    TestHost::Focus(Item(IDC_DAY_EDIT));
    TestHost::PressKey(VK_TAB);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_BTN_REG));
    TestHost::PressKey(VK_TAB);
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);

    TestHost::Focus(Item(IDC_MONTH_EDIT));
    TestHost::PressKey(VK_RETURN, true);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_DAY_EDIT)) << "Enter walks forward, Shift or not";
    TestHost::Focus(Item(IDC_BTN_REG));
    TestHost::PressKey(VK_RETURN);
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);
    // Enter on 定期 walks on instead of clicking it.
    ExpectFace(false);

    TestHost::Focus(Item(IDC_MONTH_EDIT));
    TestHost::PressKey(VK_ESCAPE);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_MONTH_EDIT));
    EXPECT_TRUE(::IsWindowVisible(ctrl.m_hWnd));

    ctrl.SetFocusCalCtrl(1);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_FORM_COMBO));
    ctrl.SetFocusCalCtrl(0);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_BTN_REG));

    // Without neighbours the ends keep the focus.
    ctrl.SetParentCtrl(nullptr, nullptr);
    TestHost::PressKey(VK_TAB);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_BTN_REG));
    TestHost::Focus(Item(IDC_FORM_COMBO));
    TestHost::PressKey(VK_TAB, true);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_FORM_COMBO));
}

TEST_F(CalRegTest, KeysWalkTheRuleFaceAndLeaveAtItsEnds)
{
    ctrl.SetChoiceData(1, 2002, 0, 25, 1, Date(2002, 1, 25));
    ctrl.SetFocusCalCtrl(1);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_BTN_SET));
    TestHost::PressKey(VK_TAB);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_BTN_DAY));
    TestHost::PressKey(VK_TAB);
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);

    ctrl.SetFocusCalCtrl(0);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_BTN_DAY));
    TestHost::PressKey(VK_TAB, true);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_BTN_SET));
    TestHost::PressKey(VK_TAB, true);
    EXPECT_EQ(TestHost::Focused(), host.Prev()->m_hWnd);

    TestHost::Focus(Item(IDC_BTN_DAY));
    TestHost::PressKey(VK_RETURN);
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);
    // Enter on 日時 walks on instead of clicking it.
    ExpectFace(true);

    // The rule text never keeps the focus.
    TestHost::Focus(Item(IDC_STR_EDIT));
    EXPECT_EQ(TestHost::Focused(), Item(IDC_BTN_SET));
}

TEST_F(CalRegTest, UseControlSwitchesEveryItemButTheLabels)
{
    const int kItems[] = {IDC_BTN_DAY,   IDC_BTN_REG,    IDC_BTN_SET,    IDC_STR_EDIT,
                          IDC_YEAR_EDIT, IDC_MONTH_EDIT, IDC_FORM_COMBO, IDC_DAY_EDIT};
    ctrl.UseControl(0);
    for (int nID : kItems)
        EXPECT_FALSE(::IsWindowEnabled(Item(nID))) << nID;
    for (int nID : {IDC_LABEL_YEAR, IDC_LABEL_MONTH, IDC_LABEL_DAY})
        EXPECT_TRUE(::IsWindowEnabled(Item(nID))) << nID;
    ctrl.UseControl(1);
    for (int nID : kItems)
        EXPECT_TRUE(::IsWindowEnabled(Item(nID))) << nID;
}

TEST_F(CalRegTest, RefusedEraSwitchIsReportedWithTheMainWindowDisabled)
{
    ctrl.SetChoiceData(1, 2002, 5, 10, 0, COleDateTime());
    TypeYear("1800");
    TestHost::ChooseWithKeys(Item(IDC_FORM_COMBO), 1);
    ASSERT_EQ(boxes.Count(), 1u);
    const RecordedBox& box = boxes.Boxes()[0];
    EXPECT_EQ(box.text, ZEL_MSG_INVALID_INPUT);
    EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_TRUE(box.mainDisabled);
    EXPECT_TRUE(::IsWindowEnabled(host.MainWindow()));
    EXPECT_EQ(Sel(), 0);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "1800");
}

}  // namespace
