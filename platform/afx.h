// The framework layer in one include.
#pragma once

#include "afxbase.h"
#include "afxstr.h"
#include "afxcoll.h"
#include "afxdate.h"
#include "afxfile.h"
#ifdef _WIN32
#include "afxwin.h"
#endif
