#pragma once
// The default records' tests: a property-test drawing whose context also has its own line-drawing
// record and a select tool, with the application's record installed beside it; the settings and
// batch dialogs are driven through the drawing's commands by a script that gets the dialog's window
// right after its initialisation (PropertyFixture's helpers work the controls).
#include <initializer_list>
#include <vector>

#include "dialogs/defaults/DefaultsDialog.h"
#include "dialogs/defaults/LineDefaults.h"
#include "document/DocumentMembers.h"
#include "tests/dialogs/PropertyFixture.h"

namespace defaults_test {

// Every new drawing made while it lives gets a line-drawing record and a select tool.
struct DrawingMembers {
    DrawingMembers();
    ScopedOverride<DocumentMemberFactories> factories{documentMemberFactories};
};

class DefaultsDrawing : private DrawingMembers, public property_test::PropertyDrawing {
public:
    // The drawing's record copied from the application's, as a drawing being opened takes it.
    DefaultsDrawing();

    LineDefaults& record() { return *context.lineDefaults; }
    // The elements chosen as the select tool chooses several (the list), or one (held alone).
    void select(const std::vector<int>& ids);
    void selectOne(int id);
    // A new element of the kind as the drawing's tools make one (with the drawing's defaults),
    // then `fill` sets its points; its id.
    int draw(ElementKind kind, const std::function<void(Element&)>& fill);
    // "線画設定" and "線画一括" on this drawing, driven by the script.
    int runSettings(const property_test::Script& script);
    int runBatch(const property_test::Script& script);
};

// The application's line-drawing record for one scope.
struct ApplicationRecord {
    LineDefaults record;
    ScopedOverride<LineDefaults*> installed{theLineDefaults, &record};
};

// The running dialog object of a window (the dialog registry's), or null.
DefaultsDialog* runningDialog(HWND dialog);
// Scrolls the shown page's layer list to row n and clicks that row.
void chooseLayerRow(HWND dialog, int listId, int scrollId, int n);

// The ids of the check boxes of the shown page that are ticked, among `ids`.
std::vector<int> tickedAmong(HWND dialog, std::initializer_list<int> ids);
// The tab strip's chosen tab.
int shownTab(HWND dialog);

} // namespace defaults_test
