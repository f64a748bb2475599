// What is wrong with an era file's text, judged by how the era table store
// reads it: line ends, fields, names, years and the order of the eras.
#pragma once

#include "era/zel_era.h"

#include <string>
#include <vector>

struct EraProblem
{
    int nLine;             // 1-based line of the file, 0 for the whole file
    std::string strText;   // Shift_JIS
};

// text: the file's bytes; records: what the store read from them, in order.
std::vector<EraProblem> CheckEraText(const std::string& text, const std::vector<CZelEra>& records);
