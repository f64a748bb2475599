// The gallery host: a Windows application that places every control of the
// library in its own dialog, between two fields of its own, sets sample
// values, reads them back and logs every signal it hears.
//
//   gallery.exe                 for a person to use
//   gallery.exe --tour [--rule-dialog] [--exit-after=MS]
//                               sets the samples, reads them, (with
//                               --rule-dialog) opens the rule dialog of the
//                               periodic control, (with --date-dialog) the
//                               modal date dialog, and (with --exit-after)
//                               closes itself, for screenshots
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ZelCalCtrl.h"
#include "ZelCalCtrlC.h"
#include "controls/host_signals.h"
#include "gallery_ids.h"
#include "gallery_samples.h"

namespace {

const UINT kExitTimer = 1;
const UINT kCloseModalTimer = 2;
// Caption of the rule dialog, to close it at the end of a tour.
const char kRuleDialogCaption[] = "定期の設定";

class CGalleryDlg : public CDialog {
public:
    CGalleryDlg() : CDialog(IDD_GALLERY) {}

    void Tour()
    {
        OnSetEra();
        OnRead();
    }

    // Clicks the button of the modal date dialog.
    void OpenDateDialog() { ::PostMessageA(::GetDlgItem(m_hWnd, IDC_OPEN_DIALOG), BM_CLICK, 0, 0); }

