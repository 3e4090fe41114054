#include "tests/support/SampleElements.h"

#include "document/Element.h"
#include "elements/CircleDimensionElement.h"
#include "elements/ElementTextString.h"
#include "geometry/PointList.h"
#include "shapes/ValueList.h"
#include "views/tools/ElementEditor.h"

Element* startSampleElement(ElementEditorBase& editor, int kind, double dx, double dy)
{
    if (!editor.startNewElement(kind))
        return nullptr;
    Element* e = editor.elementInHand();
    const Point corners[3] = {{30 + dx, 40 + dy}, {70 + dx, 65 + dy}, {40 + dx, 80 + dy}};
    DrawPoint* points[3] = {e->firstPoint(), e->secondPoint(), e->thirdPoint()};
    for (int k = 0; k < 3; ++k) {
        if (points[k])
            points[k]->x = corners[k].x, points[k]->y = corners[k].y;
    }
    auto* dimension = dynamic_cast<CircleDimensionElement*>(e);
    if (PointList* list = e->vertices()) {
        const int wanted = dimension ? 1 : 3;
        if (!list->resize(wanted))
            return nullptr;
        for (int k = 0; k < wanted; ++k) {
            if (!list->setXYZ(k, corners[k].x, corners[k].y, 0.0))
                return nullptr;
        }
    }
    const double radius = 12.5;
    if (dimension && !dimension->values()->setAll(1, &radius))
        return nullptr;
    if (ElementTextString* text = e->text()) {
        text->buffer.reset();
        if (!text->buffer.insert("AB 12", 5))
            return nullptr;
    }
    return e;
}
