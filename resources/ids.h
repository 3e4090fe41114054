#pragma once
// Resource ids shared by the resource scripts and the code.

// Dialogs
#define IDD_SPLASH            102
#define IDC_SPLASH_PICTURE    1007

// The program's own chooser of several files.
#define IDD_FILE_CHOOSER      1105
#define IDD_FILE_PROGRESS     1544
#define IDC_FILE_PROGRESS_BAR 15152
#define IDC_FILE_FOLDER       11010
#define IDC_FILE_TREE         11011
#define IDC_FILE_DRIVES       11012
#define IDC_FILE_FILES        11014
#define IDC_FILE_CHOSEN       11015
#define IDC_FILE_ADD          11016
#define IDC_FILE_REMOVE       11017
#define IDC_FILE_ADD_ALL      11018
#define IDC_FILE_REMOVE_ALL   11019

// The document's command dialogs: drawing order (four and two choices) and groups.
#define IDD_ORDER_CHANGE_FOUR 1618
#define IDD_ORDER_CHANGE_TWO  1619
#define IDC_ORDER_TO_BACK     15603
#define IDC_ORDER_TO_FRONT    15604
#define IDC_ORDER_BEHIND      15605
#define IDC_ORDER_IN_FRONT    15606
#define IDD_GROUP             1517
#define IDC_GROUP_MAKE        15509
#define IDC_GROUP_BREAK       15510

// The paper dialog (1501): orientation and sheet size buttons (push-like radio buttons), sizes,
// scale and y direction.
#define IDD_PAPER_SETTINGS    1501
#define IDC_PAPER_PORTRAIT    15008
#define IDC_PAPER_LANDSCAPE   15009
#define IDC_PAPER_A0          15010
#define IDC_PAPER_A1          15011
#define IDC_PAPER_A2          15012
#define IDC_PAPER_A3          15013
#define IDC_PAPER_A4          15014
#define IDC_PAPER_A5          15015
#define IDC_PAPER_A6          15070
#define IDC_PAPER_B0          15066
#define IDC_PAPER_B1          15067
#define IDC_PAPER_B2          15068
#define IDC_PAPER_B3          15069
#define IDC_PAPER_B4          15016
#define IDC_PAPER_B5          15017
#define IDC_PAPER_B6          15018
#define IDC_PAPER_VERTICAL    15020
#define IDC_PAPER_HORIZONTAL  15023
#define IDC_PAPER_NUMERATOR   15064
#define IDC_PAPER_DENOMINATOR 15065
#define IDC_PAPER_Y_DIRECTION 15628

// The display control (tabbed dialog 1514): its layer pages run on 1510, its kind pages on 1513.
#define IDD_DISPLAY_LAYERS       1510
#define IDC_DISPLAY_LAYER_LIST   15047
#define IDC_DISPLAY_LAYERS_ON    15048
#define IDC_DISPLAY_LAYERS_OFF   15049
#define IDC_DISPLAY_LAYER_SCROLL 15052
#define IDC_DISPLAY_LAYER_NAME   15057
#define IDD_DISPLAY_KINDS        1513
#define IDC_DISPLAY_KIND_LIST    15053
#define IDC_DISPLAY_KIND_SCROLL  15054
#define IDC_DISPLAY_KINDS_ON     15058
#define IDC_DISPLAY_KINDS_OFF    15059

