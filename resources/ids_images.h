#pragma once
// Resource ids of the image kinds' dialogs (resources/dialogs_images.rc): the property pages of
// the bitmap (1605) and the picture (1612, 1613, 1615), and the pages of the picture defaults'
// settings dialog (1633) and batch dialog (1614).

// 1605 座標 of "ビットマップ": the corners and the scale of the placement.
#define IDD_BITMAP_POINTS               1605
#define IDC_BITMAP_START_X              15511
#define IDC_BITMAP_START_Y              15512
#define IDC_BITMAP_END_X                15513
#define IDC_BITMAP_END_Y                15514
#define IDC_BITMAP_X_UNIT               15515
#define IDC_BITMAP_Y_UNIT               15516
#define IDC_BITMAP_WIDTH_PERCENT        15517
#define IDC_BITMAP_HEIGHT_PERCENT       15518

// 1612 タイプ of "ピクチュアー": the image kind, the file and "変更...".
#define IDD_PICTURE_TYPE                1612
#define IDC_PICTURE_KIND_NAME           15560
#define IDC_PICTURE_FILE_NAME           15582
#define IDC_PICTURE_CHANGE_FILE         15581

// 1613 座標 of "ピクチュアー".
#define IDD_PICTURE_POINTS              1613
#define IDC_PICTURE_START_X             15565
#define IDC_PICTURE_START_Y             15566
#define IDC_PICTURE_END_X               15567
#define IDC_PICTURE_END_Y               15568
#define IDC_PICTURE_X_UNIT              15564
#define IDC_PICTURE_Y_UNIT              15563
#define IDC_PICTURE_WIDTH_PERCENT       15562
#define IDC_PICTURE_HEIGHT_PERCENT      15561

// 1615 マスク of "ピクチュアー": one outline point at a time and the four mask buttons.
#define IDD_PICTURE_MASK                1615
#define IDC_MASK_POINT_X                15586
#define IDC_MASK_POINT_Y                15587
#define IDC_MASK_Y_UNIT                 15588
#define IDC_MASK_X_UNIT                 15589
#define IDC_MASK_NUMBER                 15590
#define IDC_MASK_COUNT                  15591
#define IDC_MASK_POINT_KIND             15592
#define IDC_MASK_PREVIOUS               15593
#define IDC_MASK_NEXT                   15594
#define IDC_MASK_CREATE                 15583
#define IDC_MASK_DELETE                 15584
#define IDC_MASK_MOVE                   15585
#define IDC_MASK_SCALE                  15601
#define IDC_MASK_MOVE_POINTS            15602

// 1633 表示 of "ピクチャーの設定".
#define IDD_PICTURE_SETTINGS_DISPLAY    1633
#define IDC_PICTURE_SET_THUMBNAIL       15659

// 1614 座標 of "ピクチュアーの一括編集": each coordinate ticked by its box.
#define IDD_PICTURE_BATCH_POINTS        1614
#define IDC_PICTURE_TICK_START_X        15569
#define IDC_PICTURE_TICK_START_Y        15570
#define IDC_PICTURE_TICK_END_X          15571
#define IDC_PICTURE_TICK_END_Y          15572
#define IDC_PICTURE_BATCH_END_Y         15573
#define IDC_PICTURE_BATCH_END_X         15574
#define IDC_PICTURE_BATCH_START_Y       15575
#define IDC_PICTURE_BATCH_START_X       15576
#define IDC_PICTURE_BATCH_START_X_UNIT  15577
#define IDC_PICTURE_BATCH_START_Y_UNIT  15578
#define IDC_PICTURE_BATCH_END_X_UNIT    15579
#define IDC_PICTURE_BATCH_END_Y_UNIT    15580
