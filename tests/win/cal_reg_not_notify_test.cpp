// CZelCalRegNotNotify on real windows: the "なし" entry at the head of the
// era list, the greyed no-date state and its empty value, the era entries
// one place further down, 日時 and 定期 around the no-date state, and the
// dialog's default handling of keys.
#include "window_test.h"

#include <cmath>
#include <cstdlib>

namespace {

struct NotifyValue {
    int nDiv = -9, nYear = -9, nMonth = -9, nDay = -9, bNotify = -9, nInterval = -9;
    COleDateTime dt;
    std::vector<int> Numbers() const { return {nDiv, nYear, nMonth, nDay, bNotify, nInterval}; }
};

const std::vector<int> kEmpty{0, 0, 0, 0, 0, 0};

class CalRegNotNotifyTest : public WindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ctrl.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), host.Dialog(), 1000,
                                nullptr));
        host.Place(ctrl);
        ctrl.SetParentCtrl(host.Prev(), host.Next());
    }

    HWND Item(int nID) { return ::GetDlgItem(ctrl.m_hWnd, nID); }
    HWND Combo() { return Item(IDC_FORM_COMBO); }
    std::string Field(int nID) { return TestHost::Text(Item(nID)); }
    int Sel() { return TestHost::Selection(Combo()); }
    bool Enabled(int nID) { return ::IsWindowEnabled(Item(nID)) != FALSE; }
    bool Ticked() { return ::IsDlgButtonChecked(ctrl.m_hWnd, IDC_CHK_NOTIFY) == BST_CHECKED; }

    NotifyValue Get()
    {
        NotifyValue v;
        ctrl.GetChoiceData(v.nDiv, v.nYear, v.nMonth, v.nDay, v.bNotify, v.nInterval, v.dt);
        return v;
    }

    // The date items greyed while no date is held.
    void ExpectDateItemsEnabled(bool bEnabled)
    {
        for (int nID : {IDC_YEAR_EDIT, IDC_MONTH_EDIT, IDC_DAY_EDIT, IDC_BTN_REG, IDC_CHK_NOTIFY})
            EXPECT_EQ(Enabled(nID), bEnabled) << nID;
        EXPECT_TRUE(Enabled(IDC_FORM_COMBO)) << "the era list stays usable";
    }

    void ExpectTodayInFields()
    {
        const COleDateTime now = COleDateTime::GetCurrentTime();
        EXPECT_EQ(std::atoi(Field(IDC_YEAR_EDIT).c_str()), now.GetYear());
        EXPECT_EQ(std::atoi(Field(IDC_MONTH_EDIT).c_str()), now.GetMonth());
        EXPECT_EQ(std::atoi(Field(IDC_DAY_EDIT).c_str()), now.GetDay());
    }

    static void ExpectNow(const COleDateTime& dt)
    {
        const double kMinute = 1.0 / (24 * 60);
        EXPECT_LT(std::fabs(static_cast<DATE>(dt) - static_cast<DATE>(COleDateTime::GetCurrentTime())), kMinute);
    }

    static COleDateTime Date(int y, int m, int d) { return COleDateTime(y, m, d, 0, 0, 0); }

    CZelCalRegNotNotify ctrl;
};

TEST_F(CalRegNotNotifyTest, EraListStartsWithNoneThenTheWesternEntry)
{
    ASSERT_GE(::SendMessageA(Combo(), CB_GETCOUNT, 0, 0), 3);
    char buf[64] = {};
    ::SendMessageA(Combo(), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(buf));
    EXPECT_STREQ(buf, "なし");
    ::SendMessageA(Combo(), CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(buf));
    EXPECT_STREQ(buf, "西暦");
    // A new control shows today's date under 西暦.
    EXPECT_EQ(Sel(), 1);
    ExpectTodayInFields();

    ctrl.SetChoiceData(1, 2002, 5, 10, 0, 0, COleDateTime());
    EXPECT_EQ(Sel(), 1);
    NotifyValue v = Get();
    EXPECT_EQ((std::vector<int>{v.nDiv, v.nYear}), (std::vector<int>{1, 2002}));

    ctrl.SetChoiceData(0, 2001, 4, 1, 0, 0, COleDateTime());
    EXPECT_EQ(Sel(), 2);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "13");
    ctrl.SetChoiceData(0, 1980, 6, 1, 0, 0, COleDateTime());
    EXPECT_EQ(Sel(), 3);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "55");
    v = Get();
    EXPECT_EQ((std::vector<int>{v.nDiv, v.nYear, v.nMonth, v.nDay}), (std::vector<int>{0, 1980, 6, 1}));
    ExpectDateItemsEnabled(true);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CalRegNotNotifyTest, ValueWithoutDateIsTheGreyedEmptyValue)
{
    ctrl.SetChoiceData(1, 0, 0, 0, 1, 0, COleDateTime());
    EXPECT_EQ(Sel(), 0);
    ExpectTodayInFields();
    ExpectDateItemsEnabled(false);
    NotifyValue v = Get();
    EXPECT_EQ(v.Numbers(), kEmpty);
    ExpectNow(v.dt);
}

