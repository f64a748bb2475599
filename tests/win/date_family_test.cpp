// The date controls a host places in its dialog, where they differ from
// CZelCalNorm: CZelCalBirth, CZelCalNormCal and the two with a notification box.
#include "window_test.h"

#include "controls/zel_messages.h"

namespace {

template <class TControl>
class PlacedTest : public ControlTest<TControl> {
protected:
    std::string Shown() { return this->Field(IDC_FORM_COMBO) + this->Field(IDC_YEAR_EDIT); }
};

class CalBirthTest : public PlacedTest<CZelCalBirth> {
protected:
    // The user types over the whole year field and clicks into the host's next field.
    void LeaveYearWith(const char* pszText)
    {
        TestHost::Focus(Item(IDC_YEAR_EDIT));
        ::SendMessageA(Item(IDC_YEAR_EDIT), EM_SETSEL, 0, -1);
        TestHost::Type(pszText);
        TestHost::Focus(host.Next()->m_hWnd);
    }
    std::pair<int, int> Value() { std::pair<int, int> v{-1, -1}; ctrl.GetChoiceData(v.first, v.second); return v; }
};

TEST_F(CalBirthTest, YearInAndOutInBothCalendars)
{
    ctrl.SetChoiceData(0, 1975);
    EXPECT_EQ(Shown(), "昭和50");
    EXPECT_EQ(Value(), std::make_pair(0, 1975));
    ctrl.SetChoiceData(1, 1975);
    EXPECT_EQ(Shown(), "西暦1975");
    EXPECT_EQ(Value(), std::make_pair(1, 1975));
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(CalBirthTest, LeavingTheYearFieldRefusesNonDigitsAndZeroUnlessAnotherCheckIsUnderWay)
{
    const struct { const char *pszText, *pszBox; } cases[] = {
        {"1a", ZEL_MSG_NOT_NUMERIC}, {"0", ZEL_MSG_INVALID_INPUT}, {"5", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszText);
        boxes.Clear();
        host.ClearCommands();
        LeaveYearWith(c.pszText);
        const bool bRefused = c.pszBox != nullptr;
        EXPECT_EQ(host.Count("ZEL_DATE_ERROR_MESSAGE"), bRefused ? 1 : 0);
        EXPECT_EQ(TestHost::Focused(), bRefused ? Item(IDC_YEAR_EDIT) : host.Next()->m_hWnd);
        ASSERT_EQ(boxes.Count(), bRefused ? 1u : 0u);
        if (bRefused) {
            EXPECT_EQ(boxes.Boxes()[0].text, c.pszBox);
            EXPECT_EQ(boxes.Boxes()[0].icon, static_cast<UINT>(MB_ICONSTOP));
            EXPECT_EQ(boxes.Boxes()[0].owner, host.Dialog()->m_hWnd);
        }
    }
    EXPECT_EQ(Value(), std::make_pair(1, 5));  // no range is tested on leaving
    FlagHolderProcess holder("ZEL2_CHECKVALUE_STAGE");
    ASSERT_TRUE(holder.Ready());
    LeaveYearWith("x");
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);
}

class CalNormCalTest : public PlacedTest<CZelCalNormCal> {
protected:
    // The era list at nEra (0 西暦, 1 平成, 2 昭和) and the field texts, set by program.
    void Show(int nEra, const char* pszYear, const char* pszMonth, const char* pszDay)
    {
        ::SendMessageA(Item(IDC_FORM_COMBO), CB_SETCURSEL, static_cast<WPARAM>(nEra), 0);
        ::SetDlgItemTextA(ctrl.m_hWnd, IDC_YEAR_EDIT, pszYear);
        ::SetDlgItemTextA(ctrl.m_hWnd, IDC_MONTH_EDIT, pszMonth);
        ::SetDlgItemTextA(ctrl.m_hWnd, IDC_DAY_EDIT, pszDay);
        TestHost::Pump();
        boxes.Clear();
    }
    void ExpectOneDateBox()
    {
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, ZEL_MSG_DATE_ERROR);
        EXPECT_EQ(boxes.Boxes()[0].icon, static_cast<UINT>(MB_ICONINFORMATION));
        EXPECT_EQ(boxes.Boxes()[0].owner, host.Dialog()->m_hWnd);
    }
};

