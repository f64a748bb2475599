// CZelCalBirthNotify and CZelCalNormNotify on real windows: the notification
// flag over clicks, SetChoiceData and UseControl, the date-change signal of
// a click, the check box as the last stop of the key walk, and where the two
// differ from the controls they extend.
#include "date_control_test.h"
#include "mouse_input.h"

namespace {

// ---- the year-only control ------------------------------------------------------------

class BirthNotifyTest : public DateControlTest<CZelCalBirthNotify> {
protected:
    std::vector<int> Value()
    {
        int nDiv = -1, nYear = -1, nNotify = -1;
        ctrl.GetChoiceData(nDiv, nYear, nNotify);
        return {nDiv, nYear, nNotify};
    }
    bool Ticked() const { return ::IsDlgButtonChecked(ctrl.m_hWnd, IDC_CHK_NOTIFY) == BST_CHECKED; }
};

TEST_F(BirthNotifyTest, TheFlagFollowsSetChoiceDataAndClicks)
{
    EXPECT_FALSE(Ticked());  // a new control: cleared, flag 0
    EXPECT_EQ(Value()[2], 0);
    ctrl.SetChoiceData(1, 2001, 1);
    EXPECT_EQ(Sel(), kWestern);
    EXPECT_EQ(Text(IDC_YEAR_EDIT), "2001");
    EXPECT_TRUE(Ticked());  // set by program: no click, the flag stays 1
    EXPECT_EQ(Value(), (std::vector<int>{1, 2001, 1}));

    TestHost::Click(Item(IDC_CHK_NOTIFY));
    EXPECT_FALSE(Ticked());
    EXPECT_EQ(Value(), (std::vector<int>{1, 2001, 0}));
    ClickWithMouse(Item(IDC_CHK_NOTIFY));
    EXPECT_TRUE(Ticked());
    EXPECT_EQ(Value(), (std::vector<int>{1, 2001, 1}));

    ctrl.SetChoiceData(0, 1975, 0);
    EXPECT_EQ(Text(IDC_FORM_COMBO), "昭和");
    EXPECT_EQ(Text(IDC_YEAR_EDIT), "50");
    EXPECT_FALSE(Ticked());
    EXPECT_EQ(Value(), (std::vector<int>{0, 1975, 0}));
}

TEST_F(BirthNotifyTest, AClickSignalsADateChangeOnlyWhileTheHostHoldsTheFlag)
{
    ctrl.SetChoiceData(1, 2001, 1);
    host.ClearCommands();
    TestHost::Click(Item(IDC_CHK_NOTIFY));
    EXPECT_TRUE(host.Commands().empty());
    EXPECT_FALSE(NamedFlagExists("ZEL2_DATE_CHANGE"));
    {
        HeldFlag flag("ZEL2_DATE_CHANGE");
        TestHost::Click(Item(IDC_CHK_NOTIFY));
        EXPECT_EQ(host.Count("ZEL2_DATE_CHANGE"), 1);
    }
    EXPECT_EQ(Value()[2], 1);
}

TEST_F(BirthNotifyTest, LeavingTheYearFieldChecksNothing)
{
    TypeOver(IDC_YEAR_EDIT, "");
    TestHost::Focus(host.Next());
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(host.Count("ZEL_DATE_ERROR_MESSAGE"), 0);
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);
    EXPECT_EQ(Value(), (std::vector<int>{1, 0, 0}));
}

TEST_F(BirthNotifyTest, UseControlDisablesTheBoxAsWell)
{
    ctrl.SetChoiceData(1, 2001, 1);
    ctrl.UseControl(0);
    EXPECT_FALSE(::IsWindowEnabled(Item(IDC_CHK_NOTIFY)));
    EXPECT_FALSE(::IsWindowEnabled(Item(IDC_YEAR_EDIT)));
    EXPECT_FALSE(::IsWindowEnabled(Item(IDC_FORM_COMBO)));
    ClickWithMouse(Item(IDC_CHK_NOTIFY));
    EXPECT_TRUE(Ticked());
    EXPECT_EQ(Value()[2], 1);

    ctrl.UseControl(1);
    EXPECT_TRUE(::IsWindowEnabled(Item(IDC_CHK_NOTIFY)));
    EXPECT_TRUE(::IsWindowEnabled(Item(IDC_YEAR_EDIT)));
    EXPECT_TRUE(::IsWindowEnabled(Item(IDC_FORM_COMBO)));
    ClickWithMouse(Item(IDC_CHK_NOTIFY));
    EXPECT_EQ(Value()[2], 0);
}

TEST_F(BirthNotifyTest, KeyWalkEndsAtTheBox)
{
    TestHost::Focus(Item(IDC_YEAR_EDIT));
    TestHost::PressKey(VK_TAB);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_CHK_NOTIFY));
    TestHost::PressKey(VK_TAB);
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);

    // Shift+Tab on the box steps back inside while a field was the last one.
    TestHost::Focus(Item(IDC_CHK_NOTIFY));
    TestHost::PressKey(VK_TAB, true);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_YEAR_EDIT));
    // Enter on the box leaves forward; Enter in a field steps on.
    TestHost::Focus(Item(IDC_CHK_NOTIFY));
    TestHost::PressKey(VK_RETURN);
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);
    TestHost::Focus(Item(IDC_FORM_COMBO));
    TestHost::PressKey(VK_RETURN);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_YEAR_EDIT));

    // The box has no focus handler of its own: with the era list the last
    // field, Shift+Tab on the box leads back to the host's previous window.
    TestHost::Focus(Item(IDC_FORM_COMBO));
    TestHost::Focus(Item(IDC_CHK_NOTIFY));
    TestHost::PressKey(VK_TAB, true);
    EXPECT_EQ(TestHost::Focused(), host.Prev()->m_hWnd);

    ctrl.SetFocusCalCtrl(0);
    TestHost::Pump();
    EXPECT_EQ(TestHost::Focused(), Item(IDC_CHK_NOTIFY));
    ctrl.SetFocusCalCtrl(1);
    TestHost::Pump();
    EXPECT_EQ(TestHost::Focused(), Item(IDC_FORM_COMBO));
}

