// ZelCalCtrl: Japanese-calendar date-entry controls for Win32 hosts.
// The one header a host includes: the framework types the library's
// interface uses, the era calendar core and every control class.
#pragma once

#include "afx.h"
#include "afxwin.h"
#include "era/era_core.h"
#include "controls/zel_cal_norm.h"
#include "controls/zel_cal_norm_dlg.h"
#include "controls/zel_cal_norm_cal.h"
#include "controls/zel_cal_birth.h"
#include "controls/zel_cal_birth_notify.h"
#include "controls/zel_cal_norm_notify.h"
#include "periodic/zel_reg_set_dlg.h"
#include "periodic/zel_str_edit.h"
#include "periodic/zel_cal_reg.h"
#include "periodic/zel_cal_reg_notify.h"
#include "periodic/zel_cal_reg_not_notify.h"
