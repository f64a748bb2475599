// CZelCalNormCal on real windows: the whole-date check (its refusals, its
// box, where it puts the focus), the check without a message, the check
// stage against real boxes and focus changes and against another process,
// the key walk out of the day field, and the absence of a date-change signal.
#include "date_control_test.h"

namespace {

class CalNormCalTest : public DateControlTest<CZelCalNormCal> {
protected:
    // The fields as the user would leave them: era list position and texts.
    void Show(int nEra, const char* pszYear, const char* pszMonth, const char* pszDay)
    {
        ::SendMessageA(Item(IDC_FORM_COMBO), CB_SETCURSEL, static_cast<WPARAM>(nEra), 0);
        SetText(IDC_YEAR_EDIT, pszYear);
        SetText(IDC_MONTH_EDIT, pszMonth);
        SetText(IDC_DAY_EDIT, pszDay);
    }
    void ExpectOneDateBox()
    {
        ASSERT_EQ(boxes.Count(), 1u);
        const RecordedBox& box = boxes.Boxes()[0];
        EXPECT_EQ(box.text, ZEL_MSG_DATE_ERROR);
        EXPECT_EQ(box.caption, ZEL_CAPTION);
        EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONINFORMATION));
        EXPECT_TRUE(box.mainDisabled);
        ASSERT_EQ(owners.Owners().size(), 1u);
        EXPECT_EQ(owners.Owners()[0], ctrl.m_hWnd);
        EXPECT_TRUE(::IsWindowEnabled(host.MainWindow()));
    }
};

struct ShownDate {
    int nEra;
    const char* pszYear;
    const char* pszMonth;
    const char* pszDay;
    int nValid;
};

TEST_F(CalNormCalTest, CheckDateRefusesWhatIsNoRealDateWithOneBox)
{
    const ShownDate cases[] = {
        {kWestern, "1995", "2", "29", 0},   // no leap year
        {kWestern, "1995", "2", "28", 1},
        {kWestern, "2002", "2", "29", 0},
        {kWestern, "2000", "2", "29", 1},   // leap year of a fourth century
        {kWestern, "2003", "4", "31", 0},
        {kWestern, "1995", "03", "15", 1},  // field texts as typed, leading zero
        {kWestern, "95", "3", "15", 0},     // a Western year needs 100..9999
        {kHeisei, "95", "1", "1", 1},       // an era year 1..99, the rest is the calendar's
        {kHeisei, "0", "1", "1", 0},
        {kHeisei, "7", "3", "15", 1},
        {kShowa, "64", "1", "7", 1},        // the year 昭和 ended in
        {kShowa, "70", "1", "1", 0},        // past the end of 昭和
        {kWestern, "2002", "", "7", 0},     // month empty
        {kWestern, "2002", "4", "", 0},     // day empty
        {kWestern, "2002", "13", "1", 0},
        {kWestern, "2002", "1", "32", 0},
        {kWestern, "2002", "1x", "3", 0},   // only digits make a date
    };
    for (const ShownDate& c : cases) {
        SCOPED_TRACE(std::string(c.pszYear) + "/" + c.pszMonth + "/" + c.pszDay + " era " + std::to_string(c.nEra));
        Show(c.nEra, c.pszYear, c.pszMonth, c.pszDay);
        boxes.Clear();
        owners.Clear();
        EXPECT_EQ(ctrl.CheckDate(0), c.nValid);
        if (c.nValid)
            EXPECT_EQ(boxes.Count(), 0u);
        else
            ExpectOneDateBox();
    }
}

TEST_F(CalNormCalTest, CheckDateWithFocusGoesToTheLastFaultyField)
{
    Show(kWestern, "2002", "13", "32");
    TestHost::Focus(host.Next());
    EXPECT_EQ(ctrl.CheckDate(1), 0);
    TestHost::Pump();
    ExpectOneDateBox();
    EXPECT_EQ(TestHost::Focused(), Item(IDC_DAY_EDIT));

    // From inside a field of the control: the field the focus leaves starts
    // no second check.
    boxes.Clear();
    owners.Clear();
    Show(kWestern, "99", "13", "1");
    TestHost::Focus(Item(IDC_DAY_EDIT));
    EXPECT_EQ(ctrl.CheckDate(1), 0);
    TestHost::Pump();
    ExpectOneDateBox();
    EXPECT_EQ(TestHost::Focused(), Item(IDC_MONTH_EDIT));

    // A date that is only not real names no field: the focus stays.
    boxes.Clear();
    owners.Clear();
    Show(kWestern, "2003", "2", "1");
    TestHost::Focus(host.Next());
    SetText(IDC_DAY_EDIT, "30");
    EXPECT_EQ(ctrl.CheckDate(1), 0);
    TestHost::Pump();
    ExpectOneDateBox();
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);
}

