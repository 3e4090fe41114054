#pragma once
// A plain value class that the element header holds; it includes nothing.

// Which of the eight handle marks around a selected element's extent are active. Handles 0 to 7
// are the box handle positions in their usual order (the first corner, the middle of the edge
// after it, the next corner, ...). 1 = active, drawn and answered in the active style; 0 = passive.
class HandleFlags {
public:
    enum { handleCount = 8 };

    HandleFlags() { clearAll(); }

    void clearAll();
    void setAll();
    void set(int f0, int f1, int f2, int f3, int f4, int f5, int f6, int f7);
    // Flag i for 0 <= i < 8; 0 for any other i.
    [[nodiscard]] int get(int i) const { return i >= 0 && i < handleCount ? flags[i] : 0; }

    int flags[handleCount];
};
