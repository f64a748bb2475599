// Japanese text right under any system code page: everything is read back
// here through the wide calls, so a text squeezed through the system code
// page on its way in shows. The suite runs once more under a Western locale
// (ZEL_EXPECT_ACP names the code page that run must have).
#include "window_test.h"

#include <cstdlib>
#include <string>

#include "controls/zel_messages.h"
#include "modal_script.h"

namespace {

std::wstring WideText(HWND hWnd)
{
    wchar_t buf[512] = {};
    ::GetWindowTextW(hWnd, buf, 512);
    return buf;
}

std::wstring WideItem(HWND hCombo, int nIndex)
{
    wchar_t buf[256] = {};
    if (::SendMessageW(hCombo, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex), 0) >= 256)
        return L"(too long)";
    ::SendMessageW(hCombo, CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(buf));
    return buf;
}

// Reads each message box wide as it appears and closes it with OK.
class WideBoxReader {
public:
    struct Box {
        std::wstring text;
        std::wstring caption;
    };
    WideBoxReader()
    {
        s_pThis = this;
        m_hHook = ::SetWindowsHookExW(WH_CBT, &WideBoxReader::CbtProc, nullptr, ::GetCurrentThreadId());
    }
    ~WideBoxReader()
    {
        ::UnhookWindowsHookEx(m_hHook);
        s_pThis = nullptr;
    }
    WideBoxReader(const WideBoxReader&) = delete;
    WideBoxReader& operator=(const WideBoxReader&) = delete;
    const std::vector<Box>& Boxes() const { return m_boxes; }

private:
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        HWND hText = nCode == HCBT_ACTIVATE ? ::GetDlgItem(hWnd, 0xFFFF) : nullptr;
        if (s_pThis != nullptr && hText != nullptr && ::GetPropA(hWnd, "ZelSeen") == nullptr) {
            ::SetPropA(hWnd, "ZelSeen", reinterpret_cast<HANDLE>(1));  // the recorder leaves it alone
            s_pThis->m_boxes.push_back(Box{WideText(hText), WideText(hWnd)});
            ::PostMessageW(hWnd, WM_COMMAND, IDOK, 0);
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }

    static inline WideBoxReader* s_pThis = nullptr;
    HHOOK m_hHook = nullptr;
    std::vector<Box> m_boxes;
};

class CodePageTest : public ControlTest<CZelCalNorm> {
protected:
    void SetUp() override
    {
        ControlTest<CZelCalNorm>::SetUp();
        // The run under a Western locale must really have that code page.
        if (const char* pszAcp = std::getenv("ZEL_EXPECT_ACP")) {
            ASSERT_EQ(::GetACP(), static_cast<UINT>(std::atoi(pszAcp)));
        }
    }
};

TEST_F(CodePageTest, EraListFieldsAndValueAreRightThroughWideCalls)
{
    HWND hCombo = Item(IDC_FORM_COMBO);
    EXPECT_EQ(WideItem(hCombo, 0), L"西暦");
    EXPECT_EQ(WideItem(hCombo, 1), L"平成");
    EXPECT_EQ(WideItem(hCombo, 2), L"昭和");

    ctrl.SetChoiceData(0, 1990, 4, 7);
    EXPECT_EQ(WideText(hCombo), L"平成");
    EXPECT_EQ(WideText(Item(IDC_YEAR_EDIT)), L"2");
    // Read back narrow through the framework: Shift_JIS again.
    CString strEra;
    ctrl.GetDlgItemText(IDC_FORM_COMBO, strEra);
    EXPECT_EQ(std::string(strEra), "平成");
    CString strItem;
    CComboBox* pCombo = static_cast<CComboBox*>(ctrl.GetDlgItem(IDC_FORM_COMBO));
    pCombo->GetLBText(2, strItem);
    EXPECT_EQ(std::string(strItem), "昭和");
    EXPECT_EQ(pCombo->GetLBTextLen(2), 4);

    int nDiv = -1, nYear = -1, nMonth = -1, nDay = -1;
    ctrl.GetChoiceData(nDiv, nYear, nMonth, nDay);
    EXPECT_EQ((std::vector<int>{nDiv, nYear, nMonth, nDay}), (std::vector<int>{0, 1990, 4, 7}));
}

