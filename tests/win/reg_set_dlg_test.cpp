// The rule dialog CZelRegSetDlg run modally by a script.
#include "window_test.h"

#include "controls/zel_messages.h"
#include "modal_script.h"

namespace {

using Rule = std::vector<int>;  // interval, month, day

class RegSetDlgTest : public WindowTest {
protected:
    // Runs a dialog primed with the rule, expecting DoModal's result; the rule read back goes to out.
    void Run(Rule in, INT_PTR nResult, const std::function<void(HWND)>& script)
    {
        CurrentResources lib(CurrentResources::Library());
        CZelRegSetDlg dialog(nullptr);
        dialog.SetChoiceData(in[0], in[1], in[2]);
        ModalScript driver(script);
        EXPECT_EQ(dialog.DoModal(), nResult);
        EXPECT_TRUE(driver.Runs() == 1 && !driver.ForcedClose()) << "the script did not close the dialog";
        dialog.GetChoiceData(out[0], out[1], out[2]);
    }

    Rule out{-9, -9, -9};
};

// Each kind opens with its button, list item and day, only its own day field enabled.
TEST_F(RegSetDlgTest, OpensPrimedFromEachKindAndGivesItBackOnOk)
{
    const struct { Rule in; int nRadio, nList, nDayField; const char* pszDay; Rule out; } cases[] = {
        {{3, 0, 10}, IDC_RD_EACHMONTH, IDC_EACHMONTH_COMBO, IDC_EACHDAY_EDIT, "10", {3, 0, 10}},
        {{-1, 2, 14}, IDC_RD_EVERYYEAR, IDC_EVERYYEAR_COMBO, IDC_EVERYYDAY_EDIT, "14", {-1, 2, 14}},
        {{1, 7, 20}, IDC_RD_EVERYMONTH, 0, IDC_EVERYDAY_EDIT, "20", {1, 0, 20}}};
    for (const auto& c : cases) {
        Run(c.in, IDOK, [&](HWND hDlg) {
            EXPECT_TRUE(dlg::Checked(hDlg, c.nRadio));
            EXPECT_EQ(c.nList ? dlg::Selection(hDlg, c.nList) : 1, 1);
            EXPECT_EQ(dlg::Text(hDlg, c.nDayField), c.pszDay);
            for (int nID : {IDC_EVERYDAY_EDIT, IDC_EACHDAY_EDIT, IDC_EVERYYDAY_EDIT})
                EXPECT_EQ(dlg::Enabled(hDlg, nID), nID == c.nDayField) << nID;
            dlg::Click(hDlg, IDOK);
        });
        EXPECT_EQ(out, c.out);
    }
}

// The interval and month lists come from the data stored with the template.
TEST_F(RegSetDlgTest, ListsAreFilledFromTheTemplatesData)
{
    std::vector<std::string> seen;
    Run({1, 0, 1}, IDCANCEL, [&](HWND hDlg) {
        for (int nID : {IDC_EACHMONTH_COMBO, IDC_EVERYYEAR_COMBO}) {
            const int nCount = static_cast<int>(::SendDlgItemMessageA(hDlg, nID, CB_GETCOUNT, 0, 0));
            char szFirst[32] = {}, szLast[32] = {};
            ::SendDlgItemMessageA(hDlg, nID, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(szFirst));
            ::SendDlgItemMessageA(hDlg, nID, CB_GETLBTEXT, nCount - 1, reinterpret_cast<LPARAM>(szLast));
            seen.push_back(std::to_string(nCount) + " " + szFirst + ".." + szLast);
        }
        dlg::Click(hDlg, IDCANCEL);
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"11 2ヶ月に1回..12ヶ月に1回", "12 1月..12月"}));
}

// A day field is checked as it is typed in, the focus coming back to it.
TEST_F(RegSetDlgTest, DayFieldsAreCheckedWhileTyping)
{
    Run({1, 0, 5}, IDCANCEL, [&](HWND hDlg) {
        dlg::TypeInto(hDlg, IDC_EVERYDAY_EDIT, "a");
        EXPECT_EQ(TestHost::Focused(), dlg::Item(hDlg, IDC_EVERYDAY_EDIT));
        dlg::Click(hDlg, IDC_RD_EVERYYEAR);
        dlg::TypeInto(hDlg, IDC_EVERYYDAY_EDIT, "0");
        TestHost::Type("5");  // 05 passes
        dlg::Click(hDlg, IDCANCEL);
    });
    std::vector<std::string> texts;
    for (const RecordedBox& box : boxes.Boxes())
        texts.push_back(box.text);
    EXPECT_EQ(texts, (std::vector<std::string>{ZEL_MSG_NOT_NUMERIC, ZEL_MSG_INVALID_INPUT}));
}

// OK refuses a bad rule, focusing what to correct (13 months has no list item); 4月30日 passes.
TEST_F(RegSetDlgTest, OkRefusesABadRuleAndFocusesTheItemToCorrect)
{
    const struct { Rule in; int nRadio, nDayField; const char* pszDay; int nFocus; } cases[] = {
        {{13, 0, 5}, IDC_RD_EACHMONTH, IDC_EACHDAY_EDIT, "5", IDC_EACHMONTH_COMBO},
        {{13, 0, 5}, IDC_RD_EACHMONTH, IDC_EACHDAY_EDIT, "", IDC_EACHDAY_EDIT},
        {{1, 0, 5}, IDC_RD_EVERYYEAR, IDC_EVERYYDAY_EDIT, "10", IDC_EVERYYEAR_COMBO},
        {{-1, 2, 28}, IDC_RD_EVERYYEAR, IDC_EVERYYDAY_EDIT, "29", IDC_EVERYYDAY_EDIT},
        {{-1, 4, 1}, IDC_RD_EVERYYEAR, IDC_EVERYYDAY_EDIT, "30", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "day \"" << c.pszDay << "\", focus expected on " << c.nFocus);
        boxes.Clear();
        Run(c.in, c.nFocus ? IDCANCEL : IDOK, [&](HWND hDlg) {
            dlg::Click(hDlg, c.nRadio);
            dlg::SetText(hDlg, c.nDayField, c.pszDay);
            dlg::Click(hDlg, IDOK);
            if (c.nFocus != 0) {
                EXPECT_EQ(TestHost::Focused(), dlg::Item(hDlg, c.nFocus));
                dlg::Click(hDlg, IDCANCEL);
            }
        });
        EXPECT_EQ(boxes.Count() == 1 && boxes.Boxes()[0].text == ZEL_MSG_DATE_ERROR, c.nFocus != 0);
    }
    EXPECT_EQ(out, (Rule{-1, 4, 30}));
}

}  // namespace
