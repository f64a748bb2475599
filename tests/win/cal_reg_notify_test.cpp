// CZelCalRegNotify on real windows: the base date, the switch and the
// notification rule in and out, the buttons' fresh starts, the check box's
// signal, the library's own rule dialog template, and the walks with the
// check box last in both faces.
#include "window_test.h"

#include <cstdlib>

#include "modal_script.h"

namespace {

struct NotifyValue {
    int nDiv = -9, nYear = -9, nMonth = -9, nDay = -9, bNotify = -9, nInterval = -9;
    COleDateTime dt;
};

class CalRegNotifyTest : public WindowTest {
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
    bool Visible(int nID) { return ::IsWindowVisible(Item(nID)) != FALSE; }
    bool Ticked() { return ::IsDlgButtonChecked(ctrl.m_hWnd, IDC_CHK_NOTIFY) == BST_CHECKED; }

    NotifyValue Get()
    {
        NotifyValue v;
        ctrl.GetChoiceData(v.nDiv, v.nYear, v.nMonth, v.nDay, v.bNotify, v.nInterval, v.dt);
        return v;
    }

    static COleDateTime Date(int y, int m, int d) { return COleDateTime(y, m, d, 0, 0, 0); }

    CZelCalRegNotify ctrl;
};

TEST_F(CalRegNotifyTest, RuleTravelsAsMonthAndDayOfTheDateValue)
{
    ctrl.SetChoiceData(1, 2002, 5, 10, 1, -1, Date(2003, 3, 3));
    EXPECT_TRUE(Visible(IDC_STR_EDIT));
    EXPECT_FALSE(Visible(IDC_FORM_COMBO));
    EXPECT_TRUE(Visible(IDC_CHK_NOTIFY));
    EXPECT_EQ(Field(IDC_STR_EDIT), "毎年3月3日");
    EXPECT_TRUE(Ticked());
    NotifyValue v = Get();
    EXPECT_EQ((std::vector<int>{v.nMonth, v.nDay, v.bNotify, v.nInterval}), (std::vector<int>{5, 10, 1, -1}));
    EXPECT_TRUE(v.dt == Date(2000, 3, 3));

    // Every 2 months on the 31st: the day in December 2000.
    ctrl.SetChoiceData(1, 2002, 5, 10, 0, 2, Date(2001, 1, 31));
    EXPECT_EQ(Field(IDC_STR_EDIT), "2ヶ月に1回の31日");
    EXPECT_FALSE(Ticked());
    v = Get();
    EXPECT_EQ(v.bNotify, 0);
    EXPECT_TRUE(v.dt == Date(2000, 12, 31));

    // Interval 0: the base date itself, shown in its era.
    ctrl.SetChoiceData(0, 2001, 4, 1, 1, 0, COleDateTime());
    EXPECT_TRUE(Visible(IDC_FORM_COMBO));
    EXPECT_FALSE(Visible(IDC_STR_EDIT));
    EXPECT_EQ(TestHost::Text(Item(IDC_FORM_COMBO)), "平成");
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "13");
    v = Get();
    EXPECT_EQ((std::vector<int>{v.nDiv, v.nYear, v.nMonth, v.nDay, v.bNotify, v.nInterval}),
              (std::vector<int>{0, 2001, 4, 1, 1, 0}));
    EXPECT_TRUE(v.dt == Date(2001, 4, 1));
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CalRegNotifyTest, ButtonsStartFromTodayAndFromEveryMonthOnTheFirst)
{
    const COleDateTime now = COleDateTime::GetCurrentTime();
    ctrl.SetChoiceData(1, 2002, 5, 10, 1, -1, Date(2003, 3, 3));
    TestHost::Click(Item(IDC_BTN_DAY));
    EXPECT_TRUE(Visible(IDC_FORM_COMBO));
    EXPECT_EQ(Field(IDC_YEAR_EDIT), std::to_string(now.GetYear())) << "today's date, not the base date";
    EXPECT_EQ(std::atoi(Field(IDC_MONTH_EDIT).c_str()), now.GetMonth());
    NotifyValue v = Get();
    EXPECT_EQ((std::vector<int>{v.nYear, v.nMonth, v.nDay, v.bNotify, v.nInterval}),
              (std::vector<int>{now.GetYear(), now.GetMonth(), now.GetDay(), 1, 0}));

    TestHost::Click(Item(IDC_BTN_REG));
    EXPECT_EQ(Field(IDC_STR_EDIT), "毎月1日") << "whatever rule was held before";
    v = Get();
    EXPECT_EQ(v.nInterval, 1);
    EXPECT_TRUE(v.dt == Date(2000, 12, 1));

    // 日時 shows today's date in the calendar last shown for the value.
    ctrl.SetChoiceData(0, 2001, 4, 1, 0, 0, COleDateTime());
    TestHost::Click(Item(IDC_BTN_REG));
    TestHost::Click(Item(IDC_BTN_DAY));
    EXPECT_EQ(TestHost::Text(Item(IDC_FORM_COMBO)), "平成");
    EXPECT_EQ(Field(IDC_YEAR_EDIT), std::to_string(now.GetYear() - 1988));
    v = Get();
    EXPECT_EQ((std::vector<int>{v.nDiv, v.nYear}), (std::vector<int>{0, now.GetYear()}));
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CalRegNotifyTest, CheckBoxTogglesTheSwitchAndSignalsEachClick)
{
    ctrl.SetChoiceData(1, 2002, 5, 10, 1, 0, COleDateTime());
    HeldFlag dateChange("ZEL2_DATE_CHANGE");
    host.ClearCommands();
    TestHost::Click(Item(IDC_CHK_NOTIFY));
    EXPECT_FALSE(Ticked());
    EXPECT_EQ(Get().bNotify, 0);
    TestHost::Click(Item(IDC_CHK_NOTIFY));
    EXPECT_TRUE(Ticked());
    EXPECT_EQ(Get().bNotify, 1);
    EXPECT_EQ(host.Count("ZEL2_DATE_CHANGE"), 2);
}

