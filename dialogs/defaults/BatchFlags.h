#pragma once
// Interface header: plain inline helpers, as the default records' headers carry them.
#include "geometry/IntValue.h"

// The apply flags of a default record's batch edit (a table of IntValues, one per step of its
// apply, in step order) and the steps themselves.
namespace batch_flags {

inline void clear(IntValue* flags, int count)
{
    for (int i = 0; i < count; ++i)
        flags[i].value = 0;
}

inline int any(const IntValue* flags, int count)
{
    for (int i = 0; i < count; ++i)
        if (flags[i].value)
            return 1;
    return 0;
}

inline void copy(IntValue* to, const IntValue* from, int count)
{
    for (int i = 0; i < count; ++i)
        to[i].value = from[i].value;
}

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
