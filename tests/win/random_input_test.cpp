// A seeded stream of user events (keys, typing, pastes, era choices, clicks,
// the rule dialog answered at random) into every control and the date dialog;
// after each: no named flag left, no host window disabled, the value in range.
// ZEL_RANDOM_SEED replays a run; ZEL_RANDOM_EVENTS sets the events per control.
#include "window_test.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "control_values.h"
#include "modal_script.h"

namespace {

unsigned EnvOr(const char* pszName, unsigned nDefault)
{
    const char* psz = std::getenv(pszName);
    return psz != nullptr && *psz != '\0' ? static_cast<unsigned>(std::strtoul(psz, nullptr, 10)) : nDefault;
}

bool IsClass(HWND hWnd, const char* pszClass)
{
    char cls[32] = {};
    return ::GetClassNameA(hWnd, cls, sizeof cls) && ::lstrcmpiA(cls, pszClass) == 0;
}

// What is wrong after an event; empty when all is well. The host is not
// checked while a modal dialog of the library rightly disables it.
std::string Faults(const TestHost& host, const ControlValue& v, bool bHostChecked = true)
{
    std::string strFaults = FlagsLeft();
    if (bHostChecked && !(::IsWindowEnabled(host.MainWindow()) && ::IsWindowEnabled(host.Dialog()->m_hWnd)))
        strFaults += "a host window left disabled; ";
    // A year field of four digits gives at most era year 9999 of 平成 (from 1989).
    const bool bInRange = (v.nDiv == 0 || v.nDiv == 1) && v.nYear >= 0 && v.nYear <= 9999 + 1988 &&
                          v.nMonth >= 0 && v.nMonth <= 99 && v.nDay >= 0 && v.nDay <= 99 &&
                          (v.nNotify == 0 || v.nNotify == 1) && v.nInterval >= -1 && v.nInterval <= 12;
    for (int n : {v.nDiv, v.nYear, v.nMonth, v.nDay, v.nNotify, v.nInterval})  // the value out of range
        strFaults += bInRange ? "" : " " + std::to_string(n);
    return strFaults;
}

// One seeded run: a user acting at random inside one window (a control, the
// date or rule dialog) who answers every rule dialog too (a few events, then
// OK or Cancel; Cancel after 4 rounds), and a watchdog that ends the process
// with the seed when no event finished in the last 20 seconds.
struct RandomRun {
    RandomRun()
    {
        std::printf("seed %u (ZEL_RANDOM_SEED), %d events\n", nSeed, nEvents);
        ::CreateTimerQueueTimer(&hWatchdog, nullptr, &Watch, this, 20000, 20000, 0);
    }
    ~RandomRun() { ::DeleteTimerQueueTimer(nullptr, hWatchdog, INVALID_HANDLE_VALUE); }
    void Done(int nEvent) { nLastEvent = nEvent, ++nBeats; }
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    void Act(HWND hRoot)
    {
        static const UINT kKeys[] = {VK_TAB, VK_RETURN, VK_ESCAPE, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_BACK};
        static const char* const kPastes[] = {"平成", "１２", "昭和六十年", "表ソ", "ｱｲｳ", "2002/4/7"};
        char szChar[2] = {};
        switch (Pick(9)) {
        case 0:
        case 1:
            return TestHost::PressKey(kKeys[Pick(8)], Pick(3) == 0);
        case 2:
            return szChar[0] = static_cast<char>('0' + Pick(10)), TestHost::Type(szChar);
        case 3:
            return szChar[0] = static_cast<char>('a' + Pick(26)), TestHost::Type(szChar);
        case 4:
            if (IsClass(::GetFocus(), "Edit"))
                ::SendMessageA(::GetFocus(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(kPastes[Pick(6)]));
            return TestHost::Pump();
        case 5:
            if (const HWND hList = Item(hRoot, "ComboBox"))
                TestHost::ChooseWithKeys(hList, Pick(static_cast<int>(::SendMessageA(hList, CB_GETCOUNT, 0, 0)) + 1));
            return;
        case 6:
            if (const HWND hButton = Item(hRoot, "Button"))
                TestHost::Click(hButton);
            return;
        case 7:
            if (const HWND hEdit = Item(hRoot, "Edit"))
                ::PostMessageA(hEdit, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3)), TestHost::Pump();
            return;
        default:
            if (const HWND hItem = Item(hRoot, Pick(2) ? "Edit" : "ComboBox"))
                TestHost::Focus(hItem);
        }
    }

