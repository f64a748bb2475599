// The era tool's commands on real files: each problem check finds its
// fault, each refused change leaves the file byte for byte, and an added era
// reads back through the store as the controls will read it.
#include "../core/scratch_dir.h"
#include "era/era_core.h"
#include "zelera_commands.h"

#include <filesystem>
#include <initializer_list>
#include <string>

namespace {

struct ToolRun
{
    int nCode;
    std::string strOut, strErr;
};

ZelToolArg Arg(const std::string& text) { return {text, true, text}; }

ToolRun Zelera(std::initializer_list<const char*> args)
{
    std::vector<ZelToolArg> v;
    for (const char* a : args)
        v.push_back(Arg(a));
    ToolRun run{};
    run.nCode = RunZelera(v, run.strOut, run.strErr);
    return run;
}

const std::string kBuiltIn =
    "-1,-1,西暦,1\r\n1989,-1,平成,0\r\n1926,1988,昭和,0\r\n1912,1925,大正,0\r\n1868,1911,明治,0\r\n";

bool Exists(const char* path) { return std::filesystem::exists(path); }

}  // namespace

using ZeleraTest = ScratchDirTest;

TEST_F(ZeleraTest, CheckFindsEachProblemAtItsLine)
{
    struct Case
    {
        std::string strFile;
        const char* pszProblem;  // a line of the report
        int nProblems;
    };
    const Case cases[] = {
        {"-1,-1,西暦,1\n1989,-1,平成,0\n", "line 1: ends with LF alone", 3},
        {"-1,-1,西暦,1\n1989,-1,平成,0\n", "file: no line is read as an entry: the era list will be empty", 3},
        {kBuiltIn + "1867,1867,X,0", "line 6: the last line has no CR-LF at its end and is not read", 1},
        {"-1,-1,西暦,1\r\n1989,-1,,0\r\n", "line 2: empty name", 1},
        {"-1,-1,西暦,1\r\n1989,-1,\x81\x20,0\r\n", "line 2: the name is not valid Shift_JIS", 1},
        {"-1,-1,西暦,1\r\n1989,-1,\xE5\xB9\xB3\xE6\x88\x90,0\r\n", "line 2: the name is UTF-8, not Shift_JIS", 1},
        {"-1,-1,西暦,1\r\n1989,-1,平,成,0\r\n", "line 2: more than four fields: a comma in a name", 1},
        {"-1,-1,西暦,1\r\n1989,平成,0\r\n1926,1988,昭和,0\r\n", "line 2: fewer than four fields", 1},
        {"-1,-1,西暦,1\r\n1989,-1,平成,2\r\n", "line 2: calendar flag 2", 1},
        {"-1,-1,西暦,1\r\n1989,-1,平成,0\r\n1926,1990,昭和,0\r\n",
         "line 3: 昭和 ends in 1990, but 平成 begins in 1989: the years overlap", 1},
        {"-1,-1,西暦,1\r\n2019,-1,令和,0\r\n1989,-1,平成,0\r\n",
         "line 3: 平成 has no last year, but 令和 begins in 2019: close 平成 at 2018", 1},
        {"-1,-1,西暦,1\r\n1926,1988,昭和,0\r\n1989,-1,平成,0\r\n",
         "line 3: 平成 begins in 1989, not before 昭和 above it (1926)", 1},
        {"1989,-1,平成,0\r\n", "file: no Western entry", 1},
        {"1989,-1,平成,0\r\n-1,-1,西暦,1\r\n", "line 2: the Western entry is not the first line", 1},
        {"-1,-1,西暦,1\r\n1990,1980,X,0\r\n", "line 2: X: first year 1990 is after its last year 1980", 1},
        {"-1,-1,西暦,1\r\n50,-1,X,0\r\n", "line 2: X: first year 50 is outside 100 to 9999", 1},
        {"-1,-1,西暦,1\r\n0,-1,X,0\r\n", "line 2: X: no first year", 1},
        {"-1,-1,西暦,1\r\n1989,10000,X,0\r\n", "line 2: X: last year 10000 is outside 100 to 9999", 1},
        {"-1,-1,西暦,1\r\n1989,-1,X,0\r\n1926,1988,X,0\r\n", "line 3: X: the name is there already (line 2)", 1},
        {"-1,-1,西暦,1\r1989,-1,平成,0\r\n", "line 1: CR without LF: the byte after it is lost", 1},
        {std::string("-1,-1,西暦,1\r\n\0" "1989,-1,平成,0\r\n", 31), "line 2: a zero byte", 1},
    };
    for (const Case& c : cases) {
        WriteEraFile(c.strFile);
        const ToolRun run = Zelera({"check", "data/era.dat"});
        EXPECT_EQ(run.nCode, 1) << c.pszProblem;
        EXPECT_NE(run.strOut.find(std::string("\n") + c.pszProblem), std::string::npos) << run.strOut;
        const std::string count = std::to_string(c.nProblems) + (c.nProblems == 1 ? " problem." : " problems.");
        EXPECT_NE(run.strOut.find(count), std::string::npos) << run.strOut;
    }
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

    // No file: the built-in table, told as a problem.
    run = Zelera({"check", "data/none.dat"});
    EXPECT_EQ(run.nCode, 1);
    EXPECT_NE(run.strOut.find("no such file"), std::string::npos);
    EXPECT_NE(run.strOut.find("  明治      1868 - 1911\n"), std::string::npos);

    std::filesystem::create_directory("data/dir.dat");
    run = Zelera({"check", "data/dir.dat"});
    EXPECT_EQ(run.nCode, 2);
    EXPECT_EQ(run.strErr, "data/dir.dat: cannot be read\n");

    EXPECT_EQ(Zelera({"check", "a", "b"}).nCode, 2);
    EXPECT_EQ(Zelera({"frobnicate"}).nCode, 2);
    run = Zelera({"add", "--help"});
    EXPECT_EQ(run.nCode, 0);
    EXPECT_EQ(run.strOut.rfind("usage: zelera add NAME FIRST-YEAR [FILE]", 0), 0u);
}

