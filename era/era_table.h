// CZelEraTable: the questions the library asks of an era table, answered in
// one place. List position i of an era list is table entry i. Years count
// as in zel_year_math.h and saturate instead of overflowing.
#pragma once

#include "afx.h"
#include "zel_era.h"
#include "zel_year_math.h"

class CZelEraTable
{
public:
    explicit CZelEraTable(CArray<CZelEra, CZelEra&>& rows) : m_rows(rows) {}

    // The entry at list position nPos; null outside the table.
    CZelEra* At(INT_PTR nPos) const { return nPos >= 0 && nPos < m_rows.GetSize() ? &m_rows[nPos] : nullptr; }

    // Position of the first Japanese era in table order (the newest first)
    // that holds Western year nWestern; -1 when none does.
    INT_PTR EraHolding(int nWestern) const
    {
        for (INT_PTR i = 0; i < m_rows.GetSize(); ++i) {
            if (m_rows[i].ChkEra(nWestern))
                return i;
        }
        return -1;
    }

    // Position of the first Japanese era that has era year nEraYear, the
    // year being counted in each era in turn; -1 when none has it.
    INT_PTR EraHavingYear(int nEraYear) const
    {
        for (INT_PTR i = 0; i < m_rows.GetSize(); ++i) {
            if (m_rows[i].ChkEra(ToWestern(m_rows[i], nEraYear)))
                return i;
        }
        return -1;
    }

    // Whether a Japanese era of the table begins in Western year nWestern.
    bool EraBeginsIn(int nWestern) const
    {
        for (INT_PTR i = 0; i < m_rows.GetSize(); ++i) {
            if (m_rows[i].GetDiv() == 0 && m_rows[i].GetStartYear() == nWestern)
                return true;
        }
        return false;
    }

    // Era year nEraYear of era as a Western year, and back.
    static int ToWestern(CZelEra& era, int nEraYear) { return ZelEraToWestern(nEraYear, era.GetStartYear()); }
    static int ToEraYear(CZelEra& era, int nWestern) { return ZelWesternToEra(nWestern, era.GetStartYear()); }

private:
    CArray<CZelEra, CZelEra&>& m_rows;
};
