#include "era_file_snapshot.h"

#include <chrono>
#include <mutex>
#include <string>

#include "era_date_text.h"
#include "era_file_path.h"
#include "zel_cal_ctrl_com.h"


namespace {

const ULONGLONG kTicksPerSecond = 10000000ULL;

// A read stands for the file only when the file's last change lies this far
// before the read began. A rewrite closer to it could fall within the same
// timestamp (2 s on FAT, a clock tick elsewhere) and leave the entry as it
// was; such a file is read again on every call until it has settled.
const ULONGLONG kSettleTicks = 2 * kTicksPerSecond;

// Now as 100 ns ticks since 1601 (UTC).
ULONGLONG NowTicks()
{
    using namespace std::chrono;
    const ULONGLONG kFrom1601To1970 = 116444736000000000ULL;
    const auto since1970 = duration_cast<duration<long long, std::ratio<1, 10000000>>>(
        system_clock::now().time_since_epoch());
    return since1970.count() < 0 ? 0 : kFrom1601To1970 + static_cast<ULONGLONG>(since1970.count());
}

// Where the file's relative path starts from. Natively the entry names the
// file itself (device and inode), so the directory need not be asked, which
// would cost a system call; a Windows listing does not, and there the current
// directory is read from the process's own memory. False when it cannot be
// told.
bool LookFrom(std::string& dir)
{
#ifdef _WIN32
    char buffer[MAX_PATH * 4];
    const DWORD n = ::GetCurrentDirectoryA(sizeof buffer, buffer);
    if (n == 0 || n >= sizeof buffer)
        return false;
    dir.assign(buffer);
#else
    (void)dir;
#endif
    return true;
}

// The last table read and the directory entry seen just before that read.
class EraFileSnapshot
{
public:
    // Calls use(table) with the table a fresh read gives now and returns the
    // read's result.
    template <class Use>
    int WithTable(Use use)
    {
        std::lock_guard<std::mutex> guard(m_lock);
        const bool bDir = LookFrom(m_strLookDir);
        CFileFind find;
        const bool bFound = find.FindFile(kZelEraFilePath) != FALSE;
        const CFileStamp stamp = find.GetStamp();
        find.Close();
        if (m_bHeld && bFound && bDir && stamp == m_stamp && m_strLookDir == m_strDir) {
            use(m_table);
            return 1;
        }
        // Taken before the read, so a change during it cannot count as settled.
        const ULONGLONG nNow = NowTicks();
        m_bHeld = false;
        m_table.RemoveAll();
        CZelCalCtrlCom com;
        const int nRead = com.ReadEraInfo(m_table);
        // The entry was seen before the read: a change during the read shows
        // as a different entry next time.
        if (nRead == 1 && bFound && bDir && Settled(stamp, nNow)) {
            m_strDir = m_strLookDir;
            m_stamp = stamp;
            m_bHeld = true;
        }
        use(m_table);
        return nRead;
    }

private:
    static bool Settled(const CFileStamp& stamp, ULONGLONG nNow)
    {
        const ULONGLONG nLast = stamp.nLastWrite > stamp.nChanged ? stamp.nLastWrite : stamp.nChanged;
        return nLast < nNow && nNow - nLast > kSettleTicks;
    }

    std::mutex m_lock;
    bool m_bHeld = false;
    std::string m_strDir;      // LookFrom of the held read
    std::string m_strLookDir;  // LookFrom of this call
    CFileStamp m_stamp;
    CArray<CZelEra, CZelEra&> m_table;
};

EraFileSnapshot& TheSnapshot()
{
    static EraFileSnapshot snapshot;
    return snapshot;
}

}  // namespace

int ZelReadEraTableNow(CArray<CZelEra, CZelEra&>& arr)
{
    return TheSnapshot().WithTable([&arr](CArray<CZelEra, CZelEra&>& table) {
        for (INT_PTR i = 0; i < table.GetSize(); ++i)
            arr.Add(table[i]);
    });
}

CString ZelEraDateTextNow(int nEra, int nYear, int nMonth, int nDay)
{
    try {
        CString text;
        TheSnapshot().WithTable([&](CArray<CZelEra, CZelEra&>& table) {
            text = ZelEraDateText(table, nEra, nYear, nMonth, nDay);
        });
        TRACE("FromEra=\"%s\"\n", static_cast<LPCSTR>(text));
        return text;
    } catch (...) {
        return CString();
    }
}
