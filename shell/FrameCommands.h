#pragma once
// The numbers the main frame works with: its menu commands, the edit commands and document
// operations it hands to the document windows, the toolbar commands whose buttons it enables,
// and the internal events it handles.
#include "document/ContextMenuRequest.h"

// Commands of menu 101, accelerators 102 and the context menus.
enum MenuCommand : int {
    CMD_NEW = 40001,
    CMD_OPEN = 40002,
    CMD_CLOSE = 40003,
    CMD_EXIT = 40004,
    CMD_TOOLBARS = 40005,
    CMD_UNDO = 40006,
    CMD_REDO = 40007,
    CMD_CUT = 40009,
    CMD_COPY = 40010,
    CMD_PASTE = 40011,
    CMD_DELETE = 40012,
    CMD_SELECT_ALL = 40013,
    CMD_PRINT_SETUP = 40014,
    CMD_PRINT = 40015,
    CMD_ZOOM_IN = 40016,
    CMD_ZOOM_OUT = 40017,
    CMD_ENVIRONMENT = 40020,
    CMD_SAVE = 40021,
    CMD_SAVE_AS = 40022,
    CMD_SAVE_ALL = 40023,
    CMD_ABOUT = 40024,
    CMD_SELECT = 40025,
    CMD_PROPERTIES = 40026,
    CMD_FONT_CHANGE = 40027,
    CMD_ZOOM_BY_MOUSE = 40028,
    CMD_SHORTCUT_KEYS = 40029,
    CMD_PDF = 40030,
    CMD_PART_REGISTER = 40031,
    CMD_PART_PLACE = 40032,
    CMD_PART_DELETE = 40033,
    CMD_PART_SETTINGS = 40034,
    CMD_DXF_IMPORT = 40035,
    CMD_DXF_EXPORT = 40036,
    CMD_PAGE_INSERT_BEFORE = 40037,
    CMD_PAGE_INSERT_AFTER = 40038,
    CMD_PAGE_DELETE = 40039,
    CMD_PAGE_REDRAW = 40040,
    CMD_PAGE_REDRAW_FOLLOWING = 40041,
    CMD_PAGE_REDRAW_ALL = 40042,
    CMD_PAGE_CONTENTS = 40043,
    CMD_PAGE_PREVIOUS = 40044,
    CMD_PAGE_NEXT = 40045,
    CMD_HELP = 40046,

    CMD_FIRST_MENU_COMMAND = CMD_NEW,
    CMD_LAST_MENU_COMMAND = CMD_HELP,
};

// Edit commands of a document window (also the commands of some toolbar buttons).
enum EditCommand : int {
    EDIT_UNDO = 8011,
    EDIT_REDO = 8013,
    EDIT_CUT = 8021,
    EDIT_COPY = 8023,
    EDIT_PASTE = 8025,
    EDIT_DELETE = 8027,
    EDIT_SELECT_ALL = 8029,
    EDIT_PRINT = 8101,
    EDIT_PDF = 8105,
    EDIT_SAVE = 8121,
    EDIT_SAVE_AS = 8123,
    EDIT_DXF_IMPORT = 8201,
    EDIT_DXF_EXPORT = 8251,
};

// Document operations of a document window.
enum DocumentOperation : int {
    OP_PROPERTIES = 2005,
    OP_PAGE_INSERT_BEFORE = 8811,
    OP_PAGE_INSERT_AFTER = 8812,
    OP_PAGE_DELETE = 8813,
    OP_PAGE_REDRAW = 8814,
    OP_PAGE_REDRAW_FOLLOWING = 8815,
    OP_PAGE_REDRAW_ALL = 8816,
    OP_PAGE_CONTENTS = 8817,
    OP_PAGE_PREVIOUS = 8818,
    OP_PAGE_NEXT = 8819,
    OP_PART_REGISTER = 8826,
    OP_PART_PLACE = 8827,
    OP_PART_DELETE = 8828,
    OP_PART_SETTINGS = 8829,
};

