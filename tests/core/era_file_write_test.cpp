// The era file is replaced in one step: whatever interrupts a write, the old
// file stays byte for byte, and an unreadable file is moved aside before the
// built-in table takes its place.
#include "era/era_core.h"
#include "scratch_dir.h"

#include <filesystem>
#include <string>

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

const std::string kUserFile = "2019,-1,A,0\r\n1989,2018,B,0\r\n";
const std::string kDefaultFile =
    "-1,-1,\x90\xBC\x97\xEF,1\r\n1989,-1,\x95\xBD\x90\xAC,0\r\n1926,1988,\x8F\xBA\x98\x61,0\r\n"
    "1912,1925,\x91\xE5\x90\xB3,0\r\n1868,1911,\x96\xBE\x8E\xA1,0\r\n";

int WriteBuiltIn()
{
    CArray<CZelEra, CZelEra&> arr;
    CZelCalCtrlCom store;
    store.BuiltInTable(arr);
    return store.WriteFile(arr);
}

int ReadCount(int* pnResult)
{
    CArray<CZelEra, CZelEra&> arr;
    *pnResult = CZelCalCtrlCom().ReadEraInfo(arr);
    return static_cast<int>(arr.GetSize());
}

bool Exists(const char* path) { return std::filesystem::exists(path); }

}  // namespace

class EraFileWriteTest : public ScratchDirTest
{
protected:
    void SetUp() override
    {
        ScratchDirTest::SetUp();
        WriteEraFile(kUserFile);
    }

    // The old file is there byte for byte and no temporary file is left.
    void ExpectUntouched()
    {
        EXPECT_EQ(ReadBytes("data/era.dat"), kUserFile);
        EXPECT_FALSE(Exists("data/era.dat.tmp"));
    }
};

TEST_F(EraFileWriteTest, WriteReplacesTheFileAndLeavesNoTemporaryFile)
{
    // What a write killed half-way leaves: a partial temporary file.
    WriteBytes("data/era.dat.tmp", "1989,");
    EXPECT_EQ(WriteBuiltIn(), 1);
    EXPECT_EQ(ReadBytes("data/era.dat"), kDefaultFile);
    EXPECT_FALSE(Exists("data/era.dat.tmp"));

    // When the temporary file cannot be made, nothing changes.
    WriteEraFile(kUserFile);
    std::filesystem::create_directory("data/era.dat.tmp");
    EXPECT_EQ(WriteBuiltIn(), 0);
    EXPECT_EQ(ReadBytes("data/era.dat"), kUserFile);
}

TEST_F(EraFileWriteTest, BackupCopiesTheBytesAndReplacesAnOlderCopy)
{
    CZelCalCtrlCom store;
    WriteBytes("data/era.dat.bak", "older");
    EXPECT_EQ(store.KeepBackup(".\\data\\era.dat"), 1);
    EXPECT_EQ(ReadBytes("data/era.dat.bak"), kUserFile);
    EXPECT_FALSE(Exists("data/era.dat.bak.tmp"));
    EXPECT_EQ(store.KeepBackup(".\\data\\none.dat"), 0);
    EXPECT_FALSE(Exists("data/none.dat.bak"));
}

TEST_F(EraFileWriteTest, AFolderInPlaceOfTheFileIsNeitherMovedNorReplaced)
{
    std::filesystem::remove("data/era.dat");
    std::filesystem::create_directory("data/era.dat");
    int nResult = -1;
    EXPECT_EQ(ReadCount(&nResult), 5);
    EXPECT_EQ(nResult, 0);
    EXPECT_TRUE(std::filesystem::is_directory("data/era.dat"));
    EXPECT_FALSE(Exists("data/era.dat.bak"));
}

#ifndef _WIN32

namespace {

struct ChildEnd
{
    bool bKilled;
    int nCode;  // the exit code, or the signal that ended it
};

// Runs body in a child process as an ordinary user (root ignores file
// permissions), after prepare, and reports how it ended.
template <typename Prepare, typename Body>
ChildEnd RunInChild(Prepare prepare, Body body)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(99);
        prepare();
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFSIGNALED(status))
        return {true, WTERMSIG(status)};
    return {false, WEXITSTATUS(status)};
}

void LimitFileSize(rlim_t nBytes)
{
    rlimit limit{nBytes, nBytes};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

}  // namespace

