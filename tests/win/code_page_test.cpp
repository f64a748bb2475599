// Japanese text right under any system code page, read back through the wide
// calls; run again under a Western locale (ZEL_EXPECT_ACP names its code page).
#include "window_test.h"

#include <cstdlib>

#include "modal_script.h"

namespace {

std::wstring WideItem(HWND hCombo, int nIndex)
{
    wchar_t buf[256] = {};
    if (::SendMessageW(hCombo, CB_GETLBTEXTLEN, nIndex, 0) >= 256)
        return L"(too long)";
    ::SendMessageW(hCombo, CB_GETLBTEXT, nIndex, reinterpret_cast<LPARAM>(buf));
    return buf;
}

class CodePageTest : public ControlTest<CZelCalNorm> {
protected:
    void SetUp() override
    {
        ControlTest<CZelCalNorm>::SetUp();
        if (const char* pszAcp = std::getenv("ZEL_EXPECT_ACP")) {
            ASSERT_EQ(::GetACP(), static_cast<UINT>(std::atoi(pszAcp)));
        }
    }
};

// Read back narrow through the framework: Shift_JIS again. What code page 932
// cannot hold becomes '?', the rest stays; a text read into a short buffer
// ends on a whole character.
TEST_F(CodePageTest, EraListFieldsAndMessageBoxAreRightThroughWideCalls)
{
    const HWND hCombo = Item(IDC_FORM_COMBO), hYear = Item(IDC_YEAR_EDIT);
    EXPECT_EQ(WideItem(hCombo, 0) + WideItem(hCombo, 1) + WideItem(hCombo, 2), L"西暦平成昭和");
    ctrl.SetChoiceData(0, 1990, 4, 7);
    EXPECT_EQ(TestHost::WideText(hCombo) + TestHost::WideText(hYear), L"平成2");
    CString strEra, strItem, strText;
    ctrl.GetDlgItemText(IDC_FORM_COMBO, strEra);
    CComboBox* pCombo = static_cast<CComboBox*>(ctrl.GetDlgItem(IDC_FORM_COMBO));
    pCombo->GetLBText(2, strItem);
    EXPECT_EQ(pCombo->GetLBTextLen(2), 4);  // in Shift_JIS bytes
    EXPECT_EQ(std::string(strEra) + std::string(strItem), "平成昭和");
    ::SetWindowTextW(hYear, L"A\u00E9\U0001F600\u5E73");
    ctrl.GetDlgItemText(IDC_YEAR_EDIT, strText);
    EXPECT_EQ(std::string(strText).substr(0, 2) + std::string(strText).substr(strText.GetLength() - 2), "A?平");
    ::SetWindowTextW(hYear, L"平成");
    char buf[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(ctrl.GetDlgItemText(IDC_YEAR_EDIT, buf, sizeof buf), 2);
    EXPECT_EQ(std::string(buf), "平");

    ctrl.SetChoiceData(0, 1985, 4, 7);  // 昭和70 does not fit 大正: the era error box
    ::SetWindowTextW(hYear, L"70");
    TestHost::ChooseWithKeys(hCombo, 3);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.boxes[0].wideText, L"日付の入力に誤りがあります。(入力不正)");
    EXPECT_EQ(boxes.boxes[0].wideCaption, L"ゼルノート");
}

// The rule dialog's caption and lists, and a periodic control's rule in words.
TEST_F(CodePageTest, RuleDialogAndRuleTextAreRight)
{
    CurrentResources lib(CurrentResources::Library());
    std::vector<std::wstring> texts;
    CZelRegSetDlg dialog(nullptr);
    dialog.SetChoiceData(-1, 12, 24);
    ModalScript driver([&](HWND hDlg) {
        texts.push_back(TestHost::WideText(hDlg));
        for (int nID : {IDC_EACHMONTH_COMBO, IDC_EVERYYEAR_COMBO}) {
            const int nCount = static_cast<int>(::SendDlgItemMessageW(hDlg, nID, CB_GETCOUNT, 0, 0));
            texts.push_back(std::to_wstring(nCount) + L" " + WideItem(dlg::Item(hDlg, nID), 0) + L".." +
                            WideItem(dlg::Item(hDlg, nID), nCount - 1));
        }
        texts.push_back(TestHost::WideText(dlg::Item(hDlg, IDC_EVERYYEAR_COMBO)));
        dlg::Click(hDlg, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"定期の設定", L"11 2ヶ月に1回..12ヶ月に1回", L"12 1月..12月", L"12月"}));

    CZelCalReg reg;
    ASSERT_TRUE(reg.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(), host.Dialog(), 1001, nullptr));
    reg.SetChoiceData(1, 2002, 4, 7, -1, COleDateTime());
    EXPECT_EQ(TestHost::WideText(::GetDlgItem(reg.m_hWnd, IDC_STR_EDIT)), L"毎年4月7日");
}

}  // namespace
