#pragma once
#include <utility>

// Sets a global, a hook or a member for one scope and puts the old value back when the scope
// ends, also when an assertion fails half-way: a test never leaves a pointer to its own locals
// behind for the next test of the executable.
//
//     ScopedOverride<UndoManager::FreeSpaceQuery> space(UndoManager::freeSpaceQuery, tenMegabytes);
//     ScopedOverride frame(theApplication->frame, &testFrame);
//
// Without a value it only keeps the current one, for a table that the scope then changes field
// by field:
//
//     ScopedOverride<DocumentMemberFactories> factories(documentMemberFactories);
//     documentMemberFactories.selectTool = makeSelectTool;
template <typename T> class ScopedOverride {
public:
    explicit ScopedOverride(T& place) : target(place), saved(place) {}
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

// The same for a hook installed through a setter that returns the hook it replaces:
//
//     ScopedHook chooser(setChooseColorFunction, answerTheChooser);
template <typename F> class ScopedHook {
public:
    ScopedHook(F (*setter)(F), F value) : set(setter), saved(setter(value)) {}
    ~ScopedHook() { set(saved); }
    ScopedHook(const ScopedHook&) = delete;
    ScopedHook& operator=(const ScopedHook&) = delete;

private:
    F (*set)(F);
    F saved;
};

// Puts a test's stand-in in place of a member that its owner made itself (a document context makes
// the members of the document's own classes directly); the member made first is deleted. Returns
// the stand-in.
//
//     FakePageList* pages = standIn(context.pages, new FakePageList);
template <typename T, typename Fake> Fake* standIn(T*& member, Fake* fake)
{
    delete member;
    member = fake;
    return fake;
}
