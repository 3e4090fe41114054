// 5,000 length dimensions (two- and three-point chains, the four directions), 5,000 angle
// dimensions (ARC and ARROW), 5,000 radius and 5,000 diameter dimensions (IN and OUT, one or two
// values) and 5,000 leader texts (two- and three-point leaders) made by the kind registry and
// drawn (operation 1) into a 1024 x 768 DIB section at zoom 1 and 72 dpi, then each hit-tested
// once against a select tool that hits nothing (so every part is tested). Prints milliseconds per
// set of 5,000, microseconds per hit test and the GDI fonts created per element drawn.
#include <atomic>
#include <cstdio>
#include <memory>
#include <vector>

#include "BenchHarness.h"
#include "document/ShapeOp.h"
#include "document/TextBuffer.h"
#include "elements/AngleMeasureElement.h"
#include "elements/CircleDimensionElement.h"
#include "elements/ElementKindRegistry.h"
#include "elements/TextLineElement.h"
#include "geometry/PointList.h"
#include "shapes/MeasureAttributes.h"
#include "shapes/ValueList.h"
#include "tests/shapes/ShapeTestDrawing.h"
#include "tests/support/IdleMembers.h"
#include "tests/support/ImportPatch.h"

namespace {
const int kCount = 5000;
std::atomic<long long> fontsCreated{0};
decltype(&CreateFontIndirectA) realCreateFont = nullptr;

HFONT WINAPI countingCreateFont(const LOGFONTA* description)
{
    ++fontsCreated;
    return realCreateFont(description);
}

struct Set {
    std::vector<Element*> elements;
    ElementKindRegistry* registry = nullptr;
    ~Set()
    {
        for (Element* e : elements)
            (void)registry->destroyElement(e->kind, e); // frees it
    }
};

void makeDimensions(Set& set, ElementKindRegistry& registry, DocumentContext& context, int kind)
{
    set.registry = &registry;
    for (int i = 0; i < kCount; ++i) {
        Element* e = registry.createElement(kind);
        if (!e)
            continue;
        e->context = &context;
        e->kind = kind;
        const double x = 20.0 + (i * 37 % 280), y = 30.0 + (i * 53 % 200);
        if (kind == 14) {
            (void)e->vertices()->appendXY(x, y);
            (void)e->vertices()->appendXY(x + 20.0 + i % 17, y + (i % 5) * 3.0);
            if (i % 3 == 0)
                (void)e->vertices()->appendXY(x + 50.0, y);
            e->measure()->direction = 1 + i % 4;
            e->thirdPoint()->x = x + 10.0, e->thirdPoint()->y = y - 12.0;
        } else if (auto* leader = dynamic_cast<TextLineElement*>(e)) {
            (void)e->vertices()->appendXY(x, y);
            (void)e->vertices()->appendXY(x + 15.0, y - 10.0);
            if (i % 2)
                (void)e->vertices()->appendXY(x + 30.0, y - 10.0);
            leader->translate(0.0, 0.0, 0.0); // the text at the leader's end
            (void)leader->textBuffer()->insert("note", 4); // a text that cannot be stored stays empty
        } else if (auto* circular = dynamic_cast<CircleDimensionElement*>(e)) {
            const int in = i % 2;
            const double values[2] = {10.0 + i % 7, 14.0};
            (void)circular->values()->setAll(1 + i % 3 / 2, values); // a valid count
            (void)e->vertices()->setXYZ(0, x + 10.0, y, 0.0);
            circular->layout.value = in ? CircleDimensionElement::kIn : CircleDimensionElement::kOut;
            e->measure()->direction = 1 + i % 4;
            e->thirdPoint()->x = in ? x - 10.0 : x + 25.0;
            e->thirdPoint()->y = in ? y : y - 10.0 - i % 9;
        } else {
            (void)e->vertices()->appendXY(x + 25.0, y);
            (void)e->vertices()->appendXY(x, y - 25.0);
            (void)e->vertices()->appendXY(x, y);
            const int arc = i % 2;
            static_cast<AngleMeasureElement*>(e)->drawType.value = arc ? 4 : 3;
            e->thirdPoint()->x = arc ? x + 12.0 : x - 15.0;
            e->thirdPoint()->y = arc ? y - 12.0 : y + 8.0;
        }
        set.elements.push_back(e);
    }
}
} // namespace

int main()
{
    std::unique_ptr<ElementKindRegistry> registry(makeKindRegistry());
    shape_test::ShapeDrawing drawing(1024, 768);
    drawing.view->setZoom(1.0, 0.0, 0.0);
    drawing.context.selectTool = new IdleSelectTool; // its pick area meets nothing; the context deletes it
    ImportPatch patch("gdi32.dll", "CreateFontIndirectA", reinterpret_cast<void*>(countingCreateFont));
    realCreateFont = reinterpret_cast<decltype(&CreateFontIndirectA)>(patch.original());
    if (!registry || !realCreateFont) {
        std::printf("no registry or no font import to count\n");
        return 1;
    }
    int failed = 0;
    const char* const names[] = {"leader text", "length", "angle", "radius", "diameter"};
    for (int kind : {13, 14, 15, 16, 17}) {
        Set set;
        makeDimensions(set, *registry, drawing.context, kind);
        long long drawn = 0, fonts = 0;
        const BenchResult draw = runBenchmark("draw 5,000 dimensions",
                                              [&] {
                                                  const long long before = fontsCreated;
                                                  for (Element* e : set.elements)
                                                      failed += e->execute(ShapeOp::Draw, 0.0, 0.0, 0.0) != 1;
                                                  drawn += static_cast<long long>(set.elements.size());
                                                  fonts += fontsCreated - before;
                                              },
                                              5, 1);
        int hits = 0;
        const BenchResult hit = runBenchmark("hit tests", [&] {
            for (Element* e : set.elements)
                hits += e->hitTest();
        }, 5, 1);
        std::printf("%s: %.1f ms per set, %.2f us per hit test (%d hits), %.2f fonts per element drawn\n",
                    names[kind - 13], draw.medianSeconds * 1e3,
                    hit.medianSeconds / double(set.elements.size()) * 1e6, hits, double(fonts) / double(drawn));
    }
    std::printf("%d draws failed\n", failed);
    return failed ? 1 : 0;
}
