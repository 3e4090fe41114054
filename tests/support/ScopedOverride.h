#pragma once
#include <utility>

// Sets a global, a hook or a member for one scope and puts the old value back when the scope
// ends, also when an assertion fails half-way: a test never leaves a pointer to its own locals
// behind for the next test of the executable.
//
//     ScopedOverride<UndoManager::FreeSpaceQuery> space(UndoManager::freeSpaceQuery, tenMegabytes);
//     ScopedOverride frame(theApplication->frame, &testFrame);
template <typename T> class ScopedOverride {
public:
    template <typename U>
    ScopedOverride(T& place, U&& value) : target(place), saved(std::move(place))
    {
        place = std::forward<U>(value);
    }
    ~ScopedOverride() { target = std::move(saved); }
    ScopedOverride(const ScopedOverride&) = delete;
    ScopedOverride& operator=(const ScopedOverride&) = delete;

    const T& previous() const { return saved; }

private:
    T& target;
    T saved;
};

template <typename T, typename U> ScopedOverride(T&, U&&) -> ScopedOverride<T>;
