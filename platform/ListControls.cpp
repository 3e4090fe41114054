#include "platform/ListControls.h"

#include "platform/StringUtil.h"

int readListItemText(Control& control, UINT lengthMessage, UINT textMessage, int index, char* buffer, int size)
{
    if (!buffer || size < 1)
        return -1;
    buffer[0] = 0;
    if (!control.isAttached())
        return -1;
    // LB_ERR and CB_ERR are both -1.
    LRESULT length = control.sendItemMessage(lengthMessage, static_cast<WPARAM>(index), 0);
    if (length < 0)
        return -1;
    return StringUtil::readBounded(buffer, size, length, [&](char* block, int) {
        return static_cast<long long>(
            control.sendItemMessage(textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(block)));
    });
}

int ListBox::reset()
{
    if (!isAttached())
        return 0;
    sendItemMessage(LB_RESETCONTENT, 0, 0);
    return 1;
}

int ListBox::addString(const char* text)
{
    if (!isAttached())
        return 0;
    LRESULT r = sendItemMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text ? text : ""));
    return r == LB_ERR || r == LB_ERRSPACE ? 0 : 1;
}

int ListBox::deleteString(int index)
{
    if (!isAttached())
        return 0;
    return sendItemMessage(LB_DELETESTRING, static_cast<WPARAM>(index), 0) == LB_ERR ? 0 : 1;
}

int ListBox::count()
{
    if (!isAttached())
        return 0;
    LRESULT r = sendItemMessage(LB_GETCOUNT, 0, 0);
    return r == LB_ERR ? 0 : static_cast<int>(r);
}

int ListBox::getSelection()
{
    if (!isAttached())
        return -1;
    LRESULT r = sendItemMessage(LB_GETCURSEL, 0, 0);
    return r == LB_ERR ? -1 : static_cast<int>(r);
}

int ListBox::textLength(int index)
{
    if (!isAttached())
        return -1;
    LRESULT r = sendItemMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    return r == LB_ERR ? -1 : static_cast<int>(r);
}

int ListBox::getTextAt(int index, char* buffer, int size)
{
    return readListItemText(*this, LB_GETTEXTLEN, LB_GETTEXT, index, buffer, size);
}

int ComboBox::reset()
{
    addedCount = 0;
    if (!isAttached())
        return 0;
    return sendItemMessage(CB_RESETCONTENT, 0, 0) == CB_ERR ? 0 : 1;
}

int ComboBox::addString(const char* text)
{
    if (!isAttached())
        return 0;
    LRESULT r = sendItemMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text ? text : ""));
    if (r == CB_ERR || r == CB_ERRSPACE)
        return 0;
    ++addedCount;
    return 1;
}

int ComboBox::getSelection()
{
    if (!isAttached())
        return 1;
    LRESULT r = sendItemMessage(CB_GETCURSEL, 0, 0);
    return r == CB_ERR ? 0 : static_cast<int>(r) + 1;
}

int ComboBox::itemText(int index, char* buffer, int size)
{
    return readListItemText(*this, CB_GETLBTEXTLEN, CB_GETLBTEXT, index, buffer, size);
}

int ComboBox::selectByPrefix(const char* text, int n) { return selectMatching(text, 0, n); }

int ComboBox::selectByText(const char* text) { return selectMatching(text, 1, 0); }

int ComboBox::selectMatching(const char* text, int wholeText, int prefixLength)
{
    if (!isAttached() || !text)
        return -1;
    char item[kItemTextSize];
    for (int i = 1; i <= addedCount; ++i) {
        if (itemText(i - 1, item, sizeof item) < 0)
            continue;
        const bool match =
            wholeText ? StringUtil::equals(item, text) : StringUtil::compareN(item, text, prefixLength) == 0;
        if (match) {
            select(i);
            return i;
        }
    }
    return -1;
}

int ComboBox::select(int i)
{
    if (!isAttached())
        return 0;
    sendItemMessage(CB_SETCURSEL, static_cast<WPARAM>(i - 1), 0);
    return 1;
}

int ComboBox::getSelectedText(char* buffer, int size)
{
    if (buffer && size > 0)
        buffer[0] = 0;
    if (!isAttached())
        return 0;
    LRESULT selected = sendItemMessage(CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR)
        return 0;
    int length = itemText(static_cast<int>(selected), buffer, size);
    return length < 0 ? 0 : length;
}
