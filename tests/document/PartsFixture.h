#pragma once
// Drawings for the parts library tests and benchmark: a test element that writes its group and
// points to the drawing file and reads them back through an attribute holder of the real values
// (GroupNumber, PointList), editors that take, measure, write and store it, a paper that writes
// the paper sections, a view that draws a page into a part's picture, and a pane of cells laid
// out on a DIB surface. While a PartsSetup lives, every document context made (the drawing's and
// the library's own) gets these members.
#include <memory>
#include <string>
#include <vector>

#include "document/Document.h"
#include "document/PartsPane.h"
#include "geometry/GroupNumber.h"
#include "geometry/PaperSettings.h"
#include "geometry/PointList.h"
#include "tests/document/EditTestDocument.h"
#include "tests/support/DibSurface.h"
#include "tests/support/ScopedOverride.h"

namespace parts_fixture {

// An element of points with a group, in the drawing file as "group" and "listXY". Its shape draws
// it on the overlay (operation 21) as a 3 x 3 square at each point; its creation figures draw
// nothing, as those of most kinds.
class PartShape : public UndoTestElement {
public:
    PartShape() { self = this; }
    [[nodiscard]] int writeXml() override;
    [[nodiscard]] int readXmlAttributes() override;
    int execute(int operation, double x, double y, double z) override;
};

class PointsValue : public EntityAttribute {
public:
    [[nodiscard]] int readEntityXml(XmlContext& file, int tagId) override;
    PointList list;
};

class PartHolder : public Element {
public:
    [[nodiscard]] EntityAttribute* entityAttribute(int tagId) override;
    void resetReadAttributes() override;
    GroupNumber group;
    PointsValue points;
};

class PartEditor : public UndoTestEditor {
public:
    [[nodiscard]] std::unique_ptr<UndoTestElement> makeElement() override;
    [[nodiscard]] int newElement(int kind) override;
    [[nodiscard]] int readElementXmlAttributes() override;
    [[nodiscard]] int writeElementXmlById(int id) override;
    [[nodiscard]] int elementExtent(int id, DoubleRect& extent) override;
};

// "paperSize", "drawScale" and "zahyoType"; the scale 1:1.
class PartsPaper : public IdlePaper {
public:
    [[nodiscard]] int writeXmlSection(Document& document) override;
};

// The edit test view (device pixels are twice the drawing units) that also draws a page scaled
// into a picture: each point of each element of the current page as a black 3 x 3 square.
class PartsView : public EditTestView {
public:
    void setOwner(DocumentContext* context) override { owner = context; }
    [[nodiscard]] int drawPageScaled(DeviceContext& surface, const DoubleRect& extent, int size) override;
    DocumentContext* owner = nullptr;
    static int pagesDrawn;
};

// Installs the view and the editors above (and the attribute holder of reads) for every context
// made while it lives; counts the contexts made. The parts drawing also gets the paper above.
class PartsSetup {
public:
    PartsSetup();
    ~PartsSetup();
    PartsSetup(const PartsSetup&) = delete;
    PartsSetup& operator=(const PartsSetup&) = delete;

    static int contextsMade;

private:
    ScopedOverride<DocumentMemberFactories> factories;
    ScopedOverride<Element* (*)()> holder;
};

// A drawing with the edit test stand-ins (list select tool, overlay updater) over these members.
class PartsDrawing {
public:
    PartsDrawing();
    ~PartsDrawing();
    PartsDrawing(const PartsDrawing&) = delete;
    PartsDrawing& operator=(const PartsDrawing&) = delete;

    // A new element of these points on the current page; its id.
    int add(std::vector<UndoPoint> points, int group = 0);
    ElementIndexEntry entry(int id);
    std::vector<UndoPoint> pointsOf(int id);
    std::vector<int> pageOrder(int page);

    DocumentContext context;
    ListSelectTool* selectTool = nullptr;
    EditTestUpdater* updater = nullptr;
};

// Cells of 58 x 58 pixels, 6 apart, in one row of a 400 x 70 surface; screen points are the
// surface's pixels.
class FakePartsPane : public PartsPane {
public:
    static constexpr int kCell = 58;
    static constexpr int kStep = 64;

    FakePartsPane();
    ~FakePartsPane() override;
    void setPartsRange(int newSelected, int newCount) override;
    void setPartsName(const char* text) override { hint = text ? text : "(none)"; }
    [[nodiscard]] int firstVisible() override { return first; }
    [[nodiscard]] int cellRect(int index, IntRect& cell) override;
    [[nodiscard]] int cellAtPoint(const IntPoint& screen) override;
    [[nodiscard]] DeviceContext* surface() override { return &dc; }
    void listArea(IntRect& area) override { area = IntRect::fromEdges(0, 0, pixels.width, pixels.height); }
    void drawCellFrames() override { ++frames; }
    void repaint() override { ++repaints; }
    void openContextMenu() override { ++menus; }
    // The centre of the cell of part number (1-based), on the surface.
    IntPoint centreOf(int part) const;

    DibSurface pixels{400, 70};
    DeviceContext dc;
    int first = 0;
    int selected = -1;
    int count = 0;
    std::string hint;
    int frames = 0;
    int repaints = 0;
    int menus = 0;
};

} // namespace parts_fixture
