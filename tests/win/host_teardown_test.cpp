// Hosts that destroy a control, or the dialog that holds it, inside one of the
// library's signals or under one of its message boxes. The controls live in
// fenced memory: any touch of a deleted control ends the test.
#include "window_test.h"

#include "control_values.h"
#include "controls/zel_messages.h"
#include "fenced_object.h"
#include "modal_script.h"

namespace {

HWND Item(HWND hCtrl, int nID) { return ::GetDlgItem(hCtrl, nID); }

class HostTeardownTest : public WindowTest {
protected:
    void TearDown() override
    {
        host.onCommand = nullptr;
        WindowTest::TearDown();
    }

    // A control in a host dialog of its own (each case destroys one).
    template <class T>
    HWND Make(FencedObject<T>& ctrl)
    {
        host.RemakeDialog();
        m_hHostDlg = host.Dialog()->m_hWnd;
        return ctrl.Alive() && Place(*ctrl, host) ? ctrl->m_hWnd : nullptr;
    }
    // The control object goes, with the host dialog when bDialog (as in a
    // host whose dialog object owns its controls); DestroyOn: on the main
    // window's command nCommand with lParam.
    template <class T>
    void Destroy(FencedObject<T>& ctrl, bool bDialog)
    {
        if (ctrl.Alive() && bDialog)
            ::DestroyWindow(m_hHostDlg);
        ctrl.Delete();
    }
    template <class T>
    void DestroyOn(FencedObject<T>& ctrl, bool bDialog, UINT nCommand, LPARAM lParam = 0)
    {
        host.onCommand = [=, this, &ctrl](const RecordedCommand& c) {
            if (c.wParam == nCommand && c.lParam == lParam)
                Destroy(ctrl, bDialog);
        };
    }

