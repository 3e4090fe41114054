#pragma once
// Resource ids of the PDF dialogs (resources/dialogs_pdf.rc). The progress window of an export is
// the output progress dialog of resources/ids_print.h.

// 1610: PDF出力の設定.
#define IDD_PDF_SETTINGS        1610
#define IDC_PDF_OFFSET_X_UNIT   15521
#define IDC_PDF_OFFSET_Y_UNIT   15522
#define IDC_PDF_FONT_SETTINGS   15556
#define IDC_PDF_OFFSET_X        15557
#define IDC_PDF_OFFSET_Y        15558

// 1308: PDF Font Set.
#define IDD_PDF_FONT_SET        1308
#define IDC_PDF_SCREEN_FACES    13038
#define IDC_PDF_FACE_RECORDS    13039
#define IDC_PDF_FACE_SCROLL     13040
#define IDC_PDF_RECORD_CHOICE   13041
#define IDC_PDF_DISPLAY_NAME    13042
#define IDC_PDF_REGULAR_NAME    13043
#define IDC_PDF_BOLD_NAME       13044
#define IDC_PDF_ITALIC_NAME     13045
#define IDC_PDF_BOLD_ITALIC_NAME 13046
#define IDC_PDF_ADD_RECORD      13047
#define IDC_PDF_REPLACE_RECORD  13048
#define IDC_PDF_DELETE_RECORD   13049
