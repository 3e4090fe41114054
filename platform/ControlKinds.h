#pragma once
#include "platform/Control.h"

// The kind codes a dialog declares its controls with; the code chooses the control's class.
enum ControlKind : int {
    KIND_PUSH_BUTTON = 201,
    KIND_CHECK_BUTTON = 301,
    KIND_OWNER_DRAW_LIST = 303,
    KIND_REAL_EDIT = 401,
    KIND_TEXT_EDIT = 501,
    KIND_INTEGER_EDIT = 901,
    KIND_LIST_BOX = 1201,
    KIND_TREE_VIEW = 1401,
    KIND_COMBO_BOX = 1601,
    KIND_PICTURE = 1602,
    KIND_DROP_DOWN_LIST = 1603,
    KIND_DROP_DOWN_BUTTON = 1605,
    KIND_PROGRESS_BAR = 1607,
    KIND_RADIO_BUTTON = 1801,
    KIND_SCROLL_BAR = 1901,
    KIND_UP_DOWN = 1903,
    KIND_INTEGER_DISPLAY = 1905,
    KIND_COLOR_SWATCH = 2101,
    KIND_OWNER_DRAW_TREE = 2103,
    KIND_OWNER_DRAW_STATIC = 2105,
};

// 1 for the kinds whose click on the dialog is their own event (1201) rather than 1202.
[[nodiscard]] int isClickKind(int kind);
// 1 for a kind code of the table above.
[[nodiscard]] int isKnownKind(int kind);

// A new object of the kind's class (the generic control for a code not in the table); null only
// when the allocation failed. The caller sets owner and id and calls setKind.
[[nodiscard]] Control* createControlByKind(int kind);
// Destroys and frees a control of any kind; a kind not in the table is released first.
void destroyControlByKind(Control* control);

// The control of every kind code not in the table: only the base operations.
class GenericControl : public Control {
public:
    [[nodiscard]] int attach() override { return Control::attach(); }
};

// A tree view item; the tree itself is driven through the library's tree view object.
class TreeViewControl : public Control {
};

// An owner-drawn area with no content of its own: a click on it becomes event 1201.
class OwnerDrawStatic : public Control {
public:
    void refresh() override {}
};
