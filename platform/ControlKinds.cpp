#include "platform/ControlKinds.h"

#include <new>

#include "platform/ButtonControls.h"
#include "platform/ColorSwatch.h"
#include "platform/DropDownButton.h"
#include "platform/DropDownList.h"
#include "platform/EditControls.h"
#include "platform/ListControls.h"
#include "platform/OwnerDrawList.h"
#include "platform/OwnerDrawTree.h"
#include "platform/PictureControl.h"
#include "platform/RangeControls.h"
#include "platform/ScrollBarControl.h"

int isClickKind(int kind)
{
    switch (kind) {
    case KIND_OWNER_DRAW_LIST:
    case KIND_DROP_DOWN_LIST:
    case KIND_DROP_DOWN_BUTTON:
    case KIND_COLOR_SWATCH:
    case KIND_OWNER_DRAW_TREE:
    case KIND_OWNER_DRAW_STATIC:
        return 1;
    default:
        return 0;
    }
}

int isKnownKind(int kind)
{
    switch (kind) {
    case KIND_PUSH_BUTTON:
    case KIND_CHECK_BUTTON:
    case KIND_OWNER_DRAW_LIST:
    case KIND_REAL_EDIT:
    case KIND_TEXT_EDIT:
    case KIND_INTEGER_EDIT:
    case KIND_LIST_BOX:
    case KIND_TREE_VIEW:
    case KIND_COMBO_BOX:
    case KIND_PICTURE:
    case KIND_DROP_DOWN_LIST:
    case KIND_DROP_DOWN_BUTTON:
    case KIND_PROGRESS_BAR:
    case KIND_RADIO_BUTTON:
    case KIND_SCROLL_BAR:
    case KIND_UP_DOWN:
    case KIND_INTEGER_DISPLAY:
    case KIND_COLOR_SWATCH:
    case KIND_OWNER_DRAW_TREE:
    case KIND_OWNER_DRAW_STATIC:
        return 1;
    default:
        return 0;
    }
}

Control* createControlByKind(int kind)
{
    switch (kind) {
    case KIND_PUSH_BUTTON:
        return new (std::nothrow) PushButton;
    case KIND_CHECK_BUTTON:
        return new (std::nothrow) CheckButton;
    case KIND_OWNER_DRAW_LIST:
        return new (std::nothrow) OwnerDrawList;
    case KIND_REAL_EDIT:
        return new (std::nothrow) RealEdit;
    case KIND_TEXT_EDIT:
        return new (std::nothrow) TextEdit;
    case KIND_INTEGER_EDIT:
        return new (std::nothrow) IntegerEdit;
    case KIND_LIST_BOX:
        return new (std::nothrow) ListBox;
    case KIND_TREE_VIEW:
        return new (std::nothrow) TreeViewControl;
    case KIND_COMBO_BOX:
        return new (std::nothrow) ComboBox;
    case KIND_PICTURE:
        return new (std::nothrow) PictureControl;
    case KIND_DROP_DOWN_LIST:
        return new (std::nothrow) DropDownList;
    case KIND_DROP_DOWN_BUTTON:
        return new (std::nothrow) DropDownButton;
    case KIND_PROGRESS_BAR:
        return new (std::nothrow) ProgressBar;
    case KIND_RADIO_BUTTON:
        return new (std::nothrow) RadioButton;
    case KIND_SCROLL_BAR:
        return new (std::nothrow) ScrollBarControl;
    case KIND_UP_DOWN:
        return new (std::nothrow) UpDownControl;
    case KIND_INTEGER_DISPLAY:
        return new (std::nothrow) IntegerDisplay;
    case KIND_COLOR_SWATCH:
        return new (std::nothrow) ColorSwatch;
    case KIND_OWNER_DRAW_TREE:
        return new (std::nothrow) OwnerDrawTree;
    case KIND_OWNER_DRAW_STATIC:
        return new (std::nothrow) OwnerDrawStatic;
    default:
        return new (std::nothrow) GenericControl;
    }
}

void destroyControlByKind(Control* control)
{
    if (!control)
        return;
    // Every class cleans up in its own destructor; a kind outside the table may still hold
    // something its release frees.
    if (!isKnownKind(control->kind))
        control->release();
    delete control;
}
