#pragma once
// The mixed drawing of the large-drawing benchmark: one landscape A4 sheet (297 x 210 drawing
// units at 1:1) filled with a realistic mix of kinds from a fixed seed: 50 % lines, 15 %
// polylines of 10 to 50 vertices, 10 % boxes, 5 % circles, 5 % arcs, 10 % texts (half of them
// Japanese), 2.5 % length dimensions and 2.5 % cubic Beziers of 1 to 3 segments.
//
// The same pieces are built as elements through an element editor and written as SVG (for the
// comparison with rsvg-convert), so both describe one drawing.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "document/Element.h"
#include "document/ElementKind.h"
#include "elements/CircleDimensionElement.h"
#include "elements/ElementTextString.h"
#include "geometry/FontAttributes.h"
#include "geometry/OpenCloseAttribute.h"
#include "geometry/PointList.h"
#include "shapes/RadiusList.h"
#include "views/tools/ElementEditor.h"

namespace mixed_drawing {

constexpr double kSheetWidth = 297.0;
constexpr double kSheetHeight = 210.0;

// xorshift64*: the same numbers on every compiler and library.
class Random {
public:
    explicit Random(uint64_t seed) : state(seed ? seed : 1) {}
    uint64_t next()
    {
        state ^= state >> 12;
        state ^= state << 25;
        state ^= state >> 27;
        return state * 2685821657736338717ull;
    }
    // [0, 1)
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    double between(double low, double high) { return low + (high - low) * unit(); }
    int below(int n) { return static_cast<int>(next() % static_cast<uint64_t>(n)); }

private:
    uint64_t state;
};

struct Xy {
    double x, y;
};

// One element of the drawing in plain numbers (drawing units, y downwards).
struct Piece {
    ElementKind kind = ElementKind::Line;
    std::vector<Xy> points; // line: 2; polyline: 10..50; box: 2 corners; arc: start, end, middle;
                            // text: anchor; dimension: 2 measured + display; Bezier: 3n + 1
    double radius = 0.0;    // circle (centre in points[0])
    double size = 0.0;      // text height
    std::string text;       // Shift-JIS
};

inline Xy onSheet(Random& r, double margin)
{
    return {r.between(margin, kSheetWidth - margin), r.between(margin, kSheetHeight - margin)};
}

// The kind of piece i of the mix (out of 40: 20 lines, 6 polylines, 4 boxes, 2 circles, 2 arcs,
// 4 texts, 1 dimension, 1 Bezier).
inline ElementKind kindOfSlot(int slot)
{
    if (slot < 20)
        return ElementKind::Line;
    if (slot < 26)
        return ElementKind::Breakline;
    if (slot < 30)
        return ElementKind::Box;
    if (slot < 32)
        return ElementKind::Circle;
    if (slot < 34)
        return ElementKind::Arc;
    if (slot < 38)
        return ElementKind::Text;
    if (slot < 39)
        return ElementKind::Measure;
    return ElementKind::Bezier;
}

// A piece of the kind at a random place; `serial` numbers the texts.
inline Piece makePiece(Random& r, ElementKind kind, int serial)
{
    Piece p;
    p.kind = kind;
    const Xy at = onSheet(r, 12.0);
    switch (kind) {
    case ElementKind::Line:
        p.points = {at, {at.x + r.between(-10.0, 10.0), at.y + r.between(-10.0, 10.0)}};
        break;
    case ElementKind::Breakline: {
        const int n = 10 + r.below(41);
        Xy q = at;
        for (int i = 0; i < n; ++i) {
            p.points.push_back(q);
            q.x = std::fmin(std::fmax(q.x + r.between(-2.0, 2.0), 1.0), kSheetWidth - 1.0);
            q.y = std::fmin(std::fmax(q.y + r.between(-2.0, 2.0), 1.0), kSheetHeight - 1.0);
        }
        break;
    }
    case ElementKind::Box:
        p.points = {at, {at.x + r.between(1.0, 10.0), at.y + r.between(1.0, 10.0)}};
        break;
    case ElementKind::Circle:
        p.points = {at};
        p.radius = r.between(0.5, 8.0);
        break;
    case ElementKind::Arc: {
        // Start, end and a middle point on a circle about `at`.
        const double radius = r.between(1.0, 8.0);
        const double a = r.between(0.0, 6.283), span = r.between(0.5, 3.0);
        auto on = [&](double angle) { return Xy{at.x + radius * std::cos(angle), at.y - radius * std::sin(angle)}; };
        p.points = {on(a), on(a + span), on(a + span / 2.0)};
        break;
    }
    case ElementKind::Text: {
        p.points = {at};
        p.size = r.between(2.5, 5.0);
        char bytes[64];
        if (serial % 2)
            std::snprintf(bytes, sizeof bytes, "部品番号 %d", serial);
        else
            std::snprintf(bytes, sizeof bytes, "Part %d", serial);
        p.text = bytes;
        break;
    }
    case ElementKind::Measure: {
        const Xy end = {at.x + r.between(5.0, 30.0), at.y};
        p.points = {at, end, {(at.x + end.x) / 2.0, at.y - r.between(3.0, 8.0)}};
        break;
    }
    case ElementKind::Bezier: {
        const int segments = 1 + r.below(3);
        Xy q = at;
        p.points.push_back(q);
        for (int i = 0; i < 3 * segments; ++i) {
            q.x = std::fmin(std::fmax(q.x + r.between(-4.0, 4.0), 1.0), kSheetWidth - 1.0);
            q.y = std::fmin(std::fmax(q.y + r.between(-4.0, 4.0), 1.0), kSheetHeight - 1.0);
            p.points.push_back(q);
        }
        break;
    }
    case ElementKind::MsrRadius:
    case ElementKind::MsrDiameter: {
        // P1 on a circle about `at`, P2 its centre.
        const double radius = r.between(2.0, 8.0);
        p.points = {{at.x + radius, at.y}, at};
        break;
    }
    default:
        p.points = {at, {at.x + 5.0, at.y + 5.0}};
        break;
    }
    return p;
}

// Calls each(piece) for the n pieces of the mixed drawing.
template <typename Each> void forEachPiece(int n, uint64_t seed, Each each)
{
    Random r(seed);
    for (int i = 0; i < n; ++i)
        each(makePiece(r, kindOfSlot(r.below(40)), i));
}

// Calls each(piece) for n pieces of one kind.
template <typename Each> void forEachPieceOfKind(ElementKind kind, int n, uint64_t seed, Each each)
{
    Random r(seed);
    for (int i = 0; i < n; ++i)
        each(makePiece(r, kind, i));
}

// The piece becomes the element in the editor's hand (of its kind, values of the kind's defaults
// otherwise) and is stored on the current page; the new id, 0 when it could not be.
inline int addPiece(ElementEditorBase& editor, const Piece& p)
{
    if (!editor.startNewElement(kindCode(p.kind)))
        return 0;
    Element* e = editor.elementInHand();
    switch (p.kind) {
    case ElementKind::Line:
    case ElementKind::Box:
        e->firstPoint()->x = p.points[0].x, e->firstPoint()->y = p.points[0].y;
        e->secondPoint()->x = p.points[1].x, e->secondPoint()->y = p.points[1].y;
        break;
    case ElementKind::Breakline:
        e->clearPoints();
        for (const Xy& q : p.points)
            e->appendPoint(q.x, q.y, 0.0);
        break;
    case ElementKind::Circle:
        e->thirdPoint()->x = p.points[0].x, e->thirdPoint()->y = p.points[0].y;
        e->radii()->setSingle(p.radius);
        break;
    case ElementKind::Arc:
        e->firstPoint()->x = p.points[0].x, e->firstPoint()->y = p.points[0].y;
        e->secondPoint()->x = p.points[1].x, e->secondPoint()->y = p.points[1].y;
        e->thirdPoint()->x = p.points[2].x, e->thirdPoint()->y = p.points[2].y;
        break;
    case ElementKind::Text:
        e->firstPoint()->x = p.points[0].x, e->firstPoint()->y = p.points[0].y;
        e->text()->buffer.reset();
        (void)e->text()->buffer.insert(p.text.data(), static_cast<int>(p.text.size()));
        e->font()->size = p.size;
        break;
    case ElementKind::Measure:
        e->vertices()->count = 0;
        for (int i = 0; i < 2; ++i)
            if (!e->vertices()->appendXYZ(p.points[i].x, p.points[i].y, 0.0))
                return 0;
        e->thirdPoint()->x = p.points[2].x, e->thirdPoint()->y = p.points[2].y;
        break;
    case ElementKind::MsrRadius:
    case ElementKind::MsrDiameter: {
        auto* d = dynamic_cast<CircleDimensionElement*>(e);
        if (!d || !d->vertices()->setXYZ(0, p.points[0].x, p.points[0].y, 0.0))
            return 0;
        d->thirdPoint()->x = p.points[1].x, d->thirdPoint()->y = p.points[1].y;
        const double value = std::hypot(p.points[1].x - p.points[0].x, p.points[1].y - p.points[0].y);
        if (!d->values()->setAll(1, &value))
            return 0;
        d->layout.value = CircleDimensionElement::kIn;
        break;
    }
    case ElementKind::Bezier:
        e->clearPoints();
        for (const Xy& q : p.points)
            e->appendPoint(q.x, q.y, 0.0);
        e->openClose()->value = OpenCloseAttribute::kOpen;
        break;
    default:
        break;
    }
    return editor.addToPage();
}

// The pieces as an SVG document of the sheet in millimetres (rsvg-convert renders it at 96 dpi).
class SvgWriter {
public:
    explicit SvgWriter(FILE* out) : file(out)
    {
        std::fprintf(file,
                     "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%gmm\" height=\"%gmm\" viewBox=\"0 0 %g %g\">\n"
                     "<rect width=\"%g\" height=\"%g\" fill=\"white\"/>\n"
                     "<g fill=\"none\" stroke=\"black\" stroke-width=\"0.25\">\n",
                     kSheetWidth, kSheetHeight, kSheetWidth, kSheetHeight, kSheetWidth, kSheetHeight);
    }
    ~SvgWriter() { std::fprintf(file, "</g>\n</svg>\n"); }

