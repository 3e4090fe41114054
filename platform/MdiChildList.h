#pragma once
#include "platform/GlobalBlock.h"

class MdiChildWindow;

// The frame's document windows in their order, the active one (by serial id) and the limit of
// four. The list owns the window objects: removing one destroys its window and deletes it.
class MdiChildList : public GlobalBlock {
public:
    MdiChildList() : GlobalBlock(5, sizeof(MdiChildWindow*)) {}
    ~MdiChildList() { destroyAll(); }
    MdiChildList(const MdiChildList&) = delete;
    MdiChildList& operator=(const MdiChildList&) = delete;

    // Takes ownership, makes the window active and creates it. On failure the previous active id
    // comes back, the object is deleted and 0 is returned.
    [[nodiscard]] int add(MdiChildWindow* window);
    // Removes the window with that serial id: destroys its contents and window and deletes the
    // object; the active id becomes -1. 0 when no window of the list has the id.
    [[nodiscard]] int closeChild(int serial);
    // Posts 6030 with the new active id.
    void setActive(MdiChildWindow* window);
    // Posts 6030 only when the id changes.
    void setActiveById(int serial);
    // The window the MDI client reports active, or null.
    [[nodiscard]] MdiChildWindow* activeChild();
    [[nodiscard]] int hasRoom() const { return count < limit; }
    [[nodiscard]] int hasActive() const { return count >= 1 && activeSerial >= 0; }
    // Iteration: first() gives entry 0, each next() the entry after the one given last.
    [[nodiscard]] MdiChildWindow* first();
    [[nodiscard]] MdiChildWindow* next();
    // Null outside 0 .. count - 1.
    [[nodiscard]] MdiChildWindow* getAt(int index);
    // Destroys and deletes every window (also run by the destructor).
    void destroyAll();

    int limit = 4;
    int activeSerial = -1;
    int iterationIndex = 0;
};