    HWND m_hHostDlg = nullptr;
};

// The date-change message comes from typing, the notification box, 定期 and 日時.
TEST_F(HostTeardownTest, DateChangeHandlerDeletesTheControl)
{
    HeldFlag dateChange("ZEL2_DATE_CHANGE");
    const auto act = [](HWND hCtrl, int nID) {
        if (nID == IDC_YEAR_EDIT)
            TestHost::Focus(Item(hCtrl, nID)), TestHost::Type("12");
        else if (nID != 0)
            TestHost::Click(Item(hCtrl, nID));
    };
    const auto run = [&](auto& ctrl, int nID, int nBeforeID = 0) {
        const HWND hCtrl = Make(ctrl);
        ASSERT_NE(hCtrl, nullptr);
        act(hCtrl, nBeforeID);
        DestroyOn(ctrl, false, Msg("ZEL2_DATE_CHANGE"));
        act(hCtrl, nID);
        EXPECT_FALSE(ctrl.Alive() || ::IsWindow(hCtrl)) << nID;
    };
    FencedObject<CZelCalNorm> norm;
    run(norm, IDC_YEAR_EDIT);
    FencedObject<CZelCalBirthNotify> birth;
    run(birth, IDC_CHK_NOTIFY);
    FencedObject<CZelCalReg> reg;
    run(reg, IDC_BTN_REG);
    FencedObject<CZelCalRegNotNotify> regNone;  // 日時 from the rule face
    run(regNone, IDC_BTN_DAY, IDC_BTN_REG);
    EXPECT_EQ(boxes.Count(), 0u);
}

// 設定 brackets the rule dialog with ENABLE 0 and 1; the host tears its dialog
// down on either. ENABLE 1 still comes when the rule dialog never ran.
TEST_F(HostTeardownTest, EnableHandlerDestroysTheDialogOfAPeriodicControl)
{
    for (LPARAM lWhen : {0, 1}) {
        SCOPED_TRACE(lWhen);
        FencedObject<CZelCalRegNotify> ctrl;
        const HWND hCtrl = Make(ctrl);
        ASSERT_NE(hCtrl, nullptr);
        ctrl->SetChoiceData(1, 2002, 0, 25, 1, 1, COleDateTime(2002, 1, 25, 0, 0, 0));
        host.Clear();
        DestroyOn(ctrl, true, Msg("ZEL2_CALWND_ENABLE"), lWhen);
        ModalScript driver([](HWND hDlg) { dlg::Click(hDlg, IDOK); });
        TestHost::Click(Item(hCtrl, IDC_BTN_SET));
        EXPECT_FALSE(ctrl.Alive() || ::IsWindow(m_hHostDlg));
        EXPECT_EQ(driver.RanOnce(), lWhen == 1);
        EXPECT_EQ(host.events, (Events{"ZEL2_CALWND_ENABLE 0", "ZEL2_CALWND_ENABLE 1"}));
    }
}

// The frame's era error box (closed list, and the open list of a periodic
// control), the whole-date box of CZelCalNormCal and the year box of
// CZelCalBirth, each with the host dialog destroyed under it by a message the
// box's loop hands on. A field left with a wrong entry because the host dialog
// goes shows no box and tells the host nothing.
TEST_F(HostTeardownTest, HostDialogGoesUnderAControlsErrorBoxOrWhileAFieldIsBeingLeft)
{
    const UINT nKill = WM_APP;
    // pszBox: the box the host dialog goes under; none when it goes as the field is left.
    const auto run = [&](auto& ctrl, const std::function<void(HWND)>& act, const char* pszBox) {
        const HWND hCtrl = Make(ctrl);
        ASSERT_NE(hCtrl, nullptr);
        boxes.onBox = [&](HWND) { ::PostMessageA(host.MainWindow(), WM_COMMAND, nKill, 0); };
        DestroyOn(ctrl, true, nKill);
        act(hCtrl);
        if (pszBox == nullptr)
            Destroy(ctrl, true), TestHost::Pump();
        boxes.onBox = nullptr;
        const Events told{std::string("box: ") + (pszBox ? pszBox : ""), "WM_COMMAND 32768 0"};
        EXPECT_EQ(host.events, pszBox ? told : Events{});
        EXPECT_FALSE(ctrl.Alive() || ::IsWindow(hCtrl));
    };
    const auto eraBox = [&](auto& ctrl, int nEntry, bool bOpen) {
        run(ctrl, [&, nEntry, bOpen](HWND hCtrl) {
            GiveValue(*ctrl, {1, 1500, 1, 1, 0, 0, COleDateTime()});  // before every era
            host.Clear();
            TestHost::ChooseWithKeys(Item(hCtrl, IDC_FORM_COMBO), nEntry, bOpen);
        }, ZEL_MSG_INVALID_INPUT);
    };
    FencedObject<CZelCalNorm> norm;
    eraBox(norm, 1, false);
    FencedObject<CZelCalRegNotNotify> regNone;  // the open list
    eraBox(regNone, 2, true);
    // The user types over the field's text, then clicks into the host's next field.
    const auto typeOver = [&](HWND hField, const char* pszText, bool bLeave) {
        TestHost::Focus(hField);
        ::SendMessageA(hField, EM_SETSEL, 0, -1);
        TestHost::Type(pszText);
        host.Clear();
        if (bLeave)
            TestHost::Focus(host.Next()->m_hWnd);
    };
    for (bool bUnderBox : {true, false}) {
        SCOPED_TRACE(bUnderBox);
        FencedObject<CZelCalNormCal> normCal;
        run(normCal, [&](HWND hCtrl) {
            normCal->SetChoiceData(1, 2001, 2, 1);
            typeOver(Item(hCtrl, IDC_DAY_EDIT), "30", bUnderBox);
        }, bUnderBox ? ZEL_MSG_DATE_ERROR : nullptr);
        FencedObject<CZelCalBirth> birth;
        run(birth, [&](HWND hCtrl) { typeOver(Item(hCtrl, IDC_YEAR_EDIT), "1a", bUnderBox); },
            bUnderBox ? ZEL_MSG_NOT_NUMERIC : nullptr);
    }
}

}  // namespace
