// CZelCalNormDlg run modally for real: each test hands DoModal a date and a
// script that acts inside the dialog's own loop (keys, typing, era list),
// then looks at what DoModal hands back. Covers placing, Enter and Escape,
// the typing filter, the whole-date check and its pending mark, the tab walk
// that wraps inside, silent era switching and the check stage.
#include "box_owner_probe.h"
#include "controls/zel_messages.h"
#include "date_control_test.h"
#include "modal_script.h"
#include "window_test.h"

namespace {

struct Date {
    int nDiv, nYear, nMonth, nDay;
    bool operator==(const Date& o) const
    {
        return nDiv == o.nDiv && nYear == o.nYear && nMonth == o.nMonth && nDay == o.nDay;
    }
};

std::ostream& operator<<(std::ostream& os, const Date& d)
{
    return os << d.nDiv << ", " << d.nYear << "/" << d.nMonth << "/" << d.nDay;
}

class NormDlgTest : public WindowTest {
protected:
    void SetUp() override { ASSERT_TRUE(owners.Installed()); }

    // DoModal at (x, y) with the script acting inside; the date is in and out.
    int Run(Date& date, const std::function<void(HWND)>& script, int x = 100, int y = 200)
    {
        ModalScript driver(script);
        const int nResult = dlg.DoModal(date.nDiv, date.nYear, date.nMonth, date.nDay, x, y);
        EXPECT_EQ(driver.Runs(), 1);
        bForced = driver.ForcedClose();
        return nResult;
    }
    static void Key(UINT vk, bool bShift = false) { TestHost::PressKey(vk, bShift); }
    static void Show(HWND hDlg, int nEra, const char* pszYear, const char* pszMonth, const char* pszDay)
    {
        ::SendMessageA(dlg::Item(hDlg, IDC_FORM_COMBO), CB_SETCURSEL, static_cast<WPARAM>(nEra), 0);
        dlg::SetText(hDlg, IDC_YEAR_EDIT, pszYear);
        dlg::SetText(hDlg, IDC_MONTH_EDIT, pszMonth);
        dlg::SetText(hDlg, IDC_DAY_EDIT, pszDay);
    }
    // The user enters a field (its text gets selected) and deletes it all.
    static void Empty(HWND hDlg, int nID)
    {
        TestHost::Focus(dlg::Item(hDlg, nID));
        Key(VK_DELETE);
    }
    void ExpectBoxes(size_t nCount, const char* pszText, HWND hOwner)
    {
        ASSERT_EQ(boxes.Count(), nCount);
        ASSERT_EQ(owners.Owners().size(), nCount);
        for (size_t i = 0; i < nCount; ++i) {
            EXPECT_EQ(boxes.Boxes()[i].text, pszText);
            EXPECT_EQ(boxes.Boxes()[i].caption, ZEL_CAPTION);
            EXPECT_EQ(boxes.Boxes()[i].icon, static_cast<UINT>(MB_ICONINFORMATION));
            EXPECT_EQ(owners.Owners()[i], hOwner);
        }
    }

