#include "era_table_rows.h"

std::vector<ZelModelEra> ZelFuzzRowsOf(CArray<CZelEra, CZelEra&>& arr, INT_PTR nFirst)
{
    std::vector<ZelModelEra> rows;
    for (INT_PTR i = nFirst; i < arr.GetSize(); ++i) {
        CZelEra& era = arr.ElementAt(i);
        const CString strName = era.GetEraname();
        rows.push_back({era.GetDiv(), std::string(static_cast<LPCSTR>(strName), static_cast<std::size_t>(strName.GetLength())),
                        era.GetStartYear(), era.GetEndYear()});
    }
    return rows;
}