// Unlike CZelCalReg, 設定 makes the library's resources current itself, so
// a host that made its own module current still gets the library's dialog.
TEST_F(CalRegNotifyTest, SetButtonUsesTheLibraryTemplateWhateverIsCurrent)
{
    ctrl.SetChoiceData(1, 2002, 5, 10, 1, -1, Date(2003, 3, 3));
    CurrentResources own(CurrentResources::Host());
    host.ClearCommands();
    {
        ModalScript driver([&](HWND hDlg) {
            EXPECT_EQ(host.Count("ZEL2_CALWND_ENABLE", 0), 1);
            EXPECT_TRUE(dlg::Checked(hDlg, IDC_RD_EVERYYEAR));
            EXPECT_EQ(dlg::Selection(hDlg, IDC_EVERYYEAR_COMBO), 2);
            EXPECT_EQ(dlg::Text(hDlg, IDC_EVERYYDAY_EDIT), "3");
            dlg::Click(hDlg, IDC_RD_EACHMONTH);
            dlg::Select(hDlg, IDC_EACHMONTH_COMBO, 0);
            dlg::SetText(hDlg, IDC_EACHDAY_EDIT, "31");
            dlg::Click(hDlg, IDOK);
        });
        TestHost::Click(Item(IDC_BTN_SET));
        ASSERT_EQ(driver.Runs(), 1);
        EXPECT_EQ(driver.Captions()[0], "定期の設定");
    }
    EXPECT_EQ(Field(IDC_STR_EDIT), "2ヶ月に1回の31日");
    NotifyValue v = Get();
    EXPECT_EQ(v.nInterval, 2);
    EXPECT_TRUE(v.dt == Date(2000, 12, 31));
    EXPECT_EQ(host.Count("ZEL2_CALWND_ENABLE", 1), 1);

    // Cancelled: the rule and its text stay.
    {
        ModalScript driver([&](HWND hDlg) {
            EXPECT_TRUE(dlg::Checked(hDlg, IDC_RD_EACHMONTH));
            dlg::Click(hDlg, IDCANCEL);
        });
        TestHost::Click(Item(IDC_BTN_SET));
        EXPECT_EQ(driver.Runs(), 1);
    }
    EXPECT_EQ(Field(IDC_STR_EDIT), "2ヶ月に1回の31日");
    EXPECT_EQ(Get().nInterval, 2);
    EXPECT_EQ(host.Count("ZEL2_CALWND_ENABLE", 0), 2);
    EXPECT_EQ(host.Count("ZEL2_CALWND_ENABLE", 1), 2);
}

TEST_F(CalRegNotifyTest, CheckBoxIsTheLastStopOfBothFaces)
{
    ctrl.SetChoiceData(1, 2002, 5, 10, 0, 0, COleDateTime());
    TestHost::Focus(Item(IDC_BTN_REG));
    TestHost::PressKey(VK_TAB);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_CHK_NOTIFY));
    TestHost::PressKey(VK_TAB, true);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_BTN_REG));
    TestHost::Focus(Item(IDC_CHK_NOTIFY));
    TestHost::PressKey(VK_RETURN);
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);
    TestHost::Focus(Item(IDC_FORM_COMBO));
    TestHost::PressKey(VK_TAB, true);
    EXPECT_EQ(TestHost::Focused(), host.Prev()->m_hWnd);
    ctrl.SetFocusCalCtrl(0);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_CHK_NOTIFY));
    ctrl.SetFocusCalCtrl(1);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_FORM_COMBO));

    ctrl.SetChoiceData(1, 2002, 5, 10, 0, 1, Date(2002, 1, 25));
    ctrl.SetFocusCalCtrl(1);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_BTN_SET));
    const HWND forward[] = {Item(IDC_BTN_DAY), Item(IDC_CHK_NOTIFY), host.Next()->m_hWnd};
    for (HWND hExpected : forward) {
        TestHost::PressKey(VK_TAB);
        EXPECT_EQ(TestHost::Focused(), hExpected);
    }
    ctrl.SetFocusCalCtrl(0);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_CHK_NOTIFY));
    const HWND backward[] = {Item(IDC_BTN_DAY), Item(IDC_BTN_SET), host.Prev()->m_hWnd};
    for (HWND hExpected : backward) {
        TestHost::PressKey(VK_TAB, true);
        EXPECT_EQ(TestHost::Focused(), hExpected);
    }
    EXPECT_FALSE(Ticked()) << "the walk does not click";
}

TEST_F(CalRegNotifyTest, UseControlIncludesTheCheckBox)
{
    ctrl.UseControl(0);
    for (int nID : {IDC_BTN_DAY, IDC_BTN_REG, IDC_BTN_SET, IDC_CHK_NOTIFY, IDC_STR_EDIT, IDC_YEAR_EDIT,
                    IDC_MONTH_EDIT, IDC_FORM_COMBO, IDC_DAY_EDIT})
        EXPECT_FALSE(::IsWindowEnabled(Item(nID))) << nID;
    ctrl.UseControl(1);
    EXPECT_TRUE(::IsWindowEnabled(Item(IDC_CHK_NOTIFY)));
}

}  // namespace
