#pragma once
// Resource ids of the element property dialogs (resources/dialogs_properties.rc): the host
// dialog, the frame buttons every page carries, the common page and the pages of the stroked
// kinds. Ids repeat on different pages of one dialog (the box's 15316 is the pattern swatch on
// its colour page and the width field on its line-type page).

// The host and the frame buttons; OK and Cancel are IDOK (1) and IDCANCEL (2).
#define IDD_PROPERTY_HOST            1527
#define IDC_PROPERTY_REDISPLAY       15091
#define IDC_PROPERTY_PREVIOUS        15092
#define IDC_PROPERTY_STORE_PREVIOUS  15093
#define IDC_PROPERTY_STORE_NEXT      15094
#define IDC_PROPERTY_NEXT            15095

// 1628 共通: the layer list with its scroll bar and the name field.
#define IDD_PROPERTY_COMMON          1628
#define IDC_LAYER_NAME               15635
#define IDC_LAYER_LIST               15636
#define IDC_LAYER_SCROLL             15637

// 1579 領域 (box, oval, polygon and the Bezier curve).
#define IDD_AREA_PAGE                1579
#define IDC_AREA_EDGE_DRAWN          15319
#define IDC_AREA_FILL_DRAWN          15320
#define IDC_AREA_PATTERN             15467
#define IDC_AREA_PITCH1              15491
#define IDC_AREA_PITCH2              15492
#define IDC_AREA_SCREEN              15552
#define IDC_AREA_SCREEN_START        15553
#define IDC_AREA_SCREEN_END          15554
#define IDC_AREA_DIRECTION           15555

// 線分: colour 1529 (the spline's too), line type 1530, coordinates 1531.
#define IDD_LINE_COLOUR              1529
#define IDD_LINE_TYPE                1530
#define IDD_LINE_POINTS              1531
#define IDC_LINE_COLOUR              15098
#define IDC_LINE_WIDTH               15099
#define IDC_LINE_POSITION            15100
#define IDC_LINE_STYLE               15101
#define IDC_LINE_CAP                 15524
#define IDC_LINE_START_X             15102
#define IDC_LINE_START_Y             15103
#define IDC_LINE_END_X               15104
#define IDC_LINE_END_Y               15105
#define IDC_LINE_START_X_UNIT        15169
#define IDC_LINE_START_Y_UNIT        15170
#define IDC_LINE_END_X_UNIT          15171
#define IDC_LINE_END_Y_UNIT          15172

// 折れ線: colour 1574, line type 1575 (the spline's too), vertices 1576.
#define IDD_BREAKLINE_COLOUR         1574
#define IDD_BREAKLINE_TYPE           1575
#define IDD_BREAKLINE_POINTS         1576
#define IDC_BREAKLINE_COLOUR         15302
#define IDC_BREAKLINE_WIDTH          15303
#define IDC_BREAKLINE_POSITION       15304
#define IDC_BREAKLINE_STYLE          15305
#define IDC_BREAKLINE_CAP            15525
#define IDC_BREAKLINE_X              15306
#define IDC_BREAKLINE_X_UNIT         15307
#define IDC_BREAKLINE_Y              15308
#define IDC_BREAKLINE_Y_UNIT         15309
#define IDC_BREAKLINE_NUMBER         15310
#define IDC_BREAKLINE_COUNT          15311
#define IDC_BREAKLINE_PREVIOUS       15312
#define IDC_BREAKLINE_NEXT           15313
#define IDC_BREAKLINE_RADIUS         15656
#define IDC_BREAKLINE_RADIUS_UNIT    15314

// スプライン曲線: the line's colour page, the breakline's line-type page, control points 1636.
#define IDD_SPLINE_POINTS            1636
#define IDC_SPLINE_X                 15723
#define IDC_SPLINE_X_UNIT            15724
#define IDC_SPLINE_Y                 15725
#define IDC_SPLINE_Y_UNIT            15726
#define IDC_SPLINE_NUMBER            15727
#define IDC_SPLINE_COUNT             15728
#define IDC_SPLINE_PREVIOUS          15729
#define IDC_SPLINE_NEXT              15730

// 円弧: colour 1585, line type 1586, points 1587.
#define IDD_ARC_COLOUR               1585
#define IDD_ARC_TYPE                 1586
#define IDD_ARC_POINTS               1587
#define IDC_ARC_COLOUR               15344
#define IDC_ARC_WIDTH                15345
#define IDC_ARC_POSITION             15346
#define IDC_ARC_STYLE                15347
#define IDC_ARC_START_X              15348
#define IDC_ARC_START_X_UNIT         15349
#define IDC_ARC_START_Y              15350
#define IDC_ARC_START_Y_UNIT         15351
#define IDC_ARC_END_X                15352
#define IDC_ARC_END_X_UNIT           15353
#define IDC_ARC_END_Y                15354
#define IDC_ARC_END_Y_UNIT           15355
#define IDC_ARC_MIDDLE_X             15356
#define IDC_ARC_MIDDLE_Y             15357
#define IDC_ARC_MIDDLE_X_UNIT        15358
#define IDC_ARC_MIDDLE_Y_UNIT        15359

