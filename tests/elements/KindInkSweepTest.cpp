// Every kind drawn as a user sees it, with each line position, cap and fill it has: the stored
// extent holds every inked pixel, every inked pixel picks, no point 1 mm or more away from all
// ink picks, and erasing leaves no pixel of the figure.
#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "document/DocumentContext.h"
#include "document/DocumentMembers.h"
#include "document/TextBuffer.h"
#include "elements/AngleMeasureElement.h"
#include "elements/ArrowHeadStyle.h"
#include "elements/BitmapRaster.h"
#include "elements/BoxRules.h"
#include "elements/CircleDimensionElement.h"
#include "elements/CornerRounding.h"
#include "elements/ElementKindRegistry.h"
#include "elements/OvalType.h"
#include "elements/RadiusList.h"
#include "elements/TextElement.h"
#include "elements/TextElementBase.h"
#include "elements/ValueList.h"
#include "elements/VertexRoundingList.h"
#include "geometry/DoubleValue.h"
#include "geometry/EdgeAttributes.h"
#include "document/FileNameValue.h"
#include "geometry/FillAttributes.h"
#include "geometry/FontAttributes.h"
#include "geometry/LeanAttribute.h"
#include "geometry/LineCapAttribute.h"
#include "geometry/LineOriginAttribute.h"
#include "geometry/LineSizeAttribute.h"
#include "geometry/LineTypeAttribute.h"
#include "elements/MeasureAttributes.h"
#include "geometry/OpenCloseAttribute.h"
#include "geometry/PointList.h"
#include "platform/GlobalBlock.h"
#include "platform/Window.h"
#include "tests/support/LinearView.h"
#include "tests/support/ScopedOverride.h"
#include "tests/support/SurfaceUpdater.h"
#include "tests/support/TestApplication.h"
#include "views/ViewMembers.h"
#include "views/tools/SelectTool.h"

namespace {

// The view: 5 pixels per millimetre at 1:1, the drawing's origin at the top-left pixel; the
// sweep's screen shows 110 x 80 mm.
constexpr double kPixelsPerMm = 5.0;
constexpr int kScreenWidth = 550, kScreenHeight = 400;
// The stroke of every stroked kind (paper millimetres): wide enough that its side matters.
constexpr double kStroke = 1.5;

// A view that measures text on a window of its own.
class SweepView : public LinearView {
public:
    Window* window() override { return &measuring; }
    Window measuring;
};

// The drawing: the real kinds, select tool and sheet; every operation draws on one DIB.
class SweepDrawing {
public:
    explicit SweepDrawing(int width = kScreenWidth, int height = kScreenHeight)
        : registry(makeKindRegistry()), installed(theKindRegistry, registry.get())
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

