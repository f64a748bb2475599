#include "era/era_core.h"
#include "scratch_dir.h"

#include <filesystem>
#include <string>

namespace {

// Reads .\data\era.dat into a fresh table: "result:" then "flag,name,first,last;" per record.
std::string ReadTable()
{
    CArray<CZelEra, CZelEra&> arr;
    std::string text = std::to_string(CZelCalCtrlCom().ReadEraInfo(arr)) + ":";
    for (INT_PTR i = 0; i < arr.GetSize(); ++i) {
        CZelEra& era = arr.ElementAt(i);
        text += std::to_string(era.GetDiv()) + "," + static_cast<LPCSTR>(era.GetEraname()) + "," +
                std::to_string(era.GetStartYear()) + "," + std::to_string(era.GetEndYear()) + ";";
    }
    return text;
}

const std::string kDefaults = "1,西暦,-1,-1;0,平成,1989,-1;0,昭和,1926,1988;0,大正,1912,1925;0,明治,1868,1911;";

}  // namespace

using EraStoreTest = ScratchDirTest;

TEST_F(EraStoreTest, MissingFileGivesTheDefaultsAndWritesThemForTheNextRead)
{
    std::filesystem::create_directory("data");
    EXPECT_EQ(ReadTable(), "0:" + kDefaults);
    // Shift_JIS names, CR LF line ends, -1 for a year of 0.
    const std::string written = ReadBytes("data/era.dat");
    EXPECT_EQ(written,
              "-1,-1,\x90\xBC\x97\xEF,1\r\n1989,-1,\x95\xBD\x90\xAC,0\r\n1926,1988,\x8F\xBA\x98\x61,0\r\n"
              "1912,1925,\x91\xE5\x90\xB3,0\r\n1868,1911,\x96\xBE\x8E\xA1,0\r\n");
    EXPECT_EQ(ReadTable(), "1:" + kDefaults);
    EXPECT_EQ(ReadBytes("data/era.dat"), written);
}

TEST_F(EraStoreTest, CrLfLinesAreRecordsInFileOrderWithFieldsAsTheyStand)
{
    WriteEraFile("1989,0,平成,0\r\n1926,1988,昭和,0\r\n");
    EXPECT_EQ(ReadTable(), "1:0,平成,1989,-1;0,昭和,1926,1988;");

    // Leading spaces stay in a name; the fourth field "0,x" reads 0; a blank
    // line is harmless; a last line without CR LF is dropped.
    WriteEraFile("1989,0,  平成,0,x\r\n\r\n1926,1988,昭和,0\r\n1912,1925,大正,0");
    EXPECT_EQ(ReadTable(), "1:0,  平成,1989,-1;0,昭和,1926,1988;");

    // The byte after CR is skipped, whatever it is.
    WriteEraFile("1989,0,A,0\r1926,1988,B,0\r");
    EXPECT_EQ(ReadTable(), "1:0,A,1989,-1;0,B,926,1988;");
}

TEST_F(EraStoreTest, LfOnlyFileGivesAnEmptyTableAndIsKept)
{
    const std::string text = "1989,0,平成,0\n1926,1988,昭和,0\n";
    WriteEraFile(text);
    EXPECT_EQ(ReadTable(), "1:");
    EXPECT_EQ(ReadBytes("data/era.dat"), text);
}

TEST_F(EraStoreTest, WithoutTheDataFolderNothingIsCreated)
{
    EXPECT_EQ(ReadTable(), "0:" + kDefaults);
    CArray<CZelEra, CZelEra&> arr;
    EXPECT_EQ(CZelCalCtrlCom().WriteFile(arr), 0);
    EXPECT_FALSE(std::filesystem::exists("data"));
}

TEST_F(EraStoreTest, EraFileThatIsAFolderGivesTheDefaults)
{
    std::filesystem::create_directories("data/era.dat");
    EXPECT_EQ(ReadTable(), "0:" + kDefaults);
}
