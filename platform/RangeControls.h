#pragma once
#include "platform/Control.h"

// Kind 1607: a progress bar item. The bar itself always runs 0..100; values are given in the
// caller's range (byte counts of large files, hence 64-bit) and shown as a percentage.
class ProgressBar : public Control {
public:
    // Keeps the range and puts the bar back to 0.
    void setRange(long long newLow, long long newHigh) override;
    // Moves the bar to (v - low) x 100 / (high - low); a range narrower than 2 leaves it alone.
    void setValue(long long v) override;
    // The percentage a bar of that range shows for v (0 to 100); -1 for a range narrower than 2.
    [[nodiscard]] static int percentOf(long long low, long long high, long long v);

    long long low = 0;
    long long high = 100;
    long long value = 0;
    // The percentage the bar shows, -1 when unknown.
    int shownPercent = -1;
};

// Kind 1903: an up-down item. Its range is the system's 16-bit one; the buddy is only
// remembered (the item finds its buddy window through its resource styles).
class UpDownControl : public Control {
public:
    void setRange(long long newLow, long long newHigh) override;
    void setBuddy(Control* control) override { buddy = control; }

    int low = 0;
    int high = 100;
    Control* buddy = nullptr;
};