    std::unique_ptr<ElementKindRegistry> registry;
    ScopedOverride<ElementKindRegistry*> installed;
    DocumentContext context;
    SweepView* view;
    SurfaceUpdater* updater;
};

void points(Element& e, const std::vector<Point>& list)
{
    e.vertices()->count = 0;
    for (const Point& p : list)
        ASSERT_TRUE(e.vertices()->appendWithFlag(p.flag, p.x, p.y, 0.0));
}

Point arcStart(double x, double y)
{
    Point p(x, y);
    p.flag = Point::arcStart;
    return p;
}

void corners(Element& e, Point a, Point b)
{
    *static_cast<Point*>(e.firstPoint()) = a;
    *static_cast<Point*>(e.secondPoint()) = b;
}

void text(Element& e, const char* bytes, double size)
{
    auto& t = static_cast<TextElementBase&>(e);
    t.font()->size = size;
    t.textBuffer()->reset();
    ASSERT_TRUE(t.textBuffer()->insert(bytes, static_cast<int>(std::strlen(bytes))));
}

// One figure of a kind; the sweep draws it with every line position, cap and fill it has.
struct Figure {
    const char* name;
    int kind;
    std::function<void(Element&)> shape;
};

// A radius or diameter dimension IN its circle: P1 on it, P2 at the centre or opposite.
std::function<void(Element&)> circleDimension(Point p1, Point p2, double value)
{
    return [=](Element& e) {
        auto& d = static_cast<CircleDimensionElement&>(e);
        ASSERT_EQ(d.vertices()->setXYZ(0, p1.x, p1.y, 0.0), 1);
        *static_cast<Point*>(d.thirdPoint()) = p2;
        d.values()->setSingle(value);
        d.layout.value = CircleDimensionElement::kIn;
    };
}

std::vector<Figure> figures()
{
    const auto rounded = [](double r) {
        return [r](Element& e) {
            corners(e, Point(25, 20), Point(85, 60));
            for (double& radius : e.cornerRounding()->radii)
                radius = r;
        };
    };
    return {
        {"line", 1, [](Element& e) { corners(e, Point(15, 20), Point(90, 55)); }},
        {"level line", 1, [](Element& e) { corners(e, Point(20, 30), Point(90, 30)); }},
        {"double line", 1,
         [](Element& e) {
             corners(e, Point(15, 20), Point(90, 55));
             e.lineType()->style = LineStyle::kLine2;
         }},
        {"edged polygon", 8,
         [](Element& e) {
             points(e, {{15, 15}, {85, 22}, {70, 65}, {25, 55}});
             e.lineType()->style = LineStyle::kEdge;
         }},
        {"breakline", 2, [](Element& e) { points(e, {{15, 15}, {60, 15}, {85, 50}, {30, 65}}); }},
        {"rounded breakline", 2,
         [](Element& e) {
             points(e, {{15, 15}, {60, 15}, {85, 50}, {30, 65}});
             e.vertexRounding()->count = 0;
             for (double r : {0.0, 10.0, 6.0, 0.0})
                 ASSERT_TRUE(e.vertexRounding()->append(r));
         }},
        {"arcbreakline", 3, [](Element& e) { points(e, {{15, 20}, arcStart(45, 20), {65, 40}, {45, 60}, {15, 60}}); }},
        {"spline", 4, [](Element& e) { points(e, {{15, 40}, {35, 15}, {60, 60}, {90, 25}}); }},
        {"box", 5, rounded(0.0)},
        {"rounded box", 5, rounded(5.0)},
        {"ruled box", 5,
         [](Element& e) {
             corners(e, Point(25, 20), Point(85, 60));
             e.boxRules()->horizontal = 3, e.boxRules()->vertical = 4;
         }},
        {"box of rules only", 5,
         [](Element& e) {
             corners(e, Point(25, 20), Point(85, 60));
             e.boxRules()->horizontal = 1, e.boxRules()->vertical = 4;
         }},
        {"leaning box", 5,
         [](Element& e) {
             corners(e, Point(35, 30), Point(85, 55));
             e.lean()->angle = 20.0;
         }},
        {"arc", 6,
         [](Element& e) {
             corners(e, Point(20, 55), Point(85, 55));
             *static_cast<Point*>(e.thirdPoint()) = Point(50, 20);
         }},
        {"circle", 7,
         [](Element& e) {
             *static_cast<Point*>(e.thirdPoint()) = Point(55, 40);
             e.radii()->setSingle(25.0);
         }},
        {"polygon", 8, [](Element& e) { points(e, {{15, 15}, {85, 22}, {70, 65}, {25, 55}}); }},
        {"arcpolygon", 9, [](Element& e) { points(e, {{15, 20}, arcStart(55, 20), {75, 40}, {55, 60}, {15, 60}}); }},
        {"oval", 10, [](Element& e) { corners(e, Point(20, 15), Point(90, 65)); }},
        {"half oval", 10,
         [](Element& e) {
             corners(e, Point(20, 15), Point(90, 65));
             e.ovalType()->value = OvalType::kHalf;
         }},
        {"quarter oval", 10,
         [](Element& e) {
             corners(e, Point(20, 15), Point(90, 65));
             e.ovalType()->value = OvalType::kQuart;
         }},
        {"closed bezier", 11,
         [](Element& e) {
             points(e, {{20, 40}, {20, 10}, {90, 10}, {90, 40}, {90, 70}, {20, 70}, {20, 40}});
             e.openClose()->value = OpenCloseAttribute::kClose;
         }},
        {"open bezier", 11,
         [](Element& e) {
             points(e, {{15, 60}, {25, 10}, {70, 10}, {90, 50}});
             e.openClose()->value = OpenCloseAttribute::kOpen;
         }},
        {"text", 12,
         [](Element& e) {
             static_cast<TextElementBase&>(e).setAnchor(20, 30);
             text(e, "AWgy", 8.0);
         }},
        {"leaning text", 12,
         [](Element& e) {
             static_cast<TextElementBase&>(e).setAnchor(30, 50);
             e.lean()->angle = 30.0;
             text(e, "AWgy", 8.0);
         }},
        {"leader text", 13,
         [](Element& e) {
             points(e, {{30, 60}, {50, 35}});
             e.translate(0.0, 0.0, 0.0); // the text at the leader's end
             e.arrowHead()->kind = ArrowHeadStyle::kFillArc;
             text(e, "AB", 6.0);
         }},
        {"leader text, circle head", 13,
         [](Element& e) {
             points(e, {{30, 60}, {50, 35}});
             e.translate(0.0, 0.0, 0.0);
             e.arrowHead()->kind = ArrowHeadStyle::kFrameArc;
             text(e, "AB", 6.0);
         }},
        {"length dimension", 14,
         [](Element& e) {
             points(e, {{20, 55}, {85, 55}});
             *static_cast<Point*>(e.thirdPoint()) = Point(50, 35);
         }},
        {"angle dimension", 15,
         [](Element& e) {
             points(e, {{80, 60}, {40, 20}, {30, 60}});
             *static_cast<Point*>(e.thirdPoint()) = Point(55, 45);
             static_cast<AngleMeasureElement&>(e).drawType.value = AngleMeasureElement::kArc;
         }},
        {"radius dimension", 16, circleDimension(Point(75, 40), Point(50, 40), 25.0)},
        {"diameter dimension", 17, circleDimension(Point(80, 40), Point(30, 40), 50.0)},
        {"bitmap", 18,
         [](Element& e) {
             corners(e, Point(25, 20), Point(75, 55));
             e.bitmapSize()->width = 4, e.bitmapSize()->height = 4;
             const long long bytes = e.bitmapSize()->blockBytes();
             GlobalBlock* block = newPixelBlock(bytes);
             ASSERT_TRUE(block);
             {
                 BlockLock lock(*block);
                 std::memset(lock.data(), 0x40, static_cast<size_t>(bytes));
             }
             e.bitmapData()->takeBlock(block, static_cast<int>(bytes));
         }},
        {"picture without its file", 19,
         [](Element& e) {
             corners(e, Point(25, 20), Point(75, 55));
             e.fileName()->setText("C:\\no-such-folder\\missing.bmp");
         }},
    };
}

// One drawn variant: what it was drawn with and what the sweep found.
struct Variant {
    std::string name;
    int position = 0, cap = 0, filled = -1;
};

// The ink on the screen as a mask, and the pixels within `reach` pixels of it.
struct InkMap {
    std::vector<char> ink, close;
    int count = 0;
};

// 1 when (x, y) lies inside the polygon.
bool inside(const std::vector<Point>& polygon, double x, double y)
{
    bool in = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point& a = polygon[i];
        const Point& b = polygon[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

// What stands for the figure besides its ink: the box of a text, a picture or a dimension's
// numeral (a pick anywhere in it takes the element), and the points a user drags to edit an oval
// or a dimension (within the select tool's point box they pick it, drawn or not).
struct Stand {
    std::vector<std::vector<Point>> boxes;
    std::vector<Point> points;
};

// The colour dimensions draw their numerals in here, to tell them from the lines.
constexpr COLORREF kNumeralColour = RGB(0, 0, 255);

bool numeralPixel(COLORREF c) { return GetBValue(c) > GetRValue(c) + 40 && GetBValue(c) > GetGValue(c) + 40; }

Stand standOf(Element& e, const DibSurface& screen)
{
    Stand stand;
    if (isTextKind(e.kind)) {
        PointList outline;
        Point p;
        std::vector<Point> box;
        if (static_cast<TextElement&>(e).buildOutline(outline))
            for (int i = 0; i < outline.count; ++i)
                if (outline.getPoint(i, &p))
                    box.push_back(p);
        stand.boxes.push_back(box);
    } else if (e.kind == kindCode(ElementKind::Picture)) {
        const Point a = *e.firstPoint(), b = *e.secondPoint();
        stand.boxes.push_back({a, Point(b.x, a.y), b, Point(a.x, b.y)});
    } else if (e.kind == kindCode(ElementKind::Oval)) {
        stand.points = {*e.firstPoint(), *e.secondPoint()};
    } else if (e.measure()) {
        // The numeral's box: the box of its ink grown by the glyphs' side bearings and the
        // ascent above them (half a millimetre), as its rectangle holds them.
        int left = screen.width, top = screen.height, right = -1, bottom = -1;
        for (int y = 0; y < screen.height; ++y)
            for (int x = 0; x < screen.width; ++x)
                if (numeralPixel(screen.pixel(x, y))) {
                    left = std::min(left, x), right = std::max(right, x + 1);
                    top = std::min(top, y), bottom = std::max(bottom, y + 1);
                }
        if (right >= 0) {
            const double l = left / kPixelsPerMm - 0.5, t = top / kPixelsPerMm - 0.5, r = right / kPixelsPerMm + 0.5,
                         b = bottom / kPixelsPerMm + 0.5;
            stand.boxes.push_back({Point(l, t), Point(r, t), Point(r, b), Point(l, b)});
        }
        Point p;
        for (int i = 0; i < e.vertices()->count; ++i)
            if (e.vertices()->getPoint(i, &p))
                stand.points.push_back(p);
        stand.points.push_back(*e.thirdPoint());
    }
    return stand;
}

// The ink, and the pixels within `reach` of it or of what stands for the figure.
InkMap inkOf(const DibSurface& screen, int reach, const Stand& stand)
{
    InkMap map;
    const int w = screen.width, h = screen.height;
    map.ink.assign(static_cast<size_t>(w) * h, 0);
    map.close.assign(static_cast<size_t>(w) * h, 0);
    std::vector<char> figure(static_cast<size_t>(w) * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (screen.isInk(x, y)) {
                map.ink[y * w + x] = 1;
                ++map.count;
            }
            figure[y * w + x] = map.ink[y * w + x];
            for (const std::vector<Point>& box : stand.boxes)
                if (inside(box, (x + 0.5) / kPixelsPerMm, (y + 0.5) / kPixelsPerMm))
                    figure[y * w + x] = 1;
        }
    for (const Point& p : stand.points) {
        const int x = static_cast<int>(std::floor(p.x * kPixelsPerMm)), y = static_cast<int>(std::floor(p.y * kPixelsPerMm));
        if (x >= 0 && y >= 0 && x < w && y < h)
            figure[y * w + x] = 1;
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!figure[y * w + x])
                continue;
            for (int dy = -reach; dy <= reach; ++dy)
                for (int dx = -reach; dx <= reach; ++dx) {
                    const int u = x + dx, v = y + dy;
                    if (dx * dx + dy * dy <= reach * reach && u >= 0 && v >= 0 && u < w && v < h)
                        map.close[v * w + u] = 1;
                }
        }
    return map;
}

// Draws the element (its record written first, which stores its extent), checks the ink
// against the extent and the picks, erases it; what disagrees, "" when nothing does.
std::string checkAgainstInk(SweepDrawing& d, Element& e)
{
    SelectTool& tool = *d.context.selectTool;
    DibSurface& screen = d.screen();
    const int w = screen.width, h = screen.height;
    if (e.exchangeRecord(1) != 1)
        return " the record cannot be written;";
    const DrawPoint low = e.extentMin, high = e.extentMax;
    screen.fill(RGB(255, 255, 255));
    (void)e.draw(); // the ink tells
    // A pixel's ink stands for its centre; a point counts as 1 mm away from the ink when it lies
    // a millimetre plus a pixel's diagonal from every inked pixel's centre.
    const int reach = static_cast<int>(std::ceil(kPixelsPerMm + 1.5));
    const InkMap map = inkOf(screen, reach, standOf(e, screen));
    if (map.count < 20)
        return " nothing is drawn;";

    const auto centre = [](int pixel) { return (pixel + 0.5) / kPixelsPerMm; };
    const auto at = [](double x, double y) {
        std::ostringstream text;
        text << "(" << x << ", " << y << ")";
        return text.str();
    };
    const auto picks = [&](double x, double y) {
        tool.setPickBox(x, y, 0);
        return e.hitTest();
    };
    const auto flag = [w, h](const std::vector<char>& mask, int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && mask[y * w + x];
    };
    int outside = 0, unpicked = 0, farPicks = 0;
    std::string firstOutside, firstUnpicked, firstFar;
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px) {
            const double x = centre(px), y = centre(py);
            if (map.ink[py * w + px]) {
                // The pixel meets the extent grown by a pixel: the rasterizer gives an edge on a
                // pixel border to either pixel.
                const double slack = 1.0 / kPixelsPerMm;
                if (((px + 1) / kPixelsPerMm + slack <= low.x || px / kPixelsPerMm - slack > high.x ||
                     (py + 1) / kPixelsPerMm + slack <= low.y || py / kPixelsPerMm - slack > high.y) &&
                    !outside++)
                    firstOutside = at(x, y);
                // The pixels on the ink's border pick, and a grid of those inside it. Borders
                // and the band below are tested on a checkerboard: an area that disagrees is
                // wider than a pixel.
                const bool checker = (px + py) % 2 == 0;
                const bool border = !flag(map.ink, px - 1, py) || !flag(map.ink, px + 1, py) ||
                                    !flag(map.ink, px, py - 1) || !flag(map.ink, px, py + 1);
                if (((checker && border) || (px % 4 == 0 && py % 4 == 0)) && !picks(x, y) && !unpicked++)
                    firstUnpicked = at(x, y);
                continue;
            }
            if (map.close[py * w + px])
                continue;
            // Far from the ink: the pixels next to the near band, and a sparse grid over the
            // extent and 5 mm around it.
            const bool edge = (px + py) % 2 == 0 && (flag(map.close, px - 1, py) || flag(map.close, px + 1, py) ||
                                                     flag(map.close, px, py - 1) || flag(map.close, px, py + 1));
            const bool around = x > low.x - 5.0 && x < high.x + 5.0 && y > low.y - 5.0 && y < high.y + 5.0;
            if ((edge || (around && px % 4 == 0 && py % 4 == 0)) && picks(x, y) && !farPicks++)
                firstFar = at(x, y);
        }
    (void)e.erase(); // what is left tells
    const int left = screen.inkCount(0, 0, w, h);
    std::ostringstream faults;
    if (outside)
        faults << " " << outside << " inked pixels outside the extent " << at(low.x, low.y) << ".."
               << at(high.x, high.y) << ", first " << firstOutside << ";";
    if (unpicked)
        faults << " " << unpicked << " of " << map.count << " inked pixels do not pick, first " << firstUnpicked << ";";
    if (farPicks)
        faults << " " << farPicks << " picks 1 mm from all ink, first " << firstFar << ";";
    if (left)
        faults << " erasing left " << left << " pixels;";
    return faults.str();
}

// A new element of the kind on the drawing, made as the registry makes it.
std::unique_ptr<Element> make(SweepDrawing& d, int kind)
{
    std::unique_ptr<Element> e(d.registry->createElement(kind));
    if (e) {
        e->context = &d.context;
        e->kind = kind;
    }
    return e;
}

} // namespace

