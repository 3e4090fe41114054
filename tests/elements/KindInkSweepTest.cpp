// Every kind drawn as a user sees it, with each line position, cap and fill it has: the stored
// extent holds every inked pixel, every inked pixel picks, no point 1 mm or more away from all
// ink picks, and erasing leaves no pixel of the figure.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "document/DocumentContext.h"
#include "document/DocumentMembers.h"
#include "document/FileNameValue.h"
#include "document/TextBuffer.h"
#include "elements/AngleMeasureElement.h"
#include "elements/CircleDimensionElement.h"
#include "elements/ElementKindRegistry.h"
#include "elements/TextElement.h"
#include "elements/VertexRoundingList.h"
#include "geometry/EdgeAttributes.h"
#include "geometry/FillAttributes.h"
#include "geometry/FontAttributes.h"
#include "geometry/LeanAttribute.h"
#include "geometry/LineCapAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "geometry/OpenCloseAttribute.h"
#include "geometry/PickSettings.h"
#include "geometry/PointList.h"
#include "platform/GlobalBlock.h"
#include "platform/Window.h"
#include "shapes/ArrowHeadStyle.h"
#include "shapes/BitmapRaster.h"
#include "shapes/BoxRules.h"
#include "shapes/CornerRounding.h"
#include "shapes/MeasureAttributes.h"
#include "shapes/OvalType.h"
#include "shapes/RadiusList.h"
#include "shapes/ValueList.h"
#include "tests/support/LinearView.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/SurfaceUpdater.h"
#include "tests/support/TestApplication.h"
#include "views/ViewMembers.h"
#include "views/tools/SelectTool.h"

namespace {

// 5 pixels per millimetre at 1:1, the drawing's origin at the top-left pixel.
constexpr double kPixelsPerMm = 5.0;
// The colour dimensions draw their numerals in here, to tell them from the lines.
constexpr COLORREF kNumeralColour = RGB(0, 0, 255);

// A view that measures text on a window of its own.
class SweepView : public LinearView {
public:
    Window* window() override { return &measuring; }
    Window measuring;
};

// The real kinds, select tool and sheet; every operation draws on one DIB of width x height.
class SweepDrawing {
public:
    SweepDrawing(int width, int height) : registry(makeKindRegistry()), installed(theKindRegistry, registry.get())
    {
        DocumentMemberFactories hooks = documentMemberFactories;
        hooks.selectTool = makeSelectTool;
        ScopedOverride<DocumentMemberFactories> factories(documentMemberFactories, hooks);
        context.createMembers();
        context.view = view = new SweepView;
        context.updater = updater = new SurfaceUpdater(width, height);
        context.linkManagers();
        view->client = IntRect::fromEdges(0, 0, width, height);
        view->scale = view->lengthScale = kPixelsPerMm;
    }
    ~SweepDrawing() { context.destroyManagers(); }
    SweepDrawing(const SweepDrawing&) = delete;
    SweepDrawing& operator=(const SweepDrawing&) = delete;

    DibSurface& screen() { return updater->surface; }
    // A new element of the kind on the drawing, as the registry makes it.
    std::unique_ptr<Element> make(int kind)
    {
        std::unique_ptr<Element> e(registry->createElement(kind));
        e->context = &context, e->kind = kind;
        if (e->edge())
            e->edge()->draw.value = 1;
        if (e->measure())
            e->measure()->numeralColour.setRgb(GetRValue(kNumeralColour), GetGValue(kNumeralColour),
                                               GetBValue(kNumeralColour));
        return e;
    }