TEST_F(CalRegNotNotifyTest, ChoosingNoneGreysAndChoosingAnEraComesBack)
{
    ctrl.SetChoiceData(1, 2002, 5, 10, 1, 0, COleDateTime());
    EXPECT_TRUE(Ticked());
    TestHost::ChooseWithKeys(Combo(), 0);
    EXPECT_EQ(Sel(), 0);
    ExpectDateItemsEnabled(false);
    EXPECT_FALSE(Ticked());
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "2002") << "the year field stays as it was";
    EXPECT_EQ(Get().Numbers(), kEmpty);

    // 平成 converts the Western year; the box stays unticked while the
    // switch itself still reads 1.
    TestHost::ChooseWithKeys(Combo(), 2);
    EXPECT_EQ(Sel(), 2);
    ExpectDateItemsEnabled(true);
    EXPECT_EQ(Field(IDC_YEAR_EDIT), "14");
    EXPECT_FALSE(Ticked());
    NotifyValue v = Get();
    EXPECT_EQ(v.Numbers(), (std::vector<int>{0, 2002, 5, 10, 1, 0}));
    EXPECT_TRUE(v.dt == Date(2002, 5, 10));
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CalRegNotNotifyTest, DayWhileNoneIsChosenReturnsToTheNoDateState)
{
    ctrl.SetChoiceData(1, 0, 0, 0, 0, 0, COleDateTime());
    // A rule without a base date: the rule face, yet the value stays empty.
    ctrl.SetChoiceData(1, 0, 0, 0, 1, 1, Date(2002, 1, 20));
    EXPECT_TRUE(::IsWindowVisible(Item(IDC_STR_EDIT)));
    EXPECT_EQ(Field(IDC_STR_EDIT), "毎月20日");
    EXPECT_EQ(Get().Numbers(), kEmpty);

    TestHost::Click(Item(IDC_BTN_DAY));
    EXPECT_TRUE(::IsWindowVisible(Combo()));
    EXPECT_EQ(Sel(), 0) << "なし stays chosen";
    ExpectTodayInFields();
    ExpectDateItemsEnabled(false);
    EXPECT_EQ(Get().Numbers(), kEmpty);
}

TEST_F(CalRegNotNotifyTest, UseControlEnablesWhileNoneAndRegLeavesTheNoDateState)
{
    ctrl.SetChoiceData(1, 0, 0, 0, 0, 0, COleDateTime());
    ctrl.UseControl(1);
    for (int nID : {IDC_YEAR_EDIT, IDC_MONTH_EDIT, IDC_DAY_EDIT, IDC_BTN_REG, IDC_CHK_NOTIFY})
        EXPECT_TRUE(Enabled(nID)) << nID;
    EXPECT_EQ(Get().Numbers(), kEmpty) << "enabling does not bring a date";

    TestHost::Click(Item(IDC_BTN_REG));
    EXPECT_EQ(Field(IDC_STR_EDIT), "毎月1日");
    NotifyValue v = Get();
    EXPECT_EQ(v.nInterval, 1);
    EXPECT_TRUE(v.dt == Date(2000, 12, 1));
}

// No key handling of its own: Tab walks inside the control as any dialog's
// does and never leads to the host's neighbours; Enter and Escape do not
// close it.
TEST_F(CalRegNotNotifyTest, KeysGetTheDialogsDefaultHandling)
{
    ctrl.SetChoiceData(1, 2002, 5, 10, 0, 0, COleDateTime());
    TestHost::Focus(Item(IDC_CHK_NOTIFY));
    TestHost::PressKey(VK_TAB);
    EXPECT_NE(TestHost::Focused(), host.Next()->m_hWnd);
    EXPECT_TRUE(::IsChild(ctrl.m_hWnd, TestHost::Focused()));

    TestHost::Focus(Combo());
    TestHost::PressKey(VK_TAB, true);
    EXPECT_NE(TestHost::Focused(), host.Prev()->m_hWnd);
    EXPECT_TRUE(::IsChild(ctrl.m_hWnd, TestHost::Focused()));

    TestHost::Focus(Item(IDC_MONTH_EDIT));
    TestHost::PressKey(VK_RETURN);
    TestHost::PressKey(VK_ESCAPE);
    EXPECT_TRUE(::IsWindowVisible(ctrl.m_hWnd));
    EXPECT_TRUE(::IsWindow(host.Dialog()->m_hWnd));
    EXPECT_EQ(Get().Numbers(), (std::vector<int>{1, 2002, 5, 10, 0, 0}));
}

}  // namespace
