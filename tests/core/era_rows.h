// An era table made from rows written out in a test.
#pragma once

#include "era/zel_era.h"

#include <initializer_list>

// nDiv 1 the Western entry, 0 a Japanese era.
struct EraRow { int nDiv; const char* pszName; int nFirst, nLast; };

inline void FillEraTable(CArray<CZelEra, CZelEra&>& table, std::initializer_list<EraRow> rows)
{
    for (const EraRow& r : rows) {
        CZelEra era;
        era.SetEraInfo(r.nDiv, r.pszName, r.nFirst, r.nLast);
        table.Add(era);
    }
}
