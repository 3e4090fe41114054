#include "platform/MdiChildList.h"

#include "platform/Application.h"
#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/FrameWindow.h"
#include "platform/MdiChildWindow.h"
#include "platform/WindowHandle.h"

namespace {
void postActiveChanged(int serial)
{
    // Lost when the queue cannot take it: the frame keeps showing the document active before.
    if (theCurrentEvent)
        (void)theCurrentEvent->postEvent(EV_ACTIVE_DOCUMENT_CHANGED, serial, 0);
}

HWND mdiClient() { return theApplication && theApplication->frame ? theApplication->frame->mdiClientHandle() : nullptr; }
} // namespace

int MdiChildList::add(MdiChildWindow* window)
{
    if (!window)
        return 0;
    int oldActive = activeSerial;
    activeSerial = window->serial;
    if (!append(&window)) {
        activeSerial = oldActive;
        delete window;
        return 0;
    }
    if (!window->create()) {
        // closeChild leaves no active window; the one active before the add is active again. The
        // window was appended above, so closeChild finds it.
        (void)closeChild(window->serial);
        activeSerial = oldActive;
        return 0;
    }
    return 1;
}

int MdiChildList::closeChild(int serial)
{
    // Only a window of this list is ever unregistered or deleted here: an id that belongs to
    // some other window (the frame, a pane) must leave that window alone.
    MdiChildWindow* window = nullptr;
    int index = -1;
    {
        BlockLock data(*this);
        if (!data)
            return 0;
        MdiChildWindow** entries = data.data<MdiChildWindow*>();
        for (int i = 0; i < count; ++i) {
            if (entries[i] && entries[i]->serial == serial) {
                window = entries[i];
                index = i;
                break;
            }
        }
    }
    if (!window)
        return 0;
    window->unregisterWindow();
    (void)removeAt(index); // found above: a valid index
    window->destroyContents();
    // After WM_CLOSE the MDI client has destroyed the window already.
    if (window->hwnd() && IsWindow(window->hwnd()))
        window->destroy();
    delete window;
    activeSerial = -1;
    return 1;
}

void MdiChildList::setActive(MdiChildWindow* window)
{
    if (!window)
        return;
    activeSerial = window->serial;
    postActiveChanged(activeSerial);
}

void MdiChildList::setActiveById(int serial)
{
    int old = activeSerial;
    activeSerial = serial;
    if (activeSerial != old)
        postActiveChanged(activeSerial);
}

MdiChildWindow* MdiChildList::activeChild()
{
    if (count < 1) {
        activeSerial = -1;
        return nullptr;
    }
    HWND client = mdiClient();
    if (!client)
        return nullptr;
    HWND active = reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
    if (!active)
        return nullptr;
    for (int i = 0; i < count; ++i) {
        MdiChildWindow* window = getAt(i);
        if (window && sameWindow(window->hwnd(), active))
            return window;
    }
    return nullptr;
}

MdiChildWindow* MdiChildList::first()
{
    // Entry 0 counts as visited, so that first() followed by next() until null sees each window
    // once.
    iterationIndex = 1;
    return getAt(0);
}

MdiChildWindow* MdiChildList::next() { return getAt(iterationIndex++); }

MdiChildWindow* MdiChildList::getAt(int index)
{
    MdiChildWindow* window = nullptr;
    if (index < 0 || index >= count || !get(index, &window))
        return nullptr;
    return window;
}

void MdiChildList::destroyAll()
{
    HWND client = mdiClient();
    while (count > 0) {
        MdiChildWindow* window = getAt(count - 1);
        removeLast();
        if (!window)
            continue;
        window->unregisterWindow();
        window->destroyContents();
        HWND handle = window->hwnd();
        if (handle && IsWindow(handle)) {
            // Through the MDI client, so that its window menu forgets the child.
            if (client && sameWindow(GetParent(handle), client))
                SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(handle), 0);
            else
                DestroyWindow(handle);
        }
        delete window;
    }
    activeSerial = -1;
}