TEST(KindInkSweep, ExtentPickAndEraseAgreeWithTheInkOfEveryKind)
{
    TestApplication app;
    SweepDrawing d;
    std::ostringstream faults;
    for (const Figure& figure : figures()) {
        // The variants the kind has: its attributes tell.
        std::unique_ptr<Element> probe = make(d, figure.kind);
        ASSERT_TRUE(probe) << figure.name;
        std::vector<Variant> variants;
        for (int position : {LineOriginAttribute::kCenter, LineOriginAttribute::kTop, LineOriginAttribute::kBottom}) {
            if (!probe->linePosition() && position != LineOriginAttribute::kCenter)
                continue;
            for (int cap : {LineCapAttribute::kButt, LineCapAttribute::kRound, LineCapAttribute::kSquare}) {
                if (!probe->lineCap() && cap != LineCapAttribute::kButt)
                    continue;
                for (int filled : {0, 1}) {
                    if (!probe->fill() && filled)
                        continue;
                    Variant v;
                    v.position = probe->linePosition() ? position : 0;
                    v.cap = probe->lineCap() ? cap : 0;
                    v.filled = probe->fill() ? filled : -1;
                    std::ostringstream name;
                    name << figure.name;
                    if (v.position)
                        name << ", position " << v.position;
                    if (v.cap)
                        name << ", cap " << v.cap;
                    if (v.filled >= 0)
                        name << (v.filled ? ", filled" : ", not filled");
                    v.name = name.str();
                    variants.push_back(v);
                }
            }
        }
        for (const Variant& v : variants) {
            std::unique_ptr<Element> e = make(d, figure.kind);
            figure.shape(*e);
            if (e->lineWidth())
                e->lineWidth()->width = kStroke;
            if (v.position)
                e->linePosition()->position = v.position;
            if (v.cap)
                e->lineCap()->capStyle = v.cap;
            if (v.filled >= 0)
                e->fill()->draw.value = v.filled;
            if (e->edge())
                e->edge()->draw.value = 1;
            if (e->measure())
                e->measure()->numeralColour.setRgb(GetRValue(kNumeralColour), GetGValue(kNumeralColour),
                                                   GetBValue(kNumeralColour));
            const std::string found = checkAgainstInk(d, *e);
            if (!found.empty())
                faults << v.name << ":" << found << "\n";
        }
    }
    EXPECT_EQ(faults.str(), "");
}