// Toolbar commands (the commands of the string table's command definitions) that the frame
// names: the buttons whose states it keeps, the tools its menu makes current, the parts lists.
enum ToolCommand : int {
    TOOL_LINE_SETTINGS = 1010,
    TOOL_LINE_BATCH = 1011,
    TOOL_LINE = 1012,
    TOOL_BREAKLINE = 1013,
    TOOL_BOX = 1014,
    TOOL_POLYGON = 1015,
    TOOL_ARC3P = 1016,
    TOOL_OVAL = 1017,
    TOOL_CIRCLE = 1018,
    TOOL_SPLINE = 1019,
    TOOL_TEXT_SETTINGS = 1020,
    TOOL_TEXT_BATCH = 1021,
    TOOL_TEXT = 1022,
    TOOL_TEXTLINE = 1023,
    TOOL_BEZIER_SETTINGS = 1030,
    TOOL_BEZIER_BATCH = 1031,
    TOOL_BEZIER_LINE = 1032,
    TOOL_BEZIER_AREA = 1033,
    TOOL_BEZIER_RECT = 1034,
    TOOL_BEZIER_OVAL = 1035,
    TOOL_BEZIER_TRIANGLE = 1036,
    TOOL_BEZIER_QUADRANGLE = 1037,
    TOOL_BEZIER_POLY = 1038,
    TOOL_MEASURE_SETTINGS = 1040,
    TOOL_MEASURE_BATCH = 1041,
    TOOL_MEASURE_FREE_TWO = 1042,
    TOOL_MEASURE_FREE_MANY = 1043,
    TOOL_MEASURE_TWO = 1044,
    TOOL_MEASURE_MANY = 1045,
    TOOL_ANGLE_FREE = 1046,
    TOOL_ANGLE_ITEM = 1047,
    TOOL_RADIUS_ITEM = 1048,
    TOOL_DIAMETER_ITEM = 1049,
    TOOL_PICTURE_SETTINGS = 1060,
    TOOL_PICTURE_BATCH = 1061,
    TOOL_BITMAP = 1062,
    TOOL_EPS = 1063,
    TOOL_GIF = 1064,
    TOOL_JPEG = 1065,
    TOOL_TIFF = 1066,
    TOOL_LOUPE = 1501,
    TOOL_TRAN = 1503,
    TOOL_YOUSI = 1511,
    TOOL_GRID = 1513,
    TOOL_SELECT = 2001,
    TOOL_DSPCTRL = 2003,
    TOOL_PNTMOVE = 2011,
    TOOL_ROTATE = 2013,
    TOOL_GROUP = 2015,
    TOOL_TURN = 2017,
    TOOL_ITEMZOOM = 2019,
    TOOL_NAVIGATOR = 8801,
    TOOL_PAGING = 8810,
    TOOL_PARTS_LIST_1 = 8820,
    TOOL_PARTS_LIST_2 = 8821,
    TOOL_PARTS_LIST_3 = 8822,
};

// The internal events of the shell that the frame handles (those of the class library are in
// platform/EventCodes.h).
enum FrameEvent : int {
    EV_SELECTION_PROPERTIES = 6013, // a double click on the selection
    EV_TOOL_RUN_DONE = 6020,        // a document window ran a tool
    EV_PARTS_HOVER = 6080,          // arg: the parts list command under the cursor
    EV_AFTER_COMMAND = 6130,        // only the steps that follow every command
    EV_TOOL_MENU = kToolMenuEvent,  // the current tool's context menu
    EV_PAGE_MENU = kPageMenuEvent,
    EV_PARTS_MENU = kPartsMenuEvent,
    EV_TOOL_BUTTON = 6164,          // a toolbar button was pressed
    EV_PANE_BUTTON = 6166,          // the right button on a pane button
};
