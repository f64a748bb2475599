// The periodic controls CZelCalReg (with its rule text CZelStrEdit), CZelCalRegNotify, CZelCalRegNotNotify.
#include "window_test.h"

#include <type_traits>

#include "modal_script.h"

namespace {

COleDateTime Date(int y, int m, int d) { return COleDateTime(y, m, d, 0, 0, 0); }

template <class Ctrl>
class PeriodicTest : public ControlTest<Ctrl> {
protected:
    using ControlTest<Ctrl>::ctrl;
    using ControlTest<Ctrl>::Item;
    using ControlTest<Ctrl>::Field;
    static constexpr bool kReg = std::is_same_v<Ctrl, CZelCalReg>;  // no notification switch

    std::string Era() { return std::to_string(TestHost::Selection(Item(IDC_FORM_COMBO))) + ':' + Field(IDC_FORM_COMBO); }
    // The value's numbers, its date in dt. FromMonth leaves out calendar and
    // year, which the rule face reads from the hidden era list and year field.
    std::vector<int> Get()
    {
        int n[6] = {-9, -9, -9, -9, -9, -9};
        if constexpr (kReg)
            ctrl.GetChoiceData(n[0], n[1], n[2], n[3], n[4], dt);
        else
            ctrl.GetChoiceData(n[0], n[1], n[2], n[3], n[4], n[5], dt);
        return {n, n + (kReg ? 5 : 6)};
    }
    std::vector<int> FromMonth() { const std::vector<int> v = Get(); return {v.begin() + 2, v.end()}; }
    // The rule face is the rule text, 設定 and 日時 (IDs from 32706 up).
    void ExpectFace(bool bRule)
    {
        for (int nID : {IDC_FORM_COMBO, IDC_YEAR_EDIT, IDC_BTN_REG, IDC_STR_EDIT, IDC_BTN_SET, IDC_BTN_DAY})
            EXPECT_EQ(::IsWindowVisible(Item(nID)) != FALSE, bRule == (nID >= IDC_STR_EDIT)) << nID;
    }
    void ExpectDateItemsEnabled(bool bEnabled)
    {
        for (int nID : {IDC_YEAR_EDIT, IDC_MONTH_EDIT, IDC_DAY_EDIT, IDC_BTN_REG, IDC_CHK_NOTIFY})
            EXPECT_EQ(::IsWindowEnabled(Item(nID)) != FALSE, bEnabled) << nID;
    }
    COleDateTime dt;
};

using CalRegTest = PeriodicTest<CZelCalReg>;
using CalRegNotifyTest = PeriodicTest<CZelCalRegNotify>;
using CalRegNotNotifyTest = PeriodicTest<CZelCalRegNotNotify>;

// The face follows the value; 定期 then 日時 brings back the kept date, signalling each switch.
TEST_F(CalRegTest, FaceFollowsTheValueAndRegThenDayBringsBackTheKeptDate)
{
    ctrl.SetChoiceData(1, 2002, 3, 15, -1, Date(2002, 3, 15));
    ExpectFace(true);
    ctrl.SetChoiceData(1, 2002, 5, 10, 0, COleDateTime());
    ExpectFace(false);
    ::SetDlgItemTextA(ctrl.m_hWnd, IDC_YEAR_EDIT, "1999");  // not the date kept for 日時
    HeldFlag dateChange("ZEL2_DATE_CHANGE");
    TestHost::Click(Item(IDC_BTN_REG));
    EXPECT_EQ(Field(IDC_STR_EDIT), "毎月1日");
    EXPECT_EQ(host.events, Events{"ZEL2_DATE_CHANGE 0"});
    host.Clear();
    TestHost::Click(Item(IDC_BTN_DAY));
    ExpectFace(false);
    EXPECT_EQ(Get(), (std::vector<int>{1, 2002, 5, 10, 0}));
    // The year, month and day written back, then the switch itself.
    EXPECT_EQ(host.events, Events(4, "ZEL2_DATE_CHANGE 0"));
}

// 設定 offers the held rule and takes the dialog's on OK only. (The enable
// signals around it: the host teardown test.)
TEST_F(CalRegTest, SetButtonOffersTheHeldRuleAndTakesTheDialogsOnOk)
{
    ctrl.SetChoiceData(1, 2002, 0, 25, 1, Date(2002, 1, 25));
    for (bool bAccept : {true, false}) {
        ModalScript driver([&](HWND hDlg) {
            EXPECT_EQ(dlg::Text(hDlg, bAccept ? IDC_EVERYDAY_EDIT : IDC_EVERYYDAY_EDIT), bAccept ? "25" : "15");
            dlg::Click(hDlg, IDC_RD_EVERYYEAR);
            dlg::Select(hDlg, IDC_EVERYYEAR_COMBO, bAccept ? 2 : 5);
            dlg::SetText(hDlg, IDC_EVERYYDAY_EDIT, bAccept ? "15" : "20");
            dlg::Click(hDlg, bAccept ? IDOK : IDCANCEL);
        });
        TestHost::Click(Item(IDC_BTN_SET));
        EXPECT_TRUE(driver.RanOnce());
        EXPECT_EQ(Field(IDC_STR_EDIT), "毎年3月15日");
        EXPECT_EQ(FromMonth(), (std::vector<int>{3, 15, -1}));
    }
}

// The rule text passes the focus on; a double-click edits its copy, quietly,
// in the dialog of the current resources.
TEST_F(CalRegTest, RuleTextEditsItsOwnCopyInTheCurrentTemplate)
{
    const auto doubleClick = [&](const std::function<void(HWND)>& script) {
        ModalScript driver(script);
        ::PostMessageA(Item(IDC_STR_EDIT), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
        TestHost::Pump();
        return driver.caption;
    };
    ctrl.SetChoiceData(1, 2002, 3, 15, -1, Date(2002, 3, 15));
    TestHost::Focus(Item(IDC_STR_EDIT));
    EXPECT_EQ(TestHost::Focused(), Item(IDC_BTN_SET));
    HeldFlag dateChange("ZEL2_DATE_CHANGE");
    host.Clear();
    EXPECT_EQ(doubleClick([](HWND hDlg) {
        EXPECT_EQ(dlg::Selection(hDlg, IDC_EVERYYEAR_COMBO), 2);
        dlg::Click(hDlg, IDC_RD_EACHMONTH);
        dlg::Select(hDlg, IDC_EACHMONTH_COMBO, 1);
        dlg::SetText(hDlg, IDC_EACHDAY_EDIT, "10");
        dlg::Click(hDlg, IDOK);
    }), "定期の設定");
    EXPECT_EQ(Field(IDC_STR_EDIT), "3ヶ月に1回の10日");
    EXPECT_EQ(FromMonth(), (std::vector<int>{3, 15, -1}));
    EXPECT_TRUE(host.commands.empty());
    CurrentResources own(CurrentResources::Host());
    EXPECT_EQ(doubleClick([](HWND hDlg) { ::PostMessageA(hDlg, WM_CLOSE, 0, 0); }), "DECOY");
}

// A rule travels as the date value's month and day, in December 2000 unless
// yearly; 日時 starts from today, 定期 from 毎月1日, not what was held.
TEST_F(CalRegNotifyTest, RuleTravelsInTheDateValueAndTheButtonsStartAfresh)
{
    ctrl.SetChoiceData(1, 2002, 5, 10, 0, 2, Date(2001, 1, 31));
    EXPECT_EQ(Field(IDC_STR_EDIT), "2ヶ月に1回の31日");
    EXPECT_EQ(FromMonth(), (std::vector<int>{5, 10, 0, 2}));
    EXPECT_TRUE(dt == Date(2000, 12, 31));
    ctrl.SetChoiceData(1, 2002, 5, 10, 1, -1, Date(2003, 3, 3));
    const COleDateTime dtBefore = COleDateTime::GetCurrentTime();
    TestHost::Click(Item(IDC_BTN_DAY));
    const std::vector<int> day = Get();
    EXPECT_EQ((std::vector<int>{day[0], day[4], day[5]}), (std::vector<int>{1, 1, 0}));
    EXPECT_TRUE(IsToday(day[1], day[2], day[3], dtBefore));
    TestHost::Click(Item(IDC_BTN_REG));
    EXPECT_EQ(Field(IDC_STR_EDIT), "毎月1日");
    EXPECT_EQ(FromMonth(), (std::vector<int>{day[2], day[3], 1, 1}));
    EXPECT_TRUE(dt == Date(2000, 12, 1));
}

// なし first (no date: greyed, all zeros), 西暦, the eras; なし unticks the box,
// an era brings the date back. なし never shows with a date held, also after a
// refused era (昭和, empty year, なし, 明治) in the open list; the closed list goes back to 昭和.
TEST_F(CalRegNotNotifyTest, NoneThenWesternThenTheErasAndNoneAlwaysMeansNoDate)
{
    const std::vector<int> noDate{0, 0, 0, 0, 0, 0};
    const HWND hList = Item(IDC_FORM_COMBO);
    ctrl.SetChoiceData(1, 0, 0, 0, 1, 0, COleDateTime());
    EXPECT_EQ(Era(), "0:なし");
    ExpectDateItemsEnabled(false);
    EXPECT_EQ(Get(), noDate);
    ctrl.SetChoiceData(0, 2001, 4, 1, 0, 0, COleDateTime());
    EXPECT_EQ(Era() + Field(IDC_YEAR_EDIT), "2:平成13");
    ctrl.SetChoiceData(1, 2002, 5, 10, 1, 0, COleDateTime());
    EXPECT_EQ(Era(), "1:西暦");
    TestHost::ChooseWithKeys(hList, 0);
    ExpectDateItemsEnabled(false);
    EXPECT_NE(::IsDlgButtonChecked(ctrl.m_hWnd, IDC_CHK_NOTIFY), BST_CHECKED);
    EXPECT_EQ(Get(), noDate);
    TestHost::ChooseWithKeys(hList, 2);
    ExpectDateItemsEnabled(true);
    EXPECT_EQ(Get(), (std::vector<int>{0, 2002, 5, 10, 1, 0}));
    for (bool bOpen : {false, true}) {
        SCOPED_TRACE(bOpen);
        ctrl.SetChoiceData(0, 1975, 5, 10, 1, 0, COleDateTime());
        ::SetWindowTextA(Item(IDC_YEAR_EDIT), "");
        boxes.boxes.clear();
        for (int nEntry : {0, 5}) {
            if (bOpen)
                TestHost::ChooseWithKeys(hList, nEntry, true);
            else
                ::SendMessageA(hList, CB_SETCURSEL, static_cast<WPARAM>(nEntry), 0),
                    ::SendMessageA(ctrl.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_FORM_COMBO, CBN_SELCHANGE),
                                   reinterpret_cast<LPARAM>(hList));
        }
        EXPECT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(Era(), bOpen ? "0:なし" : "3:昭和");
        ExpectDateItemsEnabled(!bOpen);
        EXPECT_EQ(Get() == noDate, bOpen);
    }
    TestHost::ChooseWithKeys(hList, 1, true);  // 西暦 brings the date back
    ExpectDateItemsEnabled(true);
    EXPECT_EQ(Get()[0], 1);
}

}  // namespace
