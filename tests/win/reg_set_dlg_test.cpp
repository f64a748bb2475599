// CZelRegSetDlg run modally for real: primed from each kind of rule, the
// checks while typing and on OK, switching kinds, and closing by keys.
#include "window_test.h"

#include "controls/zel_messages.h"
#include "modal_script.h"

namespace {

struct Rule {
    int nInterval, nMonth, nDay;
    bool operator==(const Rule& o) const
    {
        return nInterval == o.nInterval && nMonth == o.nMonth && nDay == o.nDay;
    }
};

std::ostream& operator<<(std::ostream& os, const Rule& r)
{
    return os << "(" << r.nInterval << ", " << r.nMonth << ", " << r.nDay << ")";
}

class RegSetDlgTest : public WindowTest {
protected:
    void SetUp() override { lib = std::make_unique<CurrentResources>(CurrentResources::Library()); }
    void TearDown() override
    {
        lib.reset();
        WindowTest::TearDown();
    }

    // Primes a dialog, runs it with the script inside its loop and gives the
    // result of DoModal; the rule read back afterwards goes to *pOut.
    INT_PTR Run(Rule in, const std::function<void(HWND)>& script, Rule* pOut = nullptr)
    {
        CZelRegSetDlg dlg(nullptr);
        dlg.SetChoiceData(in.nInterval, in.nMonth, in.nDay);
        ModalScript driver(script);
        INT_PTR nResult = dlg.DoModal();
        EXPECT_EQ(driver.Runs(), 1);
        EXPECT_FALSE(driver.ForcedClose()) << "the script left the dialog open";
        if (pOut != nullptr) {
            *pOut = Rule{-99, -99, -99};
            dlg.GetChoiceData(pOut->nInterval, pOut->nMonth, pOut->nDay);
        }
        return nResult;
    }

    // The text of the last box and where the focus went when it closed.
    std::string LastBoxText() const { return boxes.Count() ? boxes.Boxes().back().text : std::string(); }

