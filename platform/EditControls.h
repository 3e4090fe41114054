#pragma once
#include "platform/Control.h"

// A number field whose text the dialog cannot take: the user is told which field and what it
// takes, in the form every dialog uses ("横(右)間隔には0.001から1000までの数値を入力して下さい。",
// without the label when the field has none), and the field gets the focus with its text selected
// for the user to mend. The bounds are given as the user would type them.
void refuseFieldNumber(Control& field, const char* low, const char* high);
void refuseFieldNumber(Control& field, int low, int high);
// The label the user reads before the field: the text of the static text or check box made just
// before it, blanks at its end dropped; empty when there is none. A field after a lone separator
// ("/" between the two terms of a scale) is the second part of one value and shares the label of
// the field before the separator.
void fieldLabel(Control& field, char (&label)[64]);
// Gives the field the focus as the dialog's own keys would (its text selected, the default button
// kept).
void focusField(Control& field);

// Kind 401: a number field. It keeps the value it was given, so a field the user did not touch
// gives that value back at full precision, not the rounded text it shows.
class RealEdit : public Control {
public:
    void setRounding(int flag) override { rounding = flag; }
    // Keeps the value and shows it with `decimals` decimals, trailing zeros removed (rounded half
    // away from zero while `rounding` is set, else cut).
    int setDouble(double newValue) override;
    // The number in the field, its leading blanks passed over (0.0 when it is empty, the value
    // untouched). When the text is still what the stored value shows, the stored value itself,
    // with *changed 0; otherwise the number read, with *changed 1. With `store` the result
    // becomes the stored value.
    [[nodiscard]] double getDouble(int* changed, int store) override;
    // Whether the text, after leading blanks, starts a number: an optional '-', then a digit or
    // a '.' and a digit. getDouble reads any other text as 0.0, so a caller that must not take
    // that 0 asks here first.
    [[nodiscard]] int holdsNumber() override;
    // Numeric fields switch the input-method editor off.
    void setImeMode() override;

    // The text the value shows as (at most size - 1 bytes).
    void formatValue(double v, char* buffer, int size) const;

    int decimals = 3;
    int rounding = 1;
    double value = 0.0;
};

// Kind 501: a text field that can tell whether its text differs from the one it was last given.
class TextEdit : public Control {
public:
    ~TextEdit() override;

    // A new compare buffer of `size` bytes holding an empty text (none for a size below 1).
    void setCompareSize(int size) override;
    // Also keeps the text (at most compareSize - 1 bytes) for isTextChanged.
    int setText(const char* text) override;
    // 0 without a compare buffer; otherwise the byte-wise comparison of the field's text (at most
    // compareSize - 1 bytes) with the kept one: 0 unchanged, -1 or 1 changed.
    [[nodiscard]] int isTextChanged() override;
    // Text fields give the input-method editor back.
    void setImeMode() override;

    char* compareBuffer = nullptr;
    int compareSize = 0;
};

// Kind 901: an integer field.
class IntegerEdit : public Control {
public:
    int setInt(int n) override;
    // Shows n ("%ld") without keeping it.
    int showInt(int n) override;
    // The number in the field: leading blanks skipped, an optional '-', digits; any other
    // character ends it. An empty field gives 0 and leaves the value as it was; otherwise the
    // number becomes the value and *changed tells whether it differs from the one before.
    [[nodiscard]] int getInt(int* changed) override;
    // The one reader of what a dialog takes from the field: its whole text is one number
    // (StringUtil::parseWholeLong), never its leading digits.
    [[nodiscard]] int readIntInRange(int low, int high, int& number) override;
    // Whether the text, after leading blanks, starts a number: an optional '-', then a digit
    // (getInt reads any other text as 0).
    [[nodiscard]] int holdsNumber() override;
    void setImeMode() override;

    int value = 0;
};

// Kind 1905: shows an integer and keeps nothing.
class IntegerDisplay : public Control {
public:
    int setInt(int n) override;
};
