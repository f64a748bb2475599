// The era file store: the built-in table where there is no file; a write
// interrupted anywhere leaves the old file byte for byte; an unreadable file
// moved aside before the defaults.
#include "era/era_core.h"
#include "scratch_dir.h"

#ifdef _WIN32
#  include "../harness/holder_process.h"
#else
#  include <csignal>
#  include <sys/resource.h>
#  include <sys/stat.h>
#  include <sys/wait.h>
#  include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

const std::string kUserFile = "2019,-1,A,0\r\n1989,2018,B,0\r\n";
// Shift_JIS names, CR LF line ends, -1 for a year of 0.
const std::string kDefaultFile =
    "-1,-1,\x90\xBC\x97\xEF,1\r\n1989,-1,\x95\xBD\x90\xAC,0\r\n1926,1988,\x8F\xBA\x98\x61,0\r\n"
    "1912,1925,\x91\xE5\x90\xB3,0\r\n1868,1911,\x96\xBE\x8E\xA1,0\r\n";

int WriteBuiltIn()
{
    CArray<CZelEra, CZelEra&> arr;
    CZelCalCtrlCom().BuiltInTable(arr);
    return CZelCalCtrlCom().WriteFile(arr);
}

// "result:records" of ReadEraInfo.
std::string Read()
{
    CArray<CZelEra, CZelEra&> arr;
    const int nResult = CZelCalCtrlCom().ReadEraInfo(arr);
    return std::to_string(nResult) + ":" + std::to_string(arr.GetSize());
}

// What the data folder holds: era.dat, era.dat.bak and whether a temporary file is left.
std::string Files()
{
    return ReadBytes("data/era.dat") + "|" + ReadBytes("data/era.dat.bak") + (fs::exists("data/era.dat.tmp") ? "|tmp" : "");
}

const std::string kUntouched = kUserFile + "|", kMovedAside = kDefaultFile + "|" + kUserFile;

}  // namespace

using EraFileWriteTest = ScratchDirTest;

TEST_F(EraFileWriteTest, MissingFileGivesTheDefaultsAndWritesThemForTheNextRead)
{
    // Without the data folder nothing is created.
    EXPECT_EQ(Read(), "0:5");
    EXPECT_FALSE(fs::exists("data"));
    // A folder in place of the file is neither moved nor replaced.
    fs::create_directories("data/era.dat");
    EXPECT_EQ(Read(), "0:5");
    EXPECT_TRUE(fs::is_directory("data/era.dat"));
    fs::remove("data/era.dat");
    EXPECT_EQ(Read(), "0:5");
    EXPECT_EQ(Read(), "1:5");
    EXPECT_EQ(Files(), kDefaultFile + "|");
}

TEST_F(EraFileWriteTest, WriteReplacesTheFileAndLeavesNoTemporaryFile)
{
    // What a write killed half-way leaves: a temporary file, here longer than the new one.
    WriteEraFile(kUserFile);
    WriteBytes("data/era.dat.tmp", std::string(500, 'x'));
    EXPECT_EQ(WriteBuiltIn(), 1);
    EXPECT_EQ(Files(), kDefaultFile + "|");
    // When the temporary file cannot be made, nothing changes.
    WriteEraFile(kUserFile);
    fs::create_directory("data/era.dat.tmp");
    EXPECT_EQ(WriteBuiltIn(), 0);
    EXPECT_EQ(ReadBytes("data/era.dat"), kUserFile);
    // The tool's backup copies the bytes over an older copy.
    WriteBytes("data/era.dat.bak", "older");
    EXPECT_EQ(CZelCalCtrlCom().KeepBackup(".\\data\\era.dat"), 1);
    EXPECT_EQ(ReadBytes("data/era.dat.bak"), kUserFile);
    EXPECT_FALSE(fs::exists("data/era.dat.bak.tmp"));
}

#ifndef _WIN32

namespace {

void LimitFileSize() { const rlimit limit{16, 16}; ::setrlimit(RLIMIT_FSIZE, &limit); }
void LimitQuietly() { std::signal(SIGXFSZ, SIG_IGN), LimitFileSize(); }
int ReadDefaults() { return Read() == "0:5" ? 0 : 1; }  // 0: the read fell back

}  // namespace

// Each case on a fresh file with the given modes, in a child run as an ordinary
// user (root ignores permissions): its exit code (1000 + a signal) and the files.
TEST_F(EraFileWriteTest, InterruptedWritesLeaveTheOldFileAndAnUnreadableOneIsMovedAside)
{
    const struct { const char* pszWhat; mode_t file, folder; void (*prepare)(); int (*body)(); int nExit; std::string files; } cases[] = {
        {"read-only folder", 0644, 0555, nullptr, WriteBuiltIn, 0, kUntouched},
        {"size limit", 0644, 0777, LimitQuietly, WriteBuiltIn, 0, kUntouched},
        {"killed mid-write", 0644, 0777, LimitFileSize, WriteBuiltIn, 1000 + SIGXFSZ, kUntouched + "|tmp"},
        {"unreadable, folder read-only", 0, 0555, nullptr, ReadDefaults, 0, kUntouched},
        {"unreadable", 0, 0777, nullptr, ReadDefaults, 0, kMovedAside}};
    for (const auto& c : cases) {
        fs::remove_all("data");
        WriteEraFile(kUserFile);
        ::chmod("data/era.dat", c.file), ::chmod("data", c.folder);
        const pid_t pid = ::fork();
        if (pid == 0) {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(99);
            if (c.prepare)
                c.prepare();
            ::_exit(c.body());
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        ::chmod("data", 0777), ::chmod("data/era.dat", 0666);
        EXPECT_EQ(WIFSIGNALED(status) ? 1000 + WTERMSIG(status) : WEXITSTATUS(status), c.nExit) << c.pszWhat;
        EXPECT_EQ(Files(), c.files) << c.pszWhat;
    }
}

#else

// Another process holds era.dat open: unshared, it is neither replaced nor
// moved; sharing only deletion, it cannot be read but can be moved.
TEST_F(EraFileWriteTest, InterruptedWritesLeaveTheOldFileAndAnUnreadableOneIsMovedAside)
{
    for (const DWORD dwShare : {DWORD{0}, DWORD{FILE_SHARE_DELETE}}) {
        fs::remove_all("data");
        WriteEraFile(kUserFile);
        {
            const HolderProcess holder("holder.exe", "file data\\era.dat " + std::to_string(dwShare));
            ASSERT_TRUE(holder.Ready());
            EXPECT_EQ(dwShare == 0 ? WriteBuiltIn() : 0, 0);
            EXPECT_EQ(Read(), "0:5");
        }
        EXPECT_EQ(Files(), dwShare == 0 ? kUntouched : kMovedAside);
    }
}

#endif
