// Resource IDs of ZelCalCtrl.dll: dialog templates, their child controls and
// the resource type of a template's initial list data. Plain #defines so that
// both the C++ sources and the resource script (windres) can include it.
#ifndef ZELCALCTRL_RESOURCE_H
#define ZELCALCTRL_RESOURCE_H

// ---- dialog templates ---------------------------------------------------------
#define IDD_ZELCALNORM          32704   // full-date control
#define IDD_ZELCALNORMDLG       22000   // modal date pop-up
#define IDD_ZELCALBIRTH         32710   // birthday-year control
#define IDD_ZELCALNORMCAL       22001   // full-date control with whole-date check
#define IDD_ZELCALBIRTHNOTIFY   32711   // birthday year with notification switch
#define IDD_ZELCALNORMNOTIFY    32705   // full date with notification switch
#define IDD_ZELREGSETDLG        32707   // periodic rule dialog
#define IDD_ZELCALREG           32706   // periodic date control
#define IDD_ZELCALREGNOTIFY     32709   // periodic date control with notification
#define IDD_ZELCALREGNOTNOTIFY  32712   // optional periodic date control

// ---- children of the date controls (same ID in every control that has it) ----
#define IDC_FORM_COMBO          32700   // era list
#define IDC_YEAR_EDIT           32701
#define IDC_MONTH_EDIT          32702
#define IDC_DAY_EDIT            32703
#define IDC_CHK_NOTIFY          32704   // "通知設定" check box
#define IDC_BTN_REG             32705   // 定期
#define IDC_STR_EDIT            32706   // read-only rule text
#define IDC_BTN_DAY             32708   // 日時
#define IDC_BTN_SET             32715   // 設定
// Labels of the periodic date controls (they carry IDs there).
#define IDC_LABEL_YEAR          32711
#define IDC_LABEL_MONTH         32712
#define IDC_LABEL_DAY           32713

// ---- children of the periodic rule dialog -------------------------------------
#define IDC_RD_EVERYMONTH       32707   // 毎月, first of the radio group
#define IDC_RD_EACHMONTH        32708   // 隔月
#define IDC_EACHMONTH_COMBO     32709   // interval list
#define IDC_EVERYDAY_EDIT       32710   // day of 毎月
#define IDC_EACHDAY_EDIT        32711   // day of 隔月
#define IDC_RD_EVERYYEAR        32712   // 毎年
#define IDC_EVERYYEAR_COMBO     32713   // month list
#define IDC_EVERYYDAY_EDIT      32714   // day of 毎年

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif

// Resource type of a dialog's initial list data. Records, packed little-endian:
// WORD control ID, WORD message, DWORD byte count, that many bytes (Shift_JIS
// text with its terminating zero); a WORD 0 ends the data.
#define RT_ZEL_DLGINIT          240

#endif // ZELCALCTRL_RESOURCE_H
