#pragma once
#include "platform/IntPoint.h"

class ToolbarText;

// A pane's definition (string-table entries 1 to 13) as read: which fields were there and their
// values. The pane takes what was read; fields after the first one that ended otherwise than
// with the delimiter stay unread.
struct DockPaneLayout {
    // The fields in their order; `fieldsRead` counts those read.
    enum Field { kName = 1, kKind, kTop, kLeft, kRight, kBottom, kRows, kX, kY, kPosition, kButtonList };

    char name[32] = {};
    char kindKeyword[10] = {};
    int allowedBands[4] = {};  // TOP, LEFT, RIGHT, BOTTOM
    int rows = 1;
    IntPoint dockPoint;
    char positionKeyword[10] = {};
    int buttonListId = 0;
    int fieldsRead = 0;

    // Reads fields 1 to 10, and the button-list id when `withButtonList`. 0 when a field could
    // not be read (too long, not a number, or the text ended inside it); meeting the end mark
    // early is no failure.
    [[nodiscard]] int read(ToolbarText& text, int withButtonList);
    [[nodiscard]] int has(Field field) const { return fieldsRead >= field; }
};

// The kinds of pane by their keywords: 0 "DFLT" buttons, 1 "NAVI", 2 "PAGE", 3 "PARTS"; -1 for
// any other word.
[[nodiscard]] int paneKindOfKeyword(const char* keyword);
// Positions by keyword: 1 "TOP", 2 "LEFT", 3 "RIGHT", 4 "BOTTOM", 5 "FLOAT"; 0 for any other
// word. positionKeyword gives the keyword of 1 to 5, else "".
[[nodiscard]] int positionOfKeyword(const char* keyword);
[[nodiscard]] const char* positionKeyword(int position);
