#pragma once
// A drawing of the real element kinds: the kind registry, the four real element editors, the
// document's default members, a tracking view of 500 x 500 pixels (one per millimetre), a select
// tool whose cursor sits at a drawing point and the press of a creation as input point.
#include <memory>
#include <string>

#include "document/Document.h"
#include "document/DocumentMembers.h"
#include "elements/ElementKindRegistry.h"
#include "platform/Application.h"
#include "tests/elements/ElementFixture.h"
#include "tests/support/RealElementEditors.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/ScratchFolder.h"
#include "views/tools/ElementEditor.h"

namespace element_fixture {

class LineDrawing {
public:
    LineDrawing() : registry(makeKindRegistry()), installed(theKindRegistry, registry.get())
    {
        // As the frame does before it makes a drawing: an error counted by a drawing before (a
        // data error of a file read) would stop the members from being made.
        if (theApplication)
            theApplication->errorCount = 0;
        context.createMembers();
        context.linkManagers();
        view = new TrackingView;
        view->client = IntRect::fromEdges(0, 0, 500, 500);
        context.view = view;
        tool = new CursorSelectTool;
        context.selectTool = tool;
        points = new PressPoints;
        context.inputPoints = points;
    }
    ~LineDrawing() { context.destroyManagers(); }
    LineDrawing(const LineDrawing&) = delete;
    LineDrawing& operator=(const LineDrawing&) = delete;

    // A new line in editor 3's hand from (x1, y1) to (x2, y2), stored with an undo record; its id.
    int addLine(double x1, double y1, double x2, double y2)
    {
        ElementEditorBase* editor = context.editor3;
        if (!editor->startNewElement(1))
            return 0;
        Element* line = editor->elementInHand();
        line->firstPoint()->x = x1, line->firstPoint()->y = y1;
        line->secondPoint()->x = x2, line->secondPoint()->y = y2;
        return editor->commitNewElement() == 1 ? line->id : 0;
    }

    // Saves the drawing under path: the file's bytes, "" when it was not written.
    std::string save(const std::string& path)
    {
        Document* d = context.document;
        if (!d->setPathAndTitle(path.c_str()))
            return "";
        XmlContextScope writing(d);
        return d->write() ? ScratchFolder::read(path) : "";
    }
    // Reads path into the drawing; the read's result.
    int open(const std::string& path)
    {
        Document* d = context.document;
        if (!d->assign(path.c_str()))
            return 0;
        XmlContextScope reading(d);
        return d->read();
    }

    std::unique_ptr<ElementKindRegistry> registry;
    ScopedOverride<ElementKindRegistry*> installed;
    RealElementEditors editors;
    DocumentContext context;
    TrackingView* view;
    CursorSelectTool* tool;
    PressPoints* points;
};

} // namespace element_fixture
