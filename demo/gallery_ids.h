// Resource IDs of the gallery host.
#ifndef GALLERY_IDS_H
#define GALLERY_IDS_H
#define IDD_GALLERY 100
#define IDC_PREV_FIELD 101
#define IDC_NEXT_FIELD 102
#define IDC_LOG 103
#define IDC_SET_WESTERN 104
#define IDC_SET_ERA 105
#define IDC_READ 106
#define IDC_OPEN_DIALOG 107
#define IDC_CLEAR_LOG 108
#define IDC_CLASS_ROW 109
#define IDC_CLASS_ROW_LABEL 110
#define IDC_ROW_LABEL_FIRST 200
#endif
