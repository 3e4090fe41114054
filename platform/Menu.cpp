#include "platform/Menu.h"

#include "platform/StringUtil.h"

namespace {
// The longest label relabelItem reads, terminator included.
const int kLabelBytes = 80;

BOOL systemTracker(HMENU menu, UINT flags, int x, int y, HWND owner)
{
    return TrackPopupMenu(menu, flags, x, y, 0, owner, nullptr);
}

PopupTracker currentTracker = systemTracker;
} // namespace

PopupTracker setPopupTracker(PopupTracker tracker)
{
    PopupTracker previous = currentTracker;
    currentTracker = tracker ? tracker : systemTracker;
    return previous;
}

BOOL trackPopup(HMENU menu, UINT flags, int x, int y, HWND owner) { return currentTracker(menu, flags, x, y, owner); }

int Menu::destroy()
{
    int result = 1;
    if (handle)
        result = DestroyMenu(handle) ? 1 : 0;
    handle = nullptr;
    return result;
}

int Menu::appendItem(const char* text, int id)
{
    return AppendMenuA(handle, MF_STRING, static_cast<UINT_PTR>(id), text) ? 1 : 0;
}

int Menu::appendTickedItem(const char* text, int id)
{
    return AppendMenuA(handle, MF_STRING | MF_CHECKED, static_cast<UINT_PTR>(id), text) ? 1 : 0;
}

int Menu::appendSeparator()
{
    ++itemCounter;
    return AppendMenuA(handle, MF_SEPARATOR, static_cast<UINT_PTR>(itemCounter), nullptr) ? 1 : 0;
}

void Menu::enableItem(int id)
{
    if (handle)
        EnableMenuItem(handle, static_cast<UINT>(id), MF_BYCOMMAND | MF_ENABLED);
}

void Menu::disableItem(int id)
{
    if (handle)
        EnableMenuItem(handle, static_cast<UINT>(id), MF_BYCOMMAND | MF_GRAYED);
}

int Menu::getItemText(int id, char* buffer, int size)
{
    if (!buffer || size < 1)
        return 0;
    buffer[0] = 0;
    if (!handle)
        return 0;
    // A label cut short may fill the block without a terminator and split a character.
    int length = StringUtil::readBounded(buffer, size, -1, [this, id](char* block, int capacity) {
        return static_cast<long long>(GetMenuStringA(handle, static_cast<UINT>(id), block, capacity, MF_BYCOMMAND));
    });
    return length > 0 ? length : 0;
}

int Menu::setItemText(int id, const char* text)
{
    return ModifyMenuA(handle, static_cast<UINT>(id), MF_BYCOMMAND | MF_STRING, static_cast<UINT_PTR>(id), text) ? 1
                                                                                                               : 0;
}

int Menu::relabelItem(int id, const char* text)
{
    char old[kLabelBytes];
    (void)getItemText(id, old, sizeof old); // without an old label there is no ending to keep
    char label[512];
    StringUtil::copy(label, text ? text : "");
    if (const char* ending = StringUtil::findChar(old, '('))
        StringUtil::append(label, ending);
    return setItemText(id, label);
}
