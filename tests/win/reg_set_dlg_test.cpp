// The rule dialog CZelRegSetDlg run modally by a script.
#include "window_test.h"

#include "controls/zel_messages.h"
#include "modal_script.h"

namespace {

using Rule = std::vector<int>;  // interval, month, day

class RegSetDlgTest : public WindowTest {
protected:
    // Runs a dialog primed with the rule, expecting DoModal's result; gives the
    // rule read back and the texts of the boxes shown.
    std::pair<Rule, std::vector<std::string>> Run(Rule in, INT_PTR nResult, const std::function<void(HWND)>& script)
    {
        CurrentResources lib(CurrentResources::Library());
        CZelRegSetDlg dialog(nullptr);
        dialog.SetChoiceData(in[0], in[1], in[2]);
        ModalScript driver(script);
        EXPECT_EQ(dialog.DoModal(), nResult);
        EXPECT_TRUE(driver.RanOnce()) << "the script did not close the dialog";
        dialog.GetChoiceData(in[0], in[1], in[2]);
        std::vector<std::string> texts;
        for (const RecordedBox& box : boxes.boxes)
            texts.push_back(box.text);
        boxes.boxes.clear();
        return {in, texts};
    }
};

// Each kind opens with its button, list item and day, only its own day field
// enabled, and gives the rule back on OK. Day fields are checked as typed.
TEST_F(RegSetDlgTest, OpensPrimedFromEachKindAndChecksDaysWhileTyping)
{
    // The interval list and the month list as they open (CB_ERR: nothing chosen).
    const struct { Rule in; int nRadio, nEachSel, nYearSel, nDayField; Rule out; } cases[] = {
        {{3, 0, 10}, IDC_RD_EACHMONTH, 1, CB_ERR, IDC_EACHDAY_EDIT, {3, 0, 10}},
        {{-1, 2, 10}, IDC_RD_EVERYYEAR, CB_ERR, 1, IDC_EVERYYDAY_EDIT, {-1, 2, 10}},
        {{1, 7, 10}, IDC_RD_EVERYMONTH, CB_ERR, CB_ERR, IDC_EVERYDAY_EDIT, {1, 0, 10}}};
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.in, IDOK, [&](HWND hDlg) {
            EXPECT_EQ(::IsDlgButtonChecked(hDlg, c.nRadio), BST_CHECKED);
            EXPECT_EQ(dlg::Selection(hDlg, IDC_EACHMONTH_COMBO), c.nEachSel);
            EXPECT_EQ(dlg::Selection(hDlg, IDC_EVERYYEAR_COMBO), c.nYearSel);
            EXPECT_EQ(dlg::Text(hDlg, c.nDayField), "10");
            for (int nID : {IDC_EVERYDAY_EDIT, IDC_EACHDAY_EDIT, IDC_EVERYYDAY_EDIT})
                EXPECT_EQ(::IsWindowEnabled(dlg::Item(hDlg, nID)) != FALSE, nID == c.nDayField) << nID;
            dlg::Click(hDlg, IDOK);
        }).first, c.out);
    }
    EXPECT_EQ(Run({1, 0, 5}, IDCANCEL, [&](HWND hDlg) {
        dlg::TypeInto(hDlg, IDC_EVERYDAY_EDIT, "a");  // refused, the focus kept
        EXPECT_EQ(TestHost::Focused(), dlg::Item(hDlg, IDC_EVERYDAY_EDIT));
        dlg::Click(hDlg, IDC_RD_EVERYYEAR);
        dlg::TypeInto(hDlg, IDC_EVERYYDAY_EDIT, "0");
        TestHost::Type("5");  // 05 passes
        dlg::Click(hDlg, IDCANCEL);
    }).second, (std::vector<std::string>{ZEL_MSG_NOT_NUMERIC, ZEL_MSG_INVALID_INPUT}));
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
        const auto [out, texts] = Run(c.in, c.nFocus ? IDCANCEL : IDOK, [&](HWND hDlg) {
            dlg::Click(hDlg, c.nRadio);
            dlg::SetText(hDlg, c.nDayField, c.pszDay);
            dlg::Click(hDlg, IDOK);
            if (c.nFocus != 0) {
                EXPECT_EQ(TestHost::Focused(), dlg::Item(hDlg, c.nFocus));
                dlg::Click(hDlg, IDCANCEL);
            }
        });
        EXPECT_EQ(texts, c.nFocus ? std::vector<std::string>{ZEL_MSG_DATE_ERROR} : std::vector<std::string>{});
        if (c.nFocus == 0) {
            EXPECT_EQ(out, (Rule{-1, 4, 30}));
        }
    }
}

}  // namespace
