// The era table's lookups and year counting, and the date text built on them.
#include <gtest/gtest.h>

#include "era/era_date_text.h"
#include "era/era_table.h"
#include "era_rows.h"

#include <climits>
#include <string>

// 西暦, then 令和 from 2019, 平成 1989 to 2019 (sharing 2019), 昭和 1926 to 1988
// and an era whose first year reads -1.
TEST(EraTableTest, LookupsCountingAndDateTexts)
{
    CArray<CZelEra, CZelEra&> rows;
    FillEraTable(rows, {{1, "西暦", 0, 0}, {0, "令和", 2019, 0}, {0, "平成", 1989, 2019}, {0, "昭和", 1926, 1988},
                        {0, "古", 50, 120}});
    CZelEraTable table(rows);
    auto name = [&table](INT_PTR nPos) { return table.At(nPos) ? std::string(table.At(nPos)->GetEraname()) : "none"; };

    // The first Japanese era in table order holds a year; the Western entry
    // none; an era without a last year lasts to 9999.
    const struct { int nYear; const char* pszEra; } held[] = {
        {2019, "令和"}, {2018, "平成"}, {9999, "令和"}, {10000, "none"}, {1988, "昭和"}, {1925, "none"},
        {120, "古"},    {-1, "古"},     {-2, "none"},   {INT_MIN, "none"}, {INT_MAX, "none"}};
    for (const auto& r : held)
        EXPECT_EQ(name(table.EraHolding(r.nYear)), r.pszEra) << r.nYear;
    EXPECT_EQ(name(5), "none");

    // A short year counted in each era in turn: the newest era that has it.
    CArray<CZelEra, CZelEra&> old;
    FillEraTable(old, {{0, "平成", 1989, 2019}, {0, "昭和", 1926, 1988}});
    const struct { int nEraYear; INT_PTR nPos; } having[] = {{31, 0}, {32, 1}, {63, 1}, {64, -1}, {0, -1}, {INT_MAX, -1}};
    for (const auto& r : having)
        EXPECT_EQ(CZelEraTable(old).EraHavingYear(r.nEraYear), r.nPos) << r.nEraYear;
    EXPECT_EQ(name(table.EraHavingYear(99)), "令和");

    // Counting saturates.
    EXPECT_EQ(CZelEraTable::ToWestern(rows[2], 14), 2002);
    EXPECT_EQ(CZelEraTable::ToEraYear(rows[2], 2002), 14);
    EXPECT_EQ(CZelEraTable::ToWestern(rows[4], 5), 3);
    EXPECT_EQ(CZelEraTable::ToWestern(rows[2], INT_MAX), INT_MAX);
    EXPECT_EQ(CZelEraTable::ToEraYear(rows[2], INT_MIN), INT_MIN);
    EXPECT_EQ(CZelEraTable::ToWestern(rows[4], INT_MIN), INT_MIN);
    EXPECT_EQ(CZelEraTable::ToEraYear(rows[4], INT_MAX), INT_MAX);
    EXPECT_TRUE(table.EraBeginsIn(2019));
    EXPECT_FALSE(table.EraBeginsIn(2018));

    // Numbers as printf writes them, whatever their size or sign.
    EXPECT_EQ(std::string(ZelEraDateText(rows, 1, INT_MIN, -9, 5)), "-2147483648/-9/05");
    EXPECT_EQ(std::string(ZelEraDateText(rows, 1, 0, INT_MAX, -10)), "0/2147483647/-10");
    EXPECT_EQ(std::string(ZelEraDateText(rows, 0, 2019, 5, 1)), "令和1/05/01");
    EXPECT_EQ(std::string(ZelEraDateText(rows, 0, -1, 1, 2)), "古1/01/02");
    EXPECT_EQ(std::string(ZelEraDateText(rows, 0, 121, 1, 2)), "");
}
