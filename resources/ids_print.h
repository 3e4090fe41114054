#pragma once
// Resource ids of the print dialogs (resources/dialogs_print.rc).

// 1606: プリントの設定.
#define IDD_PRINT_SETTINGS      1606
#define IDC_PRINT_OFFSET_X      15519
#define IDC_PRINT_OFFSET_Y      15520
#define IDC_PRINT_OFFSET_X_UNIT 15521
#define IDC_PRINT_OFFSET_Y_UNIT 15522
#define IDC_PRINT_PREVIEW       15731
#define IDC_PRINT_FIRST_PAGE    15732
#define IDC_PRINT_LAST_PAGE     15733
#define IDC_PRINT_ALL_PAGES     15734

// 1512: the progress of a print run (and of a PDF export).
#define IDD_OUTPUT_PROGRESS     1512
#define IDC_OUTPUT_PROGRESS_BAR 15151
