#pragma once
// The element base's test drawing: a kind whose shape records the operations it is run with, a
// select tool whose cursor sits at a drawing point, a view that plays the mouse source and can
// cancel its tracking, and a drawing context holding them with an I/O editor that makes the kind.
#include <vector>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementKind.h"
#include "document/ElementStore.h"
#include "geometry/PointList.h"
#include "platform/MouseSource.h"
#include "tests/support/IdleMembers.h"
#include "tests/support/LinearView.h"
#include "tests/support/TwoPointTestElement.h"
#include "views/tools/ElementEditor.h"
#include "views/tools/InputPointList.h"
#include "views/tools/SelectTool.h"

namespace element_fixture {

// A line-like kind: two points and a width, stored as the two points and the extent; its shape
// records each operation. Its creation input is a press-drag-release loop on the view.
class RecordingKind : public TwoPointTestElement {
public:
    explicit RecordingKind(int k = kindCode(ElementKind::Line)) { kind = k; }
    ~RecordingKind() override { teardown(); }

    int execute(int operation, double x, double y, double z) override;
    void showPickHandles() override { picks.push_back('H'); }
    void showPickColour() override { picks.push_back('C'); }
    void showPickMarks() override { picks.push_back('M'); }
    void initialize() override;
    void teardown() override;
    // Every attribute that exists written with its own tag writer, and "unique" when set.
    [[nodiscard]] int writeXml() override;
    // Every value of the holder, then the frame's layer, group and serial.
    [[nodiscard]] int readXmlAttributes() override;
    [[nodiscard]] int beginCreateInput(int arg) override;
    [[nodiscard]] int continueCreateInput(int arg) override;

    std::vector<int> operations;
    std::vector<char> picks;
    int uniqueToWrite = 0;
};

// The cursor sits at a drawing point; a point within 0.5 of it is under the cursor. Outline tests
// record what they were asked.
class CursorSelectTool : public IdleSelectTool {
public:
    [[nodiscard]] int isUnderCursor(const Point& p) override;
    [[nodiscard]] int hitOutline(const PointList&, double width, int position, int edge, int inside) override
    {
        askedWidth = width, askedPosition = position, askedEdge = edge, askedInside = inside;
        return 1;
    }

    // With picks set, the stroke tests run for real on a pick box of 1 x 1 about the cursor with
    // a tolerance of 0.5 (else there is no pick and nothing hits); the arc test records what it
    // was asked.
    [[nodiscard]] int strokePick(StrokePick& out) override;
    [[nodiscard]] int hitTestArcShape(const ThreePointArc& arc, double width, int mode) override
    {
        askedWidth = width, askedPosition = mode;
        return SelectTool::hitTestArcShape(arc, width, mode);
    }

    Point cursor{-1000.0, -1000.0};
    int picks = 0;
    LinearView pickView;
    double askedWidth = -1.0;
    int askedPosition = -1, askedEdge = -1, askedInside = -1;
};

// The mouse loops' view: one pixel per millimetre; each step reads the mouse source, and the
// step numbered cancelAt (counted from 1) answers a cancelled tracking instead.
class TrackingView : public LinearView {
public:
    [[nodiscard]] int nextMousePoint(IntPoint& device, int& left, int& right) override;
    // The buttons, then a cursor read (which moves the scripted mouse's clock on).
    [[nodiscard]] int pollMouseButtons(int& left, int& right) override;
    // Where the scripted mouse rests.
    void cursorPosition(IntPoint& out) override { readCursorPos(out); }
    int steps = 0;
    int cancelAt = 0;
};

// The first press of a creation, kept as the newest input point.
class PressPoints : public InputPointList {
public:
    [[nodiscard]] int previousPoint(Point* out) override
    {
        if (!has)
            return 0;
        *out = press;
        return 1;
    }
    void clear() override { ++clears; }
    Point press;
    int has = 0;
    int clears = 0;
};

// Makes the recording kind for the drawing file, keeps each element read (values copied) and
// writes stored elements by id.
class IoEditor : public IdleEditor {
public:
    ~IoEditor() override;
    void setOwner(DocumentContext* o) override { owner = o; }
    [[nodiscard]] Element* elementInHand() override { return current; }
    [[nodiscard]] int newElement(int kind) override;
    [[nodiscard]] int readElementXmlAttributes() override { return current ? current->readXmlAttributes() : 0; }
    [[nodiscard]] int addToPage() override;
    [[nodiscard]] int writeElementXmlById(int id) override;

    DocumentContext* owner = nullptr;
    RecordingKind* current = nullptr;
    std::vector<RecordingKind*> read;
};

// A drawing with the default members, the I/O editor, the view, the select tool and the input
// points; `made` runs initialize and sets self as the kind registry does.
class Drawing {
public:
    Drawing();
    ~Drawing();
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    RecordingKind* made(int kind = kindCode(ElementKind::Line));
    // Stores an element (record, entry, extent); its id.
    int add(RecordingKind& element);

    DocumentContext context;
    TrackingView* view;
    CursorSelectTool* tool;
    PressPoints* points;
    IoEditor* editor;
    std::vector<RecordingKind*> elements;
};

} // namespace element_fixture