    std::unique_ptr<CurrentResources> lib;
};

TEST_F(RegSetDlgTest, OpensPrimedFromEachKindAndGivesItBackOnOk)
{
    struct Case {
        Rule in;
        int nRadio;       // the button checked
        int nList;        // the list of the kind (0 for none)
        int nListSel;     // its selected item
        int nDayField;    // the day field of the kind
        const char* pszDay;
        Rule out;
    };
    const Case cases[] = {
        {{3, 0, 10}, IDC_RD_EACHMONTH, IDC_EACHMONTH_COMBO, 1, IDC_EACHDAY_EDIT, "10", {3, 0, 10}},
        {{-1, 2, 14}, IDC_RD_EVERYYEAR, IDC_EVERYYEAR_COMBO, 1, IDC_EVERYYDAY_EDIT, "14", {-1, 2, 14}},
        {{1, 7, 20}, IDC_RD_EVERYMONTH, 0, 0, IDC_EVERYDAY_EDIT, "20", {1, 0, 20}},
        {{12, 0, 31}, IDC_RD_EACHMONTH, IDC_EACHMONTH_COMBO, 10, IDC_EACHDAY_EDIT, "31", {12, 0, 31}},
    };
    const int kKindItems[] = {IDC_EVERYDAY_EDIT, IDC_EACHMONTH_COMBO, IDC_EACHDAY_EDIT, IDC_EVERYYEAR_COMBO,
                              IDC_EVERYYDAY_EDIT};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "primed with " << c.in);
        Rule out{};
        std::string caption;
        INT_PTR nResult = Run(
            c.in,
            [&](HWND hDlg) {
                caption = TestHost::Text(hDlg);
                for (int nRadio : {IDC_RD_EVERYMONTH, IDC_RD_EACHMONTH, IDC_RD_EVERYYEAR})
                    EXPECT_EQ(dlg::Checked(hDlg, nRadio), nRadio == c.nRadio) << nRadio;
                if (c.nList != 0) {
                    EXPECT_EQ(dlg::Selection(hDlg, c.nList), c.nListSel);
                }
                EXPECT_EQ(dlg::Text(hDlg, c.nDayField), c.pszDay);
                // Only the widgets of the rule's kind are enabled.
                for (int nID : kKindItems) {
                    const bool bOwn = nID == c.nDayField || nID == c.nList;
                    EXPECT_EQ(dlg::Enabled(hDlg, nID), bOwn) << nID;
                }
                dlg::Click(hDlg, IDOK);
            },
            &out);
        EXPECT_EQ(nResult, IDOK);
        EXPECT_EQ(out, c.out);
        EXPECT_EQ(caption, "定期の設定");
    }
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(RegSetDlgTest, TypingIsCheckedAtOnceWhileTheCheckStageIsHeld)
{
    std::vector<bool> stageHeld;
    boxes.onBox = [&](const RecordedBox&) { stageHeld.push_back(NamedFlagExists("ZEL2_CHECKVALUE_STAGE")); };
    Rule out{};
    INT_PTR nResult = Run(
        {1, 0, 5},
        [&](HWND hDlg) {
            // Emptying the field raises nothing.
            dlg::SetText(hDlg, IDC_EVERYDAY_EDIT, "");
            EXPECT_EQ(boxes.Count(), 0u);

            dlg::TypeInto(hDlg, IDC_EVERYDAY_EDIT, "a");
            ASSERT_EQ(boxes.Count(), 1u);
            const RecordedBox& letter = boxes.Boxes()[0];
            EXPECT_EQ(letter.text, ZEL_MSG_NOT_NUMERIC);
            EXPECT_EQ(letter.caption, "ゼルノート");
            EXPECT_EQ(letter.icon, static_cast<UINT>(MB_ICONSTOP));
            EXPECT_EQ(letter.owner, hDlg);
            // The typed text stays; the focus is back on the field.
            EXPECT_EQ(dlg::Text(hDlg, IDC_EVERYDAY_EDIT), "a");
            EXPECT_EQ(TestHost::Focused(), dlg::Item(hDlg, IDC_EVERYDAY_EDIT));

            // A leading 0 is out of range at once; the next digit makes it good.
            dlg::SetText(hDlg, IDC_EVERYDAY_EDIT, "");
            dlg::TypeInto(hDlg, IDC_EVERYDAY_EDIT, "0");
            ASSERT_EQ(boxes.Count(), 2u);
            EXPECT_EQ(LastBoxText(), ZEL_MSG_INVALID_INPUT);
            TestHost::Type("5");
            EXPECT_EQ(boxes.Count(), 2u);
            EXPECT_EQ(dlg::Text(hDlg, IDC_EVERYDAY_EDIT), "05");

            // The day of another kind is checked as its own field.
            dlg::Click(hDlg, IDC_RD_EVERYYEAR);
            dlg::TypeInto(hDlg, IDC_EVERYYDAY_EDIT, "x");
            ASSERT_EQ(boxes.Count(), 3u);
            EXPECT_EQ(LastBoxText(), ZEL_MSG_NOT_NUMERIC);
            EXPECT_EQ(TestHost::Focused(), dlg::Item(hDlg, IDC_EVERYYDAY_EDIT));

            // An empty field passes the live check but not OK.
            dlg::Click(hDlg, IDC_RD_EVERYMONTH);
            dlg::SetText(hDlg, IDC_EVERYDAY_EDIT, "");
            dlg::Click(hDlg, IDOK);
            ASSERT_EQ(boxes.Count(), 4u);
            EXPECT_EQ(LastBoxText(), ZEL_MSG_DATE_ERROR);
            EXPECT_EQ(boxes.Boxes()[3].owner, hDlg);
            EXPECT_EQ(TestHost::Focused(), dlg::Item(hDlg, IDC_EVERYDAY_EDIT));

            dlg::TypeInto(hDlg, IDC_EVERYDAY_EDIT, "31");
            dlg::Click(hDlg, IDOK);
        },
        &out);
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(out, (Rule{1, 0, 31}));
    // Held while each live check's box is up; OK's own check does not take it.
    EXPECT_EQ(stageHeld, (std::vector<bool>{true, true, true, false}));
}

TEST_F(RegSetDlgTest, LiveChecksAreSkippedWhileAnotherProcessHoldsTheStage)
{
    FlagHolderProcess holder("ZEL2_CHECKVALUE_STAGE");
    ASSERT_TRUE(holder.Ready());
    Rule out{};
    INT_PTR nResult = Run(
        {1, 0, 5},
        [&](HWND hDlg) {
            dlg::SetText(hDlg, IDC_EVERYDAY_EDIT, "");
            dlg::TypeInto(hDlg, IDC_EVERYDAY_EDIT, "b");
            EXPECT_EQ(boxes.Count(), 0u);
            EXPECT_EQ(dlg::Text(hDlg, IDC_EVERYDAY_EDIT), "b");
            // OK still refuses the entry.
            dlg::Click(hDlg, IDOK);
            EXPECT_EQ(boxes.Count(), 1u);
            dlg::Click(hDlg, IDCANCEL);
        },
        &out);
    EXPECT_EQ(nResult, IDCANCEL);
    EXPECT_EQ(out, (Rule{1, 0, 5}));
}