// The grid dialog (グリッドの設定): page 0 "表示" (1506) and page 1 "原点" (1507) of the tabbed
// frame 1508, which is no resource of its own (the pages run by themselves). Page 1 reuses the
// ids 15035 to 15037 of page 0 for its own fields and labels.
#define IDD_GRID_DISPLAY         1506
#define IDD_GRID_ORIGIN          1507
#define IDC_GRID_PLUS_COLOUR     15027
#define IDC_GRID_MINUS_COLOUR    15028
#define IDC_GRID_KIND            15029
#define IDC_GRID_UNIT            15032
#define IDC_GRID_X_NUMERATOR     15034
#define IDC_GRID_Y_NUMERATOR     15035
#define IDC_GRID_X_DENOMINATOR   15036
#define IDC_GRID_Y_DENOMINATOR   15037
#define IDC_GRID_POSITION        15042
#define IDC_GRID_ORIGIN_COLOUR   15043
#define IDC_GRID_ORIGIN_X        15035
#define IDC_GRID_ORIGIN_X_UNIT   15036
#define IDC_GRID_ORIGIN_Y        15037
#define IDC_GRID_ORIGIN_Y_UNIT   15038
#define IDC_GRID_ORIGIN_DESIGN   15044
#define IDC_GRID_ORIGIN_RESET    15039
#define IDC_GRID_PICK_ELEMENT    15040
#define IDC_GRID_PICK_CLICK      15041


// Strings
#define IDS_TOOLBAR_DRAWING   1   // resources/toolbars.rc: panes 1-13, button lists 51-63, commands 101-164
#define IDS_READ_ERROR        11021
#define IDS_WRITE_ERROR       11022
#define IDS_OUT_OF_MEMORY     11025
#define IDS_OVERWRITE_QUESTION 11027
#define IDS_FILE_EXISTS       11036
#define IDS_OUTPUT_FAILED     11038

// Icons: the file chooser's closed and open folder (16 x 16, resources/icons/).
#define IDI_FOLDER_CLOSED     1122
#define IDI_FOLDER_OPEN       1123

// The library frame's own menu bar and accelerators (the application's frame uses its own).
#define IDM_LIBRARY_FRAME     1104
#define IDA_LIBRARY_FRAME     1105
#define IDM_FRAME_QUIT        11001

// The program's own cursors (32 x 32, resources/cursors/); MouseState shows them.
#define IDCUR_MAGNIFIER          1103
#define IDCUR_ARROW_COPY         1106
#define IDCUR_REMOVE             1107
#define IDCUR_HAND               1109
#define IDCUR_GRAB               1110
#define IDCUR_ADD                1111
#define IDCUR_ARROW_WHOLE        1112
#define IDCUR_ARROW_PART         1113
#define IDCUR_ARROW_LINE         1114
#define IDCUR_ARROW_SLASH        1115
#define IDCUR_ARROW_TEXT         1116
#define IDCUR_ZOOM_IN            1117
#define IDCUR_ZOOM_OUT           1118
#define IDCUR_CROSS_CIRCLE       1119
#define IDCUR_CROSS_HALF_ARC     1120
#define IDCUR_CROSS_QUARTER_ARC  1121

// Bitmaps (resources/bitmaps/, drawn by scripts/make-bitmaps.py): the drop-down button's face at
// rest and pressed.
#define IDB_DROP_DOWN_REST       1110
#define IDB_DROP_DOWN_PRESSED    1111

// The parts library's dialogs: registration (1622) and placement (1623, run as its pages 1624
// "ファイル" and 1625 "配置"). Their OK and Cancel buttons ("登録" and "ｷｬﾝｾﾙ" in 1622) take the
// system's ids 1 and 2.
#define IDD_REGISTER_PART        1622
#define IDD_PLACE_PART           1623
#define IDD_PLACE_PART_FILE      1624
#define IDD_PLACE_PART_PLACING   1625
#define IDC_PART_FILE_CHOOSE     15618
#define IDC_PART_FILE_PATH       15619
#define IDC_PART_BY_NUMBERS      15620
#define IDC_PART_BY_MOUSE        15621
#define IDC_PART_TARGET_X        15622
#define IDC_PART_TARGET_Y        15623
#define IDC_PART_REDRAW          15627
// Ids the dialogs need that no other source gives, chosen outside every range in use: the nine
// reference points of the parts origin (左上, 中上, 右上, 左中, 中心, 右中, 左下, 中下, 右下: choices
// 0 to 8) and the unit labels beside the target fields.
#define IDC_PART_ORIGIN_FIRST    19101
#define IDC_PART_ORIGIN_LAST     19109
#define IDC_PART_UNIT_X          19121
#define IDC_PART_UNIT_Y          19122

