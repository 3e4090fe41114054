#pragma once
#include "dialogs/defaults/ElementDefaults.h"

// Default attributes of new dimensions.
class MeasureDefaults : public ElementDefaults {
public:
    // Copies the attributes of another record (null does nothing).
    virtual void copyFrom(const MeasureDefaults* other) = 0;
};

// The application's record, copied into every new document.
extern MeasureDefaults* theMeasureDefaults;
