#include "platform/DropDownList.h"

#include <cstring>

#include "platform/Application.h"
#include "platform/StringUtil.h"

DropDownList* DropDownList::open_ = nullptr;

DropDownList::DropDownList() : items(10, kTextSize) {}

DropDownList::~DropDownList() { release(); }

void DropDownList::release()
{
    (void)items.free(); // a block the system does not take back is lost either way
    items.count = 0;
}

int DropDownList::addItem(const char* text)
{
    char record[kTextSize] = {};
    StringUtil::copy(record, text);
    return items.append(record);
}

int DropDownList::getItemText(int index, char* buffer, int size)
{
    if (!buffer || size < 1)
        return 0;
    buffer[0] = 0;
    char record[kTextSize];
    if (!items.get(index, record))
        return 0;
    StringUtil::copyN(buffer, size, record, kTextSize - 1);
    return 1;
}

int DropDownList::choose(int index)
{
    if (!isItem(index))
        return 0;
    current = index;
    showCurrent();
    return 1;
}

void DropDownList::showCurrent()
{
    char text[kTextSize];
    if (getItemText(current, text, sizeof text))
        (void)setText(text); // a field that is not there shows nothing; the choice stands
}

int DropDownList::setupPopup(int dialogId, int listId, int enabled)
{
    popupDialogId = dialogId;
    popupListId = listId;
    popupEnabled = enabled;
    return 1;
}

void DropDownList::onChange()
{
    char item[kTextSize];
    if (!getItemText(current, item, sizeof item))
        return;
    char typed[kTextSize];
    (void)getItemText(typed, sizeof typed); // an empty or missing field reads as ""
    if (StringUtil::equals(typed, item))
        return;
    if (typed[0]) {
        char record[kTextSize] = {};
        StringUtil::copy(record, typed);
        if (!items.put(current, record))
            return;
    }
    changed = 1;
}

int DropDownList::openPopup()
{
    if (!popupDialogId || !popupListId || !popupEnabled)
        return 0;
    if (!window)
        (void)lookupWindow(); // a field without its item has no parent: the pop-up stays shut
    HWND parent = window ? GetParent(window) : nullptr;
    if (!parent || open_)
        return 0;
    open_ = this;
    INT_PTR result = DialogBoxParamA(programInstance(), MAKEINTRESOURCEA(popupDialogId), parent, popupProcedure, 0);
    open_ = nullptr;
    if (result == 1)
        showCurrent();
    return result == 1 ? 1 : 2;
}

IntRect DropDownList::placePopup(const IntRect& popup, const IntPoint& corner, int screenWidth, int screenHeight)
{
    IntRect placed = popup;
    placed.moveTo(corner.x, corner.y);
    if (placed.right > screenWidth)
        placed.moveBy(screenWidth - placed.right, 0);
    if (placed.bottom > screenHeight)
        placed.moveBy(0, screenHeight - placed.bottom);
    if (placed.top < 0)
        placed.moveTopTo(0);
    return placed;
}

void DropDownList::fillPopup(HWND popup)
{
    HWND list = GetDlgItem(popup, popupListId);
    if (list) {
        char text[kTextSize];
        for (int i = 0; i < items.count; ++i)
            if (getItemText(i, text, sizeof text))
                SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        // A current item that is not in the list selects nothing.
        SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(current), 0);
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(current), 0);
    }

    // Over the field, kept on the screen.
    IntRect field;
    if (!window || !GetClientRect(window, field.asRect()))
        return;
    POINT corner = {field.left, field.top};
    ClientToScreen(window, &corner);
    IntRect own;
    if (!GetWindowRect(popup, own.asRect()))
        return;
    IntRect placed = placePopup(own, IntPoint(corner.x, corner.y), GetSystemMetrics(SM_CXSCREEN),
                                GetSystemMetrics(SM_CYSCREEN));
    MoveWindow(popup, placed.left, placed.top, placed.width(), placed.height(), TRUE);
}

void DropDownList::endWithSelection(HWND popup)
{
    HWND list = GetDlgItem(popup, popupListId);
    LRESULT selection = list ? SendMessageA(list, LB_GETCURSEL, 0, 0) : LB_ERR;
    if (selection == LB_ERR || !isItem(static_cast<int>(selection))) {
        // Nothing to take (an empty list): the pop-up closes with nothing chosen rather than
        // keeping the user in it.
        EndDialog(popup, 2);
        return;
    }
    current = static_cast<int>(selection);
    EndDialog(popup, 1);
}

INT_PTR CALLBACK DropDownList::popupProcedure(HWND popup, UINT message, WPARAM wParam, LPARAM)
{
    DropDownList* drop = open_;
    if (!drop)
        return FALSE;
    switch (message) {
    case WM_INITDIALOG:
        drop->fillPopup(popup);
        return TRUE;
    case WM_COMMAND:
        // A double-click on a row, or a button, Enter or Escape (notification 0, whatever the id).
        if ((HIWORD(wParam) == LBN_DBLCLK && LOWORD(wParam) == drop->popupListId) || HIWORD(wParam) == 0) {
            drop->endWithSelection(popup);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}
