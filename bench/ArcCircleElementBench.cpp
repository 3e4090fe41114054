// 10,000 arcs and 10,000 circles (0.5 mm wide, dashed) stored in a drawing, each loaded from the
// store and drawn (operation 1) into a 1024 x 768 DIB section at zoom 1 and 72 dpi; then each
// hit-tested once. Prints microseconds per element and the ratio to bare GDI calls (a dashed
// geometric pen made, selected and deleted, one Polyline) drawing the same flattened outlines.
//
// The hit test runs the select tool's own arc test against a 1 mm pick box at the cursor.
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "BenchHarness.h"
#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/ElementKind.h"
#include "document/UndoManager.h"
#include "elements/ArcElement.h"
#include "elements/CircleElement.h"
#include "elements/ElementKindRegistry.h"
#include "geometry/DoubleValue.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "geometry/PointList.h"
#include "geometry/ThreePointArc.h"
#include "shapes/RadiusList.h"
#include "tests/elements/ElementFixture.h"
#include "tests/support/LinearView.h"
#include "tests/support/RealElementEditors.h"
#include "tests/support/SurfaceUpdater.h"
#include "views/tools/ElementEditor.h"

namespace {

const int kCount = 10000;
const double kWidth = 0.5;

// Element i: spread over the visible 361 x 271 mm, radius 5 to 24 mm.
void placeOf(int i, double& x, double& y, double& r)
{
    x = 30.0 + (i * 37 % 300);
    y = 30.0 + (i * 53 % 210);
    r = 5.0 + i % 20;
}

} // namespace

int main()
{
    makeBaseElement = newBaseElement;
    RealElementEditors editors;
    theKindRegistry = makeKindRegistry();
    DocumentContext context;
    context.createMembers();
    delete context.undoManager; // the undo log is not what is measured
    context.undoManager = nullptr;
    context.linkManagers();
    auto* view = new LinearView;
    view->client = IntRect::fromEdges(0, 0, 1024, 768);
    view->setZoom(1.0, 0.0, 0.0);
    context.view = view;
    auto* updater = new SurfaceUpdater(1024, 768);
    context.updater = updater;
    auto* tool = new element_fixture::CursorSelectTool;
    tool->picks = 1; // the select tool's own arc test on a 1 mm pick box at the cursor
    context.selectTool = tool;

    const int kArc = kindCode(ElementKind::Arc), kCircle = kindCode(ElementKind::Circle);
    ElementEditorBase& editor = *context.editor3;
    int ok = 1;
    for (int i = 0; i < kCount && ok; ++i) {
        double x, y, r;
        placeOf(i, x, y, r);
        for (int kind : {kArc, kCircle}) {
            ok = editor.startNewElement(kind);
            Element* e = editor.elementInHand();
            if (!ok || !e)
                break;
            e->lineWidth()->width = kWidth;
            e->lineType()->setStyleWithPresets(LineStyle::kDash);
            if (kind == kArc) {
                *static_cast<Point*>(e->firstPoint()) = Point(x + r, y);
                *static_cast<Point*>(e->thirdPoint()) = Point(x, y - r);
                *static_cast<Point*>(e->secondPoint()) = Point(x - r, y);
            } else {
                *static_cast<Point*>(e->thirdPoint()) = Point(x, y);
                e->radii()->setSingle(r);
            }
            ok = editor.addToPage() >= 1;
        }
    }

    // The elements as the redraw loads them: one object per kind, each record read into it.
    std::unique_ptr<Element> arc(theKindRegistry->createElement(kArc));
    std::unique_ptr<Element> circle(theKindRegistry->createElement(kCircle));
    arc->context = circle->context = &context;
    const int elements = 2 * kCount;
    const BenchResult drawn = runBenchmark("load and draw", [&] {
        for (int id = 1; id <= elements && ok; ++id) {
            Element& e = id % 2 ? *arc : *circle;
            ok = e.load(id) && e.exchangeRecord(3) && e.draw();
        }
        GdiFlush();
    }, 5, 1);

    // The same outlines flattened beforehand in device pixels, drawn with bare GDI calls.
    std::vector<std::vector<POINT>> outlines(elements);
    for (int i = 0; i < kCount; ++i) {
        double x, y, r;
        placeOf(i, x, y, r);
        for (int k = 0; k < 2; ++k) {
            ThreePointArc geometry;
            geometry.centre = Point(x, y);
            geometry.radius = r;
            geometry.startAngle = 0.0;
            geometry.endAngle = k == 0 ? 180.0 : 360.0;
            PointList flat;
            ok = ok && geometry.sampleByAngle(&flat, 5.0);
            Point p;
            for (int j = 0; j < flat.count && flat.getPoint(j, &p); ++j) {
                IntPoint d;
                view->worldToDevice(p.x, p.y, &d);
                outlines[2 * i + k].push_back(POINT{d.x, d.y});
            }
        }
    }
    HDC dc = updater->surface.hdc;
    const DWORD penWidth = static_cast<DWORD>(view->lengthToPixels(kWidth, 0)) + 1;
    const BenchResult bare = runBenchmark("bare GDI", [&] {
        for (const std::vector<POINT>& outline : outlines) {
            LOGBRUSH brush = {BS_SOLID, RGB(0, 0, 0), 0};
            HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_DASH | PS_ENDCAP_FLAT, penWidth, &brush, 0, nullptr);
            HGDIOBJ old = SelectObject(dc, pen);
            Polyline(dc, outline.data(), static_cast<int>(outline.size()));
            SelectObject(dc, old);
            DeleteObject(pen);
        }
        GdiFlush();
    }, 5, 1);

    // Hit tests: the loaded elements, the cursor on each stroke's top.
    std::vector<std::unique_ptr<Element>> loaded;
    for (int id = 1; id <= elements && ok; ++id) {
        loaded.emplace_back(theKindRegistry->createElement(id % 2 ? kArc : kCircle));
        loaded.back()->context = &context;
        ok = loaded.back()->load(id) && loaded.back()->exchangeRecord(3);
    }
    int hits = 0;
    const BenchResult tested = runBenchmark("hit test", [&] {
        hits = 0;
        for (int i = 0; i < elements && ok; ++i) {
            double x, y, r;
            placeOf(i / 2, x, y, r);
            tool->cursor = Point(x, y - r);
            hits += loaded[i]->hitTest();
        }
    }, 5, 1);

    const double perDraw = drawn.medianSeconds / elements * 1e6, perBare = bare.medianSeconds / elements * 1e6;
    std::printf("arc or circle loaded and drawn %8.2f us   bare GDI %8.2f us   ratio %.2f\n", perDraw, perBare,
                perDraw / perBare);
    std::printf("hit test                       %8.2f us   (%d of %d hit)\n", tested.medianSeconds / elements * 1e6,
                hits, elements);
    loaded.clear();
    arc.reset();
    circle.reset();
    context.destroyManagers();
    delete theKindRegistry;
    theKindRegistry = nullptr;
    if (!ok || hits != elements) {
        std::printf("a step failed\n");
        return 1;
    }
    return 0;
}
