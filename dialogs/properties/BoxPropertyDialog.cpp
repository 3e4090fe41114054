#include "dialogs/properties/BoxPropertyDialog.h"

#include "dialogs/properties/PropertyFields.h"
#include "document/Element.h"
#include "geometry/DrawPoint.h"
#include "geometry/LeanAttribute.h"
#include "resources/ids_properties.h"
#include "shapes/CornerRounding.h"

namespace {
using Base = StrokePropertyDialogBase;
const Base::PointFields kPoints[] = {
    {&Element::firstPoint, IDC_BOX_START_X, IDC_BOX_START_Y, IDC_BOX_START_X_UNIT, IDC_BOX_START_Y_UNIT},
    {&Element::secondPoint, IDC_BOX_END_X, IDC_BOX_END_Y, IDC_BOX_END_X_UNIT, IDC_BOX_END_Y_UNIT},
};
const Base::Layout kLayout = {{IDD_BOX_COLOUR, IDD_BOX_TYPE, IDD_AREA_PAGE, IDD_BOX_POINTS},
                              {IDC_BOX_WIDTH, IDC_BOX_POSITION, IDC_BOX_STYLE, 0},
                              {{IDC_BOX_EDGE_COLOUR, Base::kEdgeColour},
                               {IDC_BOX_FILL_COLOUR, Base::kFillColour},
                               {IDC_BOX_PATTERN_COLOUR, Base::kHatchColour}},
                              kPoints,
                              2};
// The corner radii in the rounding's order (top right, top left, bottom left, bottom right) and
// the fields that show them.
const int kRadiusFields[4] = {IDC_BOX_RADIUS_TOP_RIGHT, IDC_BOX_RADIUS_TOP_LEFT, IDC_BOX_RADIUS_BOTTOM_LEFT,
                              IDC_BOX_RADIUS_BOTTOM_RIGHT};
} // namespace

BoxPropertyDialog::BoxPropertyDialog() : StrokePropertyDialogBase(kLayout) {}

int BoxPropertyDialog::runKind(PropertyStepRecord& record) { return run(record, "ボックス"); }

void BoxPropertyDialog::declareCoordinateControls()
{
    StrokePropertyDialogBase::declareCoordinateControls();
    declareFields({IDC_BOX_LEAN, kRadiusFields[0], kRadiusFields[1], kRadiusFields[2], kRadiusFields[3]},
                  {IDC_BOX_RADIUS_UNIT});
}

void BoxPropertyDialog::loadCoordinatePage()
{
    StrokePropertyDialogBase::loadCoordinatePage();
    // Each transfer answers 0 only for a field the page lacks, which then shows nothing.
    if (LeanAttribute* lean = element->lean())
        (void)lean->angleToField(this, IDC_BOX_LEAN);
    const DrawPoint* start = element->firstPoint();
    CornerRounding* rounding = element->cornerRounding();
    if (!start)
        return;
    (void)start->showXUnitLabel(this, IDC_BOX_RADIUS_UNIT);
    if (rounding)
        for (int corner = 0; corner < 4; ++corner)
            property_fields::showLength(*this, kRadiusFields[corner], *start, rounding->radius(corner));
}

void BoxPropertyDialog::storeCoordinatePage()
{
    StrokePropertyDialogBase::storeCoordinatePage();
    double typed = 0.0;
    LeanAttribute* lean = element->lean();
    if (lean && property_fields::takeReal(*this, IDC_BOX_LEAN, -property_fields::kMaxAngle,
                                          property_fields::kMaxAngle, typed))
        lean->angle = typed;
    const DrawPoint* start = element->firstPoint();
    CornerRounding* rounding = element->cornerRounding();
    if (!start || !rounding)
        return;
    for (int corner = 0; corner < 4; ++corner)
        if (property_fields::takeLength(*this, kRadiusFields[corner], *start, coordinateLimit(), typed))
            rounding->setRadius(corner, typed);
}
