// The era tool's commands on real files. (An added era: run_zelera.cmake and,
// against ICU, reiwa_icu_test.cpp.)
#include "../core/scratch_dir.h"
#include "zelera_commands.h"

#include <string>
#include <vector>

namespace {

struct ToolRun { int nCode; std::string strOut, strErr; };

// Stands for an argument that has a character Shift_JIS lacks.
const std::string kNotShiftJis = "?";

// The arguments as the program passes them on.
ToolRun Zelera(const std::vector<std::string>& args)
{
    std::vector<ZelToolArg> v;
    for (const std::string& a : args)
        v.push_back({a, a != kNotShiftJis, a});
    ToolRun run{};
    run.nCode = RunZelera(v, run.strOut, run.strErr);
    return run;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

const std::string W = "-1,-1,西暦,1\r\n";
const std::string kBuiltIn = W + "1989,-1,平成,0\r\n1926,1988,昭和,0\r\n1912,1925,大正,0\r\n1868,1911,明治,0\r\n";

}  // namespace

using ZeleraTest = ScratchDirTest;

// Each problem found at its line (the one problem of its file), each refused
// change named; neither a check nor a refused change touches the file.
TEST_F(ZeleraTest, CheckFindsEachProblemAndRefusedChangesLeaveTheFileByteForByte)
{
    const std::string closed = W + "1989,2018,平成,0\r\n1926,1988,昭和,0\r\n";
    const std::vector<std::string> check{"check", "data/era.dat"};
    const struct { std::string strFile; std::vector<std::string> args; std::string strSays; } cases[] = {
        {kBuiltIn + "1867,1867,X,0", check, "line 6: the last line has no CR-LF at its end and is not read"},
        {W + "1989,-1,,0\r\n", check, "line 2: empty name"},
        {W + "1989,-1,\x81\x20,0\r\n", check, "line 2: the name is not valid Shift_JIS"},
        {W + "1989,-1,\xE5\xB9\xB3\xE6\x88\x90,0\r\n", check, "line 2: the name is UTF-8, not Shift_JIS"},
        {W + "1989,-1,平,成,0\r\n", check, "line 2: more than four fields: a comma in a name"},
        {W + "1989,平成,0\r\n1926,1988,昭和,0\r\n", check, "line 2: fewer than four fields"},
        {W + "1989,-1,平成,2\r\n", check, "line 2: calendar flag 2"},
        {W + "1989,-1,平成,0\r\n1926,1990,昭和,0\r\n", check, "line 3: 昭和 ends in 1990, but 平成 begins in 1989: the years overlap"},
        {W + "2019,-1,令和,0\r\n1989,-1,平成,0\r\n", check, "line 3: 平成 has no last year, but 令和 begins in 2019: close 平成 at 2018"},
        {W + "1926,1988,昭和,0\r\n1989,-1,平成,0\r\n", check, "line 3: 平成 begins in 1989, not before 昭和 above it (1926)"},
        {"1989,-1,平成,0\r\n", check, "file: no Western entry"},
        {"1989,-1,平成,0\r\n" + W, check, "line 2: the Western entry is not the first line"},
        {W + "1990,1980,X,0\r\n", check, "line 2: X: first year 1990 is after its last year 1980"},
        {W + "50,-1,X,0\r\n", check, "line 2: X: first year 50 is outside 100 to 9999"},
        {W + "0,-1,X,0\r\n", check, "line 2: X: no first year"},
        {W + "1989,10000,X,0\r\n", check, "line 2: X: last year 10000 is outside 100 to 9999"},
        {W + "1989,-1,X,0\r\n1926,1988,X,0\r\n", check, "line 3: X: the name is there already (line 2)"},
        {"-1,-1,西暦,1\r1989,-1,平成,0\r\n", check, "line 1: CR without LF: the byte after it is lost"},
        {W + std::string("\0", 1) + "1989,-1,平成,0\r\n", check, "line 2: a zero byte: nothing after it is read"},
        {kBuiltIn, {"add", "平成", "2030"}, "平成 is in the table already"},
        {kBuiltIn, {"add", "X", "1988"}, "1988 is not after 平成's first year 1989"},
        {closed, {"add", "X", "2010"}, "2010 lies within 平成 (1989 - 2018)"},
        {kBuiltIn, {"add", kNotShiftJis, "2030"}, "cannot be written in Shift_JIS"},
        {kBuiltIn, {"add", "A,B", "2030"}, "nor hold a comma"},
        {kBuiltIn, {"add", "X", "20x0"}, "FIRST-YEAR must be"},
        {"-1,-1,西暦,1\n", {"add", "X", "2030"}, "the file has problems"},
        {kBuiltIn, {"init"}, "there is a file already"},
    };
    for (const auto& c : cases) {
        WriteEraFile(c.strFile);
        const ToolRun run = Zelera(c.args);
        EXPECT_EQ(run.nCode, 1) << c.strSays;
        const bool bSaid = c.args == check ? Has(run.strOut, "\n" + c.strSays) && Has(run.strOut, "\n1 problem.\n")
                                           : Has(run.strErr, c.strSays);
        EXPECT_TRUE(bSaid) << run.strOut << run.strErr;
        EXPECT_EQ(ReadBytes("data/era.dat"), c.strFile) << c.strSays;
        EXPECT_FALSE(std::filesystem::exists("data/era.dat.bak") || std::filesystem::exists("data/era.dat.tmp"));
    }
    WriteEraFile("-1,-1,西暦,1\n1989,-1,平成,0\n");
    const ToolRun run = Zelera(check);
    EXPECT_TRUE(Has(run.strOut, "\nline 1: ends with LF alone") && Has(run.strOut, "\n3 problems.") &&
                Has(run.strOut, "\nfile: no line is read as an entry: the era list will be empty"))
        << run.strOut;
}

TEST_F(ZeleraTest, CheckShowsTheListAndTellsSoundMissingAndUnreadable)
{
    WriteEraFile(kBuiltIn);
    ToolRun run = Zelera({"check", "data/era.dat"});
    EXPECT_EQ(run.nCode, 0);
    EXPECT_EQ(run.strOut, "data/era.dat: the era list shows\n"
                          "  西暦      Western calendar\n"
                          "  平成      1989 -\n"
                          "  昭和      1926 - 1988\n"
                          "  大正      1912 - 1925\n"
                          "  明治      1868 - 1911\n"
                          "Sound.\n");
    std::filesystem::create_directory("data/dir.dat");
    run = Zelera({"check", "data/dir.dat"});
    EXPECT_EQ(run.nCode, 2);
    EXPECT_EQ(run.strErr, "data/dir.dat: cannot be read\n");
    EXPECT_EQ(Zelera({"check", "a", "b"}).nCode + Zelera({"frobnicate"}).nCode, 4);
    EXPECT_EQ(Zelera({"add", "--help"}).strOut.rfind("usage: zelera add NAME FIRST-YEAR [FILE]", 0), 0u);
}
