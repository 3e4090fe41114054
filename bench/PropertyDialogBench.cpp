// The box's property dialog opened on a stored box, every tab shown in turn (the common page fills
// its 256 layer rows, the others load the box's attributes), then closed by a posted Cancel:
// milliseconds per opening, over 100 openings a run.
#include <cstdio>
#include <windows.h>

#include "BenchHarness.h"
#include "dialogs/properties/BoxPropertyDialog.h"
#include "dialogs/properties/PropertyDialogPlacement.h"
#include "elements/Element.h"
#include "geometry/DrawPoint.h"
#include "tests/dialogs/PropertyFixture.h"
#include "tests/support/MessagePump.h"

using namespace property_test;

int main()
{
    PropertyDrawing d;
    const int id = d.add(ElementKind::Box, [](Element& e) {
        e.firstPoint()->x = 100, e.firstPoint()->y = 100;
        e.secondPoint()->x = 150, e.secondPoint()->y = 140;
    });
    if (id < 1) {
        std::printf("the box could not be stored\n");
        return 1;
    }
    Element& box = d.stored(id);
    const int openings = 100;
    int closed = 0;
    const BenchResult r = runBenchmark(
        "box dialog: open, 5 tabs, close",
        [&] {
            for (int i = 0; i < openings; ++i) {
                d.context.propertyPlacement->lastPage = 0;
                BoxPropertyDialog dialog;
                dialog.bind(&box);
                const INT_PTR result = driveModalDialog([&]() -> INT_PTR { return dialog.run(0, 0); }, [](HWND w) {
                    for (int tab = 1; tab <= 4; ++tab)
                        chooseTab(w, tab);
                    PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                });
                closed += result == PropertyDialog::kCancel ? 1 : 0;
            }
        },
        5, 1);
    std::printf("%-40s median %8.2f ms  min %8.2f ms per opening (%d of %d closed by the posted Cancel)\n", r.name,
                r.medianSeconds * 1e3 / openings, r.minSeconds * 1e3 / openings, closed, openings * 6);
    return closed == openings * 6 ? 0 : 1;
}
