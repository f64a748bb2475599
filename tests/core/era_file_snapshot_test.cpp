// era.dat looked at on every call: each change of the file is seen at the
// next call, as a fresh read would see it.
#include "era/era_core.h"
#include "scratch_dir.h"

#include <thread>

namespace {

namespace fs = std::filesystem;
const COleDateTime kDate(2002, 8, 16, 0, 0, 0);

std::string Shown() { return std::string(CEraDate(0, kDate).Format()); }

// Rewrites era.dat and gives it back its last-write time, as a rewrite within
// the timestamp's granularity would.
void RewriteKeepingTheTime(const std::string& bytes)
{
    const auto written = fs::last_write_time("data/era.dat");
    WriteBytes("data/era.dat", bytes);
    fs::last_write_time("data/era.dat", written);
}

}  // namespace

using EraFileSnapshotTest = ScratchDirTest;

TEST_F(EraFileSnapshotTest, RewrittenRemovedOrBrokenFileTakesTheWayOfAFreshRead)
{
    WriteEraFile("2000,0,新,0\r\n");
    EXPECT_EQ(Shown(), "新3/08/16");
    RewriteKeepingTheTime("2001,0,旧,0\r\n");
    EXPECT_EQ(Shown(), "旧2/08/16");
    RewriteKeepingTheTime("2001,0,新,0\r\n");
    EXPECT_EQ(std::string(CZelCalCtrlUtil().FromEra(0, kDate)), "新2/08/16");
    fs::remove("data/era.dat");
    EXPECT_EQ(Shown(), "平成14/08/16");
    WriteEraFile("2000,0,新,0\r\n");
    EXPECT_EQ(Shown(), "新3/08/16");
    fs::remove("data/era.dat");
    fs::create_directory("data/era.dat");
    EXPECT_EQ(Shown(), "平成14/08/16");
}

// A file that has settled is not read again while its entry stays as it was;
// another file, reached through another current directory, is still seen.
TEST_F(EraFileSnapshotTest, SettledFileStillSeenToChange)
{
    WriteEraFile("2000,0,一,0\r\n");
    const fs::path first = fs::current_path(), second = first / "other";
    fs::create_directories(second / "data");
    fs::current_path(second);
    WriteEraFile("2000,0,二,0\r\n");
    // Both files older than any rewrite that could hide in their timestamps.
    std::this_thread::sleep_for(std::chrono::milliseconds(2200));
    EXPECT_EQ(Shown(), "二3/08/16");
    fs::current_path(first);
    EXPECT_EQ(Shown(), "一3/08/16");
    EXPECT_EQ(Shown(), "一3/08/16");
    fs::current_path(second);
    EXPECT_EQ(Shown(), "二3/08/16");
#ifndef _WIN32
    // Natively the entry's change time moves with every write, whatever the
    // last-write time is set to.
    RewriteKeepingTheTime("2000,0,三,0\r\n");
    EXPECT_EQ(Shown(), "三3/08/16");
#endif
    fs::current_path(first);
}