TEST_F(ZeleraTest, RefusedAddsLeaveTheFileByteForByte)
{
    const std::string closed = "-1,-1,西暦,1\r\n1989,2018,平成,0\r\n1926,1988,昭和,0\r\n";
    struct Case
    {
        std::string strFile;
        std::vector<ZelToolArg> args;
        const char* pszMessage;
    };
    ZelToolArg notShiftJis = Arg("?");
    notShiftJis.bShiftJis = false;
    const Case cases[] = {
        {kBuiltIn, {Arg("add"), Arg("平成"), Arg("2030"), Arg("data/era.dat")}, "平成 is in the table already"},
        {kBuiltIn, {Arg("add"), Arg("X"), Arg("1988"), Arg("data/era.dat")}, "1988 is not after 平成's first year 1989"},
        {kBuiltIn, {Arg("add"), Arg("X"), Arg("1989"), Arg("data/era.dat")}, "1989 is not after 平成's first year"},
        {closed, {Arg("add"), Arg("X"), Arg("2010"), Arg("data/era.dat")}, "2010 lies within 平成 (1989 - 2018)"},
        {kBuiltIn, {Arg("add"), notShiftJis, Arg("2030"), Arg("data/era.dat")}, "cannot be written in Shift_JIS"},
        {kBuiltIn, {Arg("add"), Arg("A,B"), Arg("2030"), Arg("data/era.dat")}, "nor hold a comma"},
        {kBuiltIn, {Arg("add"), Arg("X"), Arg("20x0"), Arg("data/era.dat")}, "FIRST-YEAR must be"},
        {kBuiltIn, {Arg("add"), Arg("X"), Arg("10000"), Arg("data/era.dat")}, "FIRST-YEAR must be"},
        {"-1,-1,西暦,1\n", {Arg("add"), Arg("X"), Arg("2030"), Arg("data/era.dat")}, "the file has problems"},
        {kBuiltIn, {Arg("init"), Arg("data/era.dat")}, "there is a file already"},
    };
    for (const Case& c : cases) {
        WriteEraFile(c.strFile);
        ToolRun run{};
        run.nCode = RunZelera(c.args, run.strOut, run.strErr);
        EXPECT_EQ(run.nCode, 1) << c.pszMessage;
        EXPECT_NE(run.strErr.find(c.pszMessage), std::string::npos) << run.strErr;
        EXPECT_EQ(ReadBytes("data/era.dat"), c.strFile) << c.pszMessage;
        EXPECT_FALSE(Exists("data/era.dat.bak"));
        EXPECT_FALSE(Exists("data/era.dat.tmp"));
    }
}

TEST_F(ZeleraTest, AddingReiwaGivesAFileTheLibraryReadsWithHeiseiClosed)
{
    std::filesystem::create_directory("data");
    ASSERT_EQ(Zelera({"init"}).nCode, 0);
    ASSERT_EQ(ReadBytes("data/era.dat"), kBuiltIn);
    const ToolRun run = Zelera({"add", "令和", "2019"});
    ASSERT_EQ(run.nCode, 0) << run.strErr;
    EXPECT_NE(run.strOut.find("平成 now ends in 2018"), std::string::npos);
    const std::string reiwa = "-1,-1,西暦,1\r\n2019,-1,令和,0\r\n1989,2018,平成,0\r\n1926,1988,昭和,0\r\n"
                              "1912,1925,大正,0\r\n1868,1911,明治,0\r\n";
    EXPECT_EQ(ReadBytes("data/era.dat"), reiwa);
    EXPECT_EQ(ReadBytes("data/era.dat.bak"), kBuiltIn);
    EXPECT_FALSE(Exists("data/era.dat.tmp"));

    // The controls' own reading.
    CArray<CZelEra, CZelEra&> arr;
    EXPECT_EQ(CZelCalCtrlCom().ReadEraInfo(arr), 1);
    ASSERT_EQ(arr.GetSize(), 6);
    EXPECT_EQ(std::string(arr[1].GetEraname()), "令和");
    EXPECT_EQ(arr[1].GetStartYear(), 2019);
    EXPECT_EQ(arr[1].GetEndYear(), -1);
    EXPECT_EQ(std::string(arr[2].GetEraname()), "平成");
    EXPECT_EQ(arr[2].GetEndYear(), 2018);
    EXPECT_EQ(Zelera({"check"}).nCode, 0);

    // From no file at all the built-in table is the start, and no .bak.
    std::filesystem::remove_all("data");
    std::filesystem::create_directory("data");
    EXPECT_EQ(Zelera({"add", "令和", "2019"}).nCode, 0);
    EXPECT_EQ(ReadBytes("data/era.dat"), reiwa);
    EXPECT_FALSE(Exists("data/era.dat.bak"));
}
