#pragma once

// The highest element serial number of a drawing. A new element takes next(); an element read
// from a file keeps its stored serial and raises the counter to it (a stored 0 takes next()).
class ElementSerialCounter {
public:
    [[nodiscard]] int next() { return ++value; }
    int raiseTo(int n)
    {
        if (n > value)
            value = n;
        return n;
    }

    int value = 0;
};