// ---- the full-date control ----------------------------------------------------------

class NormNotifyTest : public DateControlTest<CZelCalNormNotify> {
protected:
    std::vector<int> Value()
    {
        int nDiv = -1, nYear = -1, nMonth = -1, nDay = -1, nNotify = -1;
        ctrl.GetChoiceData(nDiv, nYear, nMonth, nDay, nNotify);
        return {nDiv, nYear, nMonth, nDay, nNotify};
    }
    bool Ticked() const { return ::IsDlgButtonChecked(ctrl.m_hWnd, IDC_CHK_NOTIFY) == BST_CHECKED; }
};

TEST_F(NormNotifyTest, TheFlagFollowsSetChoiceDataAndClicks)
{
    ctrl.SetChoiceData(0, 1990, 4, 1, 0);
    EXPECT_EQ(Text(IDC_FORM_COMBO), "平成");
    EXPECT_EQ(Text(IDC_YEAR_EDIT), "2");
    EXPECT_EQ(Text(IDC_MONTH_EDIT), "4");
    EXPECT_EQ(Text(IDC_DAY_EDIT), "1");
    EXPECT_FALSE(Ticked());
    EXPECT_EQ(Value(), (std::vector<int>{0, 1990, 4, 1, 0}));

    {
        HeldFlag flag("ZEL2_DATE_CHANGE");
        host.ClearCommands();
        ClickWithMouse(Item(IDC_CHK_NOTIFY));
        EXPECT_EQ(host.Count("ZEL2_DATE_CHANGE"), 1);
    }
    EXPECT_TRUE(Ticked());
    EXPECT_EQ(Value(), (std::vector<int>{0, 1990, 4, 1, 1}));

    ctrl.SetChoiceData(1, 2002, 4, 7, 1);
    EXPECT_EQ(Value(), (std::vector<int>{1, 2002, 4, 7, 1}));
    TestHost::Click(Item(IDC_CHK_NOTIFY));
    EXPECT_EQ(Value(), (std::vector<int>{1, 2002, 4, 7, 0}));
}

TEST_F(NormNotifyTest, FieldsFollowTypingAndSignalWithoutSelectingOnEntry)
{
    ctrl.SetChoiceData(1, 2002, 4, 7, 0);
    HeldFlag flag("ZEL2_DATE_CHANGE");
    host.ClearCommands();
    TypeOver(IDC_DAY_EDIT, "9");
    EXPECT_EQ(host.Count("ZEL2_DATE_CHANGE"), 1);
    EXPECT_EQ(Value(), (std::vector<int>{1, 2002, 4, 9, 0}));

    // Entering a field by Tab leaves its text unselected.
    TestHost::Focus(Item(IDC_YEAR_EDIT));
    TestHost::PressKey(VK_TAB);
    ASSERT_EQ(TestHost::Focused(), Item(IDC_MONTH_EDIT));
    const std::pair<int, int> sel = Selected(Item(IDC_MONTH_EDIT));
    EXPECT_EQ(sel.first, sel.second);
    // Leaving a field checks nothing, whatever it holds.
    TypeOver(IDC_MONTH_EDIT, "");
    TestHost::PressKey(VK_TAB);
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_DAY_EDIT));
}

TEST_F(NormNotifyTest, EraSwitchErrorsAreOwnedByTheControl)
{
    ctrl.SetChoiceData(0, 1700, 1, 1, 1);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, ZEL_MSG_INVALID_INPUT);
    EXPECT_EQ(boxes.Boxes()[0].icon, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_TRUE(boxes.Boxes()[0].mainDisabled);
    ASSERT_EQ(owners.Owners().size(), 1u);
    EXPECT_EQ(owners.Owners()[0], ctrl.m_hWnd);
    EXPECT_TRUE(Ticked());
}

TEST_F(NormNotifyTest, UseControlDisablesEveryItem)
{
    ctrl.UseControl(0);
    for (int nID : {IDC_CHK_NOTIFY, IDC_YEAR_EDIT, IDC_MONTH_EDIT, IDC_FORM_COMBO, IDC_DAY_EDIT})
        EXPECT_FALSE(::IsWindowEnabled(Item(nID))) << nID;
    ClickWithMouse(Item(IDC_CHK_NOTIFY));
    EXPECT_EQ(Value()[4], 0);
    ctrl.UseControl(1);
    for (int nID : {IDC_CHK_NOTIFY, IDC_YEAR_EDIT, IDC_MONTH_EDIT, IDC_FORM_COMBO, IDC_DAY_EDIT})
        EXPECT_TRUE(::IsWindowEnabled(Item(nID))) << nID;
}

TEST_F(NormNotifyTest, KeyWalkEndsAtTheBoxAfterTheDayField)
{
    TestHost::Focus(Item(IDC_DAY_EDIT));
    TestHost::PressKey(VK_TAB);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_CHK_NOTIFY));
    TestHost::PressKey(VK_TAB, true);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_DAY_EDIT));
    TestHost::PressKey(VK_RETURN);
    TestHost::PressKey(VK_RETURN);
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);
}

}  // namespace