    std::unique_ptr<ElementKindRegistry> registry;
    ScopedOverride<ElementKindRegistry*> installed;
    DocumentContext context;
    SweepView* view;
    SurfaceUpdater* updater;
};

// What a figure's geometry is set by; `more` sets the rest.
using Setter = std::function<void(Element&)>;

Setter corners(Point a, Point b, Setter more = nullptr)
{
    return [=](Element& e) {
        *static_cast<Point*>(e.firstPoint()) = a;
        *static_cast<Point*>(e.secondPoint()) = b;
        if (more)
            more(e);
    };
}

Setter points(std::vector<Point> list, Setter more = nullptr)
{
    return [=](Element& e) {
        e.vertices()->count = 0;
        for (const Point& p : list)
            ASSERT_TRUE(e.vertices()->appendWithFlag(p.flag, p.x, p.y, 0.0));
        if (more)
            more(e);
    };
}

Point arcStart(double x, double y)
{
    Point p(x, y);
    p.flag = Point::arcStart;
    return p;
}

Setter text(const char* bytes, double size, Setter place)
{
    return [=](Element& e) {
        place(e);
        auto& t = static_cast<TextElementBase&>(e);
        t.font()->size = size;
        t.textBuffer()->reset();
        ASSERT_TRUE(t.textBuffer()->insert(bytes, static_cast<int>(std::strlen(bytes))));
    };
}

// A leader text from (30, 60) to (50, 35) with the head, the text at the leader's end.
Setter leader(unsigned head)
{
    return text("AB", 6.0, points({{30, 60}, {50, 35}}, [head](Element& e) {
        e.translate(0.0, 0.0, 0.0);
        e.arrowHead()->kind = head;
    }));
}

// A radius or diameter dimension IN its circle: P1 on it, P2 at the centre or opposite.
Setter circleDimension(Point p1, Point p2, double value)
{
    return [=](Element& e) {
        auto& d = static_cast<CircleDimensionElement&>(e);
        ASSERT_EQ(d.vertices()->setXYZ(0, p1.x, p1.y, 0.0), 1);
        *static_cast<Point*>(d.thirdPoint()) = p2;
        d.values()->setSingle(value);
        d.layout.value = CircleDimensionElement::kIn;
    };
}

struct Figure {
    const char* name;
    int kind;
    Setter shape;
};

// The sweep's figures: each is drawn with every line position, cap and fill its kind has, the
// stroke 1.5 mm wide, on a screen of 110 x 80 mm.
std::vector<Figure> figures()
{
    const Point a(15, 20), b(90, 55), c(25, 20), d(85, 60);
    const std::vector<Point> walk = {{15, 15}, {60, 15}, {85, 50}, {30, 65}}, area = {{15, 15}, {85, 22}, {70, 65}, {25, 55}};
    const auto style = [](int s) { return [s](Element& e) { e.lineType()->style = s; }; };
    const auto rules = [](int h, int v) { return [h, v](Element& e) { e.boxRules()->horizontal = h, e.boxRules()->vertical = v; }; };
    const auto partOval = [](int type) { return [type](Element& e) { e.ovalType()->value = type; }; };
    const auto bezier = [](int open) { return [open](Element& e) { e.openClose()->value = open ? OpenCloseAttribute::kOpen : OpenCloseAttribute::kClose; }; };
    return {
        {"line", 1, corners(a, b)},
        {"level line", 1, corners(Point(20, 30), Point(90, 30))},
        {"double line", 1, corners(a, b, style(LineStyle::kLine2))},
        {"breakline", 2, points(walk)},
        {"rounded breakline", 2, points(walk, [](Element& e) {
             e.vertexRounding()->count = 0;
             for (double r : {0.0, 10.0, 6.0, 0.0})
                 ASSERT_TRUE(e.vertexRounding()->append(r));
         })},
        {"arcbreakline", 3, points({{15, 20}, arcStart(45, 20), {65, 40}, {45, 60}, {15, 60}})},
        {"spline", 4, points({{15, 40}, {35, 15}, {60, 60}, {90, 25}})},
        {"box", 5, corners(c, d)},
        {"rounded box", 5, corners(c, d, [](Element& e) {
             for (double& radius : e.cornerRounding()->radii)
                 radius = 5.0;
         })},
        {"ruled box", 5, corners(c, d, rules(3, 4))},
        {"box of rules only", 5, corners(c, d, rules(1, 4))},
        {"leaning box", 5, corners(Point(35, 30), Point(85, 55), [](Element& e) { e.lean()->angle = 20.0; })},
        {"arc", 6, corners(Point(20, 55), Point(85, 55), [](Element& e) { *static_cast<Point*>(e.thirdPoint()) = Point(50, 20); })},
        {"circle", 7, [](Element& e) {
             *static_cast<Point*>(e.thirdPoint()) = Point(55, 40);
             e.radii()->setSingle(25.0);
         }},
        {"polygon", 8, points(area)},
        {"edged polygon", 8, points(area, style(LineStyle::kEdge))},
        {"arcpolygon", 9, points({{15, 20}, arcStart(55, 20), {75, 40}, {55, 60}, {15, 60}})},
        {"oval", 10, corners(Point(20, 15), Point(90, 65))},
        {"half oval", 10, corners(Point(20, 15), Point(90, 65), partOval(OvalType::kHalf))},
        {"quarter oval", 10, corners(Point(20, 15), Point(90, 65), partOval(OvalType::kQuart))},
        {"closed bezier", 11, points({{20, 40}, {20, 10}, {90, 10}, {90, 40}, {90, 70}, {20, 70}, {20, 40}}, bezier(0))},
        {"open bezier", 11, points({{15, 60}, {25, 10}, {70, 10}, {90, 50}}, bezier(1))},
        {"text", 12, text("AWgy", 8.0, [](Element& e) { static_cast<TextElementBase&>(e).setAnchor(20, 30); })},
        {"leaning text", 12, text("AWgy", 8.0, [](Element& e) {
             static_cast<TextElementBase&>(e).setAnchor(30, 50);
             e.lean()->angle = 30.0;
         })},
        {"leader text", 13, leader(ArrowHeadStyle::kFillArc)},
        {"leader text, circle head", 13, leader(ArrowHeadStyle::kFrameArc)},
        {"length dimension", 14, points({{20, 55}, {85, 55}}, [](Element& e) { *static_cast<Point*>(e.thirdPoint()) = Point(50, 35); })},
        {"angle dimension", 15, points({{80, 60}, {40, 20}, {30, 60}}, [](Element& e) {
             *static_cast<Point*>(e.thirdPoint()) = Point(55, 45);
             static_cast<AngleMeasureElement&>(e).drawType.value = AngleMeasureElement::kArc;
         })},
        {"radius dimension", 16, circleDimension(Point(75, 40), Point(50, 40), 25.0)},
        {"diameter dimension", 17, circleDimension(Point(80, 40), Point(30, 40), 50.0)},
        {"bitmap", 18, corners(Point(25, 20), Point(75, 55), [](Element& e) {
             e.bitmapSize()->width = 4, e.bitmapSize()->height = 4;
             const long long bytes = e.bitmapSize()->blockBytes();
             GlobalBlock* block = newPixelBlock(bytes);
             ASSERT_TRUE(block);
             std::memset(BlockLock(*block).data(), 0x40, static_cast<size_t>(bytes));
             e.bitmapData()->takeBlock(block, static_cast<int>(bytes));
         })},
        {"picture without its file", 19, corners(Point(25, 20), Point(75, 55), [](Element& e) {
             e.fileName()->setText("C:\\no-such-folder\\missing.bmp");
         })},
    };
}

// The figure as a mask besides its ink: the box of a text, a picture or a dimension's numeral (a
// pick anywhere in it takes the element), and the points a user drags to edit an oval or a
// dimension (within the select tool's point box they pick it, drawn or not).
std::vector<char> standIns(Element& e, const DibSurface& screen)
{
    const int w = screen.width, h = screen.height;
    std::vector<char> mask(static_cast<size_t>(w) * h, 0);
    std::vector<Point> box, marks;
    PointList outline;
    Point p;
    if (isTextKind(e.kind) && static_cast<TextElement&>(e).buildOutline(outline)) {
        for (int i = 0; i < outline.count; ++i)
            if (outline.getPoint(i, &p))
                box.push_back(p);
    } else if (e.kind == kindCode(ElementKind::Picture)) {
        box = {*e.firstPoint(), Point(e.secondPoint()->x, e.firstPoint()->y), *e.secondPoint(),
               Point(e.firstPoint()->x, e.secondPoint()->y)};
    } else if (e.kind == kindCode(ElementKind::Oval)) {
        marks = {*e.firstPoint(), *e.secondPoint()};
    } else if (e.measure()) {
        // The numeral's box: the box of its ink grown by the glyphs' side bearings and the ascent
        // above them (half a millimetre), as its rectangle holds them.
        double l = w, t = h, r = -1, b = -1;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const COLORREF c = screen.pixel(x, y);
                if (GetBValue(c) > GetRValue(c) + 40 && GetBValue(c) > GetGValue(c) + 40)
                    l = std::fmin(l, x), r = std::fmax(r, x + 1), t = std::fmin(t, y), b = std::fmax(b, y + 1);
            }
        l = l / kPixelsPerMm - 0.5, t = t / kPixelsPerMm - 0.5, r = r / kPixelsPerMm + 0.5, b = b / kPixelsPerMm + 0.5;
        box = {Point(l, t), Point(r, t), Point(r, b), Point(l, b)};
        for (int i = 0; i < e.vertices()->count; ++i)
            if (e.vertices()->getPoint(i, &p))
                marks.push_back(p);
        marks.push_back(*e.thirdPoint());
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            // The pixel's centre inside the box (crossing count).
            const double px = (x + 0.5) / kPixelsPerMm, py = (y + 0.5) / kPixelsPerMm;
            bool in = false;
            for (size_t i = 0, j = box.size() - 1; i < box.size(); j = i++)
                if ((box[i].y > py) != (box[j].y > py) &&
                    px < (box[j].x - box[i].x) * (py - box[i].y) / (box[j].y - box[i].y) + box[i].x)
                    in = !in;
            mask[y * w + x] = in;
        }
    for (const Point& m : marks) {
        const int x = static_cast<int>(std::floor(m.x * kPixelsPerMm)), y = static_cast<int>(std::floor(m.y * kPixelsPerMm));
        if (x >= 0 && y >= 0 && x < w && y < h)
            mask[y * w + x] = 1;
    }
    return mask;
}

