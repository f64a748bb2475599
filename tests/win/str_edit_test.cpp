// CZelStrEdit: the wording of rules, and the field itself in a host dialog:
// it passes the focus on, and a double-click edits its own copy of the rule
// in the rule dialog without telling anyone.
#include "window_test.h"

#include "controls/zel_messages.h"
#include "modal_script.h"

namespace {

std::string Worded(int nInterval, int nMonth, int nDay, const char* pszBefore = "")
{
    CString str(pszBefore);
    CZelStrEdit::CnvRegStr(nInterval, nMonth, nDay, str);
    return static_cast<LPCSTR>(str);
}

TEST(CnvRegStr, WordsEachKindOfRule)
{
    EXPECT_EQ(Worded(-1, 2, 14), "毎年2月14日");
    EXPECT_EQ(Worded(3, 0, 10), "3ヶ月に1回の10日");
    EXPECT_EQ(Worded(2, 0, 31), "2ヶ月に1回の31日");
    EXPECT_EQ(Worded(1, 0, 25), "毎月25日");
    EXPECT_EQ(Worded(1, 9, 25), "毎月25日") << "the month plays no part in a monthly rule";
    // No upper bound; anything below -1 is the first of every month.
    EXPECT_EQ(Worded(24, 0, 1), "24ヶ月に1回の1日");
    EXPECT_EQ(Worded(-5, 7, 9), "毎月1日");
    // No rule leaves the text as it was; any other rule replaces it.
    EXPECT_EQ(Worded(0, 7, 9, "前"), "前");
    EXPECT_EQ(Worded(1, 0, 3, "前"), "毎月3日");
}

// The notification sentence of the era core words the same rules its own
// way: with "に通知する", only up to 12 months, and nothing below -1.
TEST(CnvRegStr, DiffersFromTheNotificationSentence)
{
    CZelCalCtrlUtil util;
    const COleDateTime date(2003, 3, 15, 0, 0, 0);
    EXPECT_EQ(Worded(3, 3, 15), "3ヶ月に1回の15日");
    EXPECT_EQ(std::string(util.FromSettingNotifyAndInterval(1, 3, date)), "3ヶ月に1回の15日に通知する");
    EXPECT_EQ(Worded(13, 3, 15), "13ヶ月に1回の15日");
    EXPECT_EQ(std::string(util.FromSettingNotifyAndInterval(1, 13, date)), "通知する");
    EXPECT_EQ(Worded(-5, 3, 15), "毎月1日");
    EXPECT_EQ(std::string(util.FromSettingNotifyAndInterval(1, -5, date)), "通知する");
}

// The field as a child 32706 of the host dialog, between its two fields in
// the tab order.
class StrEditTest : public WindowTest {
protected:
    void SetUp() override
    {
        HWND hHost = host.Dialog()->m_hWnd;
        HWND hField = ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_READONLY, 80, 30,
                                        140, 20, hHost, reinterpret_cast<HMENU>(IDC_STR_EDIT),
                                        ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(hField, nullptr);
        ::SetWindowPos(hField, host.Prev()->m_hWnd, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ASSERT_TRUE(field.SubclassWindow(hField));
        TestHost::Pump();
    }

    void DoubleClick()
    {
        ::PostMessageA(field.m_hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
        TestHost::Pump();
    }

    std::string Text() const { return TestHost::Text(field.m_hWnd); }

    CZelStrEdit field;
};

TEST_F(StrEditTest, NeverKeepsTheFocus)
{
    TestHost::Focus(host.Prev());
    TestHost::Focus(field.m_hWnd);
    EXPECT_EQ(TestHost::Focused(), host.Next()->m_hWnd);
}

TEST_F(StrEditTest, DoubleClickEditsItsOwnCopyAndTellsNobody)
{
    CurrentResources lib(CurrentResources::Library());
    ::SetWindowTextA(field.m_hWnd, "");
    host.ClearCommands();
    {
        // Never given a rule: offered as interval 0 and day 1, so the dialog
        // starts as 毎月 with 0, which its live check refuses at once.
        ModalScript driver([&](HWND hDlg) {
            EXPECT_EQ(TestHost::Text(hDlg), "定期の設定");
            EXPECT_TRUE(dlg::Checked(hDlg, IDC_RD_EVERYMONTH));
            EXPECT_EQ(dlg::Text(hDlg, IDC_EVERYDAY_EDIT), "0");
            EXPECT_EQ(boxes.Count(), 1u);
            dlg::Click(hDlg, IDC_RD_EACHMONTH);
            dlg::Select(hDlg, IDC_EACHMONTH_COMBO, 1);
            dlg::SetText(hDlg, IDC_EACHDAY_EDIT, "10");
            dlg::Click(hDlg, IDOK);
        });
        DoubleClick();
        EXPECT_EQ(driver.Runs(), 1);
        EXPECT_FALSE(driver.ForcedClose());
    }
    EXPECT_EQ(Text(), "3ヶ月に1回の10日");
    EXPECT_EQ(field.m_nInterval, 3);
    EXPECT_EQ(field.m_nMonth, 0);
    EXPECT_EQ(field.m_nDay, 10);
    EXPECT_TRUE(host.Commands().empty()) << "the field sends nothing to the main window";

    // The next double-click offers the copy; cancelling changes nothing.
    {
        ModalScript driver([&](HWND hDlg) {
            EXPECT_TRUE(dlg::Checked(hDlg, IDC_RD_EACHMONTH));
            EXPECT_EQ(dlg::Selection(hDlg, IDC_EACHMONTH_COMBO), 1);
            EXPECT_EQ(dlg::Text(hDlg, IDC_EACHDAY_EDIT), "10");
            dlg::Click(hDlg, IDC_RD_EVERYMONTH);
            dlg::SetText(hDlg, IDC_EVERYDAY_EDIT, "4");
            dlg::Click(hDlg, IDCANCEL);
        });
        DoubleClick();
        EXPECT_EQ(driver.Runs(), 1);
    }
    EXPECT_EQ(Text(), "3ヶ月に1回の10日");
    EXPECT_EQ(field.m_nInterval, 3);
    EXPECT_EQ(field.m_nDay, 10);
    EXPECT_EQ(boxes.Count(), 1u);
    EXPECT_TRUE(host.Commands().empty());
}

TEST_F(StrEditTest, CancelKeepsTheRuleButADayOfZeroBecomesOne)
{
    CurrentResources lib(CurrentResources::Library());
    field.SetChoiceData(2002, 0, 0, 1);
    ::SetWindowTextA(field.m_hWnd, "before");
    ModalScript driver([&](HWND hDlg) {
        EXPECT_TRUE(dlg::Checked(hDlg, IDC_RD_EVERYMONTH));
        EXPECT_EQ(dlg::Text(hDlg, IDC_EVERYDAY_EDIT), "1");
        dlg::SetText(hDlg, IDC_EVERYDAY_EDIT, "5");
        dlg::Click(hDlg, IDCANCEL);
    });
    DoubleClick();
    EXPECT_EQ(driver.Runs(), 1);
    EXPECT_EQ(Text(), "before");
    EXPECT_EQ(field.m_nYear, 2002);
    EXPECT_EQ(field.m_nInterval, 1);
    EXPECT_EQ(field.m_nDay, 1);
    EXPECT_EQ(boxes.Count(), 0u);
}

// The field does not choose the module of the template: the current resource
// handle does, so a host that made its own module current gets its own 32707.
TEST_F(StrEditTest, DialogTemplateComesFromTheCurrentResources)
{
    field.SetChoiceData(2002, 2, 14, -1);
    {
        CurrentResources own(CurrentResources::Host());
        ModalScript driver([](HWND hDlg) { ::PostMessageA(hDlg, WM_CLOSE, 0, 0); });
        DoubleClick();
        ASSERT_EQ(driver.Runs(), 1);
        EXPECT_EQ(driver.Captions()[0], "DECOY");
    }
    {
        CurrentResources lib(CurrentResources::Library());
        ModalScript driver([](HWND hDlg) {
            EXPECT_TRUE(dlg::Checked(hDlg, IDC_RD_EVERYYEAR));
            dlg::Click(hDlg, IDOK);
        });
        DoubleClick();
        ASSERT_EQ(driver.Runs(), 1);
        EXPECT_EQ(driver.Captions()[0], "定期の設定");
    }
    EXPECT_EQ(Text(), "毎年2月14日");
}

}  // namespace
