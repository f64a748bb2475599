#include "era/era_core.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using EraTable = CArray<CZelEra, CZelEra&>;

// The file written from the default table, byte for byte (Shift_JIS names).
const std::string kDefaultFile =
    "-1,-1,\x90\xBC\x97\xEF,1\r\n"
    "1989,-1,\x95\xBD\x90\xAC,0\r\n"
    "1926,1988,\x8F\xBA\x98\x61,0\r\n"
    "1912,1925,\x91\xE5\x90\xB3,0\r\n"
    "1868,1911,\x96\xBE\x8E\xA1,0\r\n";

struct Row
{
    int nDiv;
    std::string name;
    int nStart;
    int nEnd;
    bool operator==(const Row& o) const
    {
        return nDiv == o.nDiv && name == o.name && nStart == o.nStart && nEnd == o.nEnd;
    }
};

void PrintTo(const Row& r, std::ostream* os)
{
    *os << "{" << r.nDiv << ", \"" << r.name << "\", " << r.nStart << ", " << r.nEnd << "}";
}

std::vector<Row> Rows(EraTable& arr)
{
    std::vector<Row> rows;
    for (INT_PTR i = 0; i < arr.GetSize(); ++i) {
        CZelEra& e = arr.ElementAt(i);
        rows.push_back({e.GetDiv(), static_cast<LPCSTR>(e.GetEraname()), e.GetStartYear(), e.GetEndYear()});
    }
    return rows;
}

const std::vector<Row> kDefaultRows = {
    {1, "\x90\xBC\x97\xEF", -1, -1},
    {0, "\x95\xBD\x90\xAC", 1989, -1},
    {0, "\x8F\xBA\x98\x61", 1926, 1988},
    {0, "\x91\xE5\x90\xB3", 1912, 1925},
    {0, "\x96\xBE\x8E\xA1", 1868, 1911},
};

// Reads era.dat into a fresh table.
std::vector<Row> ReadTable(int* pResult = nullptr)
{
    EraTable arr;
    CZelCalCtrlCom com;
    const int result = com.ReadEraInfo(arr);
    if (pResult)
        *pResult = result;
    return Rows(arr);
}

}  // namespace

using EraStoreTest = ScratchDirTest;

TEST_F(EraStoreTest, MissingFileGivesTheDefaultsAndWritesThem)
{
    MakeDataDir();
    int result = -1;
    EXPECT_EQ(ReadTable(&result), kDefaultRows);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadEraFile(), kDefaultFile);

    // The written file reads back as the same table.
    EXPECT_EQ(ReadTable(&result), kDefaultRows);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(ReadEraFile(), kDefaultFile);
}

TEST_F(EraStoreTest, WithoutTheDataFolderNothingIsCreated)
{
    int result = -1;
    EXPECT_EQ(ReadTable(&result), kDefaultRows);
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(std::filesystem::exists("data"));

    EraTable arr;
    CZelEra era;
    era.SetEraInfo(0, "x", 2000, 2001);
    arr.Add(era);
    CZelCalCtrlCom com;
    EXPECT_EQ(com.WriteFile(arr), 0);
    EXPECT_FALSE(std::filesystem::exists("data"));
}

TEST_F(EraStoreTest, AnEraFileThatCannotBeOpenedFallsBack)
{
    // era.dat is a folder: it is found but cannot be opened, read or replaced.
    MakeDataDir();
    std::filesystem::create_directory("data/era.dat");
    int result = -1;
    EXPECT_EQ(ReadTable(&result), kDefaultRows);
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(std::filesystem::is_directory("data/era.dat"));
}

TEST_F(EraStoreTest, RecordsAreAppendedToWhatTheTableHeld)
{
    WriteEraFile("1989,0,平成,0\r\n");
    EraTable arr;
    CZelEra first;
    first.SetEraInfo(0, "先", 1000, 1100);
    arr.Add(first);
    CZelCalCtrlCom com;
    EXPECT_EQ(com.ReadEraInfo(arr), 1);
    const std::vector<Row> expected = {{0, "先", 1000, 1100}, {0, "平成", 1989, -1}};
    EXPECT_EQ(Rows(arr), expected);

    // The fallback appends too.
    std::filesystem::remove("data/era.dat");
    EXPECT_EQ(com.ReadEraInfo(arr), 0);
    EXPECT_EQ(arr.GetSize(), 2 + 5);
    EXPECT_EQ(Rows(arr)[2], kDefaultRows[0]);
}

