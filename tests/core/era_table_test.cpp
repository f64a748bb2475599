// The era table's lookups and year counting, and the date text built on them.
#include <gtest/gtest.h>

#include "era/era_date_text.h"
#include "era/era_table.h"
#include "era_rows.h"

#include <climits>
#include <cstdio>
#include <iterator>
#include <string>

namespace {

// 西暦, then 令和 from 2019, 平成 1989 to 2019 (sharing 2019), 昭和 1926 to 1988
// and an era whose first year reads -1.
class EraTableTest : public ::testing::Test
{
protected:
    EraTableTest()
    {
        FillEraTable(m_rows, {{1, "西暦", 0, 0}, {0, "令和", 2019, 0}, {0, "平成", 1989, 2019},
                              {0, "昭和", 1926, 1988}, {0, "古", 50, 120}});
    }

    std::string NameAt(INT_PTR nPos)
    {
        CZelEra* pEra = CZelEraTable(m_rows).At(nPos);
        return pEra ? std::string(pEra->GetEraname()) : "none";
    }

    CArray<CZelEra, CZelEra&> m_rows;
};

TEST_F(EraTableTest, EntriesAtListPositions)
{
    EXPECT_EQ(NameAt(0), "西暦");
    EXPECT_EQ(NameAt(4), "古");
    EXPECT_EQ(NameAt(5), "none");
    EXPECT_EQ(NameAt(-1), "none");
    CArray<CZelEra, CZelEra&> empty;
    EXPECT_EQ(CZelEraTable(empty).At(0), nullptr);
    EXPECT_EQ(CZelEraTable(empty).EraHolding(2000), -1);
}

// The first Japanese era in table order wins; the Western entry holds no year;
// an era without a last year lasts to 9999.
TEST_F(EraTableTest, EraHoldingAWesternYear)
{
    const struct { int nYear; const char* pszEra; } rows[] = {
        {2019, "令和"}, {2018, "平成"}, {9999, "令和"}, {10000, "none"}, {1989, "平成"}, {1988, "昭和"},
        {1926, "昭和"}, {1925, "none"}, {120, "古"}, {-1, "古"}, {-2, "none"}, {INT_MIN, "none"}, {INT_MAX, "none"}};
    CZelEraTable table(m_rows);
    for (const auto& r : rows)
        EXPECT_EQ(NameAt(table.EraHolding(r.nYear)), r.pszEra) << r.nYear;
}

// A short year counted in each era in turn: the newest era that has it.
TEST_F(EraTableTest, EraHavingAnEraYear)
{
    CArray<CZelEra, CZelEra&> old;
    FillEraTable(old, {{0, "平成", 1989, 2019}, {0, "昭和", 1926, 1988}});
    const struct { int nEraYear; const char* pszOld; } rows[] = {
        {1, "平成"}, {31, "平成"}, {32, "昭和"}, {63, "昭和"}, {64, "none"}, {0, "none"}, {INT_MAX, "none"}};
    for (const auto& r : rows) {
        const INT_PTR nPos = CZelEraTable(old).EraHavingYear(r.nEraYear);
        EXPECT_EQ(nPos < 0 ? "none" : std::string(old[nPos].GetEraname()), r.pszOld) << r.nEraYear;
    }
    EXPECT_EQ(NameAt(CZelEraTable(m_rows).EraHavingYear(99)), "令和");
}

TEST_F(EraTableTest, CountingYearsSaturates)
{
    CZelEra& heisei = m_rows[2];
    CZelEra& early = m_rows[4];  // first year -1
    EXPECT_EQ(CZelEraTable::ToWestern(heisei, 14), 2002);
    EXPECT_EQ(CZelEraTable::ToEraYear(heisei, 2002), 14);
    EXPECT_EQ(CZelEraTable::ToWestern(early, 5), 3);
    EXPECT_EQ(CZelEraTable::ToEraYear(early, 3), 5);
    EXPECT_EQ(CZelEraTable::ToWestern(heisei, INT_MAX), INT_MAX);
    EXPECT_EQ(CZelEraTable::ToEraYear(heisei, INT_MIN), INT_MIN);
    EXPECT_EQ(CZelEraTable::ToWestern(early, INT_MIN), INT_MIN);
    EXPECT_EQ(CZelEraTable::ToEraYear(early, INT_MAX), INT_MAX);
    EXPECT_TRUE(CZelEraTable(m_rows).EraBeginsIn(2019));
    EXPECT_FALSE(CZelEraTable(m_rows).EraBeginsIn(2018));
    EXPECT_TRUE(CZelEraTable(m_rows).EraBeginsIn(1989));
}

// Numbers are written as printf writes them, whatever their size or sign.
TEST_F(EraTableTest, DateTextNumbersAsPrintfWritesThem)
{
    const int values[] = {0, 1, 9, 10, 99, 100, 2002, -1, -9, -10, 123456789, INT_MAX, INT_MIN};
    const int n = static_cast<int>(std::size(values));
    for (int y : values) {
        for (int i = 0; i < n; ++i) {
            const int m = values[i], d = values[(i + 5) % n];
            char expected[64];
            std::snprintf(expected, sizeof expected, "%d/%02d/%02d", y, m, d);
            EXPECT_EQ(std::string(ZelEraDateText(m_rows, 1, y, m, d)), expected);
        }
    }
    EXPECT_EQ(std::string(ZelEraDateText(m_rows, 0, 2019, 5, 1)), "令和1/05/01");
    EXPECT_EQ(std::string(ZelEraDateText(m_rows, 0, 121, 1, 2)), "");
    EXPECT_EQ(std::string(ZelEraDateText(m_rows, 0, -1, 1, 2)), "古1/01/02");
}

}  // namespace