TEST_F(RegSetDlgTest, OkFocusesTheControlToCorrect)
{
    struct Case {
        const char* pszWhat;
        Rule in;
        std::function<void(HWND)> enter;  // what the user does before OK
        int nFocus;                       // 0: accepted
        Rule out;
    };
    const Case cases[] = {
        {"no interval (13 months has no item)", {13, 0, 5},
         [](HWND hDlg) {
             EXPECT_TRUE(dlg::Checked(hDlg, IDC_RD_EACHMONTH));
             EXPECT_EQ(dlg::Selection(hDlg, IDC_EACHMONTH_COMBO), CB_ERR);
         },
         IDC_EACHMONTH_COMBO, {}},
        {"no interval and no day", {13, 0, 5},
         [](HWND hDlg) { dlg::SetText(hDlg, IDC_EACHDAY_EDIT, ""); }, IDC_EACHDAY_EDIT, {}},
        {"no month", {1, 0, 5},
         [](HWND hDlg) {
             dlg::Click(hDlg, IDC_RD_EVERYYEAR);
             dlg::SetText(hDlg, IDC_EVERYYDAY_EDIT, "10");
         },
         IDC_EVERYYEAR_COMBO, {}},
        {"2月29日", {-1, 2, 28}, [](HWND hDlg) { dlg::SetText(hDlg, IDC_EVERYYDAY_EDIT, "29"); },
         IDC_EVERYYDAY_EDIT, {}},
        {"4月31日", {-1, 4, 30}, [](HWND hDlg) { dlg::SetText(hDlg, IDC_EVERYYDAY_EDIT, "31"); },
         IDC_EVERYYDAY_EDIT, {}},
        {"2月28日", {-1, 2, 1}, [](HWND hDlg) { dlg::SetText(hDlg, IDC_EVERYYDAY_EDIT, "28"); }, 0,
         {-1, 2, 28}},
        {"4月30日", {-1, 4, 1}, [](HWND hDlg) { dlg::SetText(hDlg, IDC_EVERYYDAY_EDIT, "30"); }, 0,
         {-1, 4, 30}},
        {"12月31日", {-1, 5, 1},
         [](HWND hDlg) {
             dlg::Select(hDlg, IDC_EVERYYEAR_COMBO, 11);
             dlg::SetText(hDlg, IDC_EVERYYDAY_EDIT, "31");
         },
         0, {-1, 12, 31}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszWhat);
        boxes.Clear();
        HWND hFocus = nullptr;
        Rule out{};
        INT_PTR nResult = Run(
            c.in,
            [&](HWND hDlg) {
                c.enter(hDlg);
                dlg::Click(hDlg, IDOK);
                if (c.nFocus != 0) {
                    hFocus = TestHost::Focused();
                    EXPECT_EQ(hFocus, dlg::Item(hDlg, c.nFocus));
                    dlg::Click(hDlg, IDCANCEL);
                }
            },
            &out);
        if (c.nFocus != 0) {
            ASSERT_EQ(boxes.Count(), 1u);
            EXPECT_EQ(boxes.Boxes()[0].text, ZEL_MSG_DATE_ERROR);
            EXPECT_EQ(boxes.Boxes()[0].icon, static_cast<UINT>(MB_ICONSTOP));
            EXPECT_EQ(nResult, IDCANCEL);
        } else {
            EXPECT_EQ(boxes.Count(), 0u);
            EXPECT_EQ(nResult, IDOK);
            EXPECT_EQ(out, c.out);
        }
    }
}

