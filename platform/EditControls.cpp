#include "platform/EditControls.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <new>

#include "platform/ImeGuard.h"
#include "platform/MessageBoxes.h"
#include "platform/StringUtil.h"

namespace {
// Number fields read at most this many characters.
const int numberTextSize = 80;

int showNumber(Control& control, int n)
{
    char text[16];
    StringUtil::formatInt(n, text);
    return control.setItemText(text);
}

// The text past its leading blanks. The number readers take a sign only as their first
// character, so a field's blanks are passed over before them.
const char* pastBlanks(const char* text)
{
    while (*text == ' ')
        ++text;
    return text;
}

// Where the number in the field's text starts: past the leading blanks and an optional '-'.
// Null when the field cannot be read or its text is empty.
const char* numberStart(Control& control, char (&text)[numberTextSize])
{
    if (!control.getText(text, sizeof text))
        return nullptr;
    const char* p = pastBlanks(text);
    if (*p == '-')
        ++p;
    return p;
}

int isDigitAt(const char* p) { return StringUtil::isDigit(static_cast<unsigned char>(*p)); }

int isBlank(char c) { return c == ' ' || c == '\t'; }

int hasClass(HWND window, const char* name)
{
    char kind[16] = {};
    return window && GetClassNameA(window, kind, sizeof kind) && lstrcmpiA(kind, name) == 0;
}

// A static text of punctuation alone ("/", ":"), which joins the fields either side of it.
int isSeparator(HWND window)
{
    char text[8] = {};
    if (!hasClass(window, "Static") || GetWindowTextA(window, text, sizeof text) < 1)
        return 0;
    for (const char* p = text; *p; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c >= 0x80 || !(std::ispunct(c) || isBlank(*p)))
            return 0;
    }
    return 1;
}
} // namespace

void fieldLabel(Control& field, char (&label)[64])
{
    label[0] = 0;
    HWND window = field.lookupWindow();
    HWND before = window ? GetWindow(window, GW_HWNDPREV) : nullptr;
    if (isSeparator(before)) {
        HWND first = GetWindow(before, GW_HWNDPREV);
        if (hasClass(first, "Edit"))
            before = GetWindow(first, GW_HWNDPREV);
    }
    if (!hasClass(before, "Static") && !hasClass(before, "Button"))
        return;
    int length = GetWindowTextA(before, label, sizeof label);
    while (length > 0 && isBlank(label[length - 1]))
        label[--length] = 0;
}

void focusField(Control& field)
{
    if (HWND window = field.lookupWindow())
        SendMessageA(GetParent(window), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(window), TRUE);
}

void refuseFieldNumber(Control& field, const char* low, const char* high)
{
    char label[64];
    fieldLabel(field, label);
    char message[200];
    if (label[0])
        std::snprintf(message, sizeof message, "%sには%sから%sまでの数値を入力して下さい。", label, low, high);
    else
        std::snprintf(message, sizeof message, "%sから%sまでの数値を入力して下さい。", low, high);
    showErrorBox(message);
    focusField(field);
}

void refuseFieldNumber(Control& field, int low, int high)
{
    char from[16], to[16];
    StringUtil::formatInt(low, from);
    StringUtil::formatInt(high, to);
    refuseFieldNumber(field, from, to);
}

void RealEdit::formatValue(double v, char* buffer, int size) const
{
    if (!buffer || size < 1)
        return;
    buffer[0] = 0;
    // A value too large to show leaves the field empty; the kept value stays exact.
    (void)StringUtil::formatDouble(v, decimals, buffer, size, rounding);
}

int RealEdit::setDouble(double newValue)
{
    value = newValue;
    char text[numberTextSize];
    formatValue(value, text, sizeof text);
    return setText(text);
}

double RealEdit::getDouble(int* changed, int store)
{
    int ignored = 0;
    if (!changed)
        changed = &ignored;
    *changed = 0;
    char text[numberTextSize];
    if (!getText(text, sizeof text))
        return 0.0;
    double parsed = StringUtil::parseDouble(pastBlanks(text));
    char shown[numberTextSize];
    formatValue(value, shown, sizeof shown);
    double result = value;
    if (!StringUtil::equals(text, shown)) {
        result = parsed;
        *changed = 1;
    }
    if (store)
        value = result;
    return result;
}

int RealEdit::holdsNumber()
{
    char text[numberTextSize];
    const char* p = numberStart(*this, text);
    if (!p)
        return 0;
    if (*p == '.')
        ++p;
    return isDigitAt(p);
}

void RealEdit::setImeMode()
{
    if (theImeGuard)
        theImeGuard->switchOffNow();
}

TextEdit::~TextEdit() { delete[] compareBuffer; }

void TextEdit::setCompareSize(int size)
{
    delete[] compareBuffer;
    compareBuffer = nullptr;
    compareSize = 0;
    if (size < 1)
        return;
    compareBuffer = new (std::nothrow) char[static_cast<size_t>(size)];
    if (!compareBuffer)
        return;
    compareBuffer[0] = 0;
    compareSize = size;
}

int TextEdit::setText(const char* text)
{
    if (compareBuffer)
        StringUtil::copy(compareBuffer, compareSize, text ? text : "");
    return setItemText(text);
}

int TextEdit::isTextChanged()
{
    if (!compareBuffer || compareSize < 1)
        return 0;
    // Cut as the kept copy was cut: at most compareSize - 1 bytes, on a character boundary.
    char* current = new (std::nothrow) char[static_cast<size_t>(compareSize)];
    if (!current)
        return 0;
    (void)getItemText(current, compareSize); // empty when the field cannot be read: compared as ""
    int result = StringUtil::compare(current, compareBuffer);
    delete[] current;
    return result;
}

void TextEdit::setImeMode()
{
    if (theImeGuard)
        theImeGuard->restoreNow();
}

int IntegerEdit::setInt(int n)
{
    value = n;
    return showInt(n);
}

int IntegerEdit::showInt(int n) { return showNumber(*this, n); }

int IntegerEdit::getInt(int* changed)
{
    int ignored = 0;
    if (!changed)
        changed = &ignored;
    *changed = 0;
    char text[numberTextSize];
    if (!getText(text, sizeof text))
        return 0;
    int number = StringUtil::parseIntRaw(text);
    *changed = number != value ? 1 : 0;
    value = number;
    return number;
}

int IntegerEdit::readIntInRange(int low, int high, int& number)
{
    char text[numberTextSize];
    if (!getText(text, sizeof text))
        return 0;
    // A text that fills what is read (less a character cut in two) may go on beyond it: no number.
    if (std::strlen(text) >= sizeof text - 2)
        return -1;
    long long typed = 0;
    const int whole = StringUtil::parseWholeLong(text, typed);
    if (whole <= 0)
        return whole;
    if (typed < low || typed > high)
        return -1;
    value = static_cast<int>(typed);
    number = value;
    return 1;
}

int IntegerEdit::holdsNumber()
{
    char text[numberTextSize];
    const char* p = numberStart(*this, text);
    return p ? isDigitAt(p) : 0;
}

void IntegerEdit::setImeMode()
{
    if (theImeGuard)
        theImeGuard->switchOffNow();
}

int IntegerDisplay::setInt(int n) { return showNumber(*this, n); }
