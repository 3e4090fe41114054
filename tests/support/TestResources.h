#pragma once
// Resource ids of the test executables' own resources (tests/support/test.rc). They lie outside
// every range the program uses.

// A dialog with one item of every control kind.
#define IDD_TEST_CONTROLS      29001
#define IDC_TEST_REAL          29101
#define IDC_TEST_INTEGER       29102
#define IDC_TEST_TEXT          29103
#define IDC_TEST_CHECK         29104
#define IDC_TEST_RADIO_LEFT    29105
#define IDC_TEST_RADIO_RIGHT   29106
#define IDC_TEST_LIST          29107
#define IDC_TEST_COMBO         29108
#define IDC_TEST_PROGRESS      29109
#define IDC_TEST_SPIN_EDIT     29110
#define IDC_TEST_SPIN          29111
#define IDC_TEST_CHECK_LIST    29112
#define IDC_TEST_DISPLAY       29113
#define IDC_TEST_BUTTON        29114
#define IDC_TEST_SCROLL        29115
#define IDC_TEST_AREA          29116
#define IDC_TEST_PICTURE       29117

// Two pages of a tabbed dialog; the second is the larger template.
#define IDD_TEST_PAGE1         29002
#define IDC_PAGE1_WIDTH        29201
#define IDC_PAGE1_HEIGHT       29202
#define IDC_PAGE1_FRAME        29203
#define IDC_PAGE1_SOLID        29204
#define IDC_PAGE1_DOTTED       29205
#define IDC_PAGE1_DEFAULTS     29206
#define IDC_PAGE1_NAME         29207
#define IDD_TEST_PAGE2         29003
#define IDC_PAGE2_COLOURS      29301
#define IDC_PAGE2_UNIT         29302
#define IDC_PAGE2_PROGRESS     29303
#define IDC_PAGE2_ANGLE        29304
#define IDC_PAGE2_ANGLE_SPIN   29305
#define IDC_PAGE2_SAMPLE       29306
#define IDC_PAGE2_TREE         29307
#define IDC_PAGE2_SCROLL       29308

// A page far larger than the others; its last item has this id.
#define IDD_TEST_BIG_PAGE      29004
#define IDC_BIG_LAST           29440

// Pages the template reader refuses: an extended template, and a classic one cut short.
#define IDD_TEST_EXTENDED      29005
#define IDD_TEST_TRUNCATED     29006

// A 16 x 8 bitmap.
#define IDB_TEST_PICTURE       29007

// The controls an attribute value is shown in: a list, a number and an integer field, a colour
// swatch, a check box and the nine plate check boxes of a colour.
#define IDD_TEST_ATTRIBUTES    29008
#define IDC_ATTR_LIST          29501
#define IDC_ATTR_REAL          29502
#define IDC_ATTR_INTEGER       29503
#define IDC_ATTR_SWATCH        29504
#define IDC_ATTR_CHECK         29505
#define IDC_ATTR_PLATE_C       29511 // then M, Y, K and the spot inks 1..5 up to 29519

// The owner-drawn controls: a check list, two text lists with a scroll bar, a colour swatch and
// a drop-down field with its button. Tests size the items in pixels.
#define IDD_TEST_OWNER_DRAWN   29009
#define IDC_OD_CHECK_LIST      29601
#define IDC_OD_TEXT_LIST       29602
#define IDC_OD_TEXT_LIST2      29603
#define IDC_OD_SCROLL          29604
#define IDC_OD_SWATCH          29605
#define IDC_OD_DROP_FIELD      29606
#define IDC_OD_DROP_BUTTON     29607

// The pop-up of a drop-down field: a list box and nothing else.
#define IDD_TEST_DROP_POPUP    29010
#define IDC_POPUP_LIST         29701

// The four corner-radius fields of the box dialog's coordinate page, without the last one
// (15655), which a test finds missing.
#define IDD_TEST_BOX_RADII     29011

// A font page of a batch dialog: face, style and size with their check boxes, OK and Cancel.
#define IDD_TEST_FONT_PAGE     29012
#define IDC_FONT_FACE          29901
#define IDC_FONT_STYLE         29902
#define IDC_FONT_SIZE          29903
#define IDC_FONT_TICK_FACE     29904
#define IDC_FONT_TICK_STYLE    29905
#define IDC_FONT_TICK_SIZE     29906

// Toolbar texts that go wrong, for the dock pane tests: a list naming a missing command, a
// command that ends before its hint, a pane of separators only, a pane without a button list,
// a pane with a letter in a number.
#define IDS_TEST_PANE_MISSING_COMMAND   29801
#define IDS_TEST_LIST_MISSING_COMMAND   29802
#define IDS_TEST_PANE_SHORT_COMMAND     29803
#define IDS_TEST_LIST_SHORT_COMMAND     29804
#define IDS_TEST_COMMAND_WITHOUT_HINT   29805
#define IDS_TEST_PANE_SEPARATORS        29806
#define IDS_TEST_LIST_SEPARATORS        29807
#define IDS_TEST_PANE_WITHOUT_LIST      29808
#define IDS_TEST_PANE_NOT_A_NUMBER      29809
#define IDS_TEST_COMMAND_MISSING        29899