TEST_F(CalNormCalTest, CheckDateRefusesWithOneBoxWhatChkDateRefusesQuietly)
{
    const struct { int nEra; const char *pszYear, *pszMonth, *pszDay; int nCheck, nChk; } cases[] = {
        {0, "1995", "2", "29", 0, 0}, {0, "1996", "2", "29", 1, 1}, {0, "2002", "", "7", 0, 0},
        {0, "2003", "4", "31", 0, 0}, {0, "99", "4", "7", 0, 0},    {1, "12", "2", "29", 1, 1},
        {1, "13", "2", "29", 0, 0},   {0, "2002", "1x", "3", 0, 0},
        {2, "70", "1", "1", 0, 1},  // ChkDate knows no end of an era
        {0, "0", "4", "7", 0, 1},   // nor a year of 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.nEra) + ":" + c.pszYear + "/" + c.pszMonth + "/" + c.pszDay);
        Show(c.nEra, c.pszYear, c.pszMonth, c.pszDay);
        EXPECT_EQ(ctrl.ChkDate(), c.nChk);
        EXPECT_EQ(boxes.Count(), 0u);
        EXPECT_EQ(ctrl.CheckDate(0), c.nCheck);
        if (c.nCheck)
            EXPECT_EQ(boxes.Count(), 0u);
        else
            ExpectOneDateBox();
    }
}

TEST_F(CalNormCalTest, ARefusedDateKeepsOrPutsTheFocusInTheDayField)
{
    Show(0, "2002", "13", "32");  // CheckDate(1): into the last faulty field
    TestHost::Focus(host.Next()->m_hWnd);
    EXPECT_EQ(ctrl.CheckDate(1), 0);
    ExpectOneDateBox();
    EXPECT_EQ(TestHost::Focused(), Item(IDC_DAY_EDIT));
    Show(0, "2002", "4", "31");  // Tab leaves the day field for the host's next only with a real date
    TestHost::PressKey(VK_TAB);
    ExpectOneDateBox();
    EXPECT_EQ(TestHost::Focused(), Item(IDC_DAY_EDIT));
    Show(0, "2002", "4", "30");
    TestHost::PressKey(VK_TAB);
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);
}

// 平成2 (1990), on 4/1 for the full date, with the flag nNotify; the flag read
// back; the field the box follows.
void Set(CZelCalBirthNotify& c, int nNotify) { c.SetChoiceData(0, 1990, nNotify); }
void Set(CZelCalNormNotify& c, int nNotify) { c.SetChoiceData(0, 1990, 4, 1, nNotify); }
int Flag(CZelCalBirthNotify& c) { int d, y, n = -1; c.GetChoiceData(d, y, n); return n; }
int Flag(CZelCalNormNotify& c) { int d, y, m, dd, n = -1; c.GetChoiceData(d, y, m, dd, n); return n; }

template <class TControl>
class NotifyTest : public PlacedTest<TControl> {};
using NotifyControls = ::testing::Types<CZelCalBirthNotify, CZelCalNormNotify>;
TYPED_TEST_SUITE(NotifyTest, NotifyControls);

TYPED_TEST(NotifyTest, FlagFollowsSetChoiceDataAndClicksAndAClickSignalsADateChange)
{
    const HWND hBox = this->Item(IDC_CHK_NOTIFY);
    Set(this->ctrl, 1);
    EXPECT_EQ(this->Shown(), "平成2");
    EXPECT_TRUE(::IsDlgButtonChecked(this->ctrl.m_hWnd, IDC_CHK_NOTIFY));
    EXPECT_EQ(Flag(this->ctrl), 1);
    TestHost::Click(hBox);
    EXPECT_EQ(Flag(this->ctrl), 0);
    {
        HeldFlag flag("ZEL2_DATE_CHANGE");
        TestHost::Click(hBox);
        EXPECT_EQ(this->host.Count("ZEL2_DATE_CHANGE"), 1);  // from the second click only
    }
    EXPECT_EQ(Flag(this->ctrl), 1);
    this->ctrl.UseControl(0);
    EXPECT_FALSE(::IsWindowEnabled(hBox));
}

}  // namespace
