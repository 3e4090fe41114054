// 10,000 boxes (rules 4 x 4, two rounded corners) and 10,000 filled, hatched full ovals, each
// loaded from the element store and drawn (operation 1) into a 1024 x 768 DIB section at zoom 1
// and 72 dpi, as a redraw of the page does. Against them, in the same run, the bare GDI calls for
// the same outlines (a Polyline of the box's rounded outline and MoveToEx / LineTo for its four
// inner rules; a hatched Polygon and a Polyline of the oval's flattened outline). Prints
// milliseconds per set (and the part of it spent loading), the ratio to GDI and the heap
// allocations per element.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>
#include <windows.h>

#include "BenchHarness.h"
#include "document/Document.h"
#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/UndoManager.h"
#include "elements/ElementKindRegistry.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/HatchAttributes.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/PointList.h"
#include "shapes/BoxRules.h"
#include "shapes/CornerRounding.h"
#include "shapes/OvalArcShape.h"
#include "shapes/OvalType.h"
#include "tests/shapes/ShapeTestDrawing.h"
#include "tests/support/RealElementEditors.h"
#include "views/tools/ElementEditor.h"

namespace {

long allocations = 0;
const int kCount = 10000;
const int kBox = 5;
const int kOval = 10;

// Element i's corners: spread over the visible 361 x 271 mm, 20 to 40 mm wide, 10 to 30 mm tall.
void boxOf(int i, double& x, double& y, double& w, double& h)
{
    x = 10.0 + (i * 37 % 300);
    y = 10.0 + (i * 53 % 220);
    w = 20.0 + i % 20;
    h = 10.0 + i % 20;
}

// The store the elements are loaded from: a drawing without undo log.
DocumentContext* makeStore()
{
    auto* context = new DocumentContext;
    context->createMembers();
    delete context->undoManager;
    context->undoManager = nullptr;
    context->linkManagers();
    return context;
}

// Stores kCount elements of the kind (ids first .. first + kCount - 1); 0 when one failed.
int fillStore(DocumentContext& store, int kind)
{
    ElementEditorBase& editor = *store.editor3;
    for (int i = 0; i < kCount; ++i) {
        double x, y, w, h;
        boxOf(i, x, y, w, h);
        if (!editor.startNewElement(kind))
            return 0;
        Element* e = editor.elementInHand();
        e->firstPoint()->x = x, e->firstPoint()->y = y;
        e->secondPoint()->x = x + w, e->secondPoint()->y = y + h;
        e->edge()->draw.value = 1;
        e->lineWidth()->width = 0.0;
        if (kind == kBox) {
            e->boxRules()->set(4, 4);
            e->cornerRounding()->setRadius(CornerRounding::kRightTop, 3.0);
            e->cornerRounding()->setRadius(CornerRounding::kLeftBottom, 3.0);
            e->fill()->draw.value = 0;
        } else {
            e->fill()->draw.value = 1;
            e->fill()->colour.setRgb(220, 220, 255);
            e->hatch()->pattern = 3;
            e->hatch()->pitch1 = e->hatch()->pitch2 = 2.0;
        }
        if (editor.addToPage() < 1)
            return 0;
    }
    return 1;
}

POINT toDevice(double scale, double x, double y)
{
    return {static_cast<LONG>(std::floor(scale * x)), static_cast<LONG>(std::floor(scale * y))};
}

} // namespace

