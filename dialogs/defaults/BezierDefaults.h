#pragma once
#include "dialogs/defaults/ElementDefaults.h"

// Default attributes of new Bezier curves.
class BezierDefaults : public ElementDefaults {
public:
    // Copies the attributes of another record (null does nothing).
    virtual void copyFrom(const BezierDefaults* other) = 0;
};

// The application's record, copied into every new document.
extern BezierDefaults* theBezierDefaults;