// The figures the faults were reported with, in their own numbers: each agrees with its ink, and
// a TOP stroke lies where the line shape puts it.
TEST(KindInkSweep, TheReportedFiguresAgreeWithTheirInk)
{
    TestApplication app;
    SweepDrawing d(800, 650);
    // The box of the ink, its far edges past the last inked pixels.
    const auto inkBox = [&d](RECT& box) {
        const bool any = d.screen().inkBox(box);
        ++box.right, ++box.bottom;
        return any;
    };
    struct Case {
        const char* name;
        int kind;
        std::function<void(Element&)> shape;
        // Checked after drawing, before the sweep's checks; "" when it holds.
        std::function<std::string(Element&)> check;
    };
    const auto wideBezier = [](int filled) {
        return [filled](Element& e) {
            points(e, {{30, 70}, {30, 20}, {130, 20}, {130, 70}, {130, 120}, {30, 120}, {30, 70}});
            e.lineWidth()->width = 1.5;
            e.fill()->draw.value = filled;
        };
    };
    const auto mm = [](LONG pixels) { return pixels / kPixelsPerMm; };
    const auto rows = [&mm](const RECT& box) {
        std::ostringstream text;
        text << "x " << mm(box.left) << ".." << mm(box.right) << ", y " << mm(box.top) << ".." << mm(box.bottom);
        return text.str();
    };
    const Case cases[] = {
        {"a TOP line of width 2 is drawn on y 30..32 and picked there", 1,
         [](Element& e) {
             corners(e, Point(20, 30), Point(150, 30));
             e.lineWidth()->width = 2.0;
             e.linePosition()->position = LineOriginAttribute::kTop;
         },
         [&](Element&) {
             RECT box;
             return inkBox(box) && mm(box.top) == 30.0 && mm(box.bottom) == 32.0 ? std::string()
                                                                                 : "the band is on " + rows(box);
         }},
        {"a TOP box with a corner radius strokes inside its outline", 5,
         [](Element& e) {
             corners(e, Point(30, 30), Point(130, 100));
             e.lineWidth()->width = 2.0;
             e.linePosition()->position = LineOriginAttribute::kTop;
             e.cornerRounding()->radii[0] = 5.0;
             e.fill()->draw.value = 0;
         },
         [&](Element&) {
             RECT box;
             return inkBox(box) && mm(box.left) == 30.0 && mm(box.top) == 30.0 && mm(box.right) == 130.0 &&
                            mm(box.bottom) == 100.0
                        ? std::string()
                        : "the ink lies on " + rows(box);
         }},
        {"a Bezier 1.5 mm wide, not filled, erases its edge", 11, wideBezier(0), nullptr},
        {"a Bezier 1.5 mm wide, filled, erases its edge", 11, wideBezier(1), nullptr},
        {"a picture whose file is missing erases its frame", 19,
         [](Element& e) {
             corners(e, Point(30, 30), Point(130, 100));
             e.fileName()->setText("C:\\no-such-folder\\missing.bmp");
         },
         nullptr},
        {"a breakline of width 4 with square caps stores x 18..122", 2,
         [](Element& e) {
             points(e, {{20, 50}, {120, 50}});
             e.lineWidth()->width = 4.0;
             e.lineCap()->capStyle = LineCapAttribute::kSquare;
         },
         [](Element& e) {
             return std::fabs(e.extentMin.x - 18.0) < 1e-9 && std::fabs(e.extentMax.x - 122.0) < 1e-9
                        ? ""
                        : "the extent is x " + std::to_string(e.extentMin.x) + ".." + std::to_string(e.extentMax.x);
         }},
        {"a leader text's circle head lies in its extent", 13,
         [](Element& e) {
             points(e, {{30, 120}, {60, 90}});
             e.translate(0.0, 0.0, 0.0);
             e.arrowHead()->kind = ArrowHeadStyle::kFrameArc;
             text(e, "AB", 5.0);
         },
         [](Element& e) {
             // The circle of the head's length about its tip, and half the head's line.
             const double reach = e.arrowHead()->length / 2.0 + e.arrowHead()->lineSize / 2.0;
             return e.extentMin.x <= 30.0 - reach && e.extentMax.y >= 120.0 + reach
                        ? std::string()
                        : "the extent ends at x " + std::to_string(e.extentMin.x) + ", y " + std::to_string(e.extentMax.y);
         }},
    };
    for (const Case& c : cases) {
        std::unique_ptr<Element> e = make(d, c.kind);
        ASSERT_TRUE(e) << c.name;
        if (e->edge())
            e->edge()->draw.value = 1;
        c.shape(*e);
        ASSERT_EQ(e->exchangeRecord(1), 1) << c.name;
        d.screen().fill(RGB(255, 255, 255));
        (void)e->draw(); // the ink tells
        if (c.check) {
            EXPECT_EQ(c.check(*e), "") << c.name;
        }
        EXPECT_EQ(checkAgainstInk(d, *e), "") << c.name;
    }
}