    MessageBoxOwnerProbe owners;
    CZelCalNormDlg dlg{host.Dialog()};
    bool bForced = false;
};

TEST_F(NormDlgTest, OpensAtThePointWithTheDateAndHandsItBackOnEnter)
{
    std::vector<std::pair<LPARAM, bool>> enables;  // lParam, dialog window there
    host.onCommand = [&](const RecordedCommand& c) {
        if (c.wParam == Msg("ZEL2_CALWND_ENABLE"))
            enables.emplace_back(c.lParam, dlg.m_hWnd != nullptr);
    };
    RECT rc{};
    std::vector<std::string> shown;
    int nFocusId = 0;
    Date date{0, 2002, 4, 7};
    const int nResult = Run(date, [&](HWND hDlg) {
        ::GetWindowRect(hDlg, &rc);
        for (int nID : {IDC_FORM_COMBO, IDC_YEAR_EDIT, IDC_MONTH_EDIT, IDC_DAY_EDIT})
            shown.push_back(dlg::Text(hDlg, nID));
        nFocusId = ::GetDlgCtrlID(::GetFocus());
        Key(VK_RETURN);
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_FALSE(bForced);
    EXPECT_EQ(date, (Date{0, 2002, 4, 7}));
    EXPECT_EQ(rc.left, 100);
    EXPECT_EQ(rc.top, 200);
    EXPECT_EQ(shown, (std::vector<std::string>{"平成", "14", "4", "7"}));
    EXPECT_EQ(nFocusId, IDC_FORM_COMBO);
    // Told before the window is made and after it is gone.
    EXPECT_EQ(enables, (std::vector<std::pair<LPARAM, bool>>{{0, false}, {1, false}}));
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(NormDlgTest, HandsBackTheDateAsItStoodWhenTheDialogClosed)
{
    Date date{0, 2002, 4, 7};
    const int nResult = Run(date, [](HWND hDlg) {
        dlg::TypeInto(hDlg, IDC_DAY_EDIT, "8");
        TestHost::ChooseThroughOpenList(dlg::Item(hDlg, IDC_FORM_COMBO), kWestern);
        Key(VK_RETURN);
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(date, (Date{1, 2002, 4, 8}));
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(NormDlgTest, EscapeLeavesTheReferencesAsTheyWere)
{
    Date date{1, 1999, 12, 31};
    const int nResult = Run(date, [](HWND hDlg) {
        dlg::TypeInto(hDlg, IDC_DAY_EDIT, "1");
        Key(VK_ESCAPE);
    });
    EXPECT_EQ(nResult, IDCANCEL);
    EXPECT_FALSE(bForced);
    EXPECT_EQ(date, (Date{1, 1999, 12, 31}));
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(host.Count("ZEL2_CALWND_ENABLE", 0), 1);
    EXPECT_EQ(host.Count("ZEL2_CALWND_ENABLE", 1), 1);
}

TEST_F(NormDlgTest, TypingFilterPutsBackTheLastAcceptedTextAllSelected)
{
    HWND hOwner = nullptr;
    std::vector<std::string> after;
    std::vector<std::pair<int, int>> selections;
    std::vector<int> focused;
    Date date{0, 2002, 4, 7};
    const int nResult = Run(date, [&](HWND hDlg) {
        hOwner = hDlg;
        dlg::TypeInto(hDlg, IDC_DAY_EDIT, "a");
        for (int nID : {IDC_DAY_EDIT, IDC_YEAR_EDIT}) {
            if (nID == IDC_YEAR_EDIT) {
                dlg::TypeInto(hDlg, IDC_YEAR_EDIT, "1");  // accepted: "1"
                TestHost::Type("x");
            }
            after.push_back(dlg::Text(hDlg, nID));
            selections.push_back(Selected(dlg::Item(hDlg, nID)));
            focused.push_back(::GetDlgCtrlID(::GetFocus()));
        }
        dlg::SetText(hDlg, IDC_YEAR_EDIT, "14");
        Key(VK_ESCAPE);
    });
    EXPECT_EQ(nResult, IDCANCEL);
    ExpectBoxes(2, ZEL_MSG_ENTER_NUMBER, hOwner);
    EXPECT_EQ(after, (std::vector<std::string>{"7", "1"}));
    EXPECT_EQ(selections, (std::vector<std::pair<int, int>>{{0, 1}, {0, 1}}));
    EXPECT_EQ(focused, (std::vector<int>{IDC_DAY_EDIT, IDC_YEAR_EDIT}));
}

TEST_F(NormDlgTest, WholeDateCheckRefusals)
{
    struct Case {
        int nEra;
        const char *pszYear, *pszMonth, *pszDay;
        int nValid;
    };
    const Case cases[] = {
        {kHeisei, "100", "4", "7", 0},    {kWestern, "99", "4", "7", 0},  {kWestern, "2002", "2", "29", 0},
        {kWestern, "2000", "2", "29", 1}, {kWestern, "2002", "", "7", 0}, {kHeisei, "14", "4", "7", 1},
    };
    std::vector<int> results;
    Date date{1, 2002, 4, 7};
    Run(date, [&](HWND hDlg) {
        for (const Case& c : cases) {
            Show(hDlg, c.nEra, c.pszYear, c.pszMonth, c.pszDay);
            results.push_back(dlg.ChkDate_());
        }
        Show(hDlg, kWestern, "2002", "4", "7");
        Key(VK_ESCAPE);
    });
    std::vector<int> expected;
    for (const Case& c : cases)
        expected.push_back(c.nValid);
    EXPECT_EQ(results, expected);
    EXPECT_FALSE(bForced);
    EXPECT_EQ(boxes.Count(), 0u);  // ChkDate_ tells nothing
}

TEST_F(NormDlgTest, EnterAndEscapeCloseOnlyARealDate)
{
    HWND hOwner = nullptr;
    std::vector<bool> open;
    Date date{1, 2002, 2, 1};
    const int nResult = Run(date, [&](HWND hDlg) {
        hOwner = hDlg;
        dlg::TypeInto(hDlg, IDC_DAY_EDIT, "29");
        Key(VK_RETURN);
        open.push_back(::IsWindowVisible(hDlg) != FALSE);
        Key(VK_ESCAPE);
        open.push_back(::IsWindowVisible(hDlg) != FALSE);
        dlg::TypeInto(hDlg, IDC_DAY_EDIT, "28");
        Key(VK_RETURN);
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_FALSE(bForced);
    EXPECT_EQ(open, (std::vector<bool>{true, true}));
    ExpectBoxes(2, ZEL_MSG_DATE_ERROR, hOwner);
    EXPECT_EQ(date, (Date{1, 2002, 2, 28}));
}

TEST_F(NormDlgTest, LeavingAFieldWithAWrongDateBringsTheFocusBackWithOneBox)
{
    HWND hOwner = nullptr;
    std::vector<int> focused;
    Date date{1, 2002, 4, 7};
    const int nResult = Run(date, [&](HWND hDlg) {
        hOwner = hDlg;
        Empty(hDlg, IDC_MONTH_EDIT);
        Key(VK_TAB);
        focused.push_back(::GetDlgCtrlID(::GetFocus()));
        dlg::TypeInto(hDlg, IDC_MONTH_EDIT, "5");
        Key(VK_TAB);
        focused.push_back(::GetDlgCtrlID(::GetFocus()));
        Key(VK_RETURN);
    });
    EXPECT_EQ(nResult, IDOK);
    ExpectBoxes(1, ZEL_MSG_DATE_ERROR, hOwner);
    EXPECT_EQ(focused, (std::vector<int>{IDC_MONTH_EDIT, IDC_DAY_EDIT}));
    EXPECT_EQ(date, (Date{1, 2002, 5, 7}));
}

TEST_F(NormDlgTest, TabWrapsInsideTheDialog)
{
    std::vector<int> walk;
    Date date{1, 2002, 4, 7};
    Run(date, [&](HWND hDlg) {
        TestHost::Focus(dlg::Item(hDlg, IDC_FORM_COMBO));
        Key(VK_TAB, true);
        walk.push_back(::GetDlgCtrlID(::GetFocus()));
        Key(VK_TAB);
        walk.push_back(::GetDlgCtrlID(::GetFocus()));
        Key(VK_TAB);
        walk.push_back(::GetDlgCtrlID(::GetFocus()));
        Key(VK_TAB);
        walk.push_back(::GetDlgCtrlID(::GetFocus()));
        Key(VK_TAB, true);
        walk.push_back(::GetDlgCtrlID(::GetFocus()));
        Key(VK_ESCAPE);
    });
    EXPECT_EQ(walk, (std::vector<int>{IDC_DAY_EDIT, IDC_FORM_COMBO, IDC_YEAR_EDIT, IDC_MONTH_EDIT, IDC_YEAR_EDIT}));
    EXPECT_FALSE(bForced);
}

TEST_F(NormDlgTest, ARefusedEraSwitchOnlyPutsTheListBack)
{
    std::vector<std::string> shown;
    Date date{1, 1800, 1, 1};
    Run(date, [&](HWND hDlg) {
        TestHost::Focus(dlg::Item(hDlg, IDC_FORM_COMBO));
        Key(VK_DOWN);
        shown.push_back(dlg::Text(hDlg, IDC_FORM_COMBO));
        shown.push_back(dlg::Text(hDlg, IDC_YEAR_EDIT));
        Key(VK_ESCAPE);
    });
    EXPECT_EQ(shown, (std::vector<std::string>{"西暦", "1800"}));
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(NormDlgTest, AWesternYearOfZeroLeavesTodaysYear)
{
    std::vector<std::string> shown;
    bool bOpenAfterEscape = false;
    Date date{1, 0, 0, 0};
    const int nResult = Run(date, [&](HWND hDlg) {
        for (int nID : {IDC_FORM_COMBO, IDC_YEAR_EDIT, IDC_MONTH_EDIT, IDC_DAY_EDIT})
            shown.push_back(dlg::Text(hDlg, nID));
        Key(VK_ESCAPE);  // month 0 does not pass: the dialog stays
        bOpenAfterEscape = ::IsWindowVisible(hDlg) != FALSE;
        dlg::SetText(hDlg, IDC_MONTH_EDIT, "1");
        dlg::SetText(hDlg, IDC_DAY_EDIT, "1");
        Key(VK_ESCAPE);
    });
    EXPECT_EQ(nResult, IDCANCEL);
    EXPECT_EQ(shown, (std::vector<std::string>{"西暦", std::string(COleDateTime::GetCurrentTime().Format("%Y")),
                                               "0", "0"}));
    EXPECT_TRUE(bOpenAfterEscape);
    EXPECT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(date, (Date{1, 0, 0, 0}));
}

TEST_F(NormDlgTest, NothingIsCheckedWhileAnotherProcessHoldsTheCheckStage)
{
    FlagHolderProcess holder("ZEL2_CHECKVALUE_STAGE");
    ASSERT_TRUE(holder.Ready());

    // Enter closes with no check at all while no field has been left.
    Date date{1, 2002, 4, 7};
    int nResult = Run(date, [&](HWND hDlg) {
        dlg::SetText(hDlg, IDC_MONTH_EDIT, "");
        Key(VK_RETURN);
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_FALSE(bForced);
    EXPECT_EQ(date, (Date{1, 2002, 0, 7}));

    // Leaving the era list leaves its check pending: Enter does not close.
    std::string strDay;
    bool bOpen = false;
    date = Date{1, 2002, 4, 7};
    nResult = Run(date, [&](HWND hDlg) {
        dlg::TypeInto(hDlg, IDC_DAY_EDIT, "a");
        strDay = dlg::Text(hDlg, IDC_DAY_EDIT);
        Empty(hDlg, IDC_MONTH_EDIT);
        Key(VK_TAB);
        Key(VK_RETURN);
        bOpen = ::IsWindowVisible(hDlg) != FALSE;
        ::PostMessageA(hDlg, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(nResult, IDCANCEL);
    EXPECT_FALSE(bForced);
    EXPECT_TRUE(bOpen);
    EXPECT_EQ(strDay, "a");
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(NormDlgTest, ClosedWithAWrongDateByTheWindowItselfShowsNothing)
{
    Date date{1, 2002, 4, 7};
    const int nResult = Run(date, [&](HWND hDlg) {
        dlg::TypeInto(hDlg, IDC_DAY_EDIT, "31");  // 4/31
        ::PostMessageA(hDlg, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(nResult, IDCANCEL);
    EXPECT_FALSE(bForced);
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(date, (Date{1, 2002, 4, 7}));
}

}  // namespace
