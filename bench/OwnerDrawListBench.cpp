// The check list of the layer dialog, drawn into a dialog item: milliseconds per repaint of the
// whole list and per step when it is scrolled through row by row, for 25 and for 256 items. Only
// the shown rows are drawn, so both lists cost the same.
#include <cstdio>
#include <string>
#include <windows.h>

#include "BenchHarness.h"
#include "platform/Application.h"
#include "platform/Container.h"
#include "platform/OwnerDrawList.h"

int main()
{
    Application* application = new Application;
    application->instance = GetModuleHandleA(nullptr);
    const int kItemId = 100;
    // The item holds 20 rows of the GUI font, as the layer list does.
    HWND host = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 400, nullptr, nullptr,
                                application->instance, nullptr);
    HWND item = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE | SS_BLACKFRAME, 10, 10, 200, 300, host,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kItemId)), application->instance, nullptr);
    if (!host || !item) {
        std::printf("no window to draw in\n");
        return 1;
    }
    Container owner;
    owner.hwnd = host;
    for (int count : {25, 256}) {
        OwnerDrawList list;
        list.owner = &owner;
        list.id = kItemId;
        if (!list.attach()) {
            std::printf("the list has no item\n");
            return 1;
        }
        SetWindowPos(item, nullptr, 0, 0, 200, 20 * (list.rowHeight() + 1) + 3, SWP_NOMOVE | SWP_NOZORDER);
        if (!list.attach())
            return 1;
        for (int i = 0; i < count; ++i) {
            std::string name = "レイヤー" + std::to_string(i);
            if (!list.addItem(i % 3 == 0, name.c_str())) {
                std::printf("the list cannot grow\n");
                return 1;
            }
        }
        char label[64];
        std::snprintf(label, sizeof label, "repaint, %d items", count);
        BenchResult whole = runBenchmark(label, [&] { list.repaint(); }, 31);
        std::printf("%-40s median %10.3f ms  min %10.3f ms\n", whole.name, whole.medianSeconds * 1e3,
                    whole.minSeconds * 1e3);

        // Down row by row to the last page and back to the top: every step repaints.
        const int steps = 2 * (count - list.visibleRows());
        std::snprintf(label, sizeof label, "scroll row by row, %d items", count);
        BenchResult scroll = runBenchmark(label, [&] {
            for (int top = 1; top <= count - list.visibleRows(); ++top)
                list.scrollTo(top);
            for (int top = count - list.visibleRows() - 1; top >= 0; --top)
                list.scrollTo(top);
        }, 9);
        std::printf("%-40s median %10.3f ms  min %10.3f ms  %8.3f ms per step (%d steps)\n", scroll.name,
                    scroll.medianSeconds * 1e3, scroll.minSeconds * 1e3, scroll.medianSeconds * 1e3 / steps, steps);
    }
    DestroyWindow(host);
    delete application;
    return 0;
}
