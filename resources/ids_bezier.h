#pragma once
// Resource ids of the Bezier curve's dialogs (resources/dialogs_bezier.rc): the property dialog's
// colour page 1541 and coordinate page 1543; its area page is the shared 1579.

// 1541 カラー: the outline, fill and pattern colours.
#define IDD_BEZIER_COLOUR          1541
#define IDC_BEZIER_EDGE_COLOUR     15140
#define IDC_BEZIER_FILL_COLOUR     15141
#define IDC_BEZIER_PATTERN_COLOUR  15499

// 1543 座標: one point at a time, anchor or control point.
#define IDD_BEZIER_POINTS          1543
#define IDC_BEZIER_X               15144
#define IDC_BEZIER_Y               15145
#define IDC_BEZIER_NUMBER          15146
#define IDC_BEZIER_COUNT           15147
#define IDC_BEZIER_POINT_KIND      15148
#define IDC_BEZIER_PREVIOUS        15149
#define IDC_BEZIER_NEXT            15150
#define IDC_BEZIER_X_UNIT          15173
#define IDC_BEZIER_Y_UNIT          15174

// 1525 カラー of "ベジェの設定" (then the shared area page 1573).
#define IDD_BEZIER_SETTINGS_COLOUR       1525
#define IDC_BEZIER_SET_EDGE_COLOUR       15087
#define IDC_BEZIER_SET_PAINT_COLOUR      15088
#define IDC_BEZIER_SET_PATTERN_COLOUR    15089

// 1566 カラー of "ベジェの一括編集" (then the shared area page 1603): each colour ticked by its box.
#define IDD_BEZIER_BATCH_COLOUR          1566
#define IDC_BEZIER_TICK_EDGE_COLOUR      15244
#define IDC_BEZIER_TICK_PAINT_COLOUR     15245
#define IDC_BEZIER_TICK_PATTERN_COLOUR   15503
#define IDC_BEZIER_BATCH_EDGE_COLOUR     15246
#define IDC_BEZIER_BATCH_PAINT_COLOUR    15247
#define IDC_BEZIER_BATCH_PATTERN_COLOUR  15502