TEST_F(EraFileWriteTest, InterruptedWritesLeaveTheOldFile)
{
    // A read-only folder: no temporary file can be made.
    ::chmod("data", 0555);
    ChildEnd end = RunInChild([] {}, WriteBuiltIn);
    EXPECT_FALSE(end.bKilled);
    EXPECT_EQ(end.nCode, 0);
    ExpectUntouched();
    ::chmod("data", 0777);

    // A size limit: the write fails part-way, the temporary file is removed.
    end = RunInChild(
        [] {
            std::signal(SIGXFSZ, SIG_IGN);
            LimitFileSize(16);
        },
        WriteBuiltIn);
    EXPECT_FALSE(end.bKilled);
    EXPECT_EQ(end.nCode, 0);
    ExpectUntouched();

    // The same limit with its signal: the process is killed mid-write.
    end = RunInChild([] { LimitFileSize(16); }, WriteBuiltIn);
    EXPECT_TRUE(end.bKilled);
    EXPECT_EQ(end.nCode, SIGXFSZ);
    EXPECT_EQ(ReadBytes("data/era.dat"), kUserFile);
    EXPECT_EQ(ReadBytes("data/era.dat.tmp").size(), 16u);
    // The next write goes through and takes the leftover with it.
    EXPECT_EQ(WriteBuiltIn(), 1);
    EXPECT_EQ(ReadBytes("data/era.dat"), kDefaultFile);
    EXPECT_FALSE(Exists("data/era.dat.tmp"));
}

TEST_F(EraFileWriteTest, UnreadableFileIsMovedAsideBeforeTheDefaultsReplaceIt)
{
    // The file cannot be read and its folder cannot be changed: it stays.
    ::chmod("data/era.dat", 0);
    ::chmod("data", 0555);
    auto readDefaults = [] {
        int nResult = -1;
        return ReadCount(&nResult) == 5 && nResult == 0 ? 0 : 1;
    };
    ChildEnd end = RunInChild([] {}, readDefaults);
    EXPECT_EQ(end.nCode, 0);
    EXPECT_FALSE(Exists("data/era.dat.bak"));
    ExpectUntouched();

    // With a writable folder it becomes era.dat.bak and the defaults follow.
    ::chmod("data", 0777);
    end = RunInChild([] {}, readDefaults);
    EXPECT_EQ(end.nCode, 0);
    EXPECT_EQ(ReadBytes("data/era.dat.bak"), kUserFile);
    EXPECT_EQ(ReadBytes("data/era.dat"), kDefaultFile);
    EXPECT_FALSE(Exists("data/era.dat.tmp"));
}

#else

namespace {

// Another process that holds a file open with a given share mode while it lives.
class FileHolder : public HolderProcess
{
public:
    FileHolder(const char* pszPath, DWORD dwShare)
        : HolderProcess("file_holder.exe", std::string(pszPath) + " " + std::to_string(dwShare))
    {
    }
};

}  // namespace

TEST_F(EraFileWriteTest, InterruptedWritesLeaveTheOldFile)
{
    int nResult = -1;
    {
        // Held open without sharing by another process: neither replaced
        // nor moved aside; the reader falls back to the defaults in memory.
        FileHolder holder("data\\era.dat", 0);
        ASSERT_TRUE(holder.Ready());
        EXPECT_EQ(WriteBuiltIn(), 0);
        EXPECT_EQ(ReadCount(&nResult), 5);
        EXPECT_EQ(nResult, 0);
    }
    ExpectUntouched();
    EXPECT_FALSE(Exists("data/era.dat.bak"));
    // Let go, the next write goes through.
    EXPECT_EQ(WriteBuiltIn(), 1);
    EXPECT_EQ(ReadBytes("data/era.dat"), kDefaultFile);
}

TEST_F(EraFileWriteTest, UnreadableFileIsMovedAsideBeforeTheDefaultsReplaceIt)
{
    int nResult = -1;
    {
        // Locked against reading but not against a move.
        FileHolder holder("data\\era.dat", FILE_SHARE_DELETE);
        ASSERT_TRUE(holder.Ready());
        EXPECT_EQ(ReadCount(&nResult), 5);
        EXPECT_EQ(nResult, 0);
    }
    EXPECT_EQ(ReadBytes("data/era.dat.bak"), kUserFile);
    EXPECT_EQ(ReadBytes("data/era.dat"), kDefaultFile);
    EXPECT_FALSE(Exists("data/era.dat.tmp"));
}

#endif
