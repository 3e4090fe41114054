#pragma once
// Resource ids of the default records' settings and batch dialogs (resources/dialogs_defaults.rc):
// the two frames, the two common pages, the area pages the line-drawing and the Bezier defaults
// share, and the line-drawing pages. Ids repeat on different pages of one dialog (15080 is the
// pattern swatch of the settings colour page and the width field of the settings line page; 15218
// and 15219 are swatch and check box on the batch colour page, check boxes on the batch line page).

// Frames: OK and Cancel (IDOK, IDCANCEL) only; every page carries them too.
#define IDD_SETTINGS_FRAME           1522
#define IDD_BATCH_FRAME              1560

// 1627 共通 of the settings dialogs: the 256 layers and the name field.
#define IDD_SETTINGS_COMMON          1627
#define IDC_SETTINGS_LAYER_NAME      15632
#define IDC_SETTINGS_LAYER_LIST      15633
#define IDC_SETTINGS_LAYER_SCROLL    15634

// 1630 共通 of the batch dialogs: "レイヤー" ticks the layer, then the same list.
#define IDD_BATCH_COMMON             1630
#define IDC_BATCH_APPLY_LAYER        15211
#define IDC_BATCH_LAYER_NAME         15638
#define IDC_BATCH_LAYER_LIST         15639
#define IDC_BATCH_LAYER_SCROLL       15640

// 1573 領域 of the settings dialogs (line drawings and Bezier curves).
#define IDD_AREA_SETTINGS            1573
#define IDC_AREA_SET_EDGE_DRAWN      15300
#define IDC_AREA_SET_FILL_DRAWN      15301
#define IDC_AREA_SET_PATTERN         15465
#define IDC_AREA_SET_PITCH1          15479
#define IDC_AREA_SET_PITCH2          15480
#define IDC_AREA_SET_SCREEN          15543
#define IDC_AREA_SET_START           15544
#define IDC_AREA_SET_END             15545
#define IDC_AREA_SET_DIRECTION       15546

// 1603 領域 of the batch dialogs: the values, then their check boxes.
#define IDD_AREA_BATCH               1603
#define IDC_AREA_BATCH_EDGE_DRAWN    15476
#define IDC_AREA_BATCH_FILL_DRAWN    15477
#define IDC_AREA_BATCH_PATTERN       15478
#define IDC_AREA_BATCH_PITCH1        15485
#define IDC_AREA_BATCH_PITCH2        15486
#define IDC_AREA_BATCH_SCREEN        15547
#define IDC_AREA_BATCH_START         15548
#define IDC_AREA_BATCH_END           15549
#define IDC_AREA_BATCH_DIRECTION     15550
#define IDC_AREA_TICK_EDGE_DRAWN     15473
#define IDC_AREA_TICK_FILL_DRAWN     15474
#define IDC_AREA_TICK_PATTERN        15475
#define IDC_AREA_TICK_PITCH1         15483
#define IDC_AREA_TICK_PITCH2         15484
#define IDC_AREA_TICK_SCREEN         15551

// 線画の設定: colour 1520, line type 1521 (then 1573).
#define IDD_LINE_SETTINGS_COLOUR     1520
#define IDD_LINE_SETTINGS_TYPE       1521
#define IDC_LINE_SET_EDGE_COLOUR     15076
#define IDC_LINE_SET_PAINT_COLOUR    15079
#define IDC_LINE_SET_PATTERN_COLOUR  15080
#define IDC_LINE_SET_WIDTH           15080
#define IDC_LINE_SET_POSITION        15081
#define IDC_LINE_SET_STYLE           15082
#define IDC_LINE_SET_CAP             15523

// 線画の一括編集: colour 1561, line type 1562, (1603), coordinates 1563.
#define IDD_LINE_BATCH_COLOUR        1561
#define IDD_LINE_BATCH_TYPE          1562
#define IDD_LINE_BATCH_POINTS        1563
#define IDC_LINE_BATCH_EDGE_COLOUR   15216
#define IDC_LINE_BATCH_PAINT_COLOUR  15217
#define IDC_LINE_BATCH_PATTERN_COLOUR 15218
#define IDC_LINE_TICK_EDGE_COLOUR    15214
#define IDC_LINE_TICK_PAINT_COLOUR   15215
#define IDC_LINE_TICK_PATTERN_COLOUR 15219
#define IDC_LINE_BATCH_WIDTH         15221
#define IDC_LINE_BATCH_POSITION      15222
#define IDC_LINE_BATCH_STYLE         15223
#define IDC_LINE_BATCH_CAP           15527
#define IDC_LINE_TICK_WIDTH          15218
#define IDC_LINE_TICK_POSITION       15219
#define IDC_LINE_TICK_STYLE          15220
#define IDC_LINE_TICK_CAP            15526
#define IDC_LINE_BATCH_START_X       15228
#define IDC_LINE_BATCH_START_Y       15229
#define IDC_LINE_BATCH_END_X         15230
#define IDC_LINE_BATCH_END_Y         15231
#define IDC_LINE_BATCH_START_X_UNIT  15232
#define IDC_LINE_BATCH_START_Y_UNIT  15233
#define IDC_LINE_BATCH_END_X_UNIT    15234
#define IDC_LINE_BATCH_END_Y_UNIT    15235
#define IDC_LINE_BATCH_LEAN          15462
#define IDC_LINE_TICK_START_X        15224
#define IDC_LINE_TICK_START_Y        15225
#define IDC_LINE_TICK_END_X          15226
#define IDC_LINE_TICK_END_Y          15227
#define IDC_LINE_TICK_LEAN           15461
