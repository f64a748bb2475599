// Hosts that destroy a control, or the dialog that holds it, inside one of the
// library's signals or while one of its message boxes is up. The controls live
// in fenced memory, so any touch of a deleted control ends the test; the base
// fixture sees that no box stays up, no flag is left and the main window ends
// enabled.
#include "window_test.h"

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
        return ctrl.Alive() && Place(*ctrl) ? ctrl->m_hWnd : nullptr;
    }

    // The host dialog goes, and the control object with it, as in a host
    // whose dialog object owns its controls: now, or on the main window's
    // command nCommand with lParam.
    template <class T>
    void DestroyHostDialog(FencedObject<T>& ctrl)
    {
        if (ctrl.Alive())
            ::DestroyWindow(m_hHostDlg), ctrl.Delete();
    }
    template <class T>
    void DestroyHostDialogOn(FencedObject<T>& ctrl, UINT nCommand, LPARAM lParam = 0)
    {
        host.onCommand = [this, &ctrl, nCommand, lParam](const RecordedCommand& c) {
            if (c.wParam == nCommand && c.lParam == lParam)
                DestroyHostDialog(ctrl);
        };
    }

    HWND m_hHostDlg = nullptr;
};

// The date-change message comes from typing, the notification box, 定期 and
// 日時: the year field is typed into, or a button clicked.
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
        host.onCommand = [&](const RecordedCommand& c) {
            if (c.wParam == Msg("ZEL2_DATE_CHANGE"))
                ctrl.Delete();
        };
        act(hCtrl, nID);
        EXPECT_FALSE(ctrl.Alive()) << nID;
        EXPECT_FALSE(::IsWindow(hCtrl)) << nID;
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
        DestroyHostDialogOn(ctrl, Msg("ZEL2_CALWND_ENABLE"), lWhen);
        ModalScript driver([](HWND hDlg) { dlg::Click(hDlg, IDOK); });
        TestHost::Click(Item(hCtrl, IDC_BTN_SET));
        EXPECT_FALSE(ctrl.Alive());
        EXPECT_FALSE(::IsWindow(m_hHostDlg));
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
        DestroyHostDialogOn(ctrl, nKill);
        act(hCtrl);
        if (pszBox == nullptr)
            DestroyHostDialog(ctrl), TestHost::Pump();
        boxes.onBox = nullptr;
        const Events told{std::string("box: ") + (pszBox ? pszBox : ""), "WM_COMMAND 32768 0"};
        EXPECT_EQ(host.events, pszBox ? told : Events{});
        EXPECT_FALSE(ctrl.Alive());
        EXPECT_FALSE(::IsWindow(hCtrl));
    };
    FencedObject<CZelCalNorm> norm;
    run(norm, [&](HWND hCtrl) {
        norm->SetChoiceData(1, 1500, 1, 1);  // before every era
        host.Clear();
        TestHost::ChooseWithKeys(Item(hCtrl, IDC_FORM_COMBO), 1);
    }, ZEL_MSG_INVALID_INPUT);
    FencedObject<CZelCalRegNotNotify> regNone;
    run(regNone, [&](HWND hCtrl) {
        regNone->SetChoiceData(1, 1500, 1, 1, 0, 0, COleDateTime());
        host.Clear();
        TestHost::ChooseWithKeys(Item(hCtrl, IDC_FORM_COMBO), 2, true);
    }, ZEL_MSG_INVALID_INPUT);
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
