#pragma once
// The default records' tests: a property-test drawing whose context also has its own line-drawing
// record and a select tool, with the application's record installed beside it; the settings and
// batch dialogs are driven through the drawing's commands by a script that gets the dialog's window
// right after its initialisation (PropertyFixture's helpers work the controls).
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "dialogs/defaults/DefaultsDialog.h"
#include "document/BezierDefaults.h"
#include "document/DocumentMembers.h"
#include "document/LineDefaults.h"
#include "document/MeasureDefaults.h"
#include "document/PictureDefaults.h"
#include "document/TextDefaults.h"
#include "tests/dialogs/PropertyFixture.h"
#include "tests/support/FakeSettingsFile.h"

namespace defaults_test {

// Every new drawing made while it lives gets a line-drawing, a Bezier, a text, a measure and a
// picture record and a select tool.
struct DrawingMembers {
    DrawingMembers();
    ScopedOverride<DocumentMemberFactories> factories{documentMemberFactories};
};

class DefaultsDrawing : private DrawingMembers, public property_test::PropertyDrawing {
public:
    // The drawing's records copied from the application's, as a drawing being opened takes them.
    DefaultsDrawing();

    LineDefaults& record() { return *context.lineDefaults; }
    TextDefaults& texts() { return *context.textDefaults; }
    MeasureDefaults& measures() { return *context.measureDefaults; }
    BezierDefaults& bezierRecord() { return *context.bezierDefaults; }
    PictureDefaults& pictureRecord() { return *context.pictureDefaults; }
    // The elements chosen as the select tool chooses several (the list), or one (held alone).
    void select(const std::vector<int>& ids);
    void selectOne(int id);
    // A new element of the kind as the drawing's tools make one (with the drawing's defaults),
    // then `fill` sets its points; its id.
    int draw(ElementKind kind, const std::function<void(Element&)>& fill);
    // "線画設定" and "線画一括" on this drawing, driven by the script.
    int runSettings(const property_test::Script& script);
    int runBatch(const property_test::Script& script);
    // Another command of the drawing (a settings or batch command), driven by the script.
    int run(int (DocumentContext::*command)(), const property_test::Script& script);
};

// The application's line-drawing record for one scope.
struct ApplicationRecord {
    LineDefaults record;
    ScopedOverride<LineDefaults*> installed{theLineDefaults, &record};
};

// The application's text and measure records for one scope.
struct ApplicationFontRecords {
    TextDefaults text;
    MeasureDefaults measure;
    ScopedOverride<TextDefaults*> textInstalled{theTextDefaults, &text};
    ScopedOverride<MeasureDefaults*> measureInstalled{theMeasureDefaults, &measure};
};

// The application's Bezier record for one scope.
struct ApplicationBezierRecord {
    BezierDefaults record;
    ScopedOverride<BezierDefaults*> installed{theBezierDefaults, &record};
};

// The application's picture record for one scope.
struct ApplicationPictureRecord {
    PictureDefaults record;
    ScopedOverride<PictureDefaults*> installed{thePictureDefaults, &record};
};

// The running dialog object of a window (the dialog registry's), or null.
DefaultsDialog* runningDialog(HWND dialog);
// Scrolls the shown page's layer list to row n and clicks that row.
void chooseLayerRow(HWND dialog, int listId, int scrollId, int n);

// The ids of the check boxes of the shown page that are ticked, among `ids`.
std::vector<int> tickedAmong(HWND dialog, std::initializer_list<int> ids);
// The tab strip's chosen tab.
int shownTab(HWND dialog);

// A settings file that knows the attribute keys, the record's section and the section "GRID"
// (15040), which the tests put after it.
FakeSettingsFile recordSettingsFile(int section, const char* name);
// The key names of a settings text, in order.
std::vector<std::string> keysOf(const std::string& text);

// For the screenshots run by hand: the script moves the dialog to (40, 40), lets `touch` work it,
// then shows each of its `pages` tabs in turn and photographs the screen into
// /tmp/NAME-N.png (ImageMagick's import), and ends the dialog with Cancel.
property_test::Script photographing(const std::string& name, int pages,
                                    const std::function<void(HWND)>& touch = [](HWND) {});

} // namespace defaults_test