// Writes the element's record (which stores its extent), draws it, checks the ink against the
// extent and the picks, erases it; what disagrees, "" when nothing does.
std::string checkAgainstInk(SweepDrawing& d, Element& e)
{
    SelectTool& tool = *SelectTool::of(&d.context);
    DibSurface& screen = d.screen();
    const int w = screen.width, h = screen.height;
    if (e.exchangeRecord(1) != 1)
        return " the record cannot be written;";
    const DrawPoint low = e.extentMin, high = e.extentMax;
    screen.fill(RGB(255, 255, 255));
    (void)e.draw(); // the ink tells
    // The ink, and the pixels close to it or to what stands for the figure: a point counts as
    // 1 mm away when it lies a millimetre plus a pixel's diagonal from every such pixel's centre.
    std::vector<char> ink(static_cast<size_t>(w) * h, 0), close(ink.size(), 0);
    std::vector<char> figure = standIns(e, screen);
    int inked = 0;
    for (int i = 0; i < w * h; ++i)
        if (screen.isInk(i % w, i / w))
            ink[i] = figure[i] = 1, ++inked;
    if (inked < 20)
        return " nothing is drawn;";
    const int reach = static_cast<int>(std::ceil(kPixelsPerMm + 1.5));
    for (int i = 0; i < w * h; ++i)
        for (int dy = -reach; figure[i] && dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx) {
                const int u = i % w + dx, v = i / w + dy;
                if (dx * dx + dy * dy <= reach * reach && u >= 0 && v >= 0 && u < w && v < h)
                    close[v * w + u] = 1;
            }

    const auto at = [](double x, double y) {
        std::ostringstream text;
        text << "(" << x << ", " << y << ")";
        return text.str();
    };
    const auto picks = [&](double x, double y) {
        tool.setPickBox(x, y, 0);
        return e.hitTest();
    };
    // In the pick style of handles the select tool drags what lies in its extent's box: an element
    // a press on its ink selects is dragged by a press there.
    const auto picksByExtent = [&](double x, double y) {
        tool.setPickBox(x, y, 0);
        return e.hitTestExtent();
    };
    const auto flag = [w, h](const std::vector<char>& mask, int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && mask[y * w + x];
    };
    const auto border = [&](const std::vector<char>& mask, int x, int y, int value) {
        return flag(mask, x - 1, y) == value || flag(mask, x + 1, y) == value || flag(mask, x, y - 1) == value ||
               flag(mask, x, y + 1) == value;
    };
    int outside = 0, unpicked = 0, farPicks = 0, undraggable = 0;
    std::string firstOutside, firstUnpicked, firstFar, firstUndraggable;
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px) {
            const double x = (px + 0.5) / kPixelsPerMm, y = (py + 0.5) / kPixelsPerMm;
            // Borders are tested on a checkerboard, areas on a grid: an area that disagrees is
            // wider than a pixel.
            const bool checker = (px + py) % 2 == 0, grid = px % 4 == 0 && py % 4 == 0;
            if (ink[py * w + px]) {
                // The pixel meets the extent grown by a pixel: the rasterizer gives an edge on a
                // pixel border to either pixel.
                const double slack = 1.0 / kPixelsPerMm;
                if (((px + 1) / kPixelsPerMm + slack <= low.x || px / kPixelsPerMm - slack > high.x ||
                     (py + 1) / kPixelsPerMm + slack <= low.y || py / kPixelsPerMm - slack > high.y) &&
                    !outside++)
                    firstOutside = at(x, y);
                if (((checker && border(ink, px, py, 0)) || grid) && !picks(x, y) && !unpicked++)
                    firstUnpicked = at(x, y);
                if (((checker && border(ink, px, py, 0)) || grid) && !picksByExtent(x, y) && !undraggable++)
                    firstUndraggable = at(x, y);
            } else if (!close[py * w + px]) {
                // Far from the ink: next to the close pixels, and over the extent and 5 mm around.
                const bool around = x > low.x - 5.0 && x < high.x + 5.0 && y > low.y - 5.0 && y < high.y + 5.0;
                if (((checker && border(close, px, py, 1)) || (around && grid)) && picks(x, y) && !farPicks++)
                    firstFar = at(x, y);
            }
        }
    (void)e.erase(); // what is left tells
    const int left = screen.inkCount(0, 0, w, h);
    std::ostringstream faults;
    if (outside)
        faults << " " << outside << " inked pixels outside the extent " << at(low.x, low.y) << ".."
               << at(high.x, high.y) << ", first " << firstOutside << ";";
    if (unpicked)
        faults << " " << unpicked << " of " << inked << " inked pixels do not pick, first " << firstUnpicked << ";";
    if (undraggable)
        faults << " " << undraggable << " of " << inked << " inked pixels lie outside the extent's pick, first "
               << firstUndraggable << ";";
    if (farPicks)
        faults << " " << farPicks << " picks 1 mm from all ink, first " << firstFar << ";";
    if (left)
        faults << " erasing left " << left << " pixels;";
    return faults.str();
}

} // namespace

