#include "dialogs/properties/VertexStepper.h"

#include <initializer_list>

#include "dialogs/properties/PropertyDialog.h"
#include "dialogs/properties/PropertyFields.h"
#include "document/DocumentContext.h"
#include "elements/VertexRoundingList.h"
#include "geometry/PointList.h"
#include "platform/ControlKinds.h"
#include "platform/Dialog.h"

VertexStepper::VertexStepper(const VertexPageIds& pageIds, int radiusOnEnds, int fromGridOrigin)
    : ids(pageIds), radiusOnEnds(radiusOnEnds), fromGridOrigin(fromGridOrigin)
{
}

void VertexStepper::bind(PointList* vertexList, VertexRoundingList* rounding, DocumentContext* drawing)
{
    points = vertexList;
    radii = rounding;
    working.owner = drawing;
}

void VertexStepper::declare(Dialog& dialog) const
{
    // Declaring fails only when memory ran out, and an id of 0 is refused: the page then goes
    // without the control, and every transfer below looks for it first.
    (void)dialog.addControl(ids.x, KIND_REAL_EDIT);
    (void)dialog.addControl(ids.y, KIND_REAL_EDIT);
    for (int label : {ids.xUnit, ids.yUnit, ids.number, ids.count, ids.radiusUnit})
        (void)dialog.addControl(label, KIND_INTEGER_DISPLAY);
    (void)dialog.addControl(ids.previous, KIND_PUSH_BUTTON);
    (void)dialog.addControl(ids.next, KIND_PUSH_BUTTON);
    (void)dialog.addControl(ids.radius, KIND_REAL_EDIT);
}

int VertexStepper::pointCount() const { return points && points->count > 0 ? points->count : 0; }

int VertexStepper::hasVertex() const { return pointCount() > 0; }

void VertexStepper::clampIndex()
{
    const int count = pointCount();
    if (current >= count)
        current = count - 1;
    if (current < 0)
        current = 0;
}

void VertexStepper::load(Dialog& dialog)
{
    clampIndex();
    const int count = pointCount();
    const int shown = count > 0 && points->getPoint(current, &working);
    // Each transfer answers 0 only for a control the page lacks.
    if (shown && fromGridOrigin) {
        property_fields::showPoint(dialog, working, ids.x, ids.y, ids.xUnit, ids.yUnit);
    } else if (shown) {
        property_fields::showInGridUnits(dialog, working, ids.x, ids.y, ids.xUnit, ids.yUnit);
    } else {
        (void)dialog.setText(ids.x, "");
        (void)dialog.setText(ids.y, "");
    }
    (void)dialog.setInt(ids.number, shown ? current + 1 : 0);
    (void)dialog.setInt(ids.count, count);
    (void)dialog.enableControl(ids.previous, shown && canStep(-1));
    (void)dialog.enableControl(ids.next, shown && canStep(1));
    if (!ids.radius)
        return;
    (void)working.showXUnitLabel(&dialog, ids.radiusUnit);
    const int hasRadius = shown && radii && current < radii->count;
    if (hasRadius)
        property_fields::showLength(dialog, ids.radius, working, radii->get(current));
    else
        (void)dialog.setText(ids.radius, "");
    const int atEnd = current == 0 || current == count - 1;
    (void)dialog.enableControl(ids.radius, hasRadius && (radiusOnEnds || !atEnd));
}

void VertexStepper::store(Dialog& dialog, double limit)
{
    clampIndex();
    if (!hasVertex())
        return;
    // The fields show the working point: untouched ones leave it as it was copied.
    if (fromGridOrigin)
        property_fields::takePoint(dialog, working, ids.x, ids.y, limit);
    else
        property_fields::takeInGridUnits(dialog, working, ids.x, ids.y, limit);
    (void)points->setPoint(current, &working); // current lies within the list
    double radius = 0.0;
    if (ids.radius && radii && current < radii->count &&
        property_fields::takeLength(dialog, ids.radius, working, limit, radius))
        (void)radii->set(current, radius); // current lies within the rounding list
}

int VertexStepper::directionOf(int controlId) const
{
    if (controlId != 0 && controlId == ids.previous)
        return -1;
    if (controlId != 0 && controlId == ids.next)
        return 1;
    return 0;
}

int VertexStepper::canStep(int direction) const
{
    const int target = current + direction;
    return direction != 0 && target >= 0 && target < pointCount();
}

void VertexStepper::step(int direction)
{
    if (canStep(direction))
        current += direction;
}

void VertexStepper::loadAndMark(PropertyDialog& dialog)
{
    load(dialog);
    if (hasVertex())
        dialog.markVertex(working);
}

int VertexStepper::stepOnClick(PropertyDialog& dialog, int controlId, const std::function<void()>& reload)
{
    const int direction = directionOf(controlId);
    if (direction == 0)
        return 0;
    if (!canStep(direction))
        return 1; // a step past either end does nothing
    dialog.applyPage(0);
    if (dialog.refusedField)
        return 1; // the vertex shown keeps the field the user is to mend
    step(direction);
    if (reload)
        reload();
    else
        loadAndMark(dialog);
    return 1;
}
