#pragma once
#include "platform/Control.h"

// Kind 1201: a system list box; items are numbered from 0.
class ListBox : public Control {
public:
    // LB_RESETCONTENT; 1 when sent.
    int reset() override;
    // 1, or 0 when the list refused the text.
    int addString(const char* text) override;
    int deleteString(int index) override;
    // 0 on error.
    [[nodiscard]] int count() override;
    // -1 for none and when not attached.
    [[nodiscard]] int getSelection() override;
    // -1 when not attached or for a bad index.
    [[nodiscard]] int textLength(int index) override;
    // Item `index` into the buffer, at most size - 1 bytes and never half a two-byte character;
    // the length copied, or -1.
    [[nodiscard]] int getTextAt(int index, char* buffer, int size) override;
};

// Kind 1601: a system combo box; items are numbered from 1, 0 meaning none.
class ComboBox : public Control {
public:
    // Item texts compared by selectByPrefix and selectByText are read into this many bytes.
    enum { kItemTextSize = 256 };

    int reset() override;
    int addString(const char* text) override;
    // The selected item (1-based), 0 when none; 1 when not attached.
    [[nodiscard]] int getSelection() override;
    // The first item whose text agrees with `text` in its first n bytes is selected; its number,
    // or -1.
    int selectByPrefix(const char* text, int n) override;
    int selectByText(const char* text) override;
    // Item i; 0 clears the selection.
    int select(int i) override;
    // The selected item's text, at most size - 1 bytes; its length (0 for none).
    [[nodiscard]] int getSelectedText(char* buffer, int size) override;

    // Items added since the last reset.
    int addedCount = 0;

private:
    [[nodiscard]] int itemText(int index, char* buffer, int size);
    // Selects the first added item equal to the whole text, or else sharing its first
    // prefixLength bytes (every item for prefixLength <= 0); its position from 1, or -1.
    int selectMatching(const char* text, int wholeText, int prefixLength);
};

// The text of item `index` of a list (LB_GETTEXTLEN/LB_GETTEXT) or a combo box
// (CB_GETLBTEXTLEN/CB_GETLBTEXT), measured first and cut to the buffer; the length copied, or -1.
[[nodiscard]] int readListItemText(Control& control, UINT lengthMessage, UINT textMessage, int index, char* buffer, int size);