TEST_F(CodePageTest, MessageBoxTextAndCaptionAreRight)
{
    WideBoxReader reader;
    // 昭和70 does not fit 大正: the era error box.
    ctrl.SetChoiceData(0, 1985, 4, 7);
    ::SetWindowTextW(Item(IDC_YEAR_EDIT), L"70");
    TestHost::ChooseWithKeys(Item(IDC_FORM_COMBO), 3);
    ASSERT_EQ(reader.Boxes().size(), 1u);
    EXPECT_EQ(reader.Boxes()[0].text, L"日付の入力に誤りがあります。(入力不正)");
    EXPECT_EQ(reader.Boxes()[0].caption, L"ゼルノート");
}

TEST_F(CodePageTest, RuleDialogCaptionListsAndRuleTextAreRight)
{
    CurrentResources lib(CurrentResources::Library());
    std::wstring caption, eachMonthFirst, everyYearLast, label;
    CZelRegSetDlg dialog(nullptr);
    dialog.SetChoiceData(-1, 12, 24);
    ModalScript driver([&](HWND hDlg) {
        caption = WideText(hDlg);
        eachMonthFirst = WideItem(dlg::Item(hDlg, IDC_EACHMONTH_COMBO), 0);
        everyYearLast = WideText(dlg::Item(hDlg, IDC_EVERYYEAR_COMBO));
        label = WideText(dlg::Item(hDlg, IDC_RD_EVERYMONTH));
        dlg::Click(hDlg, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(caption, L"定期の設定");
    EXPECT_EQ(eachMonthFirst, L"2ヶ月に1回");
    EXPECT_EQ(everyYearLast, L"12月");
    EXPECT_EQ(label, L"毎月");
    int nInterval = 0, nMonth = 0, nDay = 0;
    dialog.GetChoiceData(nInterval, nMonth, nDay);
    EXPECT_EQ((std::vector<int>{nInterval, nMonth, nDay}), (std::vector<int>{-1, 12, 24}));

    // The rule in words in a periodic control's rule face.
    CZelCalReg reg;
    ASSERT_TRUE(reg.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(), host.Dialog(), 1001, nullptr));
    reg.SetChoiceData(1, 2002, 4, 7, -1, COleDateTime());
    EXPECT_EQ(WideText(::GetDlgItem(reg.m_hWnd, IDC_STR_EDIT)), L"毎年4月7日");
}

// What code page 932 cannot hold becomes '?', the rest stays; a text read
// into a short buffer ends on a whole character.
TEST_F(CodePageTest, UnrepresentableCharactersAreReplacedNotCut)
{
    HWND hYear = Item(IDC_YEAR_EDIT);
    ::SendMessageW(hYear, EM_LIMITTEXT, 0, 0);
    ::SetWindowTextW(hYear, L"A\u00E9\u20AC\U0001F600\u5E73B");
    CString strText;
    ctrl.GetDlgItemText(IDC_YEAR_EDIT, strText);
    const std::string text(strText);
    ASSERT_GE(text.size(), 6u);
    EXPECT_EQ(text.front(), 'A');
    EXPECT_EQ(text.substr(1, 2), "??");
    EXPECT_EQ(text.substr(text.size() - 3), "平B");

    ::SetWindowTextW(hYear, L"平成");
    char buf[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(ctrl.GetDlgItemText(IDC_YEAR_EDIT, buf, sizeof buf), 2);
    EXPECT_EQ(std::string(buf), "平");

    // Bytes that are no Shift_JIS at all still make a text, and no crash.
    ctrl.SetDlgItemText(IDC_YEAR_EDIT, "1\x81");
    EXPECT_EQ(WideText(hYear).substr(0, 1), L"1");
}

}  // namespace
