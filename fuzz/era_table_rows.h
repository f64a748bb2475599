// An era table of the library as plain records, to compare with the model.
#pragma once

#include "era/era_core.h"
#include "era_file_model.h"

#include <vector>

std::vector<ZelModelEra> ZelFuzzRowsOf(CArray<CZelEra, CZelEra&>& arr, INT_PTR nFirst = 0);
