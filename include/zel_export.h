// Export macro of ZelCalCtrl.dll.
#pragma once
#ifdef _WIN32
#  ifdef ZELCALCTRL_BUILD
#    define ZELCALCTRL_API __declspec(dllexport)
#  else
#    define ZELCALCTRL_API __declspec(dllimport)
#  endif
#else
#  define ZELCALCTRL_API
#endif
