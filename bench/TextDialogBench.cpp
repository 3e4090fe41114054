// The text's property dialog opened on a stored text at its font page (every installed face
// listed, the text's face chosen), then closed by a posted Cancel: milliseconds per opening, over
// 100 openings a run. The dialog closes itself from a message it posts at its initialisation, so
// that no message hook slows the windows it makes.
#include <cstdio>
#include <windows.h>

#include "BenchHarness.h"
#include "dialogs/properties/PropertyDialogPlacement.h"
#include "dialogs/properties/TextPropertyDialog.h"
#include "elements/Element.h"
#include "tests/dialogs/PropertyFixture.h"

using namespace property_test;

namespace {

constexpr int kFontPage = 2;

// The text dialog that, once shown, counts the faces it listed and posts Cancel.
class ClosingTextDialog : public TextPropertyDialog {
public:
    void setupTabs() override
    {
        TextPropertyDialog::setupTabs();
        (void)PostMessageA(hwnd, WM_APP, 0, 0); // a full queue leaves the dialog open: the run shows it
    }
    [[nodiscard]] int handleMessage() override
    {
        if (message != WM_APP)
            return TextPropertyDialog::handleMessage();
        faces = static_cast<int>(SendDlgItemMessageA(hwnd, faceListId, CB_GETCOUNT, 0, 0));
        (void)PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return 1;
    }
    int faces = 0;
};

} // namespace

int main()
{
    PropertyDrawing d;
    const int id = d.addTextKind(ElementKind::Text);
    if (id < 1) {
        std::printf("the text could not be stored\n");
        return 1;
    }
    Element& text = d.stored(id);
    const int openings = 100;
    int closed = 0, faces = 0;
    const BenchResult r = runBenchmark(
        "text dialog: open at its font page, close",
        [&] {
            for (int i = 0; i < openings; ++i) {
                d.context.propertyPlacement->lastPage = kFontPage;
                ClosingTextDialog dialog;
                dialog.bind(&text);
                closed += dialog.run(0, 0) == PropertyDialog::kCancel && dialog.currentPage == kFontPage ? 1 : 0;
                faces = dialog.faces;
            }
        },
        5, 1);
    std::printf("%-44s median %8.2f ms  min %8.2f ms per opening (%d faces; %d of %d closed)\n", r.name,
                r.medianSeconds * 1e3 / openings, r.minSeconds * 1e3 / openings, faces, closed, openings * 6);
    return closed == openings * 6 ? 0 : 1;
}
