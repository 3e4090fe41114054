#pragma once
// Resource ids of the property dialogs of the kinds that carry text (resources/
// dialogs_text_properties.rc): the text, the leader text and the four dimensions. The host, the
// frame buttons and the common page are those of ids_properties.h. Ids repeat on different pages
// of one dialog: the length dimension's 15185 and 15186 are the leader and arrow-head swatches on
// its colour page and the face and style lists on its font page.

// テキスト: colour 1537, font 1538, coordinates 1539.
#define IDD_TEXT_COLOUR               1537
#define IDD_TEXT_FONT                 1538
#define IDD_TEXT_POINTS               1539
#define IDC_TEXT_COLOUR               15128
#define IDC_TEXT_FACE                 15129
#define IDC_TEXT_STYLE                15130
#define IDC_TEXT_SIZE                 15131
#define IDC_TEXT_START_X              15132
#define IDC_TEXT_START_Y              15133
#define IDC_TEXT_START_X_UNIT         15176
#define IDC_TEXT_START_Y_UNIT         15177
#define IDC_TEXT_LEAN                 15459

// 引出しテキスト: colour 1598, font 1599, leader and arrow head 1600, leader points 1601.
#define IDD_TEXTLINE_COLOUR           1598
#define IDD_TEXTLINE_FONT             1599
#define IDD_TEXTLINE_LINE             1600
#define IDD_TEXTLINE_POINTS           1601
#define IDC_TEXTLINE_TEXT_COLOUR      15420
#define IDC_TEXTLINE_LEADER_COLOUR    15422
#define IDC_TEXTLINE_ARROW_COLOUR     15423
#define IDC_TEXTLINE_FACE             15424
#define IDC_TEXTLINE_STYLE            15425
#define IDC_TEXTLINE_SIZE             15426
#define IDC_TEXTLINE_LEADER_STYLE     15427
#define IDC_TEXTLINE_LEADER_WIDTH     15428
#define IDC_TEXTLINE_ARROW_KIND       15429
#define IDC_TEXTLINE_ARROW_SIZE       15430
#define IDC_TEXTLINE_ARROW_LENGTH     15431
#define IDC_TEXTLINE_ARROW_LEAN       15432
#define IDC_TEXTLINE_X                15433
#define IDC_TEXTLINE_X_UNIT           15434
#define IDC_TEXTLINE_Y                15435
#define IDC_TEXTLINE_Y_UNIT           15436
#define IDC_TEXTLINE_NUMBER           15437
#define IDC_TEXTLINE_COUNT            15438
#define IDC_TEXTLINE_PREVIOUS         15439
#define IDC_TEXTLINE_NEXT             15440
#define IDC_TEXTLINE_LEAN             15460

// 寸法線: colour 1554, font 1555, lines 1556, numeral 1557, measured points 1558.
#define IDD_MEASURE_COLOUR            1554
#define IDD_MEASURE_FONT              1555
#define IDD_MEASURE_LINE              1556
#define IDD_MEASURE_NUMERAL           1557
#define IDD_MEASURE_POINTS            1558
#define IDC_MEASURE_NUMERAL_COLOUR    15183
#define IDC_MEASURE_UNDERLINE_COLOUR  15184
#define IDC_MEASURE_LEADER_COLOUR     15185
#define IDC_MEASURE_ARROW_COLOUR      15186
#define IDC_MEASURE_FACE              15185
#define IDC_MEASURE_STYLE             15186
#define IDC_MEASURE_SIZE              15187
#define IDC_MEASURE_UNDERLINE_STYLE   15188
#define IDC_MEASURE_LEADER_STYLE      15189
#define IDC_MEASURE_LEADER_GAP        15190
#define IDC_MEASURE_ARROW_KIND        15191
#define IDC_MEASURE_ARROW_LENGTH      15192
#define IDC_MEASURE_UNDERLINE_WIDTH   15193
#define IDC_MEASURE_LEADER_WIDTH      15194
#define IDC_MEASURE_LEADER_OVER       15195
#define IDC_MEASURE_ARROW_SIZE        15196
#define IDC_MEASURE_ARROW_LEAN        15197
#define IDC_MEASURE_UNIT              15198
#define IDC_MEASURE_SHOW_UNIT         15199
#define IDC_MEASURE_POSITION          15200
#define IDC_MEASURE_DECIMALS          15201
#define IDC_MEASURE_GAP               15202
#define IDC_MEASURE_X                 15203
#define IDC_MEASURE_Y                 15204
#define IDC_MEASURE_NUMBER            15205
#define IDC_MEASURE_COUNT             15206
#define IDC_MEASURE_PREVIOUS          15207
#define IDC_MEASURE_NEXT              15208
#define IDC_MEASURE_X_UNIT            15209
#define IDC_MEASURE_Y_UNIT            15210

// 角度, 半径, 直径: colour 1592, font 1593, lines 1594, numeral 1595 (no numeral position); the
// angle's measured points 1596, the radius's and diameter's two points 1631.
#define IDD_ANGLE_COLOUR              1592
#define IDD_ANGLE_FONT                1593
#define IDD_ANGLE_LINE                1594
#define IDD_ANGLE_NUMERAL             1595
#define IDD_ANGLE_POINTS              1596
#define IDD_RADIUS_POINTS             1631
#define IDC_ANGLE_NUMERAL_COLOUR      15377
#define IDC_ANGLE_UNDERLINE_COLOUR    15378
#define IDC_ANGLE_LEADER_COLOUR       15379
#define IDC_ANGLE_ARROW_COLOUR        15380
#define IDC_ANGLE_FACE                15381
#define IDC_ANGLE_STYLE               15382
#define IDC_ANGLE_SIZE                15383
#define IDC_ANGLE_UNDERLINE_STYLE     15384
#define IDC_ANGLE_LEADER_STYLE        15385
#define IDC_ANGLE_LEADER_GAP          15386
#define IDC_ANGLE_ARROW_KIND          15387
#define IDC_ANGLE_ARROW_LENGTH        15388
#define IDC_ANGLE_UNDERLINE_WIDTH     15389
#define IDC_ANGLE_LEADER_WIDTH        15390
#define IDC_ANGLE_LEADER_OVER         15391
#define IDC_ANGLE_ARROW_SIZE          15392
#define IDC_ANGLE_ARROW_LEAN          15393
#define IDC_ANGLE_UNIT                15394
#define IDC_ANGLE_DECIMALS            15396
#define IDC_ANGLE_GAP                 15397
#define IDC_ANGLE_SHOW_UNIT           15398
#define IDC_ANGLE_X                   15399
#define IDC_ANGLE_Y                   15400
#define IDC_ANGLE_X_UNIT              15401
#define IDC_ANGLE_Y_UNIT              15402
#define IDC_ANGLE_NUMBER              15403
#define IDC_ANGLE_COUNT               15404
#define IDC_ANGLE_PREVIOUS            15405
#define IDC_ANGLE_NEXT                15406
#define IDC_RADIUS_P1_X               15643
#define IDC_RADIUS_P1_Y               15644
#define IDC_RADIUS_P2_X               15645
#define IDC_RADIUS_P2_Y               15646
#define IDC_RADIUS_P1_X_UNIT          15647
#define IDC_RADIUS_P1_Y_UNIT          15648
#define IDC_RADIUS_P2_X_UNIT          15649
#define IDC_RADIUS_P2_Y_UNIT          15650