    // Clicks 設定 of the periodic control: the rule dialog opens over the
    // gallery (its own modal loop runs until it is closed).
    void OpenRuleDialog()
    {
        for (auto& row : m_rows) {
            HWND hSet = ::GetDlgItem(row->Control().m_hWnd, 32715);
            if (hSet != nullptr && ::IsWindowVisible(hSet)) {
                ::PostMessageA(hSet, BM_CLICK, 0, 0);
                return;
            }
        }
    }

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_rows = MakeGallerySamples(this);
        // Rows below the first host field, label on the left.
        int y = 24;
        for (size_t i = 0; i < m_rows.size(); ++i, y += 18) {
            CRect label(6, y + 2, 146, y + 11), place(150, y, 0, 0);
            ::MapDialogRect(m_hWnd, label);
            ::MapDialogRect(m_hWnd, place);
            HWND hLabel = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, label.left,
                                            label.top, label.Width(), label.Height(), m_hWnd,
                                            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_ROW_LABEL_FIRST + i)),
                                            ::GetModuleHandleA(nullptr), nullptr);
            ::SendMessageA(hLabel, WM_SETFONT, ::SendMessageA(m_hWnd, WM_GETFONT, 0, 0), TRUE);
            // The framework's text call: right under any system code page.
            CWnd::FromHandle(hLabel)->SetWindowText(m_rows[i]->Label());
            CZelDateFrame& ctrl = m_rows[i]->Control();
            CRect rc;
            ctrl.GetWindowRect(rc);
            ctrl.MoveWindow(place.left, place.top, rc.Width(), rc.Height());
            ctrl.ShowWindow(SW_SHOW);
        }
        MakeClassRow(y);
        // Each control sits between its neighbours in the tab walk; the
        // window-class row finds its own in the dialog's tab order.
        for (size_t i = 0; i < m_rows.size(); ++i) {
            CWnd* pPrev = i == 0 ? GetDlgItem(IDC_PREV_FIELD) : &m_rows[i - 1]->Control();
            CWnd* pNext = i + 1 == m_rows.size() ? GetDlgItem(IDC_CLASS_ROW) : &m_rows[i + 1]->Control();
            m_rows[i]->SetNeighbours(pPrev, pNext);
        }
        Log("ギャラリーを開きました。ZEL2_DATE_CHANGE を保持しているので日付の変更が通知されます。");
        return TRUE;
    }

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        // The library's signals arrive as WM_COMMAND with a registered number.
        const UINT nID = static_cast<UINT>(wParam);
        struct { const char* name; const char* words; } signals[] = {
            {"ZEL2_DATE_CHANGE", "日付が変わりました"},
            {"ZEL2_CALWND_ENABLE", "ダイアログ"},
            {"ZEL_DATE_ERROR_MESSAGE", "入力の誤り"},
        };
        for (const auto& s : signals) {
            if (nID == ::RegisterWindowMessageA(s.name)) {
                CString line;
                line.Format("信号: %s (%s) lParam=%d", s.name, s.words, static_cast<int>(lParam));
                Log(line);
                return TRUE;
            }
        }
        return CDialog::OnCommand(wParam, lParam);
    }

    // The same full-date control as the first row, made the way a host in
    // any language makes it: a window of the class "ZelCalNorm", driven by
    // messages, telling of changes with WM_NOTIFY.
    void MakeClassRow(int y)
    {
        CRect label(6, y + 2, 146, y + 11), place(150, y, 0, 0);
        ::MapDialogRect(m_hWnd, label);
        ::MapDialogRect(m_hWnd, place);
        HINSTANCE hInst = ::GetModuleHandleA(nullptr);
        HWND hLabel = ::CreateWindowExW(0, L"STATIC", L"窓クラス ZelCalNorm (C の顔)", WS_CHILD | WS_VISIBLE,
                                        label.left, label.top, label.Width(), label.Height(), m_hWnd,
                                        reinterpret_cast<HMENU>(IDC_CLASS_ROW_LABEL), hInst, nullptr);
        ::SendMessageW(hLabel, WM_SETFONT, ::SendMessageW(m_hWnd, WM_GETFONT, 0, 0), TRUE);
        HWND hRow = ::CreateWindowExW(0, ZELCAL_CLASS_NORM_W, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, place.left,
                                      place.top, 0, 0, m_hWnd, reinterpret_cast<HMENU>(IDC_CLASS_ROW), hInst,
                                      nullptr);
        // The next field follows the row in the tab order.
        ::SetWindowPos(::GetDlgItem(m_hWnd, IDC_NEXT_FIELD), hRow, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

    void SetClassRow(int nDiv, int nYear, int nMonth, int nDay)
    {
        ZELCALVALUE value{};
        value.cbSize = sizeof value;
        value.nDiv = nDiv;
        value.nYear = nYear;
        value.nMonth = nMonth;
        value.nDay = nDay;
        ::SendDlgItemMessageW(m_hWnd, IDC_CLASS_ROW, ZCM_SETVALUE, 0, reinterpret_cast<LPARAM>(&value));
    }

    void LogClassRow(const char* pszWhat, const ZELCALVALUE& value)
    {
        CString line;
        line.Format("%s: 窓クラス ZelCalNorm: 和暦/西暦=%d 年=%d 月=%d 日=%d → %s", pszWhat, value.nDiv, value.nYear,
                    value.nMonth, value.nDay,
                    (LPCSTR)GalleryDateText(value.nDiv, value.nYear, value.nMonth, value.nDay));
        Log(line);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY) {
            const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
            if (pHdr->idFrom == IDC_CLASS_ROW && pHdr->code == ZCN_DATECHANGE) {
                LogClassRow("通知 WM_NOTIFY", reinterpret_cast<const NMZELCALCHANGE*>(lParam)->value);
                return 0;
            }
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }

    void OnCancel() override { ::DestroyWindow(m_hWnd); }
    void OnOK() override {}
    void PostNcDestroy() override { ::PostQuitMessage(0); }

    void OnSetWestern()
    {
        for (auto& row : m_rows)
            row->SetWesternSample();
        SetClassRow(1, 2002, 4, 7);
        Log("西暦の例を設定しました。");
    }

    void OnSetEra()
    {
        for (auto& row : m_rows)
            row->SetEraSample();
        SetClassRow(0, 1989, 1, 8);
        Log("和暦の例を設定しました。");
    }

    void OnRead()
    {
        for (auto& row : m_rows) {
            CString line;
            line.Format("読み取り: %s: %s", row->Label(), (LPCSTR)row->Read());
            Log(line);
        }
        ZELCALVALUE value{};
        value.cbSize = sizeof value;
        if (::SendDlgItemMessageW(m_hWnd, IDC_CLASS_ROW, ZCM_GETVALUE, 0, reinterpret_cast<LPARAM>(&value)))
            LogClassRow("読み取り ZCM_GETVALUE", value);
    }

    void OnClearLog() { SetDlgItemText(IDC_LOG, ""); }

    // The modal date dialog, opened beside its button with the last date.
    void OnOpenDialog()
    {
        CRect rc;
        ::GetWindowRect(::GetDlgItem(m_hWnd, IDC_OPEN_DIALOG), rc);
        CZelCalNormDlg dlg(this);
        int nResult = dlg.DoModal(m_nDlgDiv, m_nDlgYear, m_nDlgMonth, m_nDlgDay, rc.right + 4, rc.top);
        CString line;
        if (nResult == IDOK)
            line.Format("日付ダイアログ: OK 和暦/西暦=%d 年=%d 月=%d 日=%d → %s", m_nDlgDiv, m_nDlgYear, m_nDlgMonth,
                        m_nDlgDay, (LPCSTR)GalleryDateText(m_nDlgDiv, m_nDlgYear, m_nDlgMonth, m_nDlgDay));
        else
            line.Format("日付ダイアログ: キャンセル (結果 %d)", nResult);
        Log(line);
    }

    void Log(const CString& line)
    {
        // Through the framework's text calls, right under any code page.
        CString text;
        GetDlgItemText(IDC_LOG, text);
        SetDlgItemText(IDC_LOG, text + line + "\r\n");
        HWND hLog = ::GetDlgItem(m_hWnd, IDC_LOG);
        ::SendMessageW(hLog, EM_SETSEL, static_cast<WPARAM>(-1), -1);
        ::SendMessageW(hLog, EM_SCROLLCARET, 0, 0);
    }

    std::vector<std::unique_ptr<GallerySample>> m_rows;
    int m_nDlgDiv = 0;
    int m_nDlgYear = 2002;
    int m_nDlgMonth = 4;
    int m_nDlgDay = 7;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CGalleryDlg, CDialog)
    ON_BN_CLICKED(IDC_SET_WESTERN, OnSetWestern)
    ON_BN_CLICKED(IDC_SET_ERA, OnSetEra)
    ON_BN_CLICKED(IDC_READ, OnRead)
    ON_BN_CLICKED(IDC_CLEAR_LOG, OnClearLog)
    ON_BN_CLICKED(IDC_OPEN_DIALOG, OnOpenDialog)
END_MESSAGE_MAP()

VOID CALLBACK ExitTimer(HWND hWnd, UINT, UINT_PTR, DWORD)
{
    ::KillTimer(hWnd, kExitTimer);
    ::DestroyWindow(hWnd);
}

// Ends a rule dialog left open by a tour, so the gallery can close.
VOID CALLBACK CloseModalTimer(HWND hWnd, UINT, UINT_PTR, DWORD)
{
    ::KillTimer(hWnd, kCloseModalTimer);
    CString caption;
    HWND hActive = ::GetActiveWindow();
    if (hActive != nullptr)
        CWnd::FromHandle(hActive)->GetWindowText(caption);
    if (hActive != nullptr && caption == kRuleDialogCaption)
        ::PostMessageA(hActive, WM_COMMAND, IDCANCEL, 0);
    // The date dialog has no caption: Escape in it, as a user would.
    else if (::GetActiveWindow() != hWnd && ::GetFocus() != nullptr)
        ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR lpCmdLine, int)
{
    const std::string args = lpCmdLine ? lpCmdLine : "";
    const bool bTour = args.find("--tour") != std::string::npos;
    const bool bRuleDialog = args.find("--rule-dialog") != std::string::npos;
    const bool bDateDialog = args.find("--date-dialog") != std::string::npos;
    int nExitAfter = 0;
    if (auto pos = args.find("--exit-after="); pos != std::string::npos)
        nExitAfter = std::atoi(args.c_str() + pos + std::strlen("--exit-after="));

    // The host holds the date-change flag so that it hears every change; the
    // scope object lets go of it on every way out.
    CZelNamedFlag dateChange(ZEL_NAME_DATE_CHANGE);

    CGalleryDlg dlg;
    if (!dlg.Create(IDD_GALLERY, nullptr))
        return 1;
    AfxGetThread()->m_pMainWnd = &dlg;
    if (bTour)
        dlg.Tour();
    if (bRuleDialog)
        dlg.OpenRuleDialog();
    if (bDateDialog)
        dlg.OpenDateDialog();
    if (nExitAfter > 0) {
        ::SetTimer(dlg.m_hWnd, kCloseModalTimer, static_cast<UINT>(nExitAfter * 2 / 3), CloseModalTimer);
        ::SetTimer(dlg.m_hWnd, kExitTimer, static_cast<UINT>(nExitAfter), ExitTimer);
    }

    while (AfxGetThread()->PumpMessage()) {
    }
    AfxGetThread()->m_pMainWnd = nullptr;
    return 0;
}