TEST(KindInkSweep, ExtentPickAndEraseAgreeWithTheInkOfEveryKind)
{
    TestApplication app;
    SweepDrawing d(550, 400);
    std::ostringstream faults;
    for (const Figure& figure : figures()) {
        std::unique_ptr<Element> probe = d.make(figure.kind);
        ASSERT_TRUE(probe) << figure.name;
        for (int position : {LineOriginAttribute::kCenter, LineOriginAttribute::kTop, LineOriginAttribute::kBottom})
            for (int cap : {LineCapAttribute::kButt, LineCapAttribute::kRound, LineCapAttribute::kSquare})
                for (int filled : {0, 1}) {
                    // The variants the kind has: its attributes tell.
                    if ((!probe->linePosition() && position != LineOriginAttribute::kCenter) ||
                        (!probe->lineCap() && cap != LineCapAttribute::kButt) || (!probe->fill() && filled))
                        continue;
                    std::unique_ptr<Element> e = d.make(figure.kind);
                    figure.shape(*e);
                    std::ostringstream name;
                    name << figure.name;
                    if (e->lineWidth())
                        e->lineWidth()->width = 1.5;
                    if (e->linePosition())
                        e->linePosition()->position = position, name << ", position " << position;
                    if (e->lineCap())
                        e->lineCap()->capStyle = cap, name << ", cap " << cap;
                    if (e->fill())
                        e->fill()->draw.value = filled, name << (filled ? ", filled" : ", not filled");
                    const std::string found = checkAgainstInk(d, *e);
                    if (!found.empty())
                        faults << name.str() << ":" << found << "\n";
                }
    }
    EXPECT_EQ(faults.str(), "");
}