// Every allocation is counted; the pairs of malloc and free stand in for the heap's own.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(size_t size)
{
    ++allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new(size_t size, const std::nothrow_t&) noexcept
{
    ++allocations;
    return std::malloc(size ? size : 1);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

int main()
{
    makeBaseElement = newBaseElement;
    RealElementEditors editors;
    ElementKindRegistry* registry = makeKindRegistry();
    theKindRegistry = registry;
    shape_test::ShapeDrawing drawing(1024, 768);
    drawing.view->setZoom(1.0, 0.0, 0.0);
    const double scale = drawing.view->scale;
    const HDC hdc = drawing.surface().hdc;
    int ok = registry != nullptr;

    for (int kind : {kBox, kOval}) {
        DocumentContext* store = makeStore();
        ok = ok && fillStore(*store, kind);
        Element* e = registry ? registry->createElement(kind) : nullptr;
        ok = ok && e;
        if (!ok)
            break;
        e->kind = kind;
        const long before = allocations;
        const BenchResult drawn = runBenchmark(kind == kBox ? "boxes, rules 4 x 4, radii" : "ovals, filled, hatched", [&] {
            for (int id = 1; id <= kCount; ++id) {
                e->context = store;
                ok = ok && e->load(id) && e->exchangeRecord(3);
                e->context = &drawing.context;
                ok = ok && e->draw();
            }
            GdiFlush();
        }, 5, 1);
        const double perElement = double(allocations - before) / (6.0 * kCount);
        const BenchResult loaded = runBenchmark("load only", [&] {
            e->context = store;
            for (int id = 1; id <= kCount; ++id)
                ok = ok && e->load(id) && e->exchangeRecord(3);
        }, 5, 1);

        // The same outlines through GDI, computed beforehand.
        std::vector<std::vector<POINT>> outlines(kCount);
        std::vector<std::vector<POINT>> rules(kCount);
        for (int i = 0; i < kCount; ++i) {
            double x, y, w, h;
            boxOf(i, x, y, w, h);
            PointList list;
            if (kind == kBox) {
                const double radii[4] = {3.0, 0.0, 3.0, 0.0};
                const Point a(x, y), b(x + w, y + h);
                ok = ok && list.setRoundedBox(&a, &b, radii);
                for (int k = 1; k <= 2; ++k) {
                    rules[i].push_back(toDevice(scale, x, y + k * h / 3));
                    rules[i].push_back(toDevice(scale, x + w, y + k * h / 3));
                    rules[i].push_back(toDevice(scale, x + k * w / 3, y));
                    rules[i].push_back(toDevice(scale, x + k * w / 3, y + h));
                }
            } else {
                OvalArcShape g;
                g.setPoints(Point(x, y), Point(x + w, y + h));
                ok = ok && g.buildOutline(list);
            }
            for (int k = 0; k < list.count; ++k) {
                Point p;
                ok = ok && list.getPoint(k, &p);
                outlines[i].push_back(toDevice(scale, p.x, p.y));
            }
        }
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 160));
        HBRUSH fill = CreateSolidBrush(RGB(220, 220, 255));
        HBRUSH hatch = CreateHatchBrush(HS_DIAGCROSS, RGB(0, 0, 0));
        HGDIOBJ oldPen = SelectObject(hdc, pen);
        HGDIOBJ oldBrush = SelectObject(hdc, fill);
        const BenchResult gdi = runBenchmark("bare GDI", [&] {
            for (int i = 0; i < kCount; ++i) {
                const std::vector<POINT>& o = outlines[i];
                if (kind == kOval) {
                    SelectObject(hdc, GetStockObject(NULL_PEN));
                    SelectObject(hdc, fill);
                    Polygon(hdc, o.data(), static_cast<int>(o.size()));
                    SelectObject(hdc, hatch);
                    Polygon(hdc, o.data(), static_cast<int>(o.size()));
                    SelectObject(hdc, pen);
                }
                Polyline(hdc, o.data(), static_cast<int>(o.size()));
                for (size_t k = 0; k + 1 < rules[i].size(); k += 2) {
                    MoveToEx(hdc, rules[i][k].x, rules[i][k].y, nullptr);
                    LineTo(hdc, rules[i][k + 1].x, rules[i][k + 1].y);
                }
            }
            GdiFlush();
        }, 5, 1);
        SelectObject(hdc, oldPen);
        SelectObject(hdc, oldBrush);
        DeleteObject(pen);
        DeleteObject(fill);
        DeleteObject(hatch);

        std::printf("%-28s %9.2f ms per set (loading %.2f)   bare GDI %8.2f ms   ratio %5.2f   %6.1f allocations "
                    "per element\n",
                    drawn.name, drawn.medianSeconds * 1e3, loaded.medianSeconds * 1e3, gdi.medianSeconds * 1e3,
                    drawn.medianSeconds / gdi.medianSeconds, perElement);
        (void)registry->destroyElement(kind, e);
        store->destroyManagers();
        delete store;
    }
    theKindRegistry = nullptr;
    delete registry;
    if (!ok) {
        std::printf("an element could not be stored, loaded or drawn\n");
        return 1;
    }
    return 0;
}