    // A visible, enabled child of the class, or null.
    HWND Item(HWND hRoot, const char* pszClass)
    {
        std::vector<HWND> items;
        for (HWND h = ::GetWindow(hRoot, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
            if (IsClass(h, pszClass) && ::IsWindowVisible(h) && ::IsWindowEnabled(h))
                items.push_back(h);
        return items.empty() ? nullptr : items[Pick(static_cast<int>(items.size()))];
    }
    static void CALLBACK Watch(void* pThis, BOOLEAN)
    {
        RandomRun& run = *static_cast<RandomRun*>(pThis);
        if (run.nBeats.exchange(0) == 0) {
            std::fprintf(stderr, "hang after event %d, seed %u\n", run.nLastEvent.load(), run.nSeed);
            std::fflush(stderr);
            ::TerminateProcess(::GetCurrentProcess(), 3);
        }
    }
    void Answer(HWND hDlg)
    {
        const auto open = [hDlg] { return ::IsWindow(hDlg) && ::IsWindowVisible(hDlg); };
        for (int nRound = 0; nRound < 4 && open(); ++nRound) {
            for (int i = Pick(5); i > 0 && open(); --i)
                Act(hDlg);
            if (open())
                TestHost::Click(::GetDlgItem(hDlg, Pick(2) ? IDOK : IDCANCEL));
        }
        if (open())
            ::PostMessageW(hDlg, WM_COMMAND, IDCANCEL, 0);
    }

    const unsigned nSeed = EnvOr("ZEL_RANDOM_SEED", std::random_device{}());
    const int nEvents = static_cast<int>(EnvOr("ZEL_RANDOM_EVENTS", 80));
    std::mt19937 rng{nSeed};
    DialogAnswerer answerer{"定期の設定", [this](HWND hDlg) { Answer(hDlg); }};
    HANDLE hWatchdog = nullptr;
    std::atomic<int> nLastEvent{0}, nBeats{0};
};

template <class T>
class RandomInputTest : public ControlTest<T> {};
TYPED_TEST_SUITE(RandomInputTest, AllControls);

TYPED_TEST(RandomInputTest, SeededUserEventsLeaveEverythingSound)
{
    RandomRun run;
    GiveValue(this->ctrl, {0, 2002, 4, 7, 1, 0, COleDateTime(2002, 4, 7, 0, 0, 0)});
    for (int i = 0; i < run.nEvents; ++i) {
        run.Act(this->ctrl.m_hWnd);
        run.Done(i);
        ASSERT_EQ(Faults(this->host, ReadValue(this->ctrl)), "") << "event " << i << ", seed " << run.nSeed;
        this->boxes.boxes.clear();
        this->host.Clear();
    }
}

using RandomDateDialogTest = WindowTest;

// Runs of the dialog with no parent, ended by the stream or cancelled after 40 events.
TEST_F(RandomDateDialogTest, SeededUserEventsLeaveEverythingSound)
{
    RandomRun run;
    CZelCalNormDlg popup;
    for (int nDone = 0; nDone < run.nEvents;) {
        ControlValue out{0, 2002, 4, 7, 0, 0, COleDateTime()};
        ModalScript driver([&](HWND hDlg) {
            for (int k = 0; k < 40 && nDone < run.nEvents && ::IsWindowVisible(hDlg); ++k, ++nDone) {
                run.Act(hDlg);
                run.Done(nDone);
                ControlValue shown;
                popup.GetChoiceData(shown.nDiv, shown.nYear, shown.nMonth, shown.nDay);
                EXPECT_EQ(Faults(host, shown, false), "") << "event " << nDone << ", seed " << run.nSeed;
                boxes.boxes.clear();
            }
            if (::IsWindowVisible(hDlg))
                ::PostMessageW(hDlg, WM_COMMAND, IDCANCEL, 0);
        });
        const int nResult = popup.DoModal(out.nDiv, out.nYear, out.nMonth, out.nDay, 100, 100);
        EXPECT_TRUE(nResult == IDOK || nResult == IDCANCEL) << nResult;
        ASSERT_EQ(Faults(host, out), "") << "after event " << nDone << ", seed " << run.nSeed;
        host.Clear();
    }
}

}  // namespace
