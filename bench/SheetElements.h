#pragma once
// The elements of the export benchmarks: small figures of a few kinds spread over an A4 sheet, each
// with its SVG twin for the comparison with rsvg-convert.
#include <cstdio>
#include <string>
#include <utility>

#include "document/DocumentContext.h"
#include "document/Element.h"
#include "document/ElementEditorBase.h"
#include "document/ElementKind.h"
#include "elements/ElementKindRegistry.h"
#include "elements/ElementTextString.h"
#include "elements/TextElementBase.h"
#include "geometry/PointList.h"

// Element i of the drawing: kinds[i % count] (a line, an arc, a box, a polygon or a text), placed
// by i on the sheet; its SVG twin is appended to `svg` when given. 1 when it was added.
inline int addSheetElement(DocumentContext& drawing, int i, const ElementKind* kinds, int count, std::string* svg)
{
    ElementEditorBase& editor = *drawing.editor3;
    const double x = 10 + (i * 7) % 180, y = 10 + (i * 13) % 270;
    const ElementKind kind = kinds[i % count];
    if (editor.startNewElement(kindCode(kind)) != 1)
        return 0;
    Element* e = editor.elementInHand();
    char line[256];
    switch (kind) {
    case ElementKind::Line:
        e->setPoint(1, x, y, 0), e->setPoint(2, x + 15, y + 5, 0);
        std::snprintf(line, sizeof line, "<line x1='%g' y1='%g' x2='%g' y2='%g' stroke='black'/>\n", x, y, x + 15, y + 5);
        break;
    case ElementKind::Arc:
        e->setPoint(1, x, y, 0), e->setPoint(2, x + 10, y, 0), e->setPoint(3, x + 5, y - 5, 0);
        std::snprintf(line, sizeof line, "<path d='M%g %g A5 5 0 0 1 %g %g' fill='none' stroke='black'/>\n", x, y, x + 10, y);
        break;
    case ElementKind::Box:
        e->setPoint(1, x, y, 0), e->setPoint(2, x + 12, y + 8, 0);
        std::snprintf(line, sizeof line, "<rect x='%g' y='%g' width='12' height='8' fill='none' stroke='black'/>\n", x, y);
        break;
    case ElementKind::Polygon:
        if (!e->vertices()->resize(0))
            return 0;
        for (auto [dx, dy] : {std::pair<double, double>{0, 0}, {10, 2}, {8, 9}, {-1, 6}})
            if (!e->vertices()->appendXY(x + dx, y + dy))
                return 0;
        std::snprintf(line, sizeof line, "<polygon points='%g,%g %g,%g %g,%g %g,%g' fill='none' stroke='black'/>\n", x, y,
                      x + 10, y + 2, x + 8, y + 9, x - 1, y + 6);
        break;
    case ElementKind::Text: {
        auto* text = dynamic_cast<TextElementBase*>(e);
        if (!text)
            return 0;
        e->setPoint(1, x, y, 0);
        e->text()->buffer.reset();
        text->insertTextAt(0, "Korvane", 7);
        std::snprintf(line, sizeof line, "<text x='%g' y='%g' font-size='4'>Korvane</text>\n", x, y + 3.4);
        break;
    }
    default:
        return 0;
    }
    if (svg)
        *svg += line;
    return editor.addToPage() >= 1;
}