// Selected in the pick style of handles, every kind shows marks, and every kind with handles to
// drag answers for one at its extent's bottom-right corner (a level line's right handles are one
// spot). The dimensions have none; a circle's marks cannot be dragged, so a press there moves it.
TEST(KindInkSweep, EveryKindShowsItsHandlesAndFindsTheOneUnderTheCursor)
{
    TestApplication app;
    SweepDrawing d(550, 400);
    PickSettings pick;
    ScopedOverride<PickSettings*> settings(thePickSettings, &pick);
    SelectTool& tool = *SelectTool::of(&d.context);
    std::ostringstream faults;
    for (const Figure& figure : figures()) {
        std::unique_ptr<Element> e = d.make(figure.kind);
        figure.shape(*e);
        if (e->lineWidth())
            e->lineWidth()->width = 1.5;
        if (e->exchangeRecord(1) != 1) {
            faults << figure.name << ": the record cannot be written\n";
            continue;
        }
        d.screen().fill(RGB(255, 255, 255));
        e->showPicked();
        if (d.screen().inkCount(0, 0, d.screen().width, d.screen().height) == 0)
            faults << figure.name << ": shows no marks\n";
        if (e->measure() || figure.kind == kindCode(ElementKind::Circle))
            continue;
        e->computeExtent(1);
        Point corner;
        int handle = -1, flag = 0;
        if (!e->handlePoint(4, &corner)) {
            faults << figure.name << ": has no handle 4\n";
            continue;
        }
        tool.setPickBox(corner.x, corner.y, 0);
        if (!e->hitHandle(&handle, &flag) || handle < 2 || handle > 4)
            faults << figure.name << ": the handle under the cursor is " << handle << ", not 4\n";
    }
    EXPECT_EQ(faults.str(), "");
}

