// The era calendar core in one include.
#pragma once

#include "zel_era.h"
#include "zel_cal_ctrl_com.h"
#include "era_date.h"
#include "zel_cal_ctrl_util.h"
#include "decimal_value.h"
