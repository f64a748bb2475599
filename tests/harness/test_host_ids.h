// Resource IDs of the test host's own module.
#ifndef TEST_HOST_IDS_H
#define TEST_HOST_IDS_H
#define IDD_TEST_HOST 100
#define IDC_HOST_PREV 101
#define IDC_HOST_NEXT 102
// A host template under a library template's ID: shows which module a dialog comes from.
#define IDD_DECOY_REGSET 32707
// For the framework's own tests: an edit, a button, OK and Cancel.
#define IDD_FRAMEWORK_DLG 110
#define IDC_FW_EDIT 111
#define IDC_FW_BUTTON 115
#endif
