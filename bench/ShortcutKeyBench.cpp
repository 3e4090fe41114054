// 10,000 key presses through the shortcut hook as the pump offers them: a bound key (consumed,
// then taken by the pump and the frame), an unbound one and a plain letter. Microseconds per key.
#include <cstdio>
#include <initializer_list>

#include "BenchHarness.h"
#include "shell/FrameCommands.h"
#include "shell/ShortcutKeys.h"

namespace {

const int kPresses = 10000;

void hold(std::initializer_list<int> keys)
{
    BYTE state[256] = {};
    for (int key : keys)
        state[key] = 0x80;
    SetKeyboardState(state);
}

} // namespace

int main()
{
    ShortcutKeys keys(nullptr);
    if (!keys.table.setup())
        return 1;
    // A table with a few bindings, the one pressed last among them.
    const char* names[] = {"F2", "Shift+F5", "Ctrl+B", "Ctrl+E", "Shift+Ctrl+Z", "Ctrl+L"};
    for (const char* name : names)
        if (!keys.table.bind(keys.table.findByName(name), TOOL_LINE, "線分"))
            return 1;
    struct Case {
        const char* name;
        std::initializer_list<int> held;
    };
    const Case cases[] = {
        {"bound Ctrl+L (consumed, taken)", {VK_CONTROL, 'L'}},
        {"unbound Ctrl+K", {VK_CONTROL, 'K'}},
        {"plain letter K", {'K'}},
    };
    int taken = 0;
    for (const Case& c : cases) {
        hold(c.held);
        const BenchResult r = runBenchmark(c.name, [&] {
            for (int i = 0; i < kPresses; ++i)
                if (keys.onKey() && keys.takePending())
                    taken += keys.takePendingCommand() == TOOL_LINE;
        }, 9);
        std::printf("%-36s %8.3f us per key\n", c.name, r.medianSeconds * 1e6 / kPresses);
    }
    hold({});
    std::printf("commands taken: %d\n", taken);
    return 0;
}
