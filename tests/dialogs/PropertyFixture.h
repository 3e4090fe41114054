#pragma once
// The property dialog tests' drawing: the real element kinds and editors, a grid and a paper whose
// origin, units and y axis a test sets, a view of one pixel per millimetre drawing on a DIB
// surface, the drawing's dialog placement with the real dialog makers (it remembers the dialog it
// made last), the application's layer names and a stand-in for the colour chooser. Dialogs are
// driven through the element editor's property sheet, as the select tool runs them, by a script
// that gets the dialog's window right after its initialisation.
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

#include "dialogs/properties/PropertyDialog.h"
#include "document/DocumentContext.h"
#include "document/ElementKind.h"
#include "document/LayerTable.h"
#include "elements/ElementKindRegistry.h"
#include "geometry/GridSettings.h"
#include "geometry/PaperSettings.h"
#include "platform/ColorDialog.h"
#include "tests/support/LinearView.h"
#include "tests/support/RealElementEditors.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/SurfaceUpdater.h"
#include "tests/support/TestApplication.h"
#include "views/tools/ElementEditor.h"

class Element;

namespace property_test {

// A grid with a set origin (drawing units, y counted upwards from the sheet's bottom edge while
// the paper's y axis points up) and units.
class FixedGrid : public GridSettings {
public:
    void setOwner(DocumentContext*) override {}
    int editSettings() override { return 0; }
    int gridKind() override { return 0; }
    void assign(const GridSettings*) override {}
    void updateDisplayOrigin() override {}
    [[nodiscard]] double originX() const override { return x; }
    [[nodiscard]] double originY() const override { return y; }
    [[nodiscard]] int xUnit() const override { return unitX; }
    [[nodiscard]] int yUnit() const override { return unitY; }
    void convertPoint(Point*) override {}
    double x = 0.0, y = 0.0;
    int unitX = 1, unitY = 1;
};

// An A4 landscape sheet at 1:1 whose y axis is as stored (2) or points up (1).
class FixedPaper : public PaperSettings {
public:
    void setOwner(DocumentContext*) override {}
    int runDialogAndRefresh() override { return 0; }
    void assign(const PaperSettings*) override {}
    void refreshViews() override {}
    [[nodiscard]] int yDirection() const override { return axis; }
    int axis = 2;
};

// What a script does with the dialog window while the dialog runs; it ends the dialog itself.
using Script = std::function<void(HWND)>;

class PropertyDrawing {
public:
    PropertyDrawing();
    ~PropertyDrawing();
    PropertyDrawing(const PropertyDrawing&) = delete;
    PropertyDrawing& operator=(const PropertyDrawing&) = delete;

    // A new element of the kind stored on the page after `fill` set its values; its id.
    int add(ElementKind kind, const std::function<void(Element&)>& fill);
    int addLine(double x1, double y1, double x2, double y2);
    // A polygon-like kind (breakline, polygon, spline) through the points (x, y pairs).
    int addPoints(ElementKind kind, std::initializer_list<double> xy);
    // A kind that carries text (text, leader text, the four dimensions) with a text or measured
    // points it can be stored with: the text at (40, 60); the leader and the measured points
    // (20, 20), (60, 30), (110, 60) (the radius's point on the circle the first of them); the
    // display point (80, 90). Then `also` done to it; its id.
    int addTextKind(ElementKind kind, const std::function<void(Element&)>& also = [](Element&) {});
    // The stored element, loaded into editor 4's hand (valid until the next load).
    Element& stored(int id);
    // The element editor's property sheet on element id, driven by the script; its result.
    int runSheet(int id, int hasPrevious, int hasNext, const Script& script);
    // The dialog that the placement made last (valid while it runs).
    [[nodiscard]] static PropertyDialog* dialog();
    // The pixel of the view's surface at a device point.
    [[nodiscard]] COLORREF pixel(int x, int y) const;

    TestApplication app;
    LayerTable layers;
    ScopedOverride<LayerTable*> layerNames{theLayerTable, &layers};
    ColorDialog chooser;
    ScopedOverride<ColorDialog*> sharedChooser{theColorChooser, &chooser};
    std::unique_ptr<ElementKindRegistry> registry;
    ScopedOverride<ElementKindRegistry*> kinds;
    RealElementEditors editors;
    DocumentContext context;
    FixedGrid* grid = nullptr;
    FixedPaper* paper = nullptr;
    LinearView* view = nullptr;
    SurfaceUpdater* updater = nullptr;
};

// An element of the kind with a shape it can be stored with (three vertices, an arc through three
// points, a circle of radius 25.5, a text "abc", else a box of corners (100, 100) and (150, 140)),
// then `also` done to it; its id.
int addKind(PropertyDrawing& d, ElementKind kind, const std::function<void(Element&)>& also = [](Element&) {});

// The system colour chooser answered: each call is counted and chooses `colour` (or is cancelled
// while `cancel` is set).
struct ChooserScript {
    ChooserScript();
    ~ChooserScript();
    ChooserScript(const ChooserScript&) = delete;
    ChooserScript& operator=(const ChooserScript&) = delete;
    static int calls;
    static COLORREF colour;
    static int cancel;

private:
    void* previous;
};

// The dialog's controls as a user sees them.
std::string textOf(HWND dialog, int id);
void type(HWND dialog, int id, const char* text);
int selectionOf(HWND dialog, int id);
void chooseItem(HWND dialog, int id, int index);
// A check box set and clicked, as a click of the user leaves it.
void tick(HWND dialog, int id, bool on);
bool isTicked(HWND dialog, int id);
bool isEnabled(HWND dialog, int id);
std::string captionOf(HWND dialog);
// The texts of a combo box's items, and the labels of the dialog's tabs.
std::vector<std::string> itemsOf(HWND dialog, int id);
std::vector<std::string> tabLabelsOf(HWND dialog);
// Ends the dialog with a button, once the script's own messages are handled.
void finish(HWND dialog, int id);

} // namespace property_test