TEST_F(RegSetDlgTest, SwitchingKindsKeepsWhatWasTypedForEach)
{
    Rule out{};
    INT_PTR nResult = Run(
        {-1, 2, 14},
        [&](HWND hDlg) {
            dlg::Click(hDlg, IDC_RD_EVERYMONTH);
            EXPECT_TRUE(dlg::Enabled(hDlg, IDC_EVERYDAY_EDIT));
            EXPECT_FALSE(dlg::Enabled(hDlg, IDC_EVERYYEAR_COMBO));
            EXPECT_FALSE(dlg::Enabled(hDlg, IDC_EVERYYDAY_EDIT));
            dlg::SetText(hDlg, IDC_EVERYDAY_EDIT, "7");
            dlg::Click(hDlg, IDC_RD_EACHMONTH);
            dlg::Select(hDlg, IDC_EACHMONTH_COMBO, 4);
            dlg::SetText(hDlg, IDC_EACHDAY_EDIT, "9");
            dlg::Click(hDlg, IDC_RD_EVERYYEAR);
            EXPECT_EQ(dlg::Selection(hDlg, IDC_EVERYYEAR_COMBO), 1);
            EXPECT_EQ(dlg::Text(hDlg, IDC_EVERYYDAY_EDIT), "14");
            EXPECT_EQ(dlg::Text(hDlg, IDC_EVERYDAY_EDIT), "7");
            EXPECT_EQ(dlg::Selection(hDlg, IDC_EACHMONTH_COMBO), 4);
            dlg::Click(hDlg, IDOK);
        },
        &out);
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(out, (Rule{-1, 2, 14}));

    // The kind checked at OK is the one returned.
    nResult = Run(
        {-1, 2, 14},
        [&](HWND hDlg) {
            dlg::Click(hDlg, IDC_RD_EACHMONTH);
            dlg::Select(hDlg, IDC_EACHMONTH_COMBO, 4);
            dlg::SetText(hDlg, IDC_EACHDAY_EDIT, "9");
            dlg::Click(hDlg, IDOK);
        },
        &out);
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(out, (Rule{6, 0, 9}));
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(RegSetDlgTest, RuleWithoutDayOpensAsEveryMonthWithZero)
{
    // No rule at all: 毎月 with 0, refused by the live check as it opens.
    Run({0, 5, 5}, [&](HWND hDlg) {
        EXPECT_TRUE(dlg::Checked(hDlg, IDC_RD_EVERYMONTH));
        EXPECT_EQ(dlg::Text(hDlg, IDC_EVERYDAY_EDIT), "0");
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, ZEL_MSG_INVALID_INPUT);
        dlg::Click(hDlg, IDCANCEL);
    });

    // A 隔月 rule on day 0: 毎月 checked with 0, yet the 隔月 fields are the
    // enabled ones; OK fails until a kind is clicked and a day entered.
    boxes.Clear();
    Rule out{};
    INT_PTR nResult = Run(
        {3, 0, 0},
        [&](HWND hDlg) {
            EXPECT_TRUE(dlg::Checked(hDlg, IDC_RD_EVERYMONTH));
            EXPECT_EQ(dlg::Text(hDlg, IDC_EVERYDAY_EDIT), "0");
            EXPECT_FALSE(dlg::Enabled(hDlg, IDC_EVERYDAY_EDIT));
            EXPECT_TRUE(dlg::Enabled(hDlg, IDC_EACHMONTH_COMBO));
            EXPECT_TRUE(dlg::Enabled(hDlg, IDC_EACHDAY_EDIT));
            boxes.Clear();
            dlg::Click(hDlg, IDOK);
            ASSERT_EQ(boxes.Count(), 1u);
            EXPECT_EQ(boxes.Boxes()[0].text, ZEL_MSG_DATE_ERROR);
            EXPECT_TRUE(::IsWindowVisible(hDlg));
            dlg::Click(hDlg, IDC_RD_EACHMONTH);
            dlg::Select(hDlg, IDC_EACHMONTH_COMBO, 1);
            dlg::TypeInto(hDlg, IDC_EACHDAY_EDIT, "12");
            dlg::Click(hDlg, IDOK);
        },
        &out);
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(out, (Rule{3, 0, 12}));
}

TEST_F(RegSetDlgTest, EscapeCancelsAndEnterRunsTheOkCheck)
{
    Rule out{};
    INT_PTR nResult = Run(
        {1, 0, 20},
        [&](HWND hDlg) {
            dlg::SetText(hDlg, IDC_EVERYDAY_EDIT, "5");
            TestHost::Focus(dlg::Item(hDlg, IDC_EVERYDAY_EDIT));
            TestHost::PressKey(VK_ESCAPE);
        },
        &out);
    EXPECT_EQ(nResult, IDCANCEL);
    EXPECT_EQ(out, (Rule{1, 0, 20})) << "a cancelled run stores nothing";

    nResult = Run(
        {1, 0, 20},
        [&](HWND hDlg) {
            dlg::SetText(hDlg, IDC_EVERYDAY_EDIT, "");
            TestHost::Focus(dlg::Item(hDlg, IDC_EVERYDAY_EDIT));
            TestHost::PressKey(VK_RETURN);
            EXPECT_EQ(boxes.Count(), 1u);
            EXPECT_TRUE(::IsWindowVisible(hDlg)) << "a failed check keeps the dialog open";
            TestHost::Type("25");
            TestHost::PressKey(VK_RETURN);
        },
        &out);
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(out, (Rule{1, 0, 25}));
}

}  // namespace