// 円: colour 1607, line type 1608, centre, radius and angles 1609.
#define IDD_CIRCLE_COLOUR            1607
#define IDD_CIRCLE_TYPE              1608
#define IDD_CIRCLE_POINTS            1609
#define IDC_CIRCLE_COLOUR            15531
#define IDC_CIRCLE_WIDTH             15532
#define IDC_CIRCLE_POSITION          15533
#define IDC_CIRCLE_STYLE             15534
#define IDC_CIRCLE_CENTRE_X          15535
#define IDC_CIRCLE_CENTRE_Y          15536
#define IDC_CIRCLE_CENTRE_X_UNIT     15537
#define IDC_CIRCLE_CENTRE_Y_UNIT     15538
#define IDC_CIRCLE_RADIUS            15539
#define IDC_CIRCLE_RADIUS_UNIT       15540
#define IDC_CIRCLE_START_ANGLE       15541
#define IDC_CIRCLE_SPAN              15542

// 楕円: colour 1588, line type 1589, area 1579, points 1590.
#define IDD_OVAL_COLOUR              1588
#define IDD_OVAL_TYPE                1589
#define IDD_OVAL_POINTS              1590
#define IDC_OVAL_EDGE_COLOUR         15372
#define IDC_OVAL_FILL_COLOUR         15373
#define IDC_OVAL_PATTERN_COLOUR      15500
#define IDC_OVAL_WIDTH               15361
#define IDC_OVAL_POSITION            15362
#define IDC_OVAL_STYLE               15363
#define IDC_OVAL_START_X             15364
#define IDC_OVAL_START_X_UNIT        15365
#define IDC_OVAL_START_Y             15366
#define IDC_OVAL_START_Y_UNIT        15367
#define IDC_OVAL_END_X               15368
#define IDC_OVAL_END_X_UNIT          15369
#define IDC_OVAL_END_Y               15370
#define IDC_OVAL_END_Y_UNIT          15371
#define IDC_OVAL_LEAN                15458
#define IDC_OVAL_KIND                15528

// ボックス: colour 1577, line type 1578, area 1579, points 1580.
#define IDD_BOX_COLOUR               1577
#define IDD_BOX_TYPE                 1578
#define IDD_BOX_POINTS               1580
#define IDC_BOX_EDGE_COLOUR          15314
#define IDC_BOX_FILL_COLOUR          15315
#define IDC_BOX_PATTERN_COLOUR       15316
#define IDC_BOX_WIDTH                15316
#define IDC_BOX_POSITION             15317
#define IDC_BOX_STYLE                15318
#define IDC_BOX_START_X              15321
#define IDC_BOX_START_X_UNIT         15322
#define IDC_BOX_START_Y              15323
#define IDC_BOX_START_Y_UNIT         15324
#define IDC_BOX_END_X                15325
#define IDC_BOX_END_X_UNIT           15326
#define IDC_BOX_END_Y                15327
#define IDC_BOX_END_Y_UNIT           15328
#define IDC_BOX_LEAN                 15457
#define IDC_BOX_RADIUS_TOP_LEFT      15652
#define IDC_BOX_RADIUS_TOP_RIGHT     15653
#define IDC_BOX_RADIUS_BOTTOM_LEFT   15654
#define IDC_BOX_RADIUS_BOTTOM_RIGHT  15655
#define IDC_BOX_RADIUS_UNIT          15329

// ポリゴン: colour 1582, line type 1583, area 1579, vertices 1584.
#define IDD_POLYGON_COLOUR           1582
#define IDD_POLYGON_TYPE             1583
#define IDD_POLYGON_POINTS           1584
#define IDC_POLYGON_EDGE_COLOUR      15331
#define IDC_POLYGON_FILL_COLOUR      15332
#define IDC_POLYGON_PATTERN_COLOUR   15501
#define IDC_POLYGON_WIDTH            15333
#define IDC_POLYGON_POSITION         15334
#define IDC_POLYGON_STYLE            15335
#define IDC_POLYGON_X                15336
#define IDC_POLYGON_X_UNIT           15337
#define IDC_POLYGON_Y                15338
#define IDC_POLYGON_Y_UNIT           15339
#define IDC_POLYGON_NUMBER           15340
#define IDC_POLYGON_COUNT            15341
#define IDC_POLYGON_PREVIOUS         15342
#define IDC_POLYGON_NEXT             15343
#define IDC_POLYGON_RADIUS           15657
#define IDC_POLYGON_RADIUS_UNIT      15658
