#pragma once

// Which part of an ellipse an oval is: 1 FULL (the ellipse in the box of its two points), 2 HALF,
// 3 QUART. The shapes read the code; any other code is a corrupt value and draws nothing. The
// file keywords, the store record and the dialog list belong to the oval element.
class OvalType {
public:
    enum : int { kFull = 1, kHalf = 2, kQuart = 3 };

    // Takes the other's code; without a source the code stays.
    int copyFrom(const OvalType* other)
    {
        if (other)
            value = other->value;
        return 1;
    }
    [[nodiscard]] int isValid() const { return value >= kFull && value <= kQuart; }

    int value = kFull;
};
