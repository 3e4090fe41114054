#include "platform/Menu.h"

#include <cstring>

#include "platform/ShiftJis.h"
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
    // Cleared first: a conversion cut short may leave bytes it did not write.
    std::memset(buffer, 0, static_cast<size_t>(size));
    if (!handle)
        return 0;
    int length = GetMenuStringA(handle, static_cast<UINT>(id), buffer, size, MF_BYCOMMAND);
    if (length < 0)
        length = 0;
    if (length > size - 1)
        length = size - 1;
    if (length == size - 1) {
        // The label may have been cut: never keep half of a two-byte character.
        int end = 0;
        while (end < length) {
            if (isShiftJisLeadByte(static_cast<unsigned char>(buffer[end])) && end + 1 >= length)
                break;
            end += shiftJisCharLength(buffer, end, length);
        }
        length = end;
    }
    buffer[length] = 0;
    return length;
}

int Menu::setItemText(int id, const char* text)
{
    return ModifyMenuA(handle, static_cast<UINT>(id), MF_BYCOMMAND | MF_STRING, static_cast<UINT_PTR>(id), text) ? 1
                                                                                                               : 0;
}

int Menu::relabelItem(int id, const char* text)
{
    char old[kLabelBytes];
    getItemText(id, old, sizeof old);
    char label[512];
    StringUtil::copy(label, text ? text : "");
    if (const char* ending = StringUtil::findChar(old, '('))
        StringUtil::append(label, ending);
    return setItemText(id, label);
}
