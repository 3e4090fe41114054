// A shortcut key whose command became pending while the select tool tracks the mouse ends the
// tracking with -1, and the frame still gets the command (6192 as a deferred command).
#include <gtest/gtest.h>

#include "platform/CurrentEvent.h"
#include "platform/EventCodes.h"
#include "platform/ShortcutHook.h"
#include "tests/views/ToolTestDrawing.h"

using namespace tool_test;

namespace {

// A hook with one command pending from the start, taken once.
class PendingHook : public ShortcutHook {
public:
    int onKey() override { return 0; }
    int takePending() override
    {
        ++asked;
        return pending ? (pending = 0, 1) : 0;
    }
    int isShortcutMode() const override { return 0; }
    int pending = 1;
    int asked = 0;
};

// The deferred commands waiting in the queue.
int deferredShortcuts()
{
    int n = 0;
    for (int i = 0; i < theCurrentEvent->queue.count; ++i) {
        QueuedEvent* e = nullptr;
        if (theCurrentEvent->queue.get(i, &e) && e && e->code == EV_DEFERRED_COMMAND && e->arg2 == EV_SHORTCUT_COMMAND)
            ++n;
    }
    return n;
}

} // namespace

TEST(PendingShortcut, EndsTheSelectToolsTrackingAndReachesTheFrame)
{
    // A right press comes 50 ms in: without a pending command it ends the tracking with 21.
    for (int pending : {1, 0}) {
        SCOPED_TRACE(pending);
        ToolDrawing d;
        PendingHook hook;
        hook.pending = pending;
        ScopedOverride<ShortcutHook*> installed(theShortcutHook, &hook);
        const DWORD t = d.clock.now();
        d.mouse.at(t, 200, 150).at(t + 50, 200, 150, ScriptedMouse::kRight).at(t + 100, 200, 150);
        const int queued = deferredShortcuts();
        EXPECT_EQ(d.select->onMouse(), pending ? -1 : 21);
        EXPECT_EQ(deferredShortcuts() - queued, pending);
    }
}
