#define IDD_SAMPLE   1
#define IDC_BIRTHDAY 101