    void write(const Piece& p)
    {
        const std::vector<Xy>& q = p.points;
        switch (p.kind) {
        case ElementKind::Line:
            std::fprintf(file, "<line x1=\"%.3f\" y1=\"%.3f\" x2=\"%.3f\" y2=\"%.3f\"/>\n", q[0].x, q[0].y, q[1].x, q[1].y);
            break;
        case ElementKind::Breakline:
            std::fprintf(file, "<polyline points=\"");
            for (const Xy& v : q)
                std::fprintf(file, "%.3f,%.3f ", v.x, v.y);
            std::fprintf(file, "\"/>\n");
            break;
        case ElementKind::Box:
            std::fprintf(file, "<rect x=\"%.3f\" y=\"%.3f\" width=\"%.3f\" height=\"%.3f\"/>\n", q[0].x, q[0].y,
                         q[1].x - q[0].x, q[1].y - q[0].y);
            break;
        case ElementKind::Circle:
            std::fprintf(file, "<circle cx=\"%.3f\" cy=\"%.3f\" r=\"%.3f\"/>\n", q[0].x, q[0].y, p.radius);
            break;
        case ElementKind::Arc: {
            const double radius = radiusThrough(q[0], q[1], q[2]);
            std::fprintf(file, "<path d=\"M%.3f %.3fA%.3f %.3f 0 0 0 %.3f %.3f\"/>\n", q[0].x, q[0].y, radius, radius,
                         q[1].x, q[1].y);
            break;
        }
        case ElementKind::Text:
            std::fprintf(file, "<text x=\"%.3f\" y=\"%.3f\" font-size=\"%.3f\" fill=\"black\" stroke=\"none\">%s</text>\n",
                         q[0].x, q[0].y + p.size, p.size, p.text.c_str());
            break;
        case ElementKind::Measure: {
            // Extension lines, the dimension line with two arrow heads, the numeral.
            const double y = q[2].y;
            std::fprintf(file, "<path d=\"M%.3f %.3fV%.3fM%.3f %.3fV%.3fM%.3f %.3fH%.3f\"/>\n", q[0].x, q[0].y, y - 1.0,
                         q[1].x, q[1].y, y - 1.0, q[0].x, y, q[1].x);
            std::fprintf(file, "<path d=\"M%.3f %.3fl2.5 -0.6v1.2zM%.3f %.3fl-2.5 -0.6v1.2z\" fill=\"black\"/>\n",
                         q[0].x, y, q[1].x, y);
            std::fprintf(file, "<text x=\"%.3f\" y=\"%.3f\" font-size=\"2.5\" fill=\"black\" stroke=\"none\">%.1f</text>\n",
                         (q[0].x + q[1].x) / 2.0, y - 0.5, q[1].x - q[0].x);
            break;
        }
        case ElementKind::Bezier:
            std::fprintf(file, "<path d=\"M%.3f %.3f", q[0].x, q[0].y);
            for (size_t i = 1; i + 2 < q.size(); i += 3)
                std::fprintf(file, "C%.3f %.3f %.3f %.3f %.3f %.3f", q[i].x, q[i].y, q[i + 1].x, q[i + 1].y, q[i + 2].x,
                             q[i + 2].y);
            std::fprintf(file, "\"/>\n");
            break;
        default:
            break;
        }
    }

private:
    static double radiusThrough(const Xy& a, const Xy& b, const Xy& c)
    {
        const double ab = std::hypot(a.x - b.x, a.y - b.y), bc = std::hypot(b.x - c.x, b.y - c.y),
                     ca = std::hypot(c.x - a.x, c.y - a.y);
        const double area2 = std::fabs((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y));
        return area2 > 1e-12 ? ab * bc * ca / (2.0 * area2) : ab / 2.0;
    }

    FILE* file;
};

} // namespace mixed_drawing
