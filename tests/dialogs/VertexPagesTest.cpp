// The vertex-stepping coordinate pages of the breakline, the polygon and the spline: the number and
// count shown, the step buttons and the corner radius enabled by position, the vertex stored at
// each step, the red frame marked at the vertex in the view, and lists too short for the index.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "dialogs/properties/BreaklinePropertyDialog.h"
#include "dialogs/properties/PolygonPropertyDialog.h"
#include "dialogs/properties/SplinePropertyDialog.h"
#include "document/Element.h"
#include "document/PropertyDialogPlacement.h"
#include "elements/VertexRoundingList.h"
#include "geometry/PointList.h"
#include "resources/ids_properties.h"
#include "tests/dialogs/PropertyFixture.h"
#include "tests/support/MessagePump.h"

using namespace property_test;

namespace {

// The ids of one kind's vertex page.
struct VertexPage {
    ElementKind kind;
    int tab;
    int x, number, count, previous, next, radius; // radius 0: none
    bool radiusOnEnds;
};
const VertexPage kBreakline = {ElementKind::Breakline, 3, IDC_BREAKLINE_X, IDC_BREAKLINE_NUMBER,
                               IDC_BREAKLINE_COUNT, IDC_BREAKLINE_PREVIOUS, IDC_BREAKLINE_NEXT,
                               IDC_BREAKLINE_RADIUS, false};
const VertexPage kPolygon = {ElementKind::Polygon, 4, IDC_POLYGON_X, IDC_POLYGON_NUMBER, IDC_POLYGON_COUNT,
                             IDC_POLYGON_PREVIOUS, IDC_POLYGON_NEXT, IDC_POLYGON_RADIUS, true};
const VertexPage kSpline = {ElementKind::Spline, 3, IDC_SPLINE_X, IDC_SPLINE_NUMBER, IDC_SPLINE_COUNT,
                            IDC_SPLINE_PREVIOUS, IDC_SPLINE_NEXT, 0, false};

// What the page shows: "n/count", the two buttons and the radius field enabled, the radius.
std::string stateOf(HWND w, const VertexPage& p)
{
    std::string s = textOf(w, p.number) + "/" + textOf(w, p.count) + (isEnabled(w, p.previous) ? " <" : " -") +
                    (isEnabled(w, p.next) ? ">" : "-");
    if (p.radius)
        s += (isEnabled(w, p.radius) ? " r" : " -") + textOf(w, p.radius);
    return s;
}

// 1 when the 7 x 7 frame about the device point is red at its corners and not outside them.
bool markedAt(const PropertyDrawing& d, int x, int y)
{
    const COLORREF red = RGB(255, 0, 0);
    return d.pixel(x - 3, y - 3) == red && d.pixel(x + 3, y - 3) == red && d.pixel(x - 3, y + 3) == red &&
           d.pixel(x + 3, y + 3) == red && d.pixel(x - 4, y - 4) != red && d.pixel(x + 4, y + 4) != red;
}

// An element made by the registry on the drawing, never stored: its lists may be anything.
struct LooseElement {
    LooseElement(PropertyDrawing& d, ElementKind k) : kind(kindCode(k)), e(theKindRegistry->createElement(kind))
    {
        e->context = &d.context;
        e->kind = kind;
    }
    ~LooseElement() { (void)theKindRegistry->destroyElement(kind, e); }
    int kind;
    Element* e;
};

} // namespace

