#pragma once
// Resource ids of the colour dialogs and the font change dialog (resources/dialogs_colour.rc).

// 1634 カラー設定: one ink colour, the palette, the user and DIC colour tables, the spot inks.
#define IDD_COLOR_SETTINGS       1634
#define IDC_COLOR_SWATCH         15660
#define IDC_COLOR_MODEL_CMYK     15661
#define IDC_COLOR_MODEL_RGB      15662
#define IDC_COLOR_CYAN           15663
#define IDC_COLOR_CYAN_SPIN      15664
#define IDC_COLOR_MAGENTA        15665
#define IDC_COLOR_MAGENTA_SPIN   15666
#define IDC_COLOR_YELLOW         15667
#define IDC_COLOR_YELLOW_SPIN    15668
#define IDC_COLOR_BLACK          15669
#define IDC_COLOR_BLACK_SPIN     15670
#define IDC_COLOR_RED            15671
#define IDC_COLOR_RED_SPIN       15672
#define IDC_COLOR_GREEN          15673
#define IDC_COLOR_GREEN_SPIN     15674
#define IDC_COLOR_BLUE           15675
#define IDC_COLOR_BLUE_SPIN      15676
#define IDC_COLOR_PALETTE        15677
#define IDC_USER_COLOR_NAME      15678
#define IDC_USER_COLOR_LIST      15679
#define IDC_USER_COLOR_SCROLL    15680
#define IDC_USER_COLOR_BEFORE    15681
#define IDC_USER_COLOR_AFTER     15682
#define IDC_USER_COLOR_CHANGE    15683
#define IDC_USER_COLOR_DELETE    15684
#define IDC_DIC_COLOR_NAME       15685
#define IDC_DIC_COLOR_LIST       15686
#define IDC_DIC_COLOR_SCROLL     15687
#define IDC_DIC_COLOR_RENAME     15688
#define IDC_COLOR_MAKER          15689
#define IDC_COLOR_INK            15690
#define IDC_COLOR_OVERPRINT_DLG  15691
#define IDC_SPOT_INK_1           15692   // .. 15696 "特色５"
#define IDC_SPOT_LABEL_1         15697   // .. 15701
#define IDC_COLOR_OVERPRINT      15722

// 1635 オーバープリント: a check box per plate (C, M, Y, K, spot inks 1 to 5) beside its ink.
#define IDD_OVERPRINT            1635
#define IDC_OVERPRINT_PLATE_1    15711   // .. 15719
#define IDC_OVERPRINT_CYAN_INK   15720
#define IDC_OVERPRINT_MAGENTA_INK 15721
#define IDC_OVERPRINT_YELLOW_INK 15722
#define IDC_OVERPRINT_BLACK_INK  15723
#define IDC_OVERPRINT_SPOT1_INK  15724
#define IDC_OVERPRINT_SPOT2_INK  15726   // .. 15729 for spot inks 2 to 5

// 1303 フォントチェンジ: read names and display names, scrolled together, the installed faces.
#define IDD_FONT_CHANGE          1303
#define IDC_FONT_READ_NAMES      13009
#define IDC_FONT_DISPLAY_NAMES   13010
#define IDC_FONT_SCROLL          13011
#define IDC_FONT_FACES           13012
#define IDC_FONT_CLEAR_ALL       13013
#define IDC_FONT_DELETE          13014
