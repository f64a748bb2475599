// CZelCalBirth on real windows: the year in both calendars, the check when
// the year field is left (texts, owners, the date-error message, the focus),
// the check stage, and the key walk with the year field as the last stop.
#include "date_control_test.h"

namespace {

class CalBirthTest : public DateControlTest<CZelCalBirth> {
protected:
    std::pair<int, int> Value()
    {
        int nDiv = -1, nYear = -1;
        ctrl.GetChoiceData(nDiv, nYear);
        return {nDiv, nYear};
    }
    // The user empties or overwrites the year field and moves on to the
    // host's next field.
    void LeaveYearWith(const char* pszText)
    {
        TypeOver(IDC_YEAR_EDIT, pszText);
        TestHost::Focus(host.Next());
    }
};

TEST_F(CalBirthTest, NewControlShowsTheCurrentWesternYear)
{
    const COleDateTime now = COleDateTime::GetCurrentTime();
    EXPECT_EQ(Sel(), kWestern);
    EXPECT_EQ(Text(IDC_YEAR_EDIT), std::string(now.Format("%Y")));
    EXPECT_EQ(Value(), std::make_pair(1, now.GetYear()));
}

TEST_F(CalBirthTest, YearInAndOutInBothCalendars)
{
    ctrl.SetChoiceData(1, 1975);
    EXPECT_EQ(Sel(), kWestern);
    EXPECT_EQ(Text(IDC_YEAR_EDIT), "1975");
    EXPECT_EQ(Value(), std::make_pair(1, 1975));

    ctrl.SetChoiceData(0, 1975);
    EXPECT_EQ(Text(IDC_FORM_COMBO), "昭和");
    EXPECT_EQ(Text(IDC_YEAR_EDIT), "50");
    EXPECT_EQ(Value(), std::make_pair(0, 1975));

    // An era year typed by the user comes back as a Western year.
    ctrl.SetChoiceData(0, 2002);
    TypeOver(IDC_YEAR_EDIT, "12");
    EXPECT_EQ(Text(IDC_FORM_COMBO), "平成");
    EXPECT_EQ(Value(), std::make_pair(0, 2000));
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CalBirthTest, EraSwitchThatTheYearDoesNotFitIsRefusedInABoxOfTheControl)
{
    ctrl.SetChoiceData(1, 1800);
    TestHost::ChooseWithKeys(Item(IDC_FORM_COMBO), kHeisei);
    EXPECT_EQ(Sel(), kWestern);
    EXPECT_EQ(Text(IDC_YEAR_EDIT), "1800");
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, ZEL_MSG_INVALID_INPUT);
    EXPECT_EQ(boxes.Boxes()[0].icon, static_cast<UINT>(MB_ICONSTOP));
    ASSERT_EQ(owners.Owners().size(), 1u);
    EXPECT_EQ(owners.Owners()[0], ctrl.m_hWnd);
}

TEST_F(CalBirthTest, LeavingWithoutDigitsIsToldInABoxOfTheControl)
{
    for (const char* pszText : {"", "1a", "x"}) {
        SCOPED_TRACE(pszText);
        boxes.Clear();
        owners.Clear();
        host.ClearCommands();
        LeaveYearWith(pszText);
        ASSERT_EQ(boxes.Count(), 1u);
        const RecordedBox& box = boxes.Boxes()[0];
        EXPECT_EQ(box.text, ZEL_MSG_NOT_NUMERIC);
        EXPECT_EQ(box.caption, ZEL_CAPTION);
        EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONSTOP));
        EXPECT_TRUE(box.mainDisabled);
        ASSERT_EQ(owners.Owners().size(), 1u);
        EXPECT_EQ(owners.Owners()[0], ctrl.m_hWnd);
        EXPECT_TRUE(::IsWindowEnabled(host.MainWindow()));
        EXPECT_EQ(TestHost::Focused(), Item(IDC_YEAR_EDIT));
        EXPECT_EQ(host.Count("ZEL_DATE_ERROR_MESSAGE"), 1);
    }
}

TEST_F(CalBirthTest, LeavingWithZeroIsToldInABoxOfTheHostDialog)
{
    for (const char* pszText : {"0", "00"}) {
        SCOPED_TRACE(pszText);
        boxes.Clear();
        owners.Clear();
        host.ClearCommands();
        LeaveYearWith(pszText);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, ZEL_MSG_INVALID_INPUT);
        EXPECT_EQ(boxes.Boxes()[0].icon, static_cast<UINT>(MB_ICONSTOP));
        EXPECT_TRUE(boxes.Boxes()[0].mainDisabled);
        ASSERT_EQ(owners.Owners().size(), 1u);
        EXPECT_EQ(owners.Owners()[0], host.Dialog()->m_hWnd);
        EXPECT_EQ(TestHost::Focused(), Item(IDC_YEAR_EDIT));
        EXPECT_EQ(host.Count("ZEL_DATE_ERROR_MESSAGE"), 1);
    }
}

TEST_F(CalBirthTest, LeavingWithAnyPositiveNumberIsAccepted)
{
    // No range is tested on leaving: 5 is taken as it stands.
    LeaveYearWith("5");
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);
    EXPECT_EQ(host.Count("ZEL_DATE_ERROR_MESSAGE"), 0);
    EXPECT_EQ(Value(), std::make_pair(1, 5));
}

TEST_F(CalBirthTest, ABoxLeavesTheFocusWhereTheCheckPutItWithNoSecondCheck)
{
    // The focus moves from the year field into the era list of the control;
    // the box and the focus coming back start no second check.
    TypeOver(IDC_YEAR_EDIT, "");
    TestHost::Focus(Item(IDC_FORM_COMBO));
    EXPECT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_YEAR_EDIT));
    TestHost::Pump();
    EXPECT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(host.Count("ZEL_DATE_ERROR_MESSAGE"), 1);
}

TEST_F(CalBirthTest, NoCheckWhileAnotherProcessHoldsTheCheckStage)
{
    FlagHolderProcess holder("ZEL2_CHECKVALUE_STAGE");
    ASSERT_TRUE(holder.Ready());
    LeaveYearWith("");
    LeaveYearWith("0");
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(host.Count("ZEL_DATE_ERROR_MESSAGE"), 0);
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);
}

TEST_F(CalBirthTest, KeyWalkEndsAtTheYearField)
{
    TestHost::Focus(Item(IDC_FORM_COMBO));
    TestHost::PressKey(VK_TAB);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_YEAR_EDIT));
    TestHost::PressKey(VK_TAB);
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);

    TestHost::Focus(Item(IDC_YEAR_EDIT));
    TestHost::PressKey(VK_TAB, true);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_FORM_COMBO));
    TestHost::PressKey(VK_TAB, true);
    EXPECT_EQ(TestHost::Focused(), host.Prev()->m_hWnd);

    TestHost::Focus(Item(IDC_FORM_COMBO));
    TestHost::PressKey(VK_RETURN);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_YEAR_EDIT));
    TestHost::PressKey(VK_RETURN);
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);

    ctrl.SetFocusCalCtrl(0);
    TestHost::Pump();
    EXPECT_EQ(TestHost::Focused(), Item(IDC_YEAR_EDIT));

    // Without neighbours the ends keep the focus; Escape does nothing.
    ctrl.SetParentCtrl(nullptr, nullptr);
    TestHost::Focus(Item(IDC_YEAR_EDIT));
    TestHost::PressKey(VK_TAB);
    TestHost::PressKey(VK_ESCAPE);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_YEAR_EDIT));
    EXPECT_TRUE(::IsWindowVisible(ctrl.m_hWnd));
}

}  // namespace
