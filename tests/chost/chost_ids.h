/* Items of the C host's dialog: a plain field before each control and one
 * after the last. */
#define IDD_CHOST            100
#define IDC_FIELD_FIRST      1000  /* 1000 .. 1008 */
#define IDC_CTRL_FIRST       2000  /* 2000 .. 2007, one per class in class order */
#define CHOST_CONTROL_COUNT  8