TEST(VertexPages, StepsShowEnableStoreAndMarkEachVertex)
{
    struct Case {
        VertexPage page;
        std::vector<std::string> states; // at vertex 1, 2, 4, and after a step past the end
    };
    const Case cases[] = {
        {kBreakline, {"1/4 -> -0", "2/4 <> r0.25", "4/4 <- -0", "4/4 <- -0"}},
        {kPolygon, {"1/4 -> r0", "2/4 <> r0.25", "4/4 <- r0", "4/4 <- r0"}},
        {kSpline, {"1/4 ->", "2/4 <>", "4/4 <-", "4/4 <-"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(kindCode(c.page.kind));
        PropertyDrawing d;
        d.grid->unitX = 6; // radii in centimetres
        const int id = d.add(c.page.kind, [](Element& e) {
            e.clearPoints();
            e.appendPoint(20, 20, 0), e.appendPoint(60, 30, 0), e.appendPoint(110, 60, 0), e.appendPoint(160, 40, 0);
            if (VertexRoundingList* radii = e.vertexRounding()) {
                ASSERT_EQ(radii->resize(4), 1);
                ASSERT_EQ(radii->set(1, 2.5), 1);
            }
        });
        std::vector<std::string> states;
        std::vector<bool> marks;
        (void)d.runSheet(id, 0, 0, [&](HWND w) {
            chooseTab(w, c.page.tab);
            states.push_back(stateOf(w, c.page));
            marks.push_back(markedAt(d, 20, 20));
            type(w, c.page.x, "2.5"); // centimetres: 25 mm
            click(w, c.page.next);
            states.push_back(stateOf(w, c.page));
            marks.push_back(markedAt(d, 60, 30));
            if (c.page.radius)
                type(w, c.page.radius, "1");
            click(w, c.page.next);
            if (c.page.radius)
                type(w, c.page.radius, "-0.5"); // a notch at vertex 3
            click(w, c.page.next);
            states.push_back(stateOf(w, c.page));
            marks.push_back(markedAt(d, 160, 40));
            click(w, c.page.next);
            states.push_back(stateOf(w, c.page));
            finish(w, IDOK);
        });
        EXPECT_EQ(states, c.states);
        EXPECT_EQ(marks, std::vector<bool>({true, true, true}));
        Element& e = d.stored(id);
        PointList& points = *e.vertices();
        EXPECT_EQ(std::vector<double>({points.getX(0), points.getY(0), points.getX(1), points.getX(3)}),
                  std::vector<double>({25, 20, 60, 160}));
        if (c.page.radius) {
            EXPECT_EQ(e.vertexRounding()->get(1), 10.0);
            EXPECT_EQ(e.vertexRounding()->get(2), -5.0);
        }
    }
}

TEST(VertexPages, ShortListsAndAnIndexPastTheEndNeverReadPastThem)
{
    struct Case {
        const char* what;
        VertexPage page;
        std::vector<double> xy;
        int roundingCount;
        int startIndex;
        std::vector<std::string> states; // as opened, after a step back
        std::vector<double> xsAfter;
        int roundingCountAfter; // the element grows its list beside its points when repainted
    };
    const Case cases[] = {
        {"an index past the end, a rounding list of one", kBreakline, {10, 10, 50, 10, 90, 30}, 1, 7,
         {"3/3 <- -", "2/3 <> r0"}, {10, 5, 90}, 3},
        {"one point", kSpline, {40, 40}, 0, 0, {"1/1 --", "1/1 --"}, {5}, 0},
        {"no point", kPolygon, {}, 0, 3, {"0/0 -- -", "0/0 -- -"}, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PropertyDrawing d;
        d.context.propertyPlacement->lastPage = c.page.tab;
        LooseElement loose(d, c.page.kind);
        Element& e = *loose.e;
        e.clearPoints();
        for (size_t i = 0; i + 1 < c.xy.size(); i += 2)
            e.appendPoint(c.xy[i], c.xy[i + 1], 0);
        if (e.vertexRounding()) {
            ASSERT_EQ(e.vertexRounding()->resize(c.roundingCount), 1);
        }
        std::unique_ptr<PropertyDialog> dialog;
        VertexStepper* stepper = nullptr;
        if (c.page.kind == ElementKind::Breakline) {
            auto* made = new BreaklinePropertyDialog;
            stepper = &made->stepper;
            dialog.reset(made);
        } else if (c.page.kind == ElementKind::Spline) {
            auto* made = new SplinePropertyDialog;
            stepper = &made->stepper;
            dialog.reset(made);
        } else {
            auto* made = new PolygonPropertyDialog;
            stepper = &made->stepper;
            dialog.reset(made);
        }
        dialog->bind(&e);
        stepper->current = c.startIndex;
        std::vector<std::string> states;
        const INT_PTR shown = driveModalDialog([&]() -> INT_PTR { return dialog->run(0, 0); }, [&](HWND w) {
            states.push_back(stateOf(w, c.page));
            click(w, c.page.previous);
            states.push_back(stateOf(w, c.page));
            type(w, c.page.x, "5");
            finish(w, IDOK);
        });
        EXPECT_EQ(shown, 1);
        EXPECT_EQ(states, c.states);
        std::vector<double> xs;
        for (int i = 0; i < e.vertices()->count; ++i)
            xs.push_back(e.vertices()->getX(i));
        EXPECT_EQ(xs, c.xsAfter);
        if (e.vertexRounding()) {
            EXPECT_EQ(e.vertexRounding()->count, c.roundingCountAfter);
        }
    }
}
