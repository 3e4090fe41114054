// The box's property dialog opened on a stored box, every tab shown in turn (the common page fills
// its 256 layer rows, the others load the box's attributes), then closed by a posted Cancel:
// milliseconds per opening, over 100 openings a run. The dialog drives itself from a message it
// posts at its initialisation, so that no message hook slows the windows it makes.
#include <cstdio>
#include <windows.h>

#include <commctrl.h>

#include "BenchHarness.h"
#include "dialogs/properties/BoxPropertyDialog.h"
#include "document/Element.h"
#include "document/PropertyDialogPlacement.h"
#include "geometry/DrawPoint.h"
#include "platform/TabControl.h"
#include "tests/dialogs/PropertyFixture.h"

using namespace property_test;

namespace {

// The box dialog that, once shown, switches to each of its tabs and posts Cancel.
class TouringBoxDialog : public BoxPropertyDialog {
public:
    void setupTabs() override
    {
        BoxPropertyDialog::setupTabs();
        (void)PostMessageA(hwnd, WM_APP, 0, 0); // a full queue leaves the dialog open: the run shows it
    }
    [[nodiscard]] int handleMessage() override
    {
        if (message != WM_APP)
            return BoxPropertyDialog::handleMessage();
        HWND tabs = GetDlgItem(hwnd, TabControl::kControlId);
        for (int tab = 1; tab <= 4; ++tab) {
            SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
            NMHDR change = {tabs, TabControl::kControlId, static_cast<UINT>(TCN_SELCHANGE)};
            SendMessageA(hwnd, WM_NOTIFY, TabControl::kControlId, reinterpret_cast<LPARAM>(&change));
        }
        (void)PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return 1;
    }
};

} // namespace

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
                TouringBoxDialog dialog;
                dialog.bind(&box);
                closed += dialog.run(0, 0) == PropertyDialog::kCancel && dialog.currentPage == 4 ? 1 : 0;
            }
        },
        5, 1);
    std::printf("%-40s median %8.2f ms  min %8.2f ms per opening (%d of %d toured and cancelled)\n", r.name,
                r.medianSeconds * 1e3 / openings, r.minSeconds * 1e3 / openings, closed, openings * 6);
    return closed == openings * 6 ? 0 : 1;
}
