// The date controls a host places in its dialog, where they differ from
// CZelCalNorm: CZelCalBirth, CZelCalNormCal and the two with a notification box.
#include "window_test.h"

#include "control_values.h"
#include "controls/host_signals.h"
#include "controls/zel_messages.h"

namespace {

// One box of the given text and icon, owned by the host dialog.
void ExpectOneBox(const std::vector<RecordedBox>& boxes, HWND hOwner, const char* pszText, UINT nIcon)
{
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, pszText);
    EXPECT_EQ(boxes[0].icon, nIcon);
    EXPECT_EQ(boxes[0].owner, hOwner);
}

// Leaving the year field (typed over whole, then a click into the host's next
// field) refuses non-digits and 0 unless another check is under way; no range check.
using CalBirthTest = ControlTest<CZelCalBirth>;
TEST_F(CalBirthTest, YearIsCheckedOnLeavingUnlessAnotherCheckIsUnderWay)
{
    const auto leaveYearWith = [&](const char* pszText) {
        boxes.boxes.clear();
        host.Clear();
        TestHost::Focus(Item(IDC_YEAR_EDIT));
        ::SendMessageA(Item(IDC_YEAR_EDIT), EM_SETSEL, 0, -1);
        TestHost::Type(pszText);
        TestHost::Focus(host.Next()->m_hWnd);
    };
    ctrl.SetChoiceData(0, 1975);
    EXPECT_EQ(Field(IDC_FORM_COMBO) + Field(IDC_YEAR_EDIT), "昭和50");
    ctrl.SetChoiceData(1, 1975);
    const struct { const char *pszText, *pszBox; } cases[] = {
        {"1a", ZEL_MSG_NOT_NUMERIC}, {"0", ZEL_MSG_INVALID_INPUT}, {"5", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszText);
        leaveYearWith(c.pszText);
        // The box first, then the host is told.
        EXPECT_EQ(host.events, (c.pszBox ? Events{std::string("box: ") + c.pszBox, "ZEL_DATE_ERROR_MESSAGE 0"} : Events{}));
        EXPECT_EQ(TestHost::Focused(), c.pszBox ? Item(IDC_YEAR_EDIT) : host.Next()->m_hWnd);
        if (c.pszBox)
            ExpectOneBox(boxes.boxes, host.Dialog()->m_hWnd, c.pszBox, MB_ICONSTOP);
    }
    int nDiv = -1, nYear = -1;
    ctrl.GetChoiceData(nDiv, nYear);
    EXPECT_EQ(std::pair(nDiv, nYear), std::pair(1, 5));
    FlagHolderProcess holder("ZEL2_CHECKVALUE_STAGE");
    ASSERT_TRUE(holder.Ready());
    leaveYearWith("x");
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);
}

// CheckDate refuses with one box what ChkDate refuses quietly, and a refused
// date keeps or puts the focus in the day field.
using CalNormCalTest = ControlTest<CZelCalNormCal>;
TEST_F(CalNormCalTest, CheckDateRefusesWithOneBoxWhatChkDateRefusesQuietly)
{
    // The era list at nEra (0 西暦, 1 平成, 2 昭和) and the field texts, set by program.
    const auto show = [&](int nEra, const char* pszYear, const char* pszMonth, const char* pszDay) {
        ::SendMessageA(Item(IDC_FORM_COMBO), CB_SETCURSEL, nEra, 0);
        ::SetDlgItemTextA(ctrl.m_hWnd, IDC_YEAR_EDIT, pszYear);
        ::SetDlgItemTextA(ctrl.m_hWnd, IDC_MONTH_EDIT, pszMonth);
        ::SetDlgItemTextA(ctrl.m_hWnd, IDC_DAY_EDIT, pszDay);
        TestHost::Pump();
        boxes.boxes.clear();
    };
    const struct { int nEra; const char *pszYear, *pszMonth, *pszDay; int nCheck, nChk; } cases[] = {
        {0, "1996", "2", "29", 1, 1}, {0, "2003", "4", "31", 0, 0}, {0, "2002", "", "7", 0, 0},
        {1, "12", "2", "29", 1, 1},   {1, "13", "2", "29", 0, 0},   {0, "2002", "1x", "3", 0, 0},
        {2, "70", "1", "1", 0, 1},  // ChkDate knows no end of an era
        {0, "0", "4", "7", 0, 1},   // nor a year of 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.nEra) + ":" + c.pszYear + "/" + c.pszMonth + "/" + c.pszDay);
        show(c.nEra, c.pszYear, c.pszMonth, c.pszDay);
        EXPECT_EQ(ctrl.ChkDate(), c.nChk);
        EXPECT_EQ(boxes.Count(), 0u);
        EXPECT_EQ(ctrl.CheckDate(0), c.nCheck);
        if (c.nCheck == 0)
            ExpectOneBox(boxes.boxes, host.Dialog()->m_hWnd, ZEL_MSG_DATE_ERROR, MB_ICONINFORMATION);
        EXPECT_EQ(boxes.Count(), 1u - c.nCheck);
    }
    show(0, "2002", "13", "32");
    TestHost::Focus(host.Next()->m_hWnd);
    EXPECT_EQ(ctrl.CheckDate(1), 0);
    EXPECT_EQ(TestHost::Focused(), Item(IDC_DAY_EDIT));
    for (const char* pszDay : {"31", "30"}) {  // Tab leaves the day field only with a real date
        show(0, "2002", "4", pszDay);
        TestHost::PressKey(VK_TAB);
        EXPECT_EQ(boxes.Count(), pszDay[1] == '1' ? 1u : 0u) << pszDay;
        EXPECT_EQ(TestHost::Focused(), pszDay[1] == '1' ? Item(IDC_DAY_EDIT) : host.Next()->m_hWnd) << pszDay;
    }
}

