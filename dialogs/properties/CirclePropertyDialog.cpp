#include "dialogs/properties/CirclePropertyDialog.h"

#include "dialogs/properties/PropertyFields.h"
#include "document/Element.h"
#include "geometry/DoubleValue.h"
#include "geometry/DrawPoint.h"
#include "platform/UnitConverter.h"
#include "resources/ids_properties.h"
#include "shapes/RadiusList.h"

using property_fields::kMaxAngle;
using property_fields::takeReal;

namespace {
using Base = StrokePropertyDialogBase;
// The centre is the third point.
const Base::PointFields kCentre[] = {
    {&Element::thirdPoint, IDC_CIRCLE_CENTRE_X, IDC_CIRCLE_CENTRE_Y, IDC_CIRCLE_CENTRE_X_UNIT,
     IDC_CIRCLE_CENTRE_Y_UNIT},
};
const Base::Layout kLayout = {{IDD_CIRCLE_COLOUR, IDD_CIRCLE_TYPE, 0, IDD_CIRCLE_POINTS},
                              {IDC_CIRCLE_WIDTH, IDC_CIRCLE_POSITION, IDC_CIRCLE_STYLE, 0},
                              {{IDC_CIRCLE_COLOUR, Base::kEdgeColour}},
                              kCentre,
                              1};
} // namespace

CirclePropertyDialog::CirclePropertyDialog() : StrokePropertyDialogBase(kLayout) {}

int CirclePropertyDialog::runKind(PropertyStepRecord& record) { return run(record, "円"); }

void CirclePropertyDialog::declareCoordinateControls()
{
    StrokePropertyDialogBase::declareCoordinateControls();
    declareFields({IDC_CIRCLE_RADIUS, IDC_CIRCLE_START_ANGLE, IDC_CIRCLE_SPAN}, {IDC_CIRCLE_RADIUS_UNIT});
}

void CirclePropertyDialog::loadCoordinatePage()
{
    StrokePropertyDialogBase::loadCoordinatePage();
    // Each transfer answers 0 only for a field the page lacks, which then shows nothing.
    (void)setText(IDC_CIRCLE_RADIUS_UNIT, DrawPoint::unitName(UnitConverter::millimetre));
    if (RadiusList* radius = element->radii())
        (void)setDouble(IDC_CIRCLE_RADIUS, radius->first());
    DoubleValue* start = element->value1();
    DoubleValue* end = element->value2();
    if (start)
        (void)start->toField(this, IDC_CIRCLE_START_ANGLE);
    if (start && end)
        (void)end->differenceToField(this, IDC_CIRCLE_SPAN, start->value);
}

void CirclePropertyDialog::storeCoordinatePage()
{
    StrokePropertyDialogBase::storeCoordinatePage();
    double typed = 0.0;
    RadiusList* radius = element->radii();
    if (radius && takeReal(*this, IDC_CIRCLE_RADIUS, property_fields::kMinRadius, coordinateLimit(), typed))
        radius->setValue(0, typed);
    DoubleValue* start = element->value1();
    DoubleValue* end = element->value2();
    if (!start || !end)
        return;
    // The end angle keeps the span shown: it follows a new start angle, and a new span.
    const double span = end->value - start->value;
    const int startTaken = takeReal(*this, IDC_CIRCLE_START_ANGLE, -kMaxAngle, kMaxAngle, typed);
    if (startTaken)
        start->value = typed;
    double newSpan = span;
    const int spanTaken = takeReal(*this, IDC_CIRCLE_SPAN, -kMaxAngle, kMaxAngle, newSpan);
    if (startTaken || spanTaken)
        end->value = start->value + newSpan;
}
