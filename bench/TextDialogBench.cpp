// The text's property dialog opened on a stored text at its font page (every installed face
// listed, the text's face chosen), and "テキストの設定" opened on its font page, each then closed by
// a posted Cancel: milliseconds per opening, over 100 openings a run. The dialogs close themselves
// from a message they post at their initialisation, so that no message hook slows the windows
// they make.
#include <cstdio>
#include <windows.h>

#include "BenchHarness.h"
#include "dialogs/defaults/TextSettingsDialog.h"
#include "dialogs/properties/TextPropertyDialog.h"
#include "document/Element.h"
#include "document/PropertyDialogPlacement.h"
#include "document/TextDefaults.h"
#include "resources/ids_text_measure_defaults.h"
#include "resources/ids_text_properties.h"
#include "tests/dialogs/PropertyFixture.h"

using namespace property_test;

namespace {

constexpr int kFontPage = 2;

// A dialog that, once shown, counts the faces its list holds and posts Cancel.
template <typename Dialog> class Closing : public Dialog {
public:
    explicit Closing(int faceList) : faceList(faceList) {}
    void setupTabs() override
    {
        Dialog::setupTabs();
        (void)PostMessageA(this->hwnd, WM_APP, 0, 0); // a full queue leaves the dialog open: the run shows it
    }
    [[nodiscard]] int handleMessage() override
    {
        if (this->message != WM_APP)
            return Dialog::handleMessage();
        faces = static_cast<int>(SendDlgItemMessageA(this->hwnd, faceList, CB_GETCOUNT, 0, 0));
        (void)PostMessageA(this->hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return 1;
    }
    int faceList;
    int faces = 0;
};

void report(const BenchResult& r, int openings, int faces, int closed, int runs)
{
    std::printf("%-44s median %8.2f ms  min %8.2f ms per opening (%d faces; %d of %d closed)\n", r.name,
                r.medianSeconds * 1e3 / openings, r.minSeconds * 1e3 / openings, faces, closed, runs);
}

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
                Closing<TextPropertyDialog> dialog(IDC_TEXT_FACE);
                dialog.bind(&text);
                closed += dialog.run(0, 0) == PropertyDialog::kCancel && dialog.currentPage == kFontPage ? 1 : 0;
                faces = dialog.faces;
            }
        },
        5, 1);
    report(r, openings, faces, closed, openings * 6);

    TextDefaults record;
    int settingsClosed = 0, settingsFaces = 0;
    const BenchResult s = runBenchmark(
        "text settings: open at its font page, close",
        [&] {
            for (int i = 0; i < openings; ++i) {
                Closing<TextSettingsDialog> dialog(IDC_TEXT_SET_FACE);
                dialog.setRecord(&record);
                int page = kFontPage;
                settingsClosed += dialog.run(page, "テキストの設定") == TabbedPageDialog::kCancel && page == kFontPage;
                settingsFaces = dialog.faces;
            }
        },
        5, 1);
    report(s, openings, settingsFaces, settingsClosed, openings * 6);
    return closed == openings * 6 && settingsClosed == openings * 6 ? 0 : 1;
}