// From a refused date to another control's refused date: the check taking the
// focus back finds the stage held by the first. One box, no bouncing focus.
TEST_F(CalNormCalTest, TwoRefusedDatesDoNotBounceTheFocus)
{
    CZelCalNormCal other;
    ASSERT_TRUE(other.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(), host.Dialog(), 1001, nullptr));
    other.SetChoiceData(1, 2003, 4, 31);
    ctrl.SetChoiceData(1, 2002, 4, 31);
    TestHost::Focus(Item(IDC_DAY_EDIT));
    host.Clear();
    TestHost::Focus(::GetDlgItem(other.m_hWnd, IDC_DAY_EDIT));
    EXPECT_EQ(host.events, Events{std::string("box: ") + ZEL_MSG_DATE_ERROR});
    EXPECT_EQ(TestHost::Focused(), Item(IDC_DAY_EDIT));
    other.DestroyWindow();
}

// A flag is owned, held elsewhere, or not made (its name another object's); a
// stage not made is kept within the thread: the box's focus change checks nothing.
TEST_F(CalNormCalTest, ACheckStageThatCannotBeMadeStillStopsNestedChecks)
{
    const CZelNamedFlag first("ZelTestFlag"), second("ZelTestFlag");
    EXPECT_TRUE(first.Owned() && !second.Owned() && second.HeldElsewhere() && !second.NotMade());
    const HANDLE hClash = ::CreateEventA(nullptr, TRUE, FALSE, "ZEL2_CHECKVALUE_STAGE");
    ASSERT_NE(hClash, nullptr);
    EXPECT_TRUE(CZelNamedFlag("ZEL2_CHECKVALUE_STAGE").NotMade());
    ctrl.SetChoiceData(1, 2002, 4, 31);
    TestHost::Focus(Item(IDC_YEAR_EDIT));
    host.Clear();
    EXPECT_EQ(ctrl.CheckDate(1), 0);
    EXPECT_EQ(host.events, Events{std::string("box: ") + ZEL_MSG_DATE_ERROR});
    ::CloseHandle(hClash);
}

template <class TControl>
class NotifyTest : public ControlTest<TControl> {};
using NotifyControls = ::testing::Types<CZelCalBirthNotify, CZelCalNormNotify>;
TYPED_TEST_SUITE(NotifyTest, NotifyControls);

TYPED_TEST(NotifyTest, FlagFollowsSetChoiceDataAndClicksAndAClickSignalsADateChange)
{
    const HWND hBox = this->Item(IDC_CHK_NOTIFY);
    GiveValue(this->ctrl, ControlValue{0, 1990, 4, 1, 1, 0, COleDateTime()});  // 平成2, notified
    EXPECT_EQ(this->Field(IDC_FORM_COMBO) + this->Field(IDC_YEAR_EDIT), "平成2");
    EXPECT_TRUE(::IsDlgButtonChecked(this->ctrl.m_hWnd, IDC_CHK_NOTIFY));
    EXPECT_EQ(ReadValue(this->ctrl).nNotify, 1);
    TestHost::Click(hBox);
    EXPECT_EQ(ReadValue(this->ctrl).nNotify, 0);
    {
        HeldFlag flag("ZEL2_DATE_CHANGE");
        TestHost::Click(hBox);
        EXPECT_EQ(this->host.events, Events{"ZEL2_DATE_CHANGE 0"});  // from the second click only
    }
    EXPECT_EQ(ReadValue(this->ctrl).nNotify, 1);
}

}  // namespace