// The main frame: menu bar 101 and accelerators 102, the frame's icon 108 and the drawing
// windows' 109 (resources/icons/), the splash and version picture 106 (resources/bitmaps/).
#define IDM_MAIN_FRAME        101
#define IDA_MAIN_FRAME        102
#define IDB_SPLASH            106
#define IDI_FRAME             108
#define IDI_DRAWING           109

// The toolbar button faces at rest, pressed and disabled (resources/bitmaps/, drawn by
// scripts/make-bitmaps.py); the command definitions name the first.
#define IDB_BUTTON_FACES          103
#define IDB_BUTTON_FACES_PRESSED  104
#define IDB_BUTTON_FACES_DISABLED 105

// 作画環境 (101): the pick colour swatch with its mode list, the screen resolution with its
// up-down, and 初期値にする; and the colour model's list, an id no other source gives, chosen
// outside every range in use.
#define IDD_DRAW_ENVIRONMENT  101
#define IDC_ENV_PICK_COLOUR   1000
#define IDC_ENV_ENCLOSE_MODE  1001
#define IDC_ENV_DPI           1004
#define IDC_ENV_DPI_UPDOWN    1005
#define IDC_ENV_RESET         1006
#define IDC_ENV_COLOUR_MODEL  19131

// 1301: ツールバー選択.
#define IDD_TOOLBAR_SELECT    1301
#define IDC_TOOLBAR_LIST      13003
#define IDC_TOOLBAR_HINTS     13004
#define IDC_TOOLBAR_SCROLL    13005
#define IDC_TOOLBAR_DEFAULTS  13008

// 1304: ショートカットキー (resources/dialogs_shell.rc): the key names and the bound labels side by
// side, scrolled together, the command to bind, 外す and 初期化.
#define IDD_SHORTCUT_KEYS      1304
#define IDC_SHORTCUT_KEYS      13015
#define IDC_SHORTCUT_LABELS    13016
#define IDC_SHORTCUT_COMMAND   13017
#define IDC_SHORTCUT_SCROLL    13018
#define IDC_SHORTCUT_UNBIND    13019
#define IDC_SHORTCUT_RESET     13020
// 1626: 要素の拡大、縮小, and 1632: ページ削除 (resources/dialogs_tools.rc).
#define IDD_SCALE_ELEMENTS     1626
#define IDC_SCALE_FACTOR       15629
#define IDC_SCALE_LINE_WIDTHS  15630
#define IDC_SCALE_TEXT_SIZES   15631
#define IDD_DELETE_PAGE        1632
#define IDC_DELETE_PAGE_BODY   15651

// The picture mask's shape (resources/dialogs_picture.rc).
#define IDD_MASK_TYPE_SIX     1616
#define IDD_MASK_TYPE_TWO     1617
#define IDC_MASK_BOX          15595
#define IDC_MASK_OVAL         15596
#define IDC_MASK_TRIANGLE     15597
#define IDC_MASK_RHOMBUS      15598
#define IDC_MASK_CURVE        15599
#define IDC_MASK_POLYGON      15600
// The move dialog (移動設定, 1604) and the rotate dialog (回転設定, 1516); the unit labels show
// the grid unit of their axis.
#define IDD_MOVE_SETTINGS      1604
#define IDC_MOVE_X             15504
#define IDC_MOVE_Y             15505
#define IDC_MOVE_X_UNIT        15506
#define IDC_MOVE_Y_UNIT        15507
#define IDC_MOVE_COPY          15508
#define IDD_ROTATE_SETTINGS    1516
#define IDC_ROTATE_ANGLE       15409
#define IDC_ROTATE_CENTRE_X    15410
#define IDC_ROTATE_CENTRE_Y    15411
#define IDC_ROTATE_X_UNIT      15412
#define IDC_ROTATE_Y_UNIT      15413