TEST_F(CalNormCalTest, ChkDateTestsTheRealMonthLengthQuietly)
{
    HeldFlag stage("ZEL2_CHECKVALUE_STAGE");  // ChkDate takes no flag: it runs all the same
    Show(kWestern, "0", "4", "7");
    EXPECT_EQ(ctrl.ChkDate(), 1);  // a year of 0 counts as not given
    Show(kWestern, "99", "4", "7");
    EXPECT_EQ(ctrl.ChkDate(), 0);
    Show(kWestern, "2003", "2", "29");
    EXPECT_EQ(ctrl.ChkDate(), 0);
    Show(kHeisei, "12", "2", "29");  // 2000
    EXPECT_EQ(ctrl.ChkDate(), 1);
    Show(kHeisei, "13", "2", "29");  // 2001
    EXPECT_EQ(ctrl.ChkDate(), 0);
    Show(kShowa, "70", "1", "1");    // no era range: 1995
    EXPECT_EQ(ctrl.ChkDate(), 1);
    Show(kWestern, "2002", "", "7");
    EXPECT_EQ(ctrl.ChkDate(), 0);
    Show(kWestern, "2002", "4", "7a");
    EXPECT_EQ(ctrl.ChkDate(), 0);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CalNormCalTest, LeavingAFieldWithAWrongDateKeepsTheFocusThereWithOneBox)
{
    // Month changed from 1 to 2 under day 31: the month field is refused.
    ctrl.SetChoiceData(1, 2003, 1, 31);
    TypeOver(IDC_MONTH_EDIT, "2");
    TestHost::PressKey(VK_TAB);
    ExpectOneDateBox();
    EXPECT_EQ(TestHost::Focused(), Item(IDC_MONTH_EDIT));

    // An emptied month field, left by a click elsewhere in the host.
    boxes.Clear();
    owners.Clear();
    TypeOver(IDC_MONTH_EDIT, "");
    TestHost::Focus(host.Prev());
    ExpectOneDateBox();
    EXPECT_EQ(TestHost::Focused(), Item(IDC_MONTH_EDIT));

    // Corrected, it may be left.
    boxes.Clear();
    TypeOver(IDC_MONTH_EDIT, "3");
    TestHost::PressKey(VK_TAB);
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_DAY_EDIT));
    int d, y, m, day;
    ctrl.GetChoiceData(d, y, m, day);
    EXPECT_EQ((std::vector<int>{d, y, m, day}), (std::vector<int>{1, 2003, 3, 31}));
}

TEST_F(CalNormCalTest, TabAndEnterOutOfTheDayFieldOnlyWithARealDate)
{
    ctrl.SetChoiceData(1, 2002, 4, 7);
    TestHost::Focus(Item(IDC_DAY_EDIT));
    TestHost::PressKey(VK_TAB);
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);
    EXPECT_EQ(boxes.Count(), 0u);

    SetText(IDC_DAY_EDIT, "31");  // 4/31
    TestHost::Focus(Item(IDC_DAY_EDIT));
    TestHost::PressKey(VK_TAB);
    ExpectOneDateBox();
    EXPECT_EQ(TestHost::Focused(), Item(IDC_DAY_EDIT));

    boxes.Clear();
    owners.Clear();
    TestHost::PressKey(VK_RETURN);
    ExpectOneDateBox();
    EXPECT_EQ(TestHost::Focused(), Item(IDC_DAY_EDIT));

    // Without a next neighbour nothing is checked and the focus stays.
    boxes.Clear();
    ctrl.SetParentCtrl(host.Prev(), nullptr);
    TestHost::PressKey(VK_TAB);
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_DAY_EDIT));

    TypeOver(IDC_DAY_EDIT, "30");
    ctrl.SetParentCtrl(host.Prev(), host.Next());
    TestHost::PressKey(VK_RETURN);
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);
}

TEST_F(CalNormCalTest, NoCheckWhileAnotherProcessHoldsTheCheckStage)
{
    FlagHolderProcess holder("ZEL2_CHECKVALUE_STAGE");
    ASSERT_TRUE(holder.Ready());
    Show(kWestern, "2002", "13", "32");
    EXPECT_EQ(ctrl.CheckDate(1), 1);
    TypeOver(IDC_MONTH_EDIT, "");
    TestHost::PressKey(VK_TAB);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_DAY_EDIT));
    TestHost::PressKey(VK_TAB);
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CalNormCalTest, RaisesNoDateChangeSignal)
{
    HeldFlag flag("ZEL2_DATE_CHANGE");
    ctrl.SetChoiceData(0, 2002, 4, 7);
    TypeOver(IDC_DAY_EDIT, "8");
    EXPECT_EQ(host.Count("ZEL2_DATE_CHANGE"), 0);
    int d, y, m, day;
    ctrl.GetChoiceData(d, y, m, day);
    EXPECT_EQ((std::vector<int>{d, y, m, day}), (std::vector<int>{0, 2002, 4, 8}));
}

TEST_F(CalNormCalTest, EraSwitchErrorsAreOwnedByTheHostDialog)
{
    ctrl.SetChoiceData(0, 1700, 1, 1);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, ZEL_MSG_INVALID_INPUT);
    EXPECT_EQ(boxes.Boxes()[0].icon, static_cast<UINT>(MB_ICONSTOP));
    ASSERT_EQ(owners.Owners().size(), 1u);
    EXPECT_EQ(owners.Owners()[0], host.Dialog()->m_hWnd);
    EXPECT_EQ(Text(IDC_MONTH_EDIT), "1");
}

}  // namespace
