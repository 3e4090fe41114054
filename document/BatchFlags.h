#pragma once
// Plain inline helpers of the default records' batch edits.
#include "geometry/IntValue.h"

// The steps of a default record's apply, each asked by its place in the record's table of apply
// flags (IntValues, one per step, in step order).
namespace batch_flags {

// Asks for one step of an apply: true when its flag is ticked, and the apply's result becomes 1.
class Steps {
public:
    Steps(const IntValue* flags, int& result) : flags(flags), result(result) {}
    bool operator()(int flag) const
    {
        if (!flags[flag].value)
            return false;
        result = 1;
        return true;
    }

private:
    const IntValue* flags;
    int& result;
};

} // namespace batch_flags