TEST_F(EraStoreTest, CrLfLinesAreRecordsInFileOrder)
{
    WriteEraFile("1989,0,平成,0\r\n1926,1988,昭和,0\r\n");
    int result = -1;
    const std::vector<Row> expected = {{0, "平成", 1989, -1}, {0, "昭和", 1926, 1988}};
    EXPECT_EQ(ReadTable(&result), expected);
    EXPECT_EQ(result, 1);
}

TEST_F(EraStoreTest, TextWithoutCompleteLinesGivesNoRecordsAndIsKept)
{
    const char* texts[] = {
        "1989,0,平成,0\n1926,1988,昭和,0\n",  // LF line ends
        "",
        "1989,0,平成,0",  // no line end at all
    };
    for (const char* text : texts) {
        WriteEraFile(text);
        int result = -1;
        EXPECT_TRUE(ReadTable(&result).empty()) << text;
        EXPECT_EQ(result, 1) << text;
        EXPECT_EQ(ReadEraFile(), text);  // not rewritten with the defaults
    }
}

TEST_F(EraStoreTest, LineEndQuirks)
{
    // A last line without CR LF is dropped; a blank line before a record
    // lands in its first-year field, where the decimal reading skips it.
    WriteEraFile("1989,0,平成,0\r\n\r\n1926,1988,昭和,0\r\n1912,1925,大正,0");
    std::vector<Row> expected = {{0, "平成", 1989, -1}, {0, "昭和", 1926, 1988}};
    EXPECT_EQ(ReadTable(), expected);

    // CR alone: the first byte of every following line is lost.
    WriteEraFile("1989,0,A,0\r1926,1988,B,0\r1912,1925,C,0\r");
    expected = {{0, "A", 1989, -1}, {0, "B", 926, 1988}, {0, "C", 912, 1925}};
    EXPECT_EQ(ReadTable(), expected);

    // A CR as the very last byte ends the record without reading further.
    WriteEraFile("1989,0,A,0\r");
    expected = {{0, "A", 1989, -1}};
    EXPECT_EQ(ReadTable(), expected);

    // An LF line end runs on into the next line's flag field.
    WriteEraFile("1989,0,A,0\n1926,1988,B,1\r\n");
    expected = {{0, "A", 1989, -1}};
    EXPECT_EQ(ReadTable(), expected);
}

TEST_F(EraStoreTest, FieldsAreReadAsTheyStand)
{
    WriteEraFile(
        "  1989,0,  平成 ,0\r\n"   // spaces kept in the name
        "xx\n1926,1988,昭和,0,x\r\n"  // stray bytes before the first comma; extra fields
        "1912,1925,,7\r\n"          // empty name, any flag number
        "99999999999,-99999999999,big,0\r\n");
    const std::vector<Row> expected = {
        {0, "  平成 ", 1989, -1},
        {0, "昭和", -1, 1988},  // "xx\n1926" reads as 0, which reads back as -1
        {7, "", 1912, 1925},
        {0, "big", -1, -1},
    };
    EXPECT_EQ(ReadTable(), expected);
}

TEST_F(EraStoreTest, NamesWithAnyBytesPassThrough)
{
    // 表 and ソ have 0x5C as their second byte.
    WriteEraFile("1500,1600,表ソ,0\r\n");
    const std::vector<Row> expected = {{0, "\x95\x5C\x83\x5C", 1500, 1600}};
    EXPECT_EQ(ReadTable(), expected);
}

TEST_F(EraStoreTest, WriteFileWritesYearsAsTheyReadBack)
{
    WriteEraFile("1989,0,平成,0\r\n50,10000,x,0\r\n");
    EraTable arr;
    CZelCalCtrlCom com;
    ASSERT_EQ(com.ReadEraInfo(arr), 1);
    EXPECT_EQ(com.WriteFile(arr), 1);
    EXPECT_EQ(ReadEraFile(), "1989,-1,\x95\xBD\x90\xAC,0\r\n-1,-1,x,0\r\n");

    // An empty table leaves an empty file.
    EraTable empty;
    EXPECT_EQ(com.WriteFile(empty), 1);
    EXPECT_EQ(ReadEraFile(), "");
}