// The figures the faults were reported with, in their own numbers: each agrees with its ink, and
// a TOP stroke lies where the line shape puts it.
TEST(KindInkSweep, TheReportedFiguresAgreeWithTheirInk)
{
    TestApplication app;
    SweepDrawing d(800, 650);
    // The ink's box in millimetres, its far edges past the last inked pixels.
    const auto inkIs = [&d](double l, double t, double r, double b) {
        return [&d, l, t, r, b](Element&) {
            RECT box;
            std::ostringstream text;
            if (!d.screen().inkBox(box) || box.left / kPixelsPerMm != l || box.top / kPixelsPerMm != t ||
                (box.right + 1) / kPixelsPerMm != r || (box.bottom + 1) / kPixelsPerMm != b)
                text << "the ink lies on x " << box.left / kPixelsPerMm << ".." << (box.right + 1) / kPixelsPerMm
                     << ", y " << box.top / kPixelsPerMm << ".." << (box.bottom + 1) / kPixelsPerMm;
            return text.str();
        };
    };
    const auto wide = [](double width, Setter more) {
        return [width, more](Element& e) {
            e.lineWidth()->width = width;
            more(e);
        };
    };
    const auto top = [](Element& e) { e.linePosition()->position = LineOriginAttribute::kTop; };
    const auto bezier = [](int filled) {
        return points({{30, 70}, {30, 20}, {130, 20}, {130, 70}, {130, 120}, {30, 120}, {30, 70}},
                      [filled](Element& e) { e.fill()->draw.value = filled; });
    };
    struct Case {
        const char* name;
        int kind;
        Setter shape;
        // Checked after drawing; "" when it holds.
        std::function<std::string(Element&)> check;
    };
    const Case cases[] = {
        {"a TOP line of width 2 is drawn on y 30..32 and picked there", 1,
         wide(2.0, corners(Point(20, 30), Point(150, 30), top)), inkIs(20, 30, 150, 32)},
        {"a TOP box with a corner radius strokes inside its outline", 5,
         wide(2.0, corners(Point(30, 30), Point(130, 100), [top](Element& e) {
             top(e);
             e.cornerRounding()->radii[0] = 5.0;
         })),
         inkIs(30, 30, 130, 100)},
        {"a Bezier 1.5 mm wide, not filled, erases its edge", 11, wide(1.5, bezier(0)), nullptr},
        {"a Bezier 1.5 mm wide, filled, erases its edge", 11, wide(1.5, bezier(1)), nullptr},
        {"a picture whose file is missing erases its frame", 19,
         corners(Point(30, 30), Point(130, 100), [](Element& e) { e.fileName()->setText("C:\\no-such-folder\\missing.bmp"); }),
         nullptr},
        {"a breakline of width 4 with square caps holds them in its extent", 2,
         wide(4.0, points({{20, 50}, {120, 50}}, [](Element& e) { e.lineCap()->capStyle = LineCapAttribute::kSquare; })),
         nullptr},
        {"a leader text's circle head at (30, 120) lies in its extent", 13,
         text("AB", 5.0, points({{30, 120}, {60, 90}}, [](Element& e) {
             e.translate(0.0, 0.0, 0.0);
             e.arrowHead()->kind = ArrowHeadStyle::kFrameArc;
         })),
         nullptr},
    };
    for (const Case& c : cases) {
        std::unique_ptr<Element> e = d.make(c.kind);
        c.shape(*e);
        if (c.check) {
            ASSERT_EQ(e->exchangeRecord(1), 1) << c.name;
            d.screen().fill(RGB(255, 255, 255));
            (void)e->draw(); // the ink tells
            EXPECT_EQ(c.check(*e), "") << c.name;
        }
        EXPECT_EQ(checkAgainstInk(d, *e), "") << c.name;
    }
}
